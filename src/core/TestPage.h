#pragma once
// The page with which the user tries a map in a web browser: the picture with its map, a line under
// it naming the area under the mouse, and below it the map's lines shown as they are.
#include <string>
#include <vector>

namespace vemo {

// The page's bytes for the map's lines, every line ending with CR LF. The lines are written once
// as HTML and once escaped inside a PRE, so the browser shows them byte for byte. The page's head
// follows the map's style: HTML5 lines get an HTML5 page in UTF-8. A script of the page outlines
// the area under the mouse and names its HREF, ALT and TITLE in the line under the picture.
// With responsive, the page holds the script that scales areas with their picture, and shows the
// picture a second time at half its width, with its own line naming the area under the mouse.
std::string TestPageText(const std::vector<std::string> &lines, bool responsive = false);

} // namespace vemo
