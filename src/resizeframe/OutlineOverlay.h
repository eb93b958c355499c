// The surface a drag outline is drawn on.
#pragma once

#include "resizeframe/OutlineGeometry.h"

#include <QColor>
#include <QRegion>
#include <QWidget>

#include <vector>

class QPainter;

// Pen of a drag outline. A solid outline is Width pixels wide; any other
// style is drawn 1 pixel wide. Width still sets the inset in both cases.
struct OutlinePen {
    QColor Color;
    Qt::PenStyle Style = Qt::SolidLine;
    int Width = 1;
};

// A transparent widget laid over the whole client area of a parent for the
// length of one drag. It paints each outline it holds with a not-xor pen over
// whatever the parent and its other children show beneath, so an outline is
// visible on dark and on light ground alike. Being a child of the parent, it
// is clipped to the parent's client area.
//
// Toggle behaves like a not-xor draw on the screen: toggling a rectangle
// shows it, toggling it again removes it. Each toggle invalidates only the
// band under that outline, so Qt repaints the parent in that band and
// nowhere else; the controls beneath are never moved or resized.
class OutlineOverlay : public QWidget {
    Q_OBJECT

public:
    OutlineOverlay(QWidget *parent, const OutlinePen &pen);

    void Toggle(const EdgeRect &outline);
    const std::vector<EdgeRect> &ShownOutlines() const { return shown_; }

    // Draws one outline with the not-xor raster operation; drawing the same
    // outline twice leaves every pixel as it was.
    static void PaintNotXor(QPainter &painter, const EdgeRect &outline, const OutlinePen &pen);

    // The pixels an outline can touch: a band along its four sides.
    static QRegion Band(const EdgeRect &outline, const OutlinePen &pen);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    OutlinePen pen_;
    std::vector<EdgeRect> shown_;
};
