#pragma once
// Where a polygon in picture pixels lies on the display at a zoom: its vertices and their handles,
// what lies under a display point, the area it paints, and the painting itself.
#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QPolygonF>
#include <QRect>

#include <cstddef>
#include <optional>
#include <vector>

#include "core/AreaGeometry.h"

class QPainter;

// A view of points at zoom for the moment it is used: it keeps a reference to the points.
class PolygonDisplay {
public:
    // Side of a vertex handle, as the sizing handles of the rectangle, and how near an edge a
    // display point must be to lie on it; both in display pixels, at any zoom.
    static constexpr int kHandleSize = 5;
    static constexpr int kEdgeReach = 3;

    enum class Part { Nothing, Handle, Edge, Inside };
    struct Hit {
        Part part = Part::Nothing;
        std::size_t index = 0; // the vertex of a handle, or the edge (from vertex index to the next)
    };

    PolygonDisplay(const std::vector<vemo::Point> &points, double zoom) : points_(points), zoom_(zoom) {}

    // The middle of vertex i's picture pixel, as the picture control draws its outlines through.
    QPointF Centre(std::size_t i) const;
    QRect Handle(std::size_t i) const;
    // A handle (the one drawn last where they overlap), else an edge within reach, else the inside.
    Hit HitAt(QPoint display) const;
    // The pixels the polygon, its handles and a line on to lineTo take up, within bounds.
    QRect Area(std::optional<QPoint> lineTo, const QRect &bounds) const;

    // The closed outline with a back-diagonal hatch whose gaps leave what lies beneath seen.
    void PaintHatched(QPainter &painter, const QColor &color) const;
    // The edges so far of a polygon being placed, and a dotted line on to lineTo.
    void PaintOpen(QPainter &painter, const QColor &color, std::optional<QPoint> lineTo) const;
    // A hollow handle on every vertex; the selected one filled.
    void PaintHandles(QPainter &painter, const QColor &color, std::optional<std::size_t> selected) const;

private:
    QPolygonF Corners() const;

    const std::vector<vemo::Point> &points_;
    double zoom_;
};
