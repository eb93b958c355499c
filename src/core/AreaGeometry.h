#pragma once
// Region geometry in picture pixels: how a shape's box (Left, Top, Width, Height) stands for
// rectangle corners or for a circle's centre and radius, and the conversions between them.
// Arithmetic is done in 64 bits and saturated to the 32-bit range, so huge typed values give
// a huge box rather than undefined behaviour.
#include <cstdint>

namespace vemo {

struct Box {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const Box &, const Box &) = default;
};

// Inclusive corners: x1 is the last pixel column inside the region.
struct RectCorners {
    std::int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    friend bool operator==(const RectCorners &, const RectCorners &) = default;
};

// A polygon's vertex, or any point, in picture pixels.
struct Point {
    std::int32_t x = 0, y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

struct CircleArea {
    std::int32_t x = 0, y = 0, r = 0;
    friend bool operator==(const CircleArea &, const CircleArea &) = default;
};

// (x0, y0, x1 - x0 + 1, y1 - y0 + 1).
Box BoxFromCorners(const RectCorners &corners);
// (left, top, left + width - 1, top + height - 1).
RectCorners CornersFromBox(const Box &box);

// (x - r + 1, y - r + 1, 2r - 1, 2r - 1).
Box BoxFromCircle(const CircleArea &circle);

// The box cut to a square of side min(width, height), anchored at its left and top.
Box SquaredBox(const Box &box);

// The view's write-back of a square of side s: r = (s + 1) div 2, x = left + r - 1,
// y = top + r - 1. The exact inverse of BoxFromCircle for odd s.
CircleArea CircleFromSquare(const Box &square);

// The rectangle dialog's conversion of a square of side s: r = s div 2, x = left + s div 2,
// y = top + s div 2. For a 49-pixel square it gives r = 24 where CircleFromSquare gives 25.
CircleArea CircleFromRectSquare(const Box &square);

// Whether the pixel (x, y) lies in the region a box stands for: the box itself, or for a circle
// the pixels closer than r to the centre of the circle CircleFromSquare reads from the box, as a
// browser takes them. An empty box holds no pixel.
bool RegionHolds(const Box &box, bool circle, std::int32_t x, std::int32_t y);

// What an arrow-key step changes: where the box lies, or where its right and bottom edges lie.
enum class NudgeTarget { Position, FarEdges };

// The box after an arrow-key step of (dx, dy) picture pixels. Position moves the box; FarEdges
// moves its right edge by dx and its bottom edge by dy, or for a round box changes its width and
// height together by dx + dy, cut to a square first, so that a circle stays round. The box is
// kept inside a picture of pictureWidth x pictureHeight and at least 1 pixel wide and high: a
// step that would cross a limit stops at it, and a box already past a limit is never taken
// further past it, nor pulled back more than the step.
Box NudgedBox(const Box &box, int dx, int dy, NudgeTarget target, bool round, int pictureWidth, int pictureHeight);

} // namespace vemo
