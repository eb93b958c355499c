#pragma once
// The view shows the picture at a zoom. The shape, its handles and the drag outline live in
// display pixels over the zoomed picture, while every coordinate the user reads, types or saves
// is a picture pixel. These functions convert between the two and step the zoom; they need no
// window, so the rounding rules are tested on their own.
#include "core/AreaGeometry.h"

namespace vemo {

// The zoom steps offered by the keys and the wheel, as factors (25 % to 800 %).
inline constexpr double kZoomSteps[] = {0.25, 0.5, 1.0, 2.0, 4.0, 8.0};

// The next step above (direction > 0) or below (direction < 0) zoom; a zoom between steps, as
// "fit" gives, goes to the nearest step in that direction. Stays at the end steps.
double SteppedZoom(double zoom, int direction);

// The zoom at which a picture of pictureWidth x pictureHeight fills at most the room given.
double FittingZoom(int pictureWidth, int pictureHeight, int roomWidth, int roomHeight);

// A picture length in display pixels, rounded to the nearest pixel.
int ToDisplay(int pictureLength, double zoom);

// A picture box on the display: both edges are rounded, so boxes side by side stay side by side.
Box ToDisplayBox(const Box &picture, double zoom);

// The picture box a display box stands for: the inverse of ToDisplayBox, exact whenever the zoom
// is 100 % or more; below it, the nearest picture pixels. At least one pixel wide and high, as a
// shape the user has dragged always is.
Box ToPictureBox(const Box &display, double zoom);

// The picture box of a shape after a drag on the display, from its picture box and display box
// before the drag and its display box after. An edge the drag left where it was stays where it
// was in picture pixels, and a drag that only moved the shape keeps its picture size, at any zoom:
// only what the user moved is rounded.
Box DraggedBox(const Box &picture, const Box &displayBefore, const Box &displayAfter, double zoom);

// The picture pixel under a display pixel (rounded down, so every display pixel of a zoomed
// picture pixel names that pixel).
int PicturePixel(int displayPixel, double zoom);

// Where the middle of a picture pixel lies on the display: the point outlines are drawn through.
double PixelCentre(int picturePixel, double zoom);

} // namespace vemo
