#include "editor/ShapeNudger.h"

#include <QKeyEvent>
#include <QPoint>

#include "editor/ShapePlacement.h"
#include "resizeframe/ResizeFrame.h"
#include "widgets/PictureBox.h"
#include "widgets/Shape.h"

namespace {

// Picture pixels an arrow key moves the shape by with Shift held, against 1 without.
constexpr int kLargeNudge = 10;

// The way an arrow key points; none for any other key.
QPoint ArrowDirection(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return {-1, 0};
    case Qt::Key_Right:
        return {1, 0};
    case Qt::Key_Up:
        return {0, -1};
    case Qt::Key_Down:
        return {0, 1};
    default:
        return {};
    }
}

} // namespace

ShapeNudger::ShapeNudger(const ShapePlacement &placement, const Shape &shape, const ResizeFrame &frame,
                         const PictureBox &picture, QObject *parent)
    : QObject(parent), placement_(placement), shape_(shape), frame_(frame), picture_(picture)
{
}

bool ShapeNudger::TakeKey(const QKeyEvent &key)
{
    const QPoint direction = ArrowDirection(key.key());
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const bool otherModifiers = modifiers & ~(Qt::ShiftModifier | Qt::AltModifier);
    if (direction.isNull() || otherModifiers || frame_.Covers().isEmpty())
        return false;
    // The mouse holds the shape: a step now would move it from under the drag's outline.
    if (frame_.DragInProgress())
        return true;
    const int step = modifiers.testFlag(Qt::ShiftModifier) ? kLargeNudge : 1;
    const vemo::NudgeTarget target =
        modifiers.testFlag(Qt::AltModifier) ? vemo::NudgeTarget::FarEdges : vemo::NudgeTarget::Position;
    const bool round = shape_.ShapeKind() == Shape::Kind::Circle;
    emit Nudged(vemo::NudgedBox(placement_.Box(), direction.x() * step, direction.y() * step, target, round,
                                picture_.PictureWidth(), picture_.PictureHeight()));
    return true;
}

bool ShapeNudger::TakeGroupKey(const QKeyEvent &key)
{
    const QPoint direction = ArrowDirection(key.key());
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (direction.isNull() || (modifiers & ~Qt::ShiftModifier))
        return false;
    const int step = modifiers.testFlag(Qt::ShiftModifier) ? kLargeNudge : 1;
    emit GroupStepped(direction.x() * step, direction.y() * step);
    return true;
}
