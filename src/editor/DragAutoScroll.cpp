#include "editor/DragAutoScroll.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

#include <algorithm>

#include "resizeframe/ResizeFrame.h"

namespace {

// A drag held this close to the visible edge, or beyond it, scrolls the picture; the further
// out, the faster, up to the last value per step.
constexpr int kAutoScrollEdge = 16;
constexpr int kAutoScrollMaxStep = 48;
constexpr int kAutoScrollIntervalMs = 30;

// How far a drag at `at` along a visible length of `length` scrolls in one step.
int AutoScrollDistance(int at, int length)
{
    if (at < kAutoScrollEdge)
        return -std::min(kAutoScrollMaxStep, kAutoScrollEdge - at);
    if (at >= length - kAutoScrollEdge)
        return std::min(kAutoScrollMaxStep, at - (length - kAutoScrollEdge) + 1);
    return 0;
}

} // namespace

DragAutoScroll::DragAutoScroll(QWidget &window, QScrollArea &scrollArea, const ResizeFrame &frame)
    : QObject(&window), window_(window), scrollArea_(scrollArea), frame_(frame)
{
    timer_.setInterval(kAutoScrollIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &DragAutoScroll::Step);
}

void DragAutoScroll::Follow(const QMouseEvent &move)
{
    mousePos_ = move.position();
    modifiers_ = move.modifiers();
    const QWidget *port = scrollArea_.viewport();
    const QPoint onPort = port->mapFrom(&window_, mousePos_.toPoint());
    step_ = QPoint(AutoScrollDistance(onPort.x(), port->width()), AutoScrollDistance(onPort.y(), port->height()));
    if (move.buttons().testFlag(Qt::LeftButton) && frame_.DragInProgress() && !step_.isNull())
        timer_.start();
    else
        timer_.stop();
}

void DragAutoScroll::Stop()
{
    timer_.stop();
}

void DragAutoScroll::Step()
{
    QWindow *handle = window_.windowHandle();
    if (!frame_.DragInProgress() || !handle) {
        timer_.stop();
        return;
    }
    QScrollBar *across = scrollArea_.horizontalScrollBar();
    QScrollBar *down = scrollArea_.verticalScrollBar();
    const QPoint before(across->value(), down->value());
    across->setValue(before.x() + step_.x());
    down->setValue(before.y() + step_.y());
    if (QPoint(across->value(), down->value()) == before)
        return;
    // The picture moved under a mouse that stood still.
    QMouseEvent moved(QEvent::MouseMove, mousePos_, window_.mapToGlobal(mousePos_), Qt::NoButton, Qt::LeftButton,
                      modifiers_);
    QCoreApplication::sendEvent(handle, &moved);
}
