#pragma once
// A map's lines rewritten in the other style (MapStyle.h). A line is rewritten only when it is
// exactly what the writers of MapLines.h make of the values read from it, so nothing the writers
// would not write again (an attribute added by hand, a comment, an unclosed value) is lost: such
// a line is kept as it is. Values, coordinates and the user's entities are carried over as
// written, except that a bare '&' going into HTML5 is written "&amp;".
#include <string>
#include <vector>

#include "core/MapStyle.h"

namespace vemo {

// The line in style; the line itself when it is already in style or cannot be rewritten whole.
std::string LineInStyle(const std::string &line, MapStyle style);

// Every line in style.
std::vector<std::string> LinesInStyle(const std::vector<std::string> &lines, MapStyle style);

} // namespace vemo
