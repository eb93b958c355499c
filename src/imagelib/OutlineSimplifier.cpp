#include "imagelib/OutlineSimplifier.h"

#include "core/PolygonGeometry.h"
#include "imagelib/EdgeSamples.h"
#include "imagelib/PixelMismatch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

namespace {

// The longest run of outline points the reduction starts from.
constexpr std::size_t kLongestRun = 8192;

// The squared distance from p to the segment a-b.
template <typename P>
double SquaredDistanceToSegment(const P &p, const P &a, const P &b)
{
    const double abX = b.x - a.x, abY = b.y - a.y, apX = p.x - a.x, apY = p.y - a.y;
    const double length = abX * abX + abY * abY;
    double t = length > 0 ? (apX * abX + apY * abY) / length : 0.0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    const double dx = apX - t * abX, dy = apY - t * abY;
    return dx * dx + dy * dy;
}

// The indices of the ring's points kept, in order, so that every point lies within maxDistance
// of the segment between the kept points around it.
template <typename P>
std::vector<std::size_t> Reduce(const std::vector<P> &ring, double maxDistance)
{
    const std::size_t n = ring.size();
    std::vector<bool> kept(n, false);
    // Runs from index first to index last along the ring (last may wrap past the end as last + n).
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    if (n > kLongestRun) {
        // Each split looks at its whole run, so a winding outline split near one end each time
        // would take its length times its corners; runs of bounded length keep that bounded. The
        // corners their ends add on straight edges go again among the fitted corners.
        for (std::size_t start = 0; start < n; start += kLongestRun) {
            kept[start] = true;
            runs.push_back({start, std::min(start + kLongestRun, n)});
        }
    } else {
        // The point farthest from the first splits the ring in two open runs.
        std::size_t far = 0;
        double farthest = -1;
        for (std::size_t i = 1; i < n; ++i) {
            const double dx = ring[i].x - ring[0].x, dy = ring[i].y - ring[0].y;
            if (dx * dx + dy * dy > farthest) {
                farthest = dx * dx + dy * dy;
                far = i;
            }
        }
        kept[0] = kept[far] = true;
        runs = {{0, far}, {far, n}};
    }
    const double limit = maxDistance * maxDistance;
    while (!runs.empty()) {
        const auto [first, last] = runs.back();
        runs.pop_back();
        const P &a = ring[first % n], &b = ring[last % n];
        std::size_t worst = 0;
        double worstDistance = limit;
        for (std::size_t i = first + 1; i < last; ++i) {
            const double distance = SquaredDistanceToSegment(ring[i % n], a, b);
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

// The line nearest, across, to the ring's points from index first to index last, less trim
// points at either end where the run is long enough: those lie by a turn of the outline.
template <typename P>
Line FittedLine(const std::vector<P> &ring, std::size_t first, std::size_t last, std::size_t trim)
{
    const std::size_t n = ring.size();
    std::size_t count = (last + n - first) % n + 1;
    if (count > 4 * trim + 2) {
        first += trim;
        count -= 2 * trim;
    }
    double meanX = 0, meanY = 0;
    for (std::size_t k = 0; k < count; ++k) {
        meanX += ring[(first + k) % n].x;
        meanY += ring[(first + k) % n].y;
    }
    meanX /= static_cast<double>(count);
    meanY /= static_cast<double>(count);
    double xx = 0, yy = 0, xy = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const double dx = ring[(first + k) % n].x - meanX, dy = ring[(first + k) % n].y - meanY;
        xx += dx * dx;
        yy += dy * dy;
        xy += dx * dy;
    }
    const double angle = 0.5 * std::atan2(2 * xy, xx - yy);
    return {meanX, meanY, std::cos(angle), std::sin(angle)};
}

// Where two lines meet, when they are not nearly parallel.
std::optional<EdgePoint> Meeting(const Line &before, const Line &after)
{
    constexpr double kParallel = 0.05; // the sine of the smallest angle two edges may meet at
    const double sine = before.dx * after.dy - before.dy * after.dx;
    if (std::abs(sine) <= kParallel)
        return std::nullopt;
    const double t = ((after.x - before.x) * after.dy - (after.y - before.y) * after.dx) / sine;
    return EdgePoint{before.x + t * before.dx, before.y + t * before.dy};
}

// A corner of the reduced outline and the index of the ring point it stands at.
struct Corner {
    EdgePoint at;
    std::size_t index;
};

// The kept points moved to where the lines fitted to the runs on either side meet (each run less
// trim points at either end); a corner whose lines run nearly parallel, or meet farther than
// farthestMove from its anchor, stays at the anchor.
template <typename P>
std::vector<Corner> FittedCorners(const std::vector<P> &ring, const std::vector<P> &anchors,
                                  const std::vector<std::size_t> &kept, std::size_t trim, double farthestMove)
{
    const std::size_t count = kept.size();
    std::vector<Line> lines;
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back(FittedLine(ring, kept[i], kept[(i + 1) % count], trim));
    std::vector<Corner> corners;
    for (std::size_t i = 0; i < count; ++i) {
        const EdgePoint anchor{1.0 * anchors[kept[i]].x, 1.0 * anchors[kept[i]].y};
        const auto meeting = Meeting(lines[(i + count - 1) % count], lines[i]);
        const bool near = meeting && std::hypot(meeting->x - anchor.x, meeting->y - anchor.y) <= farthestMove;
        corners.push_back({near ? *meeting : anchor, kept[i]});
    }
    return corners;
}

// The corners less those the outline can do without: a corner goes where every pixel-edge
// midpoint between its neighbours lies within maxDistance of the edge joining them, and two
// corners close together on either side of a turn become one where the edges before and after
// them meet, when every midpoint lies within maxDistance of the two edges to it. A reduction
// leaves such pairs where noise or a cut corner made it split twice.
std::vector<Corner> WithoutNeedlessCorners(const std::vector<EdgePoint> &midpoints, std::vector<Corner> corners,
                                           std::size_t trim, double maxDistance)
{
    const std::size_t n = midpoints.size();
    const double limit = maxDistance * maxDistance;
    auto within = [&](const Corner &before, const Corner &after) {
        const std::size_t steps = (after.index + n - before.index) % n;
        for (std::size_t k = 1; k < steps; ++k) {
            if (SquaredDistanceToSegment(midpoints[(before.index + k) % n], before.at, after.at) > limit)
                return false;
        }
        return true;
    };
    // A run as short as the pixels the fitted edges leave out at their ends is a cut turn.
    const std::size_t shortRun = 4 * trim + 2;
    for (bool removed = true; removed && corners.size() > 3;) {
        removed = false;
        for (std::size_t i = 0; i < corners.size() && corners.size() > 3;) {
            const std::size_t m = corners.size(), next = (i + 1) % m;
            const Corner &before = corners[(i + m - 1) % m], &after = corners[next], &beyond = corners[(i + 2) % m];
            if (within(before, after)) {
                corners.erase(corners.begin() + static_cast<std::ptrdiff_t>(i));
                removed = true;
                continue;
            }
            if (m > 4 && (after.index + n - corners[i].index) % n <= shortRun) {
                const auto meeting = Meeting(FittedLine(midpoints, before.index, corners[i].index, trim),
                                             FittedLine(midpoints, after.index, beyond.index, trim));
                // The merged corner stands at the point of the cut turn nearest it, so that the
                // edges fitted again from it leave the turn out.
                Corner merged{meeting.value_or(EdgePoint{}), corners[i].index};
                double nearest = SquaredDistanceToSegment(midpoints[merged.index], merged.at, merged.at);
                for (std::size_t k = corners[i].index; k != after.index; k = (k + 1) % n) {
                    const double distance = SquaredDistanceToSegment(midpoints[k], merged.at, merged.at);
                    if (distance < nearest) {
                        nearest = distance;
                        merged.index = k;
                    }
                }
                if (meeting && within(before, merged) && within(merged, beyond)) {
                    corners[i] = merged;
                    corners.erase(corners.begin() + static_cast<std::ptrdiff_t>(next));
                    // Taking out the first corner moves this one down a place.
                    if (next == 0)
                        --i;
                    removed = true;
                    continue;
                }
            }
            ++i;
        }
    }
    return corners;
}

// The corners in a browser's whole-pixel coordinates: a browser takes pixel (x, y) by the point
// (x, y), the outline by the pixel's centre half a pixel further on, so a corner at c is rounded
// from c - 0.5, a tie (an edge along the pixels' edges) upwards, which keeps a left or top edge's
// pixels in and a right or bottom edge's next pixels out.
std::vector<vemo::Point> Rounded(const std::vector<Corner> &corners)
{
    constexpr double kRoundingSlack = 1e-6;
    std::vector<vemo::Point> whole;
    for (const Corner &corner : corners)
        whole.push_back({static_cast<std::int32_t>(std::floor(corner.at.x + kRoundingSlack)),
                         static_cast<std::int32_t>(std::floor(corner.at.y + kRoundingSlack))});
    return whole;
}

bool Simple(const std::vector<vemo::Point> &corners)
{
    return vemo::DistinctPointCount(corners) >= 3 && !vemo::EdgesCross(corners);
}

// Corners where edges fitted to the estimated true edge meet, when they make a simple polygon.
std::optional<std::vector<vemo::Point>> CornersOnTheEdge(const std::vector<vemo::Point> &outline, double maxDistance)
{
    const std::vector<EdgePoint> midpoints = EdgeMidpoints(outline);
    const std::vector<EdgePoint> edge = Smoothed(midpoints, kEdgeSmoothingReach);
    const std::vector<std::size_t> onEdge = Reduce(edge, maxDistance);
    if (onEdge.size() < 3)
        return std::nullopt;
    // A pixel staircase stands up to half a pixel either side of the edge it stands for.
    constexpr double kStaircase = 0.5;
    // A corner moves from the evened-out edge, which cuts it, by up to the smoothing's reach.
    const double farthestMove = maxDistance + 1 + kEdgeSmoothingReach;
    const std::vector<Corner> needed = WithoutNeedlessCorners(
        midpoints, FittedCorners(midpoints, edge, onEdge, kEdgeSmoothingReach, farthestMove), kEdgeSmoothingReach,
        maxDistance + kStaircase);
    // The edges are fitted again over the longer runs the removed corners leave, less more at
    // their ends, where what is left of a merged turn may lie.
    std::vector<std::size_t> remaining;
    for (const Corner &corner : needed)
        remaining.push_back(corner.index);
    std::vector<vemo::Point> corners = Rounded(FittedCorners(midpoints, edge, remaining, 3 * kEdgeSmoothingReach, farthestMove));
    if (!Simple(corners))
        return std::nullopt;
    return corners;
}

// Corners among the outline's own vertices, the outer and inner corners of pixel staircases up to
// half a pixel either side of the edge they stand for; ever closer until nothing crosses.
std::vector<vemo::Point> CornersAmongVertices(const std::vector<vemo::Point> &outline, double maxDistance)
{
    constexpr double kStaircase = 0.5;
    // Below this every vertex off a straight run is kept, which is the outline itself.
    constexpr double kFinest = 1.0 / 64;
    for (double distance = maxDistance + kStaircase;; distance /= 2) {
        if (distance < kFinest)
            distance = 0;
        const std::vector<std::size_t> kept = Reduce(outline, distance);
        if (kept.size() < 3 && distance > 0)
            continue;
        std::vector<vemo::Point> corners = Rounded(FittedCorners(outline, outline, kept, 0, distance + 1));
        if (Simple(corners))
            return corners;
        corners.clear();
        for (const std::size_t index : kept)
            corners.push_back(outline[index]);
        if (distance == 0 || !vemo::EdgesCross(corners))
            return corners;
    }
}

} // namespace

std::vector<vemo::Point> SimplifiedOutline(const std::vector<vemo::Point> &outline, double maxDistance)
{
    std::vector<vemo::Point> amongVertices = CornersAmongVertices(outline, maxDistance);
    const std::optional<std::vector<vemo::Point>> onTheEdge = CornersOnTheEdge(outline, maxDistance);
    // Fitted corners are truer on sloping and noisy edges; on edges along the pixels (a drawing
    // without anti-aliasing, a small region) the outline's own vertices hold the region exactly,
    // and win when they need no more corners and hold its pixels at least as well.
    if (onTheEdge
        && (amongVertices.size() > onTheEdge->size()
            || PixelMismatch(amongVertices, outline) > PixelMismatch(*onTheEdge, outline)))
        return *onTheEdge;
    return amongVertices;
}
