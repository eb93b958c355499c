#pragma once
// A press and drag on the bare picture, away from the areas, marks out a new rectangle with a
// rubber band; every picture pixel the band touches is in it, and its corners go to the picture's
// grid when one is shown.
#include <QObject>
#include <QPoint>

#include "core/AreaGeometry.h"

class AreaPicker;
class PictureBox;
class QMouseEvent;
class QRubberBand;

class RectangleMarker : public QObject {
    Q_OBJECT
public:
    // The band is drawn on picture; a press on one of picker's areas is a click, not a start.
    RectangleMarker(PictureBox *picture, const AreaPicker &picker, QObject *parent);

    // Whether a drag marks out a rectangle: only while no area is being made or edited.
    void SetAllowed(bool allowed) { allowed_ = allowed; }

    // Follows a mouse event on the picture control; true when it was part of a marking.
    bool Follow(const QMouseEvent &mouse);

signals:
    // The box marked out, in picture pixels.
    void Marked(const vemo::Box &box);

private:
    PictureBox *picture_;
    const AreaPicker &picker_;
    QRubberBand *band_;
    QPoint from_; // on the picture control, while a rectangle is being marked out
    bool allowed_ = false;
};
