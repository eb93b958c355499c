#include "core/AreaGeometry.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace vemo {

namespace {

// Every formula is worked out in 64 bits, where no sum of a few 32-bit values can overflow,
// and only the result is brought back into range.
std::int32_t Saturated(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// value + step kept between low and high; a value already outside them stays where it is rather
// than going further out.
std::int64_t StepWithin(std::int64_t value, std::int64_t step, std::int64_t low, std::int64_t high)
{
    return std::clamp(value + step, std::min(value, low), std::max(value, high));
}

} // namespace

Box BoxFromCorners(const RectCorners &corners)
{
    return {corners.x0, corners.y0, Saturated(std::int64_t{corners.x1} - corners.x0 + 1),
            Saturated(std::int64_t{corners.y1} - corners.y0 + 1)};
}

RectCorners CornersFromBox(const Box &box)
{
    return {box.left, box.top, Saturated(std::int64_t{box.left} + box.width - 1),
            Saturated(std::int64_t{box.top} + box.height - 1)};
}

Box BoxFromCircle(const CircleArea &circle)
{
    const std::int64_t r = circle.r;
    const std::int32_t side = Saturated(2 * r - 1);
    return {Saturated(circle.x - r + 1), Saturated(circle.y - r + 1), side, side};
}

Box SquaredBox(const Box &box)
{
    const std::int32_t side = std::min(box.width, box.height);
    return {box.left, box.top, side, side};
}

CircleArea CircleFromSquare(const Box &square)
{
    const std::int64_t r = (std::int64_t{square.width} + 1) / 2;
    return {Saturated(square.left + r - 1), Saturated(square.top + r - 1), Saturated(r)};
}

CircleArea CircleFromRectSquare(const Box &square)
{
    const std::int64_t half = std::int64_t{square.width} / 2;
    return {Saturated(square.left + half), Saturated(square.top + half), Saturated(half)};
}

bool RegionHolds(const Box &box, bool circle, std::int32_t x, std::int32_t y)
{
    if (x < box.left || y < box.top || x >= std::int64_t{box.left} + box.width
        || y >= std::int64_t{box.top} + box.height)
        return false;
    if (!circle)
        return true;
    const CircleArea round = CircleFromSquare(box);
    const std::int64_t dx = std::abs(std::int64_t{x} - round.x);
    const std::int64_t dy = std::abs(std::int64_t{y} - round.y);
    // An offset of r or more settles it before squaring, which keeps the sum of squares in range.
    if (dx >= round.r || dy >= round.r)
        return false;
    return dx * dx + dy * dy < std::int64_t{round.r} * round.r;
}

Box NudgedBox(const Box &box, int dx, int dy, NudgeTarget target, bool round, int pictureWidth, int pictureHeight)
{
    const std::int64_t left = box.left, top = box.top;
    if (target == NudgeTarget::Position) {
        return {Saturated(StepWithin(left, dx, 0, pictureWidth - std::int64_t{box.width})),
                Saturated(StepWithin(top, dy, 0, pictureHeight - std::int64_t{box.height})), box.width, box.height};
    }
    if (round) {
        const std::int64_t room = std::min(pictureWidth - left, pictureHeight - top);
        const std::int32_t side =
            Saturated(StepWithin(std::min(box.width, box.height), std::int64_t{dx} + dy, 1, room));
        return {box.left, box.top, side, side};
    }
    return {box.left, box.top, Saturated(StepWithin(box.width, dx, 1, pictureWidth - left)),
            Saturated(StepWithin(box.height, dy, 1, pictureHeight - top))};
}

} // namespace vemo
