#include "editor/ShapePlacement.h"

#include "core/ZoomMapping.h"
#include "resizeframe/ResizeFrame.h"
#include "widgets/PictureBox.h"
#include "widgets/Shape.h"
#include "widgets/WidgetGeometry.h"

ShapePlacement::ShapePlacement(Shape &shape, ResizeFrame &frame, const PictureBox &picture)
    : shape_(shape), frame_(frame), picture_(picture), shownGeometry_(shape.geometry())
{
    // The shape starts where it was put, at 100 %.
    box_ = {shownGeometry_.x(), shownGeometry_.y(), shownGeometry_.width(), shownGeometry_.height()};
}

vemo::Box ShapePlacement::Box() const
{
    const QRect shown = shape_.geometry();
    if (shown == shownGeometry_)
        return box_;
    const QRect &before = shownGeometry_;
    return vemo::DraggedBox(box_, {before.x(), before.y(), before.width(), before.height()},
                            {shown.x(), shown.y(), shown.width(), shown.height()}, picture_.Zoom());
}

void ShapePlacement::Place(const vemo::Box &box)
{
    box_ = box;
    const vemo::Box shown = vemo::ToDisplayBox(box, picture_.Zoom());
    const QRect geometry = BoundedGeometry(shown.left, shown.top, shown.width, shown.height);
    shape_.setGeometry(geometry);
    frame_.SetControlBounds(&shape_, geometry.x(), geometry.y(), geometry.width(), geometry.height());
    shownGeometry_ = shape_.geometry();
}

vemo::Box ShapePlacement::TakeFromDrag()
{
    // The drag left the shape at display bounds: from now on they are the picture box it shows.
    box_ = Box();
    shownGeometry_ = shape_.geometry();
    if (shape_.ShapeKind() == Shape::Kind::Rectangle)
        return box_;
    const vemo::Box square = vemo::SquaredBox(box_);
    if (square != box_)
        Place(square);
    return square;
}
