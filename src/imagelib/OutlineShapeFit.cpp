#include "imagelib/OutlineShapeFit.h"

#include "imagelib/EdgeSamples.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

// Circles smaller than this are a few pixels that a rectangle or polygon holds as well.
constexpr double kSmallestRadius = 3.0;

// The largest k with k * k < value, for value >= 1.
std::int64_t SquareRootBelow(std::int64_t value)
{
    auto k = static_cast<std::int64_t>(std::sqrt(static_cast<double>(value)));
    while (k * k >= value)
        --k;
    while ((k + 1) * (k + 1) < value)
        ++k;
    return k;
}

// The first and last pixel of the region in each row, from the outline's vertical edges: going
// down the region lies to the left of the edge, going up to the right of it. With columns, the
// same for each column from the horizontal edges: going right the region lies below, going left
// above, so top and bottom stand in the place of left and right.
struct RowSpans {
    int top = 0;
    std::vector<int> left, right;
};

RowSpans SpansOf(const std::vector<vemo::Point> &outline, int top, int bottom, bool columns = false)
{
    RowSpans spans{top, std::vector<int>(static_cast<std::size_t>(bottom - top), std::numeric_limits<int>::max()),
                   std::vector<int>(static_cast<std::size_t>(bottom - top), std::numeric_limits<int>::min())};
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const vemo::Point &a = outline[i], &b = outline[(i + 1) % outline.size()];
        const int across = columns ? a.y : a.x, from = columns ? a.x : a.y, to = columns ? b.x : b.y;
        if ((columns ? a.y != b.y : a.x != b.x) || from == to)
            continue;
        // Rows going down, like columns going left, have the region before the edge.
        const bool regionBefore = columns ? to < from : to > from;
        for (int line = std::min(from, to); line < std::max(from, to); ++line) {
            const auto index = static_cast<std::size_t>(line - top);
            if (regionBefore)
                spans.right[index] = std::max(spans.right[index], across - 1);
            else
                spans.left[index] = std::min(spans.left[index], across);
        }
    }
    return spans;
}

// The lines (rows or columns) of the region's spans that are more than half of length filled:
// a rectangle's side there holds fewer pixels in error than anywhere else. The first and last
// such line, or nothing when no line is.
std::optional<std::pair<int, int>> MostlyFilledLines(const RowSpans &spans, int length)
{
    std::optional<std::pair<int, int>> lines;
    for (std::size_t i = 0; i < spans.left.size(); ++i) {
        if (2 * (std::int64_t{spans.right[i]} - spans.left[i] + 1) <= length)
            continue;
        const int line = spans.top + static_cast<int>(i);
        lines = lines ? std::pair{lines->first, line} : std::pair{line, line};
    }
    return lines;
}

// How many pixels lie in just one of the region's rows and the circle's.
std::int64_t Mismatch(const RowSpans &spans, const vemo::CircleArea &circle)
{
    const std::int64_t r = circle.r;
    const std::int64_t rows = static_cast<std::int64_t>(spans.left.size());
    const std::int64_t first = std::min<std::int64_t>(spans.top, circle.y - r);
    const std::int64_t last = std::max<std::int64_t>(spans.top + rows - 1, circle.y + r);
    std::int64_t mismatch = 0;
    for (std::int64_t y = first; y <= last; ++y) {
        std::int64_t regionLeft = 0, regionRight = -1, circleLeft = 0, circleRight = -1;
        if (y >= spans.top && y < spans.top + rows) {
            regionLeft = spans.left[static_cast<std::size_t>(y - spans.top)];
            regionRight = spans.right[static_cast<std::size_t>(y - spans.top)];
        }
        const std::int64_t dy = std::abs(y - circle.y);
        if (dy < r) {
            const std::int64_t reach = SquareRootBelow(r * r - dy * dy);
            circleLeft = circle.x - reach;
            circleRight = circle.x + reach;
        }
        const std::int64_t regionLength = std::max<std::int64_t>(0, regionRight - regionLeft + 1);
        const std::int64_t circleLength = std::max<std::int64_t>(0, circleRight - circleLeft + 1);
        const std::int64_t overlap
            = std::max<std::int64_t>(0, std::min(regionRight, circleRight) - std::max(regionLeft, circleLeft) + 1);
        mismatch += regionLength + circleLength - 2 * overlap;
    }
    return mismatch;
}

} // namespace

std::optional<vemo::RectCorners> RectangleWithin(const std::vector<vemo::Point> &outline, double maxDistance)
{
    int left = outline[0].x, top = outline[0].y, right = left, bottom = top;
    for (const vemo::Point &point : outline) {
        left = std::min(left, point.x);
        top = std::min(top, point.y);
        right = std::max(right, point.x);
        bottom = std::max(bottom, point.y);
    }
    // A point's distance from the rectangle's outline is the smaller of its distances across and
    // along an edge of the outline; along the edge it is largest where the edge comes nearest the
    // middle between the two sides it runs towards.
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const vemo::Point &a = outline[i], &b = outline[(i + 1) % outline.size()];
        const bool horizontal = a.y == b.y;
        const double from = horizontal ? std::min(a.x, b.x) : std::min(a.y, b.y);
        const double to = horizontal ? std::max(a.x, b.x) : std::max(a.y, b.y);
        const double low = horizontal ? left : top, high = horizontal ? right : bottom;
        const double farthest = std::clamp((low + high) / 2, from, to);
        const double along = std::min(farthest - low, high - farthest);
        const double across = horizontal ? std::min(a.y - top, bottom - a.y) : std::min(a.x - left, right - a.x);
        if (std::min(along, across) > maxDistance)
            return std::nullopt;
    }
    // Within that distance, each side goes where it holds the region's pixels best: a stray pixel
    // or a low bump then does not widen the rectangle.
    const auto rows = MostlyFilledLines(SpansOf(outline, top, bottom), right - left);
    if (!rows)
        return vemo::RectCorners{left, top, right - 1, bottom - 1};
    const auto columns = MostlyFilledLines(SpansOf(outline, left, right, true), rows->second - rows->first + 1);
    if (!columns)
        return vemo::RectCorners{left, rows->first, right - 1, rows->second};
    return vemo::RectCorners{columns->first, rows->first, columns->second, rows->second};
}

std::optional<vemo::CircleArea> CircleWithin(const std::vector<vemo::Point> &outline, double maxDistance)
{
    // Area and centroid of the outline (shoelace), in pixel-edge coordinates.
    double area = 0, sumX = 0, sumY = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const vemo::Point &a = outline[i], &b = outline[(i + 1) % outline.size()];
        const double cross = static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
        area += cross;
        sumX += (a.x + b.x) * cross;
        sumY += (a.y + b.y) * cross;
    }
    area /= 2;
    if (area == 0)
        return std::nullopt;
    const double centreX = sumX / (6 * area), centreY = sumY / (6 * area);
    const double radius = std::sqrt(std::abs(area) / std::acos(-1.0));
    if (radius < kSmallestRadius)
        return std::nullopt;
    for (const EdgePoint &point : Smoothed(EdgeMidpoints(outline), kEdgeSmoothingReach)) {
        if (std::abs(std::hypot(point.x - centreX, point.y - centreY) - radius) > maxDistance)
            return std::nullopt;
    }
    int top = outline[0].y, bottom = top;
    for (const vemo::Point &point : outline) {
        top = std::min(top, point.y);
        bottom = std::max(bottom, point.y);
    }
    const RowSpans spans = SpansOf(outline, top, bottom);
    // A browser takes pixel (x, y) by its own coordinates, where the outline's pixel centres lie
    // half a pixel further on.
    const int baseX = static_cast<int>(std::floor(centreX - 0.5)), baseY = static_cast<int>(std::floor(centreY - 0.5));
    const int baseR = static_cast<int>(std::floor(radius));
    vemo::CircleArea best;
    std::int64_t bestMismatch = std::numeric_limits<std::int64_t>::max();
    for (int x = baseX; x <= baseX + 1; ++x) {
        for (int y = baseY; y <= baseY + 1; ++y) {
            for (int r = baseR - 1; r <= baseR + 2; ++r) {
                const std::int64_t mismatch = Mismatch(spans, {x, y, r});
                if (mismatch < bestMismatch) {
                    bestMismatch = mismatch;
                    best = {x, y, r};
                }
            }
        }
    }
    return best;
}
