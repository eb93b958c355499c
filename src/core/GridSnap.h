#pragma once
// The grid that drags and newly drawn shapes snap to, in picture pixels. Only what the mouse
// places snaps: a value typed into a dialog is the user's exact choice and is never snapped.
#include <cstdint>

#include "core/AreaGeometry.h"

namespace vemo {

// The grid is off for a size below 2: every pixel is a grid line.
constexpr int kSmallestGridSize = 2;

// The grid line nearest value (a multiple of gridSize; halfway goes up), or the picture's far edge
// limit when that is nearer, kept within 0..limit. value itself when the grid is off.
std::int32_t SnappedToGrid(std::int32_t value, int gridSize, std::int32_t limit);

// A point, such as a polygon's corner, on the nearest grid lines inside a picture of
// pictureWidth x pictureHeight.
Point SnappedPoint(Point point, int gridSize, int pictureWidth, int pictureHeight);

// A box whose corners were dragged or drawn: its left and top edge and the line just past its
// right and bottom pixels each on the nearest grid line, at least one grid wide and high (where
// the picture has room). Nothing changes when the grid is off.
Box SnappedBoxCorners(const Box &box, int gridSize, int pictureWidth, int pictureHeight);

// A box that was moved whole: its left and top on the nearest grid lines, its size kept, and kept
// inside the picture when it fits.
Box SnappedBoxPosition(const Box &box, int gridSize, int pictureWidth, int pictureHeight);

} // namespace vemo
