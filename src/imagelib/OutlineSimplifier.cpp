#include "imagelib/OutlineSimplifier.h"

#include "core/PolygonGeometry.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace {

// The squared distance from p to the segment a-b.
double SquaredDistanceToSegment(const vemo::Point &p, const vemo::Point &a, const vemo::Point &b)
{
    const double abX = b.x - a.x, abY = b.y - a.y, apX = p.x - a.x, apY = p.y - a.y;
    const double length = abX * abX + abY * abY;
    double t = length > 0 ? (apX * abX + apY * abY) / length : 0.0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    const double dx = apX - t * abX, dy = apY - t * abY;
    return dx * dx + dy * dy;
}

// The indices of the vertices kept, in order, for one tolerance.
std::vector<std::size_t> Reduce(const std::vector<vemo::Point> &outline, double maxDistance)
{
    const std::size_t n = outline.size();
    // The two vertices farthest apart along the first one's reach split the ring in two open runs.
    std::size_t far = 0;
    double farthest = -1;
    for (std::size_t i = 1; i < n; ++i) {
        const double dx = outline[i].x - outline[0].x, dy = outline[i].y - outline[0].y;
        if (dx * dx + dy * dy > farthest) {
            farthest = dx * dx + dy * dy;
            far = i;
        }
    }
    std::vector<bool> kept(n, false);
    kept[0] = kept[far] = true;
    const double limit = maxDistance * maxDistance;
    // Runs from index first to index last along the ring (last may wrap past the end as last + n).
    std::vector<std::pair<std::size_t, std::size_t>> runs{{0, far}, {far, n}};
    while (!runs.empty()) {
        const auto [first, last] = runs.back();
        runs.pop_back();
        const vemo::Point &a = outline[first % n], &b = outline[last % n];
        std::size_t worst = 0;
        double worstDistance = limit;
        for (std::size_t i = first + 1; i < last; ++i) {
            const double distance = SquaredDistanceToSegment(outline[i % n], a, b);
            if (distance > worstDistance) {
                worstDistance = distance;
                worst = i;
            }
        }
        if (worst == 0)
            continue;
        kept[worst % n] = true;
        runs.push_back({first, worst});
        runs.push_back({worst, last});
    }
    std::vector<std::size_t> corners;
    for (std::size_t i = 0; i < n; ++i) {
        if (kept[i])
            corners.push_back(i);
    }
    return corners;
}

struct Line {
    double x, y, dx, dy; // a point and a unit direction
};

// The line nearest, across, to the outline's vertices from index first to index last along the
// ring: a pixel staircase alternates corners on either side of the edge it stands for.
Line FittedLine(const std::vector<vemo::Point> &outline, std::size_t first, std::size_t last)
{
    const std::size_t n = outline.size();
    const std::size_t count = (last + n - first) % n + 1;
    double meanX = 0, meanY = 0;
    for (std::size_t k = 0; k < count; ++k) {
        meanX += outline[(first + k) % n].x;
        meanY += outline[(first + k) % n].y;
    }
    meanX /= count;
    meanY /= count;
    double xx = 0, yy = 0, xy = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const double dx = outline[(first + k) % n].x - meanX, dy = outline[(first + k) % n].y - meanY;
        xx += dx * dx;
        yy += dy * dy;
        xy += dx * dy;
    }
    const double angle = 0.5 * std::atan2(2 * xy, xx - yy);
    return {meanX, meanY, std::cos(angle), std::sin(angle)};
}

// The kept corners moved to where the lines fitted to the runs on either side meet, in a browser's
// whole-pixel coordinates: a browser takes pixel (x, y) by the point (x, y), the outline by the
// pixel's centre half a pixel further on, so a corner at c is rounded from c - 0.5, a tie (an edge
// along the pixels' edges) upwards, which keeps a left or top edge's pixels in and a right or bottom
// edge's next pixels out. A corner whose lines run nearly parallel, or meet far off, stays put.
std::vector<vemo::Point> FittedCorners(const std::vector<vemo::Point> &outline, const std::vector<std::size_t> &kept,
                                       double maxDistance)
{
    constexpr double kParallel = 0.05; // the sine of the smallest angle two edges may meet at
    std::vector<Line> lines;
    for (std::size_t i = 0; i < kept.size(); ++i)
        lines.push_back(FittedLine(outline, kept[i], kept[(i + 1) % kept.size()]));
    std::vector<vemo::Point> corners;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const Line &before = lines[(i + kept.size() - 1) % kept.size()], &after = lines[i];
        const vemo::Point &vertex = outline[kept[i]];
        double x = vertex.x, y = vertex.y;
        const double sine = before.dx * after.dy - before.dy * after.dx;
        if (std::abs(sine) > kParallel) {
            const double t = ((after.x - before.x) * after.dy - (after.y - before.y) * after.dx) / sine;
            const double meetX = before.x + t * before.dx, meetY = before.y + t * before.dy;
            if (std::hypot(meetX - x, meetY - y) <= maxDistance + 1) {
                x = meetX;
                y = meetY;
            }
        }
        constexpr double kRoundingSlack = 1e-6;
        corners.push_back({static_cast<std::int32_t>(std::floor(x + kRoundingSlack)),
                           static_cast<std::int32_t>(std::floor(y + kRoundingSlack))});
    }
    return corners;
}

} // namespace

std::vector<vemo::Point> SimplifiedOutline(const std::vector<vemo::Point> &outline, double maxDistance)
{
    // The outline's vertices are the outer and inner corners of pixel staircases, up to half a
    // pixel either side of the edge they stand for.
    constexpr double kStaircase = 0.5;
    // Below this every vertex off a straight run is kept, which is the outline itself.
    constexpr double kFinest = 1.0 / 64;
    for (double distance = maxDistance + kStaircase;; distance /= 2) {
        if (distance < kFinest)
            distance = 0;
        const std::vector<std::size_t> kept = Reduce(outline, distance);
        if (kept.size() < 3 && distance > 0)
            continue;
        std::vector<vemo::Point> corners = FittedCorners(outline, kept, distance);
        if (vemo::DistinctPointCount(corners) >= 3 && !vemo::EdgesCross(corners))
            return corners;
        corners.clear();
        for (const std::size_t index : kept)
            corners.push_back(outline[index]);
        if (distance == 0 || !vemo::EdgesCross(corners))
            return corners;
    }
}
