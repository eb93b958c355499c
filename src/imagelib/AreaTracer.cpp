#include "imagelib/AreaTracer.h"

#include "imagelib/ColourRegion.h"
#include "imagelib/OutlineShapeFit.h"
#include "imagelib/OutlineSimplifier.h"
#include "imagelib/RegionOutline.h"

#include <algorithm>
#include <cmath>

TracedArea TraceArea(const QImage &picture, QPoint clicked, int tolerance, double maxDistance)
{
    if (picture.isNull() || !picture.rect().contains(clicked))
        return {};
    // No outline strays farther than the picture's diagonal; a larger or endless distance means
    // that much, and a negative or undefined one none.
    const double diagonal = std::hypot(picture.width(), picture.height());
    maxDistance = maxDistance > 0 ? std::min(maxDistance, diagonal) : 0.0;
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
