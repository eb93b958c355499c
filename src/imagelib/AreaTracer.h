#pragma once
#include "imagelib/TracedArea.h"

#include <QImage>
#include <QPoint>

// How far a pixel's colour may lie from the clicked colour and still belong to the region: the
// largest difference in red, green or blue. Wide enough for JPEG noise and the inner half of an
// anti-aliased edge, narrow enough to stop at the edge between two plainly different colours.
constexpr int kDefaultTraceTolerance = 32;
// How far, in picture pixels, the traced corners' outline may stray from the region's edge.
constexpr double kDefaultTraceDistance = 1.0;

// The area around a clicked pixel of a flat-coloured picture (a room of a floor plan, a shape of a
// diagram): the pixels joined side by side to the click whose colour is within tolerance of the
// clicked colour, its outer outline (holes inside are ignored) reduced to few corners, each edge
// within maxDistance of the region's edge and never crossing another. A region that is a rectangle
// or a circle within maxDistance gives a RECT or CIRCLE. The coordinates are chosen so that the
// pixels a browser takes for the area are the region's. Kind None for a null picture or a click
// outside it.
TracedArea TraceArea(const QImage &picture, QPoint clicked, int tolerance = kDefaultTraceTolerance,
                     double maxDistance = kDefaultTraceDistance);
