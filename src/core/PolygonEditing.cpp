#include "core/PolygonEditing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vemo {

namespace {

// A coordinate plus a step, kept within 0..length-1 (0 when length is not positive). Worked out
// in 64 bits, so neither a huge coordinate nor a huge step wraps.
std::int32_t KeptOn(std::int32_t value, int step, int length)
{
    const std::int64_t last = std::max<std::int64_t>(0, std::int64_t{length} - 1);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{value} + step, 0, last));
}

// A step cut short so that the span low..high goes no further past 0..length-1 than it already
// lies: to the edge it may reach, and not at all past an edge it has crossed.
std::int64_t StepWithin(std::int64_t low, std::int64_t high, int step, int length)
{
    if (step < 0)
        return std::max<std::int64_t>(step, std::min<std::int64_t>(0, -low));
    return std::min<std::int64_t>(step, std::max<std::int64_t>(0, std::int64_t{length} - 1 - high));
}

// The distance from (x, y) to the segment a-b.
double DistanceToSegment(const Point &a, const Point &b, double x, double y)
{
    const double ax = a.x, ay = a.y, dx = double(b.x) - a.x, dy = double(b.y) - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
}

} // namespace

Point MovedVertex(const Point &point, int dx, int dy, int pictureWidth, int pictureHeight)
{
    return {KeptOn(point.x, dx, pictureWidth), KeptOn(point.y, dy, pictureHeight)};
}

std::vector<Point> MovedPolygon(const std::vector<Point> &points, int dx, int dy, int pictureWidth,
                                int pictureHeight)
{
    if (points.empty())
        return points;
    // The extremes straight from the vertices: a polygon spanning the whole 32-bit range has a
    // width that does not fit in a Box.
    const auto [left, right] = std::minmax_element(points.begin(), points.end(),
                                                   [](const Point &a, const Point &b) { return a.x < b.x; });
    const auto [top, bottom] = std::minmax_element(points.begin(), points.end(),
                                                   [](const Point &a, const Point &b) { return a.y < b.y; });
    const std::int64_t stepX = StepWithin(left->x, right->x, dx, pictureWidth);
    const std::int64_t stepY = StepWithin(top->y, bottom->y, dy, pictureHeight);
    // The step keeps every vertex between its old place and the picture, so the sums fit.
    std::vector<Point> moved;
    moved.reserve(points.size());
    for (const Point &point : points)
        moved.push_back({static_cast<std::int32_t>(point.x + stepX), static_cast<std::int32_t>(point.y + stepY)});
    return moved;
}

std::optional<std::size_t> NearestEdge(const std::vector<Point> &points, double x, double y, double reach)
{
    if (points.size() < 2)
        return std::nullopt;
    std::optional<std::size_t> nearest;
    double nearestDistance = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double distance = DistanceToSegment(points[i], points[(i + 1) % points.size()], x, y);
        if (distance <= reach && (!nearest || distance < nearestDistance)) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

std::vector<Point> WithVertexOnEdge(const std::vector<Point> &points, std::size_t edge, const Point &point)
{
    if (points.size() < 2 || edge >= points.size() || point == points[edge]
        || point == points[(edge + 1) % points.size()])
        return points;
    std::vector<Point> inserted = points;
    inserted.insert(inserted.begin() + static_cast<std::ptrdiff_t>(edge) + 1, point);
    return inserted;
}

std::vector<Point> WithoutVertex(const std::vector<Point> &points, std::size_t index)
{
    if (points.size() <= 3 || index >= points.size())
        return points;
    std::vector<Point> kept = points;
    kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(index));
    return kept;
}

} // namespace vemo
