#pragma once
// A picture control: owns one picture and shows it at a zoom, sized to the zoomed picture, with
// outlines of regions drawn over it that show on dark, light and busy pictures alike.
#include <QColor>
#include <QPixmap>
#include <QPolygonF>
#include <QRect>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

#include "core/AreaSet.h"
#include "widgets/OutlineStamps.h"

class QPainter;

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Takes the picture over, replacing (and freeing) the one held before; shown at 100 %.
    void SetPicture(QPixmap picture);
    const QPixmap &Picture() const { return picture_; }
    int PictureWidth() const { return picture_.width(); }
    int PictureHeight() const { return picture_.height(); }

    // Shows the picture at zoom (1.0 is one screen pixel for each picture pixel).
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }

    // Replaces the outlines drawn over the picture: the regions of areas, each a rectangle, the
    // circle inscribed in its box, or a polygon, held (not copied) for as long as they are shown.
    // They stay in picture pixels whatever the zoom, and are drawn beneath any child widget: a
    // 1-pixel dark line on the region's edge pixels in a 3-pixel light band, so that one of the two
    // stands out from any picture. The outline colour is the dark line when it is dark, else the
    // light band around a black line.
    void SetOutlines(std::shared_ptr<const vemo::AreaSet> areas);
    const vemo::AreaSet &Outlines() const { return *areas_; }
    QColor OutlineColor() const { return outlineColor_; }
    void SetOutlineColor(const QColor &color);
    // Marks the areas of these lines, as the outlines hold them, with a dashed box just outside
    // each outline: the areas selected together. Lines without an outline are passed over.
    void SetMarkedLines(std::vector<int> lines);
    const std::vector<int> &MarkedLines() const { return markedLines_; }
    // Draws the marks shifted by offset display pixels, as a drag of the marked areas takes them.
    void SetMarkOffset(QPoint offset);
    // Draws a grid of lines every size picture pixels over the picture, beneath the outlines;
    // none for a size below 2.
    void SetGridSize(int size);
    int GridSize() const { return gridSize_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // An outline on the display at the current zoom.
    struct ShownOutline {
        QRect bounds; // the pixels it may touch, cut to just beyond the control
        bool round = false;
        bool large = false; // a circle too large for QPainter's ellipse, drawn from its rim
        double left = 0, top = 0, side = 0; // a large circle's box on the display
        QPolygonF polygon;                  // a polygon's vertices on the display, through pixel centres
    };

    // Sizes the control to the picture at zoom and repaints it.
    void ShowAt(double zoom);
    // Where an outline lies at the current zoom and size; nothing when it is not on the control.
    std::optional<ShownOutline> Placed(const vemo::AreaRegion &outline) const;
    // The part of the control an outline may paint, its band included.
    QRect Reach(const vemo::AreaRegion &outline) const;
    void PaintPicture(QPainter &painter, const QRegion &exposed) const;
    void PaintOutlines(QPainter &painter, const QRegion &exposed) const;
    void PaintMarks(QPainter &painter, const QRegion &exposed) const;
    void PaintGrid(QPainter &painter, const QRegion &exposed) const;
    // The boxes of the marked areas on the display, and what repaints them.
    std::vector<QRect> MarkBoxes() const;
    QRegion MarksReach() const;
    // The outlines whose band reaches the repainted area, placed, in the order given.
    std::vector<ShownOutline> OutlinesMeeting(const QRegion &exposed) const;
    // Draws these outlines with the painter's pen: the wide light band, or the dark line.
    void StrokeOutlines(QPainter &painter, const QRegion &exposed, const std::vector<ShownOutline> &outlines,
                        bool band) const;

    QPixmap picture_;
    // Below 100 % the picture is reduced once, smoothly, and painted from that copy, so a drag
    // step repaints no more pixels than at 100 %.
    QPixmap reduced_;
    double zoom_ = 1.0;

    std::shared_ptr<const vemo::AreaSet> areas_ = std::make_shared<const vemo::AreaSet>();
    QColor outlineColor_ = Qt::black;
    std::vector<int> markedLines_;
    QPoint markOffset_;
    int gridSize_ = 0;
    mutable OutlineStamps stamps_; // filled while painting
};
