#include "imagelib/EdgeSamples.h"

#include <cstdlib>

std::vector<EdgePoint> EdgeMidpoints(const std::vector<vemo::Point> &outline)
{
    std::vector<EdgePoint> points;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const vemo::Point &a = outline[i], &b = outline[(i + 1) % outline.size()];
        const int stepX = b.x > a.x ? 1 : b.x < a.x ? -1 : 0, stepY = b.y > a.y ? 1 : b.y < a.y ? -1 : 0;
        const int length = std::abs(b.x - a.x) + std::abs(b.y - a.y);
        for (int k = 0; k < length; ++k)
            points.push_back({a.x + (k + 0.5) * stepX, a.y + (k + 0.5) * stepY});
    }
    return points;
}

std::vector<EdgePoint> Smoothed(const std::vector<EdgePoint> &points, int reach)
{
    const auto n = static_cast<std::ptrdiff_t>(points.size());
    if (n <= 2 * reach)
        return points;
    // A running sum over the window keeps this linear in the outline's length.
    double sumX = 0, sumY = 0;
    for (std::ptrdiff_t k = -reach; k <= reach; ++k) {
        sumX += points[static_cast<std::size_t>((k + n) % n)].x;
        sumY += points[static_cast<std::size_t>((k + n) % n)].y;
    }
    const double width = 2 * reach + 1;
    std::vector<EdgePoint> smoothed(points.size());
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        smoothed[static_cast<std::size_t>(i)] = {sumX / width, sumY / width};
        const EdgePoint &leaving = points[static_cast<std::size_t>((i - reach + n) % n)];
        const EdgePoint &entering = points[static_cast<std::size_t>((i + reach + 1) % n)];
        sumX += entering.x - leaving.x;
        sumY += entering.y - leaving.y;
    }
    return smoothed;
}
