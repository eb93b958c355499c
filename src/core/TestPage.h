#pragma once
// The page with which the user tries a map in a web browser: the picture with its map, and below
// it the map's lines shown as they are.
#include <string>
#include <vector>

namespace vemo {

// The page's bytes for the map's lines, every line ending with CR LF. The lines are written once
// as HTML and once escaped inside a PRE, so the browser shows them byte for byte.
std::string TestPageText(const std::vector<std::string> &lines);

} // namespace vemo
