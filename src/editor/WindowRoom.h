#pragma once
// The room a top-level window has on its screen's free area while it keeps clear of another
// window (the main window): it takes only the room beside, below, left of or above that window,
// and where that room is too small keeps only that window's top-left corner in sight.
#include <QRect>
#include <QSize>

class QWidget;

class WindowRoom {
public:
    explicit WindowRoom(QWidget &window);

    // The outer rectangle of the window to keep clear of, and its client area: while the two are
    // the same, the window manager has not framed it yet, and an assumed frame is counted around
    // it. An empty rectangle keeps nothing clear.
    void KeepClearOf(const QRect &frame, const QRect &client);

    // The outer rectangle the window gets for an outer size of wanted.
    QRect Placement(QSize wanted) const;
    // The largest client size the window may take for a client size of wanted.
    QSize RoomFor(QSize wanted) const;
    // Moves the shown window back inside the screen's free area where it reaches past it.
    void KeepOnScreen();

private:
    QWidget &window_;
    QRect keepClear_;
};
