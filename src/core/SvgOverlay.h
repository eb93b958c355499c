#pragma once
// The map as an SVG drawing: the picture with one link per area over it, which a page can show at
// any size, its areas scaling with the picture by themselves.
#include <string>
#include <vector>

namespace vemo {

// The SVG text for the map's lines, which must be UTF-8: its view box is the picture's size in
// pixels; the picture is the image line's SRC, as written; each area whose coordinates read is an
// <a> with the area's HREF (and TARGET), its ALT as aria-label and its TITLE (else its ALT) as
// <title>, holding a rect, circle or polygon; a default area is a rect over the whole picture,
// placed first so that every other area lies over it. Values go in as the map holds them, but
// made well-formed XML: a "<", or an "&" that starts no XML reference, is escaped, and a control
// character becomes a space, so no value can end its attribute or element or spoil the file.
std::string SvgOverlayText(const std::vector<std::string> &lines, int width, int height);

} // namespace vemo
