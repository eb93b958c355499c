#include "core/PolygonGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <utility>

namespace vemo {

namespace {

// The product of two magnitudes as a 128-bit number (high, low), from their 32-bit halves.
std::pair<std::uint64_t, std::uint64_t> WideProduct(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32, bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow, highLow = aHigh * bLow, lowHigh = aLow * bHigh;
    const std::uint64_t middle = (lowLow >> 32) + (highLow & 0xFFFFFFFFu) + (lowHigh & 0xFFFFFFFFu);
    const std::uint64_t high = aHigh * bHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32);
    return {high, (middle << 32) | (lowLow & 0xFFFFFFFFu)};
}

int Sign(std::int64_t value)
{
    return value > 0 ? 1 : value < 0 ? -1 : 0;
}

std::uint64_t Magnitude(std::int64_t value)
{
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

// The sign of p * q - r * s, exact: differences of 32-bit coordinates need 33 bits, and their
// products 66, more than any built-in integer holds on every compiler.
int CompareProducts(std::int64_t p, std::int64_t q, std::int64_t r, std::int64_t s)
{
    // Factors below 2^31 in magnitude, as every picture-sized coordinate gives, have products
    // below 2^62 whose difference a 64-bit integer holds.
    constexpr std::int64_t kNarrow = std::int64_t{1} << 31;
    if (Magnitude(p) < kNarrow && Magnitude(q) < kNarrow && Magnitude(r) < kNarrow && Magnitude(s) < kNarrow)
        return Sign(p * q - r * s);
    const int left = Sign(p) * Sign(q), right = Sign(r) * Sign(s);
    if (left != right)
        return left > right ? 1 : -1;
    if (left == 0)
        return 0;
    const auto a = WideProduct(Magnitude(p), Magnitude(q)), b = WideProduct(Magnitude(r), Magnitude(s));
    const int byMagnitude = a > b ? 1 : a < b ? -1 : 0;
    return left > 0 ? byMagnitude : -byMagnitude;
}

std::int64_t Difference(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int64_t>(a) - b;
}

// The sign of the cross product (b - a) x (c - a): which side of the line a-b the point c lies.
int Turn(const Point &a, const Point &b, const Point &c)
{
    return CompareProducts(Difference(b.x, a.x), Difference(c.y, a.y), Difference(b.y, a.y), Difference(c.x, a.x));
}

// Whether b and c lie on the same side of a along one line, that is, a-b and a-c point the same way.
bool SameWay(const Point &a, const Point &b, const Point &c)
{
    return CompareProducts(Difference(b.x, a.x), Difference(c.x, a.x), -Difference(b.y, a.y), Difference(c.y, a.y)) > 0;
}

// Whether c, on the line through a and b, lies between them.
bool WithinSpan(const Point &a, const Point &b, const Point &c)
{
    return std::min(a.x, b.x) <= c.x && c.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= c.y
           && c.y <= std::max(a.y, b.y);
}

// Whether the closed segments a-b and c-d have a point in common.
bool SegmentsMeet(const Point &a, const Point &b, const Point &c, const Point &d)
{
    const int abc = Turn(a, b, c), abd = Turn(a, b, d), cda = Turn(c, d, a), cdb = Turn(c, d, b);
    if (abc * abd < 0 && cda * cdb < 0)
        return true;
    return (abc == 0 && WithinSpan(a, b, c)) || (abd == 0 && WithinSpan(a, b, d))
           || (cda == 0 && WithinSpan(c, d, a)) || (cdb == 0 && WithinSpan(c, d, b));
}

// The outline with each vertex repeated at once taken as one, the closing repeat included: such a
// vertex adds an edge of no length, which touches both its neighbours. Fewer than three vertices
// make no outline.
std::vector<Point> ClosedOutline(const std::vector<Point> &outline)
{
    std::vector<Point> points;
    for (const Point &point : outline) {
        if (points.empty() || !(points.back() == point))
            points.push_back(point);
    }
    while (points.size() > 1 && points.back() == points.front())
        points.pop_back();
    if (points.size() < 3)
        points.clear();
    return points;
}

// Whether edges i and k (i < k) of the closed outline are a fault: two edges that are not
// neighbours meet, or two neighbours fold back along each other.
bool EdgesMeet(const std::vector<Point> &points, std::size_t i, std::size_t k)
{
    const std::size_t n = points.size();
    const Point &a = points[i], &b = points[(i + 1) % n];
    const Point &c = points[k], &d = points[(k + 1) % n];
    const bool follows = k == i + 1, precedes = (k + 1) % n == i;
    if (!follows && !precedes)
        return SegmentsMeet(a, b, c, d);
    // Neighbours share a vertex; they are a fault only when they fold back along each other.
    const Point &shared = follows ? b : a, &far1 = follows ? a : b, &far2 = follows ? d : c;
    return !(far1 == shared) && !(far2 == shared) && Turn(shared, far1, far2) == 0 && SameWay(shared, far1, far2);
}

} // namespace

Box PolygonBounds(const std::vector<Point> &points)
{
    if (points.empty())
        return {};
    std::int64_t left = points[0].x, top = points[0].y, right = left, bottom = top;
    for (const Point &point : points) {
        left = std::min<std::int64_t>(left, point.x);
        top = std::min<std::int64_t>(top, point.y);
        right = std::max<std::int64_t>(right, point.x);
        bottom = std::max<std::int64_t>(bottom, point.y);
    }
    return BoxFromCorners({static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                           static_cast<std::int32_t>(right), static_cast<std::int32_t>(bottom)});
}

bool PolygonHolds(const std::vector<Point> &points, std::int32_t x, std::int32_t y)
{
    if (points.size() < 3)
        return false;
    // Counts the edges that a ray from (x, y) towards +x crosses; an edge holds its lower end
    // and not its upper one, so a ray through a vertex counts once.
    bool inside = false;
    const Point here{x, y};
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Point &a = points[j], &b = points[i];
        if ((a.y > y) == (b.y > y))
            continue;
        // The crossing lies right of x when (x, y) is on the left of the edge taken upwards.
        const Point &low = a.y < b.y ? a : b, &high = a.y < b.y ? b : a;
        if (Turn(low, high, here) > 0)
            inside = !inside;
    }
    return inside;
}

int DistinctPointCount(const std::vector<Point> &points)
{
    std::set<std::pair<std::int32_t, std::int32_t>> seen;
    for (const Point &point : points)
        seen.insert({point.x, point.y});
    return static_cast<int>(seen.size());
}

bool EdgesCross(const std::vector<Point> &outline)
{
    const std::vector<Point> points = ClosedOutline(outline);
    const std::size_t n = points.size();
    if (n < 3)
        return false;
    // Two edges that meet share a point, and that point lies in both their bounding boxes; so
    // every pair that can meet shares a cell of a grid laid over the boxes, neighbours included.
    // A cell about the size of an edge keeps a cell's edges few; the cell count stays within a
    // small multiple of the edge count, so a few long edges cannot make the grid large.
    std::int64_t left = points[0].x, top = points[0].y, right = left, bottom = top;
    std::int64_t spanX = 0, spanY = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Point &a = points[i], &b = points[(i + 1) % n];
        left = std::min<std::int64_t>(left, a.x);
        top = std::min<std::int64_t>(top, a.y);
        right = std::max<std::int64_t>(right, a.x);
        bottom = std::max<std::int64_t>(bottom, a.y);
        spanX += std::abs(Difference(b.x, a.x));
        spanY += std::abs(Difference(b.y, a.y));
    }
    const std::int64_t count = static_cast<std::int64_t>(n);
    std::int64_t cellWidth = std::max<std::int64_t>(1, spanX / count);
    std::int64_t cellHeight = std::max<std::int64_t>(1, spanY / count);
    const std::int64_t maxCells = 4 * count;
    auto columnsFor = [&](std::int64_t width) { return (right - left) / width + 1; };
    auto rowsFor = [&](std::int64_t height) { return (bottom - top) / height + 1; };
    // Doubling both sides at most quarters the cell count; the extents are below 2^33.
    while (columnsFor(cellWidth) > maxCells / rowsFor(cellHeight)) {
        cellWidth *= 2;
        cellHeight *= 2;
    }
    const std::int64_t columns = columnsFor(cellWidth), rows = rowsFor(cellHeight);

    // The cells each edge passes through, column by column. Within a column the rows come from
    // the edge's height at the column's sides in floating point, widened by a row each way: that
    // only picks which pairs are compared, and the widening keeps every cell the edge touches.
    auto forEachCell = [&](std::size_t i, auto visit) {
        const Point &a = points[i], &b = points[(i + 1) % n];
        const std::int64_t x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
        const std::int64_t row0 = (std::min(a.y, b.y) - top) / cellHeight, row1 = (std::max(a.y, b.y) - top) / cellHeight;
        const std::int64_t column0 = (x0 - left) / cellWidth, column1 = (x1 - left) / cellWidth;
        const double slope = x1 == x0 ? 0.0 : static_cast<double>(Difference(b.y, a.y)) / static_cast<double>(Difference(b.x, a.x));
        for (std::int64_t column = column0; column <= column1; ++column) {
            std::int64_t first = row0, last = row1;
            if (column0 != column1) {
                const std::int64_t from = std::max(x0, left + column * cellWidth);
                const std::int64_t to = std::min(x1, left + (column + 1) * cellWidth);
                const double yFrom = static_cast<double>(a.y) + slope * static_cast<double>(from - a.x);
                const double yTo = static_cast<double>(a.y) + slope * static_cast<double>(to - a.x);
                const double low = (std::min(yFrom, yTo) - static_cast<double>(top)) / static_cast<double>(cellHeight);
                const double high = (std::max(yFrom, yTo) - static_cast<double>(top)) / static_cast<double>(cellHeight);
                first = std::max(row0, static_cast<std::int64_t>(std::floor(low)) - 1);
                last = std::min(row1, static_cast<std::int64_t>(std::floor(high)) + 1);
            }
            for (std::int64_t row = first; row <= last; ++row)
                visit(static_cast<std::size_t>(row * columns + column));
        }
    };
    // The edges of each cell, laid out one cell after another.
    std::vector<std::size_t> cellStart(static_cast<std::size_t>(columns * rows) + 1, 0);
    for (std::size_t i = 0; i < n; ++i)
        forEachCell(i, [&](std::size_t cell) { ++cellStart[cell + 1]; });
    for (std::size_t cell = 1; cell < cellStart.size(); ++cell)
        cellStart[cell] += cellStart[cell - 1];
    std::vector<std::size_t> cellEdges(cellStart.back());
    std::vector<std::size_t> filled(cellStart.begin(), cellStart.end() - 1);
    for (std::size_t i = 0; i < n; ++i)
        forEachCell(i, [&](std::size_t cell) { cellEdges[filled[cell]++] = i; });
    // Edges whose boxes are apart cannot meet; neighbours' boxes always share their vertex.
    std::vector<RectCorners> boxes(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Point &a = points[i], &b = points[(i + 1) % n];
        boxes[i] = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    }
    auto boxesMeet = [&](std::size_t i, std::size_t k) {
        return boxes[i].x0 <= boxes[k].x1 && boxes[k].x0 <= boxes[i].x1 && boxes[i].y0 <= boxes[k].y1
               && boxes[k].y0 <= boxes[i].y1;
    };
    for (std::size_t cell = 0; cell + 1 < cellStart.size(); ++cell) {
        for (std::size_t first = cellStart[cell]; first < cellStart[cell + 1]; ++first) {
            for (std::size_t second = first + 1; second < cellStart[cell + 1]; ++second) {
                const std::size_t i = cellEdges[first], k = cellEdges[second];
                if (boxesMeet(i, k) && EdgesMeet(points, i, k))
                    return true;
            }
        }
    }
    return false;
}

bool EdgesCrossPairwise(const std::vector<Point> &outline)
{
    const std::vector<Point> points = ClosedOutline(outline);
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (std::size_t k = i + 1; k < points.size(); ++k) {
            if (EdgesMeet(points, i, k))
                return true;
        }
    }
    return false;
}

} // namespace vemo
