#pragma once
// The steps of editing a polygon region with the mouse and keys, in picture pixels: which edge a
// point lies near, a vertex or the whole outline moved within the picture, and a vertex put on an
// edge or taken away. They need no window, so every limit is tested on its own.
#include <cstddef>
#include <optional>
#include <vector>

#include "core/AreaGeometry.h"

namespace vemo {

// The point moved by (dx, dy) and kept on a picture of pictureWidth x pictureHeight: x within
// 0..pictureWidth-1 and y within 0..pictureHeight-1 (at 0 on an empty picture).
Point MovedVertex(const Point &point, int dx, int dy, int pictureWidth, int pictureHeight);

// The polygon moved by (dx, dy) as one piece. A step that would take its bounds off the picture
// stops at the picture's edge, so the outline never changes shape; a polygon already past an edge
// is never taken further past it.
std::vector<Point> MovedPolygon(const std::vector<Point> &points, int dx, int dy, int pictureWidth,
                                int pictureHeight);

// The edge nearest (x, y) among those no farther than reach from it, or nothing. Edge i runs from
// vertex i to vertex i + 1, the last one back to vertex 0; of two edges as near, the first is
// taken. Fewer than two vertices have no edge. Coordinates are picture pixels as real numbers, so
// that a position between pixels, as the mouse gives at a zoom, is measured as it is.
std::optional<std::size_t> NearestEdge(const std::vector<Point> &points, double x, double y, double reach);

// The polygon with point added on edge `edge`, between its two ends. Unchanged when there is no
// such edge or point is one of its ends, which would only repeat a vertex.
std::vector<Point> WithVertexOnEdge(const std::vector<Point> &points, std::size_t edge, const Point &point);

// The polygon without vertex `index`. Unchanged when there is no such vertex or only three are
// left: fewer make no polygon.
std::vector<Point> WithoutVertex(const std::vector<Point> &points, std::size_t index);

} // namespace vemo
