#pragma once
// Where the view window goes on the screen so that the main window stays in sight. Plain
// rectangle arithmetic in screen pixels, on windows' outer rectangles (their frames included).
#include "core/AreaGeometry.h"

namespace vemo {

// How small the view may get beside the main window before it takes the screen instead, leaving
// only the main window's corner in sight.
inline constexpr int kLeastViewWidth = 240;
inline constexpr int kLeastViewHeight = 180;
// The part of the main window's top-left corner (its title bar there) kept in sight when the
// screen has no room beside it, so that one click still reaches it.
inline constexpr int kReachableCorner = 48;

// The outer rectangle of a view that would like to be wantedWidth x wantedHeight, on a screen
// whose free area is available, next to the main window's outer rectangle keepClear:
// - centred on the screen when it is clear of the main window there (as small views are);
// - else beside, below, to the left of or above the main window, in the first of these where it
//   fits whole, or, when it fits whole nowhere, where it keeps the largest area (it may shrink
//   there, to scroll);
// - where that leaves less than the least view size, the screen's free area, but clear of the
//   main window's top-left corner.
// The view is never larger than it would like, nor than the free area. A main window off the
// screen, or an empty keepClear, is no obstacle.
Box PlaceView(const Box &available, const Box &keepClear, int wantedWidth, int wantedHeight);

} // namespace vemo
