#pragma once
#include "core/AreaGeometry.h"

#include <cstdint>
#include <vector>

// How many pixels one polygon holds and the other does not, each read as a browser reads a POLY
// (vemo::PolygonHolds: pixel (x, y) by the point (x, y), even-odd). Row by row from the edges'
// crossings, so the cost follows the polygons' edges and rows, not their area.
std::int64_t PixelMismatch(const std::vector<vemo::Point> &first, const std::vector<vemo::Point> &second);
