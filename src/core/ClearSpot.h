#pragma once
// Where a new shape goes so that a window standing over the picture does not hide it. Plain
// rectangle arithmetic in one coordinate system (the screen's, or the display's).
#include "core/AreaGeometry.h"

namespace vemo {

// The top-left corner for a width x height box inside visible that does not overlap covered:
// visible's own top-left corner when the box is clear there, else the clear place inside visible
// nearest to that corner. When no place is clear (the box is larger than what covered leaves),
// visible's top-left corner.
Point ClearSpot(const Box &visible, const Box &covered, int width, int height);

} // namespace vemo
