#pragma once
// An area line's coordinates as numbers that can be moved and resized, and written back into the
// same line with only its COORDS value changed, so its link, texts and any attribute added by hand
// stay exactly as they were. Shared by the operations on several areas at once (AreaArrange,
// AreaMoving). Arithmetic is in 64 bits; a result outside the 32-bit range is not written.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/MapLines.h"

namespace vemo {

struct PlacedArea {
    AreaKind kind = AreaKind::None; // Rect, Circle or Poly
    // As COORDS holds them: x0, y0, x1, y1, or x, y, r, or x1, y1, ..., xn, yn.
    std::vector<std::int64_t> values;
};

// The picture pixels an area covers, as half-open ranges: columns left to right - 1, rows top to
// bottom - 1. The same pixels as ReadAreaRegion's box (a rectangle's corners in either order, a
// circle's 2r - 1 square, a polygon's bounds); a region covering no pixel has right == left or
// bottom == top.
struct Extent {
    std::int64_t left = 0, top = 0, right = 0, bottom = 0;
    std::int64_t Width() const { return right - left; }
    std::int64_t Height() const { return bottom - top; }
    friend bool operator==(const Extent &, const Extent &) = default;
};

// Lines given to an operation, each rewritten or as it was, in the order given.
struct RewrittenLines {
    std::vector<std::string> lines;
    // Positions in the lines given of those left as they were because they are no rectangle,
    // circle or polygon whose coordinates read (a default area, a line that is no area), or because
    // their result could not be written.
    std::vector<std::size_t> unread;
};

// The area a line holds; nothing unless ReadAreaRegion reads it as a rectangle, circle or polygon.
std::optional<PlacedArea> ReadPlacedArea(const std::string &line);

Extent ExtentOf(const PlacedArea &area);

// The area moved by (dx, dy) pixels, its size and shape kept.
PlacedArea Translated(const PlacedArea &area, std::int64_t dx, std::int64_t dy);

// The area resized so that its extent is width x height pixels, its left and top kept: a rectangle
// takes the size exactly; a circle, which stays round, keeps its centre and takes the diameter
// min(width, height) as the view writes a square back (r = (side + 1) div 2, so an even side gives
// one pixel more); a polygon is scaled about its extent's left and top, each vertex rounded to the
// nearest pixel (a polygon one pixel wide or high keeps that side). Sizes below 1 count as 1.
PlacedArea Resized(const PlacedArea &area, std::int64_t width, std::int64_t height);

// The step (along one axis) that keeps [low, high) inside [0, limit): a step that would cross an
// edge stops at it, and a range already past an edge is never taken further past it.
std::int64_t StepInside(std::int64_t low, std::int64_t high, std::int64_t step, std::int64_t limit);

// The shift (along one axis) that brings [low, high) inside [0, limit): none when it lies inside;
// a range wider than the picture is put at 0.
std::int64_t ShiftInside(std::int64_t low, std::int64_t high, std::int64_t limit);

// The line with its COORDS value replaced by the area's coordinates, every other byte kept;
// nothing when a coordinate leaves the 32-bit range or the rewritten line would not read back as
// exactly that area.
std::optional<std::string> LineWithPlacement(const std::string &line, const PlacedArea &area);

} // namespace vemo
