#include "imagelib/AreaTracer.h"

#include "imagelib/ColourRegion.h"
#include "imagelib/OutlineShapeFit.h"
#include "imagelib/OutlineSimplifier.h"
#include "imagelib/RegionOutline.h"

#include <algorithm>

TracedArea TraceArea(const QImage &picture, QPoint clicked, int tolerance, double maxDistance)
{
    if (picture.isNull() || !picture.rect().contains(clicked))
        return {};
    maxDistance = std::max(0.0, maxDistance);
    ColourRegion region(picture, clicked, tolerance);
    const std::vector<vemo::Point> outline = RegionOutline(region);
    if (const auto corners = RectangleWithin(outline, maxDistance))
        return {vemo::AreaKind::Rect, {corners->x0, corners->y0, corners->x1, corners->y1}};
    if (const auto circle = CircleWithin(outline, maxDistance))
        return {vemo::AreaKind::Circle, {circle->x, circle->y, circle->r}};
    TracedArea traced{vemo::AreaKind::Poly, {}};
    for (const vemo::Point &corner : SimplifiedOutline(outline, maxDistance)) {
        traced.coords.push_back(corner.x);
        traced.coords.push_back(corner.y);
    }
    return traced;
}
