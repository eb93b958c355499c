#include "editor/GroupDragger.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>

#include "core/AreaSet.h"
#include "core/GridSnap.h"
#include "core/ZoomMapping.h"
#include "editor/AreaPicker.h"
#include "widgets/PictureBox.h"

GroupDragger::GroupDragger(PictureBox &picture, const AreaPicker &picker, QObject *parent)
    : QObject(parent), picture_(picture), picker_(picker)
{
}

QPoint GroupDragger::StepTo(QPoint at) const
{
    const double zoom = picture_.Zoom();
    QPoint step(vemo::PicturePixel(at.x(), zoom) - vemo::PicturePixel(from_.x(), zoom),
                vemo::PicturePixel(at.y(), zoom) - vemo::PicturePixel(from_.y(), zoom));
    // The area pressed lands with its corner on the grid; the others keep their places against it.
    const vemo::AreaRegion *pressed = picture_.Outlines().OnLine(pressedLine_);
    if (picture_.GridSize() > 0 && pressed) {
        vemo::Box moved = pressed->box;
        moved.left += step.x();
        moved.top += step.y();
        const vemo::Box snapped =
            vemo::SnappedBoxPosition(moved, picture_.GridSize(), picture_.PictureWidth(), picture_.PictureHeight());
        step += QPoint(snapped.left - moved.left, snapped.top - moved.top);
    }
    return step;
}

bool GroupDragger::Follow(const QMouseEvent &mouse)
{
    const QPoint at = mouse.position().toPoint();
    switch (mouse.type()) {
    case QEvent::MouseButtonPress: {
        const std::vector<int> &marked = picture_.MarkedLines();
        const int line = picker_.LineAt(at);
        dragging_ = false;
        pressedLine_ = -1;
        if (mouse.button() != Qt::LeftButton || mouse.modifiers() != Qt::NoModifier || line < 0
            || std::find(marked.begin(), marked.end(), line) == marked.end())
            return false;
        pressedLine_ = line;
        from_ = at;
        // Not taken: a press and release in place is still a click.
        return false;
    }
    case QEvent::MouseMove:
        if (pressedLine_ < 0 || !(mouse.buttons() & Qt::LeftButton))
            return false;
        if (!dragging_ && (at - from_).manhattanLength() < QApplication::startDragDistance())
            return false;
        dragging_ = true;
        {
            const QPoint step = StepTo(at);
            picture_.SetMarkOffset(QPoint(vemo::ToDisplay(step.x(), picture_.Zoom()),
                                          vemo::ToDisplay(step.y(), picture_.Zoom())));
        }
        return true;
    case QEvent::MouseButtonRelease: {
        if (pressedLine_ < 0 || mouse.button() != Qt::LeftButton)
            return false;
        const bool dragged = dragging_;
        const QPoint step = StepTo(at);
        pressedLine_ = -1;
        dragging_ = false;
        picture_.SetMarkOffset(QPoint());
        if (!dragged)
            return false;
        if (!step.isNull())
            emit Dragged(step.x(), step.y());
        return true;
    }
    default:
        return false;
    }
}
