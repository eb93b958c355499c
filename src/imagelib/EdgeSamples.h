#pragma once
#include "core/AreaGeometry.h"

#include <vector>

// Points along a region's pixel-edge outline where the true edge of the shape is best estimated:
// the middle of each pixel edge, evened out over its neighbours. A pixel staircase stands half a
// pixel either side of a sloping edge, and JPEG noise and anti-aliasing move single pixels in or
// out; averaging a few steps takes both out, and cuts a turn of the outline by about a pixel,
// which the corners fitted afterwards (OutlineSimplifier) put back.
struct EdgePoint {
    double x = 0, y = 0;
};

// The middle of every unit pixel edge of the closed outline (vertices on pixel corners, each
// edge along x or y), in order.
std::vector<EdgePoint> EdgeMidpoints(const std::vector<vemo::Point> &outline);

// How many pixel edges either side are averaged into an estimate of the true edge: enough to even
// out a staircase and a stray pixel, few enough that a right-angled corner is cut by about a pixel.
constexpr int kEdgeSmoothingReach = 3;

// Each point replaced by the mean of itself and the reach points either side along the ring.
std::vector<EdgePoint> Smoothed(const std::vector<EdgePoint> &points, int reach);
