#pragma once
// The script that makes a page's image maps follow their pictures when a page shows a picture at
// another size than its own: the HTML standard takes area coordinates in the picture's own pixels.
#include <string>

namespace vemo {

// Marks the script element, so that a page that holds it already is not given a second one.
constexpr const char *kResponsiveScriptMark = "data-vemo-responsive";

// One <script data-vemo-responsive> element, on one line, that needs no library. For every
// <img usemap> of the page it scales each area's coordinates from the picture's natural size to
// its shown size, once loaded and again whenever the shown size changes (ResizeObserver, and the
// window's resize for browsers without it). The
// written coordinates are kept in data-vemo-coords, so repeated scaling never drifts; an area of
// a picture shown at its natural size is left as written.
std::string ResponsiveScriptElement();

} // namespace vemo
