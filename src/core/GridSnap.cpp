#include "core/GridSnap.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vemo {

namespace {

std::int32_t Saturated(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// The snapped line, in 64 bits for the arithmetic of a box's far edge.
std::int64_t Snapped(std::int64_t value, std::int64_t grid, std::int64_t limit)
{
    if (grid < kSmallestGridSize)
        return value;
    limit = std::max<std::int64_t>(limit, 0);
    const std::int64_t clamped = std::clamp<std::int64_t>(value, 0, limit);
    const std::int64_t below = clamped - clamped % grid;
    const std::int64_t nearest = 2 * (clamped - below) >= grid ? below + grid : below;
    // The picture's far edge counts as a line too, so that a box can reach it on a picture whose
    // size is no multiple of the grid.
    if (nearest > limit || limit - clamped < std::abs(nearest - clamped))
        return limit;
    return nearest;
}

} // namespace

std::int32_t SnappedToGrid(std::int32_t value, int gridSize, std::int32_t limit)
{
    return Saturated(Snapped(value, gridSize, limit));
}

Point SnappedPoint(Point point, int gridSize, int pictureWidth, int pictureHeight)
{
    return {SnappedToGrid(point.x, gridSize, pictureWidth), SnappedToGrid(point.y, gridSize, pictureHeight)};
}

Box SnappedBoxCorners(const Box &box, int gridSize, int pictureWidth, int pictureHeight)
{
    if (gridSize < kSmallestGridSize)
        return box;
    const auto axis = [gridSize](std::int64_t low, std::int64_t size, std::int64_t limit) {
        std::int64_t from = Snapped(low, gridSize, limit);
        std::int64_t to = Snapped(low + size, gridSize, limit);
        if (to - from < gridSize) {
            // Both edges met on one line: the box keeps one grid, towards the inside of the picture.
            to = std::min<std::int64_t>(from + gridSize, limit);
            from = std::max<std::int64_t>(std::min(from, to - gridSize), 0);
        }
        return std::pair{from, to - from};
    };
    const auto [left, width] = axis(box.left, box.width, pictureWidth);
    const auto [top, height] = axis(box.top, box.height, pictureHeight);
    return {Saturated(left), Saturated(top), Saturated(width), Saturated(height)};
}

Box SnappedBoxPosition(const Box &box, int gridSize, int pictureWidth, int pictureHeight)
{
    if (gridSize < kSmallestGridSize)
        return box;
    const auto axis = [gridSize](std::int64_t low, std::int64_t size, std::int64_t limit) {
        std::int64_t from = Snapped(low, gridSize, limit);
        if (from + size > limit && size <= limit) // the far edge would leave the picture
            from = limit - size;
        return from;
    };
    Box snapped = box;
    snapped.left = Saturated(axis(box.left, box.width, pictureWidth));
    snapped.top = Saturated(axis(box.top, box.height, pictureHeight));
    return snapped;
}

} // namespace vemo
