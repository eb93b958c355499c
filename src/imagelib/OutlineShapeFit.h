#pragma once
#include "core/AreaGeometry.h"

#include <optional>
#include <vector>

// Whether a region's outline (RegionOutline: pixel-edge vertices, clockwise) is a rectangle or a
// circle within maxDistance, and which RECT or CIRCLE coordinates then hold the region's pixels
// best as a browser reads them.

// When every point of the outline lies within maxDistance of its bounding rectangle's sides: the
// rectangle, as inclusive pixel corners, whose rows and columns are those more than half filled
// by the region, so that a stray pixel or a low bump does not widen it.
std::optional<vemo::RectCorners> RectangleWithin(const std::vector<vemo::Point> &outline, double maxDistance);

// The circle of the outline's area about its centroid, when the estimated true edge (EdgeSamples)
// lies within maxDistance of it everywhere: the whole-pixel centre and radius, among those next to the fitted
// ones, whose pixels (closer than r to the centre) differ from the region's rows in the fewest.
std::optional<vemo::CircleArea> CircleWithin(const std::vector<vemo::Point> &outline, double maxDistance);
