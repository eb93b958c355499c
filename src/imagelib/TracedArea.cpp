#include "imagelib/TracedArea.h"

#include "core/IntConv.h"
#include "core/PolygonGeometry.h"

std::string TracedArea::CoordsText() const
{
    std::string text;
    for (const std::int32_t value : coords)
        text += (text.empty() ? "" : ",") + vemo::DecimalText(value);
    return text;
}

vemo::AreaRegion TracedArea::Region() const
{
    if (kind == vemo::AreaKind::Rect)
        return {kind, vemo::BoxFromCorners({coords[0], coords[1], coords[2], coords[3]}), {}};
    if (kind == vemo::AreaKind::Circle)
        return {kind, vemo::BoxFromCircle({coords[0], coords[1], coords[2]}), {}};
    if (kind != vemo::AreaKind::Poly)
        return {};
    std::vector<vemo::Point> points;
    for (std::size_t i = 0; i + 1 < coords.size(); i += 2)
        points.push_back({coords[i], coords[i + 1]});
    const vemo::Box bounds = vemo::PolygonBounds(points);
    return {kind, bounds, std::move(points)};
}
