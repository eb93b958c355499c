#include "core/ClearSpot.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

namespace vemo {

namespace {

std::int64_t Right(const Box &box) { return std::int64_t(box.left) + box.width; }
std::int64_t Bottom(const Box &box) { return std::int64_t(box.top) + box.height; }

bool Overlap(const Box &a, const Box &b)
{
    return a.width > 0 && a.height > 0 && b.width > 0 && b.height > 0 && a.left < Right(b) && b.left < Right(a)
           && a.top < Bottom(b) && b.top < Bottom(a);
}

bool Inside(const Box &inner, const Box &outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && Right(inner) <= Right(outer)
           && Bottom(inner) <= Bottom(outer);
}

} // namespace

Point ClearSpot(const Box &visible, const Box &covered, int width, int height)
{
    const Point corner{visible.left, visible.top};
    // The nearest clear place touches the covered box's edges, or the visible part's, on each axis.
    const std::int64_t xs[] = {visible.left, Right(covered), std::int64_t(covered.left) - width};
    const std::int64_t ys[] = {visible.top, Bottom(covered), std::int64_t(covered.top) - height};
    std::optional<Point> best;
    std::int64_t bestDistance = 0;
    for (const std::int64_t x : xs) {
        for (const std::int64_t y : ys) {
            if (x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX)
                continue;
            const Box place{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), width, height};
            if (!Inside(place, visible) || Overlap(place, covered))
                continue;
            const std::int64_t distance = (x - corner.x) + (y - corner.y);
            if (!best || distance < bestDistance) {
                best = Point{place.left, place.top};
                bestDistance = distance;
            }
        }
    }
    return best.value_or(corner);
}

} // namespace vemo
