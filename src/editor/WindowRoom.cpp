#include "editor/WindowRoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

#include "core/ViewPlacement.h"
#include "widgets/WidgetGeometry.h"

WindowRoom::WindowRoom(QWidget &window)
    : window_(window)
{
}

void WindowRoom::KeepClearOf(const QRect &frame, const QRect &client)
{
    // A window manager frames a window around the place it was given, to the right and below.
    keepClear_ = frame.isValid() && frame == client ? QRect(frame.topLeft(), frame.size().grownBy(kAssumedWindowFrame))
                                                    : frame;
}

QRect WindowRoom::Placement(QSize wanted) const
{
    const QScreen *display = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    const QRect available = display ? display->availableGeometry() : QRect(0, 0, 640, 480);
    const vemo::Box placed = vemo::PlaceView({available.x(), available.y(), available.width(), available.height()},
                                             {keepClear_.x(), keepClear_.y(), keepClear_.width(), keepClear_.height()},
                                             wanted.width(), wanted.height());
    return {placed.left, placed.top, placed.width, placed.height};
}

QSize WindowRoom::RoomFor(QSize wanted) const
{
    const QMargins frame = WindowFrameMargins(window_);
    return Placement(wanted.grownBy(frame)).size().shrunkBy(frame);
}

void WindowRoom::KeepOnScreen()
{
    const QScreen *display = window_.screen();
    if (!window_.isVisible() || !display)
        return;
    const QRect available = display->availableGeometry();
    QRect framed = window_.frameGeometry();
    framed.moveRight(std::min(framed.right(), available.right()));
    framed.moveBottom(std::min(framed.bottom(), available.bottom()));
    framed.moveLeft(std::max(framed.left(), available.left()));
    framed.moveTop(std::max(framed.top(), available.top()));
    if (framed.topLeft() != window_.frameGeometry().topLeft())
        window_.move(framed.topLeft());
}
