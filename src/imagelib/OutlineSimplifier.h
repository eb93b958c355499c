#pragma once
#include "core/AreaGeometry.h"

#include <vector>

// A region's outline (RegionOutline: vertices on pixel corners, clockwise) reduced to few
// corners, in a browser's whole-pixel coordinates for a POLY. The shape's true edge is estimated
// from the middles of the pixel edges, evened out (EdgeSamples), and reduced (Douglas-Peucker)
// until every point of that estimate lies within maxDistance of the reduced outline; each corner
// then moves to where straight lines fitted to the pixel edges on either side of it meet, and a
// corner goes where every pixel-edge middle between its neighbours lies within maxDistance plus
// half a pixel (the staircase) of the edge joining them. The outline's own vertices, reduced the
// same way, are taken instead where they need no more corners and hold the region's pixels at
// least as well (edges along the pixels, small regions), and wherever the fitted corners would
// make edges meet or cross (vemo::EdgesCross): the result never does, as the vertices are reduced
// ever closer where needed, down to the outline itself, which RegionOutline makes a simple
// polygon. The outline must have at least three corners.
std::vector<vemo::Point> SimplifiedOutline(const std::vector<vemo::Point> &outline, double maxDistance);
