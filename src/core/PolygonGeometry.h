#pragma once
// Polygon regions in picture pixels: their bounds, which pixels they hold, and the faults that
// make one a poor area. A polygon is closed: its last vertex joins its first.
//
// A pixel (x, y) is held when the point (x, y) lies inside by the even-odd rule, the rule a browser
// applies to a POLY area; on a concave or simple polygon it is also the non-zero rule. All arithmetic
// is in 64 bits, so vertices anywhere in the 32-bit range neither overflow nor wrap.
#include <vector>

#include "core/AreaGeometry.h"

namespace vemo {

// The smallest box that holds every vertex, both ends included; an empty box for no vertex.
Box PolygonBounds(const std::vector<Point> &points);

// Whether the polygon holds the pixel (x, y). Fewer than three vertices hold nothing.
bool PolygonHolds(const std::vector<Point> &points, std::int32_t x, std::int32_t y);

// How many different vertices the polygon has.
int DistinctPointCount(const std::vector<Point> &points);

// Whether two edges that are not neighbours meet or cross, or two neighbouring edges overlap
// along a line: the outline then is no simple polygon, and which pixels it holds is seldom what
// its author meant. A vertex repeated at once counts as one. Edges are compared only with edges
// near them, so a polygon of many vertices is checked in about linear time.
bool EdgesCross(const std::vector<Point> &points);

// The same answer as EdgesCross by comparing every pair of edges: the plain reference that
// EdgesCross is tested and measured against.
bool EdgesCrossPairwise(const std::vector<Point> &points);

} // namespace vemo
