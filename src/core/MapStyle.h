#pragma once
// The two ways a map's lines are written: Classic, the upper-case HTML with BORDER and bare WIDTH
// and HEIGHT that side files have always held, and HTML5, lower-case with every value quoted.
#include <string>
#include <vector>

namespace vemo {

enum class MapStyle { Classic, Html5 };

// The style the map's lines are written in, told by its image line: HTML5 when it starts with
// "<img" in lower case, else Classic (an empty map included).
MapStyle StyleOfLines(const std::vector<std::string> &lines);

} // namespace vemo
