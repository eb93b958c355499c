#include "core/AreaPlacement.h"

#include "core/IntConv.h"
#include "core/PageMapWriter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vemo {

namespace {

bool FitsInt32(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

// The nearest whole pixel to offset * to / from, for offset >= 0 and from > 0. The product of two
// coordinate spans may pass 64 bits; a long double holds it within a fraction of a pixel.
std::int64_t Scaled(std::int64_t offset, std::int64_t to, std::int64_t from)
{
    return std::llround(static_cast<long double>(offset) * to / from);
}

std::string CoordsText(const std::vector<std::int64_t> &values)
{
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += ',';
        text += DecimalText(values[i]);
    }
    return text;
}

} // namespace

std::optional<PlacedArea> ReadPlacedArea(const std::string &line)
{
    const std::optional<AreaRegion> region = ReadAreaRegion(line);
    if (!region || region->kind == AreaKind::Default)
        return std::nullopt;
    PlacedArea area{region->kind, {}};
    // ReadAreaRegion has read every text, so none of them fails here.
    for (const std::string &text : CoordTexts(line, region->kind))
        area.values.push_back(*TryParseInt32(text));
    return area;
}

Extent ExtentOf(const PlacedArea &area)
{
    const std::vector<std::int64_t> &v = area.values;
    if (area.kind == AreaKind::Circle) {
        const std::int64_t left = v[0] - v[2] + 1, top = v[1] - v[2] + 1;
        const std::int64_t side = std::max<std::int64_t>(2 * v[2] - 1, 0);
        return {left, top, left + side, top + side};
    }
    Extent extent{v[0], v[1], v[0], v[1]};
    for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
        extent.left = std::min(extent.left, v[i]);
        extent.right = std::max(extent.right, v[i]);
        extent.top = std::min(extent.top, v[i + 1]);
        extent.bottom = std::max(extent.bottom, v[i + 1]);
    }
    // A rectangle's and a polygon's greatest coordinates are the last pixels they cover.
    ++extent.right;
    ++extent.bottom;
    return extent;
}

PlacedArea Translated(const PlacedArea &area, std::int64_t dx, std::int64_t dy)
{
    PlacedArea moved = area;
    const std::size_t pairs = area.kind == AreaKind::Circle ? 2 : area.values.size();
    for (std::size_t i = 0; i + 1 < pairs; i += 2) {
        moved.values[i] += dx;
        moved.values[i + 1] += dy;
    }
    return moved;
}

PlacedArea Resized(const PlacedArea &area, std::int64_t width, std::int64_t height)
{
    width = std::max<std::int64_t>(width, 1);
    height = std::max<std::int64_t>(height, 1);
    const Extent extent = ExtentOf(area);
    PlacedArea resized = area;
    std::vector<std::int64_t> &v = resized.values;
    if (area.kind == AreaKind::Rect) {
        v = {extent.left, extent.top, extent.left + width - 1, extent.top + height - 1};
    } else if (area.kind == AreaKind::Circle) {
        v[2] = (std::min(width, height) + 1) / 2;
    } else {
        const std::int64_t oldWidth = extent.Width() - 1, oldHeight = extent.Height() - 1;
        for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
            if (oldWidth > 0)
                v[i] = extent.left + Scaled(v[i] - extent.left, width - 1, oldWidth);
            if (oldHeight > 0)
                v[i + 1] = extent.top + Scaled(v[i + 1] - extent.top, height - 1, oldHeight);
        }
    }
    return resized;
}

std::int64_t StepInside(std::int64_t low, std::int64_t high, std::int64_t step, std::int64_t limit)
{
    if (step > 0)
        return std::min(step, std::max<std::int64_t>(limit - high, 0));
    if (step < 0)
        return std::max(step, std::min<std::int64_t>(-low, 0));
    return 0;
}

std::int64_t ShiftInside(std::int64_t low, std::int64_t high, std::int64_t limit)
{
    if (high - low > limit || low < 0)
        return -low;
    if (high > limit)
        return limit - high;
    return 0;
}

std::optional<std::string> LineWithPlacement(const std::string &line, const PlacedArea &area)
{
    if (!std::all_of(area.values.begin(), area.values.end(), FitsInt32))
        return std::nullopt;
    std::optional<std::string> rewritten = WithAttributeValue(line, "coords", CoordsText(area.values));
    if (!rewritten)
        return std::nullopt;
    // The page's tag reader and the line readers could differ on a line edited by hand; the line is
    // taken only when the line readers see exactly the area it was meant to hold.
    const std::optional<PlacedArea> readBack = ReadPlacedArea(*rewritten);
    if (!readBack || readBack->kind != area.kind || readBack->values != area.values)
        return std::nullopt;
    return rewritten;
}

} // namespace vemo
