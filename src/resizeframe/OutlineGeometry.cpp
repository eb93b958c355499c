#include "resizeframe/OutlineGeometry.h"

#include <algorithm>
#include <utility>

int OutlineInset(int lineWidth)
{
    return lineWidth / 2;
}

std::array<QPoint, 5> OutlineVertices(const EdgeRect &outline, int lineWidth)
{
    const int h = OutlineInset(lineWidth);
    const QPoint topLeft(outline.Left + h, outline.Top + h);
    return {topLeft, QPoint(outline.Left + h, outline.Bottom - h), QPoint(outline.Right - h, outline.Bottom - h),
            QPoint(outline.Right - h, outline.Top + h), topLeft};
}

EdgeRect MovedOutline(const EdgeRect &outline, QPoint delta, QSize controlSize)
{
    EdgeRect moved;
    moved.Left = outline.Left + delta.x();
    moved.Top = outline.Top + delta.y();
    moved.Right = moved.Left + controlSize.width();
    moved.Bottom = moved.Top + controlSize.height();
    return moved;
}

int RoundedQuotient(long long numerator, long long denominator, long long previous)
{
    long long floor = numerator / denominator;
    if (floor * denominator > numerator)
        --floor;
    const long long twiceRemainder = 2 * (numerator - floor * denominator);
    if (twiceRemainder < denominator)
        return static_cast<int>(floor);
    if (twiceRemainder > denominator)
        return static_cast<int>(floor + 1);
    // An exact half, floor + 0.5: up when that is above the previous value.
    return static_cast<int>(floor >= previous ? floor + 1 : floor);
}

namespace {

bool IsCornerHandle(int handle)
{
    return handle % 2 == 0;
}

// Rescales the two edges a corner handle moved so the outline keeps the
// start size's ratio, scaled by the mean of the horizontal and vertical
// stretch. With r = (w / W0 + h / H0) / 2 the new size is r * W0 by r * H0;
// both are computed as one exact fraction each:
//   r * W0 = (w * H0 + h * W0) / (2 * H0),  r * H0 = (w * H0 + h * W0) / (2 * W0).
// `before` is the outline before the handle moved.
EdgeRect KeptRatio(EdgeRect r, const EdgeRect &before, int handle, QSize startSize)
{
    const long long w0 = startSize.width();
    const long long h0 = startSize.height();
    const long long stretch = static_cast<long long>(r.Width()) * h0 + static_cast<long long>(r.Height()) * w0;
    const int width = RoundedQuotient(stretch, 2 * h0, before.Width());
    const int height = RoundedQuotient(stretch, 2 * w0, before.Height());
    switch (handle) {
    case 0: // fixed corner: bottom-right
        r.Left = r.Right - width;
        r.Top = r.Bottom - height;
        break;
    case 2: // fixed corner: top-right
        r.Left = r.Right - width;
        r.Bottom = r.Top + height;
        break;
    case 4: // fixed corner: top-left
        r.Right = r.Left + width;
        r.Bottom = r.Top + height;
        break;
    case 6: // fixed corner: bottom-left
        r.Right = r.Left + width;
        r.Top = r.Bottom - height;
        break;
    }
    return r;
}

} // namespace

EdgeRect ResizedOutline(const EdgeRect &outline, int handle, QPoint delta, CornerResizeStyle style, QSize startSize)
{
    EdgeRect r = outline;
    const int dx = delta.x();
    const int dy = delta.y();
    switch (handle) {
    case 0: r.Left += dx; r.Top += dy; break;
    case 1: r.Left += dx; break;
    case 2: r.Left += dx; r.Bottom += dy; break;
    case 3: r.Bottom += dy; break;
    case 4: r.Right += dx; r.Bottom += dy; break;
    case 5: r.Right += dx; break;
    case 6: r.Right += dx; r.Top += dy; break;
    case 7: r.Top += dy; break;
    default: return outline;
    }
    const bool hasRatio = startSize.width() > 0 && startSize.height() > 0;
    if (style == CornerKeepsRatio && IsCornerHandle(handle) && hasRatio)
        r = KeptRatio(r, outline, handle, startSize);
    return r;
}

EdgeRect NormalisedOutline(const EdgeRect &outline)
{
    EdgeRect r = outline;
    if (r.Right < r.Left)
        std::swap(r.Left, r.Right);
    if (r.Bottom < r.Top)
        std::swap(r.Top, r.Bottom);
    return r;
}

QPoint HandleTopLeft(int handle, const QRect &bounds, int handleSize)
{
    const int h = handleSize / 2;
    const int left = bounds.left() - h;
    const int right = bounds.left() + bounds.width() - h - 1;
    const int centreX = bounds.left() + (bounds.width() - handleSize) / 2;
    const int top = bounds.top() - h;
    const int bottom = bounds.top() + bounds.height() - h - 1;
    const int centreY = bounds.top() + (bounds.height() - handleSize) / 2;
    switch (handle) {
    case 0: return {left, top};
    case 1: return {left, centreY};
    case 2: return {left, bottom};
    case 3: return {centreX, bottom};
    case 4: return {right, bottom};
    case 5: return {right, centreY};
    case 6: return {right, top};
    default: return {centreX, top};
    }
}

QPoint ClampedToRect(QPoint point, const QRect &area)
{
    return {std::clamp(point.x(), area.left(), std::max(area.left(), area.right())),
            std::clamp(point.y(), area.top(), std::max(area.top(), area.bottom()))};
}
