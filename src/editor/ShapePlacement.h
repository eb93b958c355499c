#pragma once
// Where the view's shape stands: its box in picture pixels, which the view keeps whatever the
// zoom, and the geometry it was last given on the zoomed display. A box set from a dialog is kept
// exactly as typed; after a drag, only the edges the drag moved are read back at the zoom.
#include <QRect>

#include "core/AreaGeometry.h"

class PictureBox;
class ResizeFrame;
class Shape;

class ShapePlacement {
public:
    ShapePlacement(Shape &shape, ResizeFrame &frame, const PictureBox &picture);

    // The shape's box in picture pixels.
    vemo::Box Box() const;
    // Puts the shape on the display at box, at the picture's zoom, with the frame's cover and
    // handles while it holds the shape; scrolls nothing.
    void Place(const vemo::Box &box);
    // The display geometry the shape was last placed at.
    QRect Shown() const { return shownGeometry_; }
    // Takes the box from where a drag left the shape, a circle squared, and returns it.
    vemo::Box TakeFromDrag();

private:
    Shape &shape_;
    ResizeFrame &frame_;
    const PictureBox &picture_;
    vemo::Box box_;
    // A geometry of the shape that differs from this one was set by a drag.
    QRect shownGeometry_;
};
