#pragma once
// Bounds typed by the user can be anywhere in the integer range, but Qt computes a rectangle's
// far edge as left + width - 1, which overflows at the ends of that range. Every value is kept
// within Qt's own widget size limit, far beyond any screen, before it becomes a geometry.
#include <QMargins>
#include <QRect>
#include <QWidget>

#include <algorithm>

inline QRect BoundedGeometry(int left, int top, int width, int height)
{
    const auto bounded = [](int value) { return std::clamp(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); };
    return QRect(bounded(left), bounded(top), bounded(width), bounded(height));
}

// Before the window manager has framed a window, its frame is taken to be this large, so a window
// placed or sized from it does not reach past the screen, or over another window, once framed.
constexpr QMargins kAssumedWindowFrame(8, 32, 8, 8);

// The frame the window manager gives window, or the assumed one while it has given none.
inline QMargins WindowFrameMargins(const QWidget &window)
{
    const QRect framed = window.frameGeometry();
    const QRect inner = window.geometry();
    return window.isVisible() && framed != inner
               ? QMargins(inner.left() - framed.left(), inner.top() - framed.top(), framed.right() - inner.right(),
                          framed.bottom() - inner.bottom())
               : kAssumedWindowFrame;
}
