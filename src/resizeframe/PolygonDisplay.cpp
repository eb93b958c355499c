#include "resizeframe/PolygonDisplay.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "core/PolygonEditing.h"
#include "core/PolygonGeometry.h"
#include "core/ZoomMapping.h"

namespace {

// Display coordinates are cut to this far beyond the control before they become integers: a
// vertex typed millions of pixels away has its handle far off the control all the same.
constexpr double kFarOff = 1 << 24;

int DisplayPixel(double coordinate)
{
    return static_cast<int>(std::floor(std::clamp(coordinate, -kFarOff, kFarOff)));
}

QPointF PixelCentre(QPoint display)
{
    return QPointF(display) + QPointF(0.5, 0.5);
}

} // namespace

QPointF PolygonDisplay::Centre(std::size_t i) const
{
    return {vemo::PixelCentre(points_[i].x, zoom_), vemo::PixelCentre(points_[i].y, zoom_)};
}

QPolygonF PolygonDisplay::Corners() const
{
    QPolygonF corners;
    for (std::size_t i = 0; i < points_.size(); ++i)
        corners << Centre(i);
    return corners;
}

QRect PolygonDisplay::Handle(std::size_t i) const
{
    const QPointF centre = Centre(i);
    return {DisplayPixel(centre.x()) - kHandleSize / 2, DisplayPixel(centre.y()) - kHandleSize / 2, kHandleSize,
            kHandleSize};
}

PolygonDisplay::Hit PolygonDisplay::HitAt(QPoint display) const
{
    for (std::size_t i = points_.size(); i-- > 0;) {
        if (Handle(i).contains(display))
            return {Part::Handle, i};
    }
    // The middle of the display pixel, in picture pixels measured like the vertices.
    const QPointF at = PixelCentre(display) / zoom_ - QPointF(0.5, 0.5);
    if (const std::optional<std::size_t> edge = vemo::NearestEdge(points_, at.x(), at.y(), kEdgeReach / zoom_))
        return {Part::Edge, *edge};
    if (vemo::PolygonHolds(points_, vemo::PicturePixel(display.x(), zoom_), vemo::PicturePixel(display.y(), zoom_)))
        return {Part::Inside, 0};
    return {};
}

QRect PolygonDisplay::Area(std::optional<QPoint> lineTo, const QRect &bounds) const
{
    QPolygonF corners = Corners();
    if (lineTo)
        corners << PixelCentre(*lineTo);
    if (corners.isEmpty())
        return {};
    // Handles reach half their size beyond a vertex: a whole handle's size takes in the pen too.
    const double margin = kHandleSize;
    return (corners.boundingRect().adjusted(-margin, -margin, margin, margin) & QRectF(bounds)).toAlignedRect();
}

void PolygonDisplay::PaintHatched(QPainter &painter, const QColor &color) const
{
    painter.setPen(QPen(color, 1));
    painter.setBrush(QBrush(color, Qt::BDiagPattern));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawPolygon(Corners());
}

void PolygonDisplay::PaintOpen(QPainter &painter, const QColor &color, std::optional<QPoint> lineTo) const
{
    if (points_.empty())
        return;
    const QPolygonF shown = Corners();
    painter.setPen(QPen(color, 1));
    painter.drawPolyline(shown);
    if (lineTo) {
        painter.setPen(QPen(color, 1, Qt::DotLine));
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.drawLine(shown.back(), PixelCentre(*lineTo));
    }
}

void PolygonDisplay::PaintHandles(QPainter &painter, const QColor &color, std::optional<std::size_t> selected) const
{
    painter.setPen(QPen(color, 1));
    painter.setBrush(Qt::white);
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (selected == i)
            painter.fillRect(Handle(i), color);
        else
            painter.drawRect(Handle(i).adjusted(0, 0, -1, -1));
    }
}
