#pragma once
#include "core/AreaGeometry.h"

#include <vector>

// The fewest corners, chosen among a closed outline's own vertices, such that every vertex of the
// outline lies within maxDistance of the reduced polygon's edge between the corners around it
// (Douglas-Peucker, split at the vertex farthest off the edge). The outline must be a simple
// polygon of at least three corners. Where the reduction would make edges meet or cross
// (vemo::EdgesCross), it is made again closer, down to the outline itself less its straight-run
// vertices, so the result is always a simple polygon.
std::vector<vemo::Point> SimplifiedOutline(const std::vector<vemo::Point> &outline, double maxDistance);
