#include "core/ViewPlacement.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace vemo {
namespace {

std::int32_t Right(const Box &box) { return box.left + box.width; }
std::int32_t Bottom(const Box &box) { return box.top + box.height; }

Box Intersection(const Box &a, const Box &b)
{
    const std::int32_t left = std::max(a.left, b.left);
    const std::int32_t top = std::max(a.top, b.top);
    return {left, top, std::max(0, std::min(Right(a), Right(b)) - left),
            std::max(0, std::min(Bottom(a), Bottom(b)) - top)};
}

bool IsEmpty(const Box &box) { return box.width <= 0 || box.height <= 0; }

Box Centred(const Box &area, int width, int height)
{
    width = std::min(width, area.width);
    height = std::min(height, area.height);
    return {area.left + (area.width - width) / 2, area.top + (area.height - height) / 2, width, height};
}

// Where a length goes inside [start, end): at `wanted` when it fits there, else pushed inside.
std::int32_t Inside(std::int32_t wanted, std::int32_t length, std::int32_t start, std::int32_t end)
{
    return std::max(start, std::min(wanted, end - length));
}

// The view beside clear in the free area: in the first side where it fits whole (right, below,
// left, above), else in the side where it keeps the largest area; nothing when no side has room.
std::optional<Box> BesideOf(const Box &available, const Box &clear, int wantedWidth, int wantedHeight)
{
    const Box sides[] = {
        {Right(clear), available.top, Right(available) - Right(clear), available.height},
        {available.left, Bottom(clear), available.width, Bottom(available) - Bottom(clear)},
        {available.left, available.top, clear.left - available.left, available.height},
        {available.left, available.top, available.width, clear.top - available.top},
    };
    std::optional<Box> best;
    for (int side = 0; side < 4; ++side) {
        const Box &room = sides[side];
        if (IsEmpty(room))
            continue;
        const int width = std::min(wantedWidth, room.width);
        const int height = std::min(wantedHeight, room.height);
        // Against the main window, lined up with its top (beside it) or left edge (below or
        // above it) where the side allows.
        const std::int32_t left = side == 0   ? room.left
                                  : side == 2 ? Right(room) - width
                                              : Inside(clear.left, width, room.left, Right(room));
        const std::int32_t top = side == 1   ? room.top
                                 : side == 3 ? Bottom(room) - height
                                             : Inside(clear.top, height, room.top, Bottom(room));
        const Box placed{left, top, width, height};
        if (width == wantedWidth && height == wantedHeight)
            return placed;
        if (!best || std::int64_t{width} * height > std::int64_t{best->width} * best->height)
            best = placed;
    }
    return best;
}

} // namespace

Box PlaceView(const Box &available, const Box &keepClear, int wantedWidth, int wantedHeight)
{
    const Box centred = Centred(available, wantedWidth, wantedHeight);
    const Box clear = Intersection(keepClear, available);
    if (IsEmpty(clear) || IsEmpty(Intersection(centred, clear)))
        return centred;
    if (const std::optional<Box> beside = BesideOf(available, clear, wantedWidth, wantedHeight)) {
        if (beside->width >= std::min(wantedWidth, kLeastViewWidth)
            && beside->height >= std::min(wantedHeight, kLeastViewHeight))
            return *beside;
    }
    const Box corner{clear.left, clear.top, std::min(kReachableCorner, clear.width),
                     std::min(kReachableCorner, clear.height)};
    return BesideOf(available, corner, wantedWidth, wantedHeight).value_or(centred);
}

} // namespace vemo
