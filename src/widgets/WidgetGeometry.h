#pragma once
// Bounds typed by the user can be anywhere in the integer range, but Qt computes a rectangle's
// far edge as left + width - 1, which overflows at the ends of that range. Every value is kept
// within Qt's own widget size limit, far beyond any screen, before it becomes a geometry.
#include <QRect>
#include <QWidget>

#include <algorithm>

inline QRect BoundedGeometry(int left, int top, int width, int height)
{
    const auto bounded = [](int value) { return std::clamp(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); };
    return QRect(bounded(left), bounded(top), bounded(width), bounded(height));
}
