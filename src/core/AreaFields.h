#pragma once
// The box that the coordinate texts of an area dialog stand for while the user types them.
// Unfinished typing is normal there, so a text that does not convert is never an error: it
// counts as 0 for the quantity made from it.
#include <string>

#include "core/AreaGeometry.h"

namespace vemo {

// An invalid x0 or y0 counts as 0; an invalid x1 or y1 gives a width or height of 0 (not an
// edge at 0).
Box TypedRectBox(const std::string &x0, const std::string &y0, const std::string &x1, const std::string &y1);

// An invalid x, y or r counts as 0 on its own; r = 0 gives a box that covers no pixel.
Box TypedCircleBox(const std::string &x, const std::string &y, const std::string &r);

} // namespace vemo
