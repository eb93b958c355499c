// Arithmetic of the drag outline and of the handle placement.
//
// Plain functions with no widget state, so every rule of moving, resizing
// and normalising an outline can be checked on its own.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

// How a corner handle resizes: freely, or keeping the width-to-height ratio
// the control had when the drag began. Edge handles always resize freely.
enum CornerResizeStyle { CornerFollowsPointer, CornerKeepsRatio };

// A rectangle given by its four edges. Right and Bottom are exclusive
// (Right = Left + width). During a resize the edges may cross, which QRect
// cannot express, hence this type.
struct EdgeRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    static EdgeRect FromRect(const QRect &r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const EdgeRect &) const = default;
};

// Handle indices: 0 top-left, then anticlockwise 1 left, 2 bottom-left,
// 3 bottom, 4 bottom-right, 5 right, 6 top-right, 7 top.
constexpr int HandleCount = 8;

// How far the outline's polyline is drawn inside its rectangle, so that a
// wide pen stays within it: LineWidth div 2.
int OutlineInset(int lineWidth);

// The closed five-point polyline of an outline drawn with the given line width.
std::array<QPoint, 5> OutlineVertices(const EdgeRect &outline, int lineWidth);

// The outline shifted by delta, keeping the control's size.
EdgeRect MovedOutline(const EdgeRect &outline, QPoint delta, QSize controlSize);

// The outline after handle `handle` moved by delta. With CornerKeepsRatio a
// corner handle keeps the ratio of startSize (the control's size when the
// drag began); a zero-width or zero-height start has no ratio and is resized
// freely. An index outside 0..7 leaves the outline unchanged.
EdgeRect ResizedOutline(const EdgeRect &outline, int handle, QPoint delta, CornerResizeStyle style, QSize startSize);

// The outline with crossed edges swapped back, so Left <= Right and Top <= Bottom.
EdgeRect NormalisedOutline(const EdgeRect &outline);

// Top-left corner of handle `handle` for a control with the given bounds:
// left and top handles are centred on the control's first pixel column or row,
// right and bottom ones on its last.
QPoint HandleTopLeft(int handle, const QRect &bounds, int handleSize);

// The nearest integer to numerator / denominator (denominator > 0). An exact
// half goes away from `previous`, the value it replaces: a drag that moves a
// corner one pixel at a time, where every step lands on a half, then neither
// stalls nor drifts, and moving back undoes it. Integer-only, so a value like
// 49.5 is never mistaken for 49.4999... .
int RoundedQuotient(long long numerator, long long denominator, long long previous);

// The point moved to the nearest point inside area.
QPoint ClampedToRect(QPoint point, const QRect &area);
