#pragma once
#include "core/AreaGeometry.h"

#include <vector>

class ColourRegion;

// The outer outline of a region along the pixels' edges: vertex (x, y) is the top-left corner of
// pixel (x, y), and the vertices are the outline's turns, clockwise on the screen. Read by a
// browser's rule for a POLY (left and top edges inside, right and bottom outside), this outline
// holds exactly the region's pixels, holes filled. Where two parts of the region meet only at a
// corner, the outline would touch itself there; one of the two pixels beside that corner is taken
// into the region instead, the one nearer the region's colour, so the outline is a simple polygon.
std::vector<vemo::Point> RegionOutline(ColourRegion &region);
