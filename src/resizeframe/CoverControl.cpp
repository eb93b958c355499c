#include "resizeframe/CoverControl.h"

#include "resizeframe/OutlineOverlay.h"
#include "resizeframe/ResizeFrame.h"
#include "widgets/WidgetGeometry.h"

#include <QEvent>
#include <QPainter>

CoverControl::CoverControl(ResizeFrame *frame) : frame_(frame)
{
    resize(0, 0);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
}

CoverControl::~CoverControl()
{
    if (windowed_ && attachedControl_) {
        attachedControl_->removeEventFilter(this);
        attachedControl_->setEnabled(savedEnabled_);
    }
}

void CoverControl::AttachTo(QWidget *control)
{
    attachedControl_ = control;
    attachedParent_ = control->parentWidget();
    windowed_ = qobject_cast<GraphicControl *>(control) == nullptr;
    if (windowed_) {
        setParent(control);
        savedEnabled_ = control->isEnabled();
        control->installEventFilter(this);
        control->setEnabled(true);
        // A windowed control is destroyed before its children; forget it then
        // so the destructor does not touch a half-destroyed widget.
        connect(control, &QObject::destroyed, this, [this] { attachedControl_ = nullptr; });
        setGeometry(0, 0, control->width(), control->height());
    } else {
        setParent(control->parentWidget());
        setGeometry(control->geometry());
    }
    raise();
    show();
}

void CoverControl::SetBounds(int left, int top, int width, int height)
{
    const QRect bounds = BoundedGeometry(left, top, width, height);
    if (attachedControl_)
        attachedControl_->setGeometry(bounds);
    if (attachedControl_ && windowed_)
        setGeometry(0, 0, bounds.width(), bounds.height());
    else
        setGeometry(bounds);
}

void CoverControl::SetSelected(bool selected)
{
    selected_ = selected;
    setCursor(selected ? frame_->Cursor() : Qt::ArrowCursor);
}

void CoverControl::DrawOutline(const EdgeRect &rect)
{
    if (dragClip_)
        dragClip_->Toggle(rect);
}

void CoverControl::BeginOutline(int x, int y, OutlineOverlay *clip)
{
    dragClip_ = clip;
    lastPoint_ = QPoint(x, y);
    if (attachedControl_) {
        const QPoint topLeft = attachedControl_->pos();
        outline_ = {topLeft.x(), topLeft.y(), topLeft.x() + width(), topLeft.y() + attachedControl_->height()};
    }
    DrawOutline(outline_);
}

void CoverControl::MoveOutline(int x, int y)
{
    if (!attachedControl_)
        return;
    EraseOutline();
    outline_ = MovedOutline(outline_, QPoint(x, y) - lastPoint_, attachedControl_->size());
    DrawOutline(outline_);
    lastPoint_ = QPoint(x, y);
}

void CoverControl::ResizeOutline(int handle, int x, int y)
{
    EraseOutline();
    // The cover keeps the control's size until the release: the size the
    // drag began with, which is what the equal-ratio step scales.
    outline_ = ResizedOutline(outline_, handle, QPoint(x, y) - lastPoint_, frame_->CornerResize(), size());
    DrawOutline(outline_);
    lastPoint_ = QPoint(x, y);
}

void CoverControl::EraseOutline()
{
    DrawOutline(outline_);
}

void CoverControl::ApplyOutline()
{
    SetBounds(outline_.Left, outline_.Top, outline_.Width(), outline_.Height());
}

void CoverControl::EndResize()
{
    EraseOutline();
    outline_ = NormalisedOutline(outline_);
    ApplyOutline();
}

void CoverControl::BeginBand(int x, int y, OutlineOverlay *clip)
{
    dragClip_ = clip;
    outline_ = {x, y, x, y};
    DrawOutline(outline_);
}

void CoverControl::StretchBand(int x, int y)
{
    EraseOutline();
    outline_.Right = x;
    outline_.Bottom = y;
    DrawOutline(outline_);
}

void CoverControl::paintEvent(QPaintEvent *)
{
    if (!multiMark_)
        return;
    QPainter painter(this);
    const int s = frame_->HandleSize();
    const int w = width();
    const int h = height();
    const QColor color = frame_->HandleColor();
    painter.fillRect(0, 0, s, s, color);
    painter.fillRect(0, h - s, s, s, color);
    painter.fillRect(w - s, h - s, s, s, color);
    painter.fillRect(w - s, 0, s, s, color);
}

void CoverControl::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)
{
    frame_->CoverMouseDown(this, button, modifiers, x, y);
}

void CoverControl::MouseMove(Qt::KeyboardModifiers modifiers, int x, int y)
{
    frame_->CoverMouseMove(this, modifiers, x, y);
}

void CoverControl::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)
{
    frame_->CoverMouseUp(this, button, modifiers, x, y);
}

void CoverControl::Click()
{
    frame_->CoverClick(this);
}

void CoverControl::DblClick()
{
    frame_->CoverDblClick(this);
}

bool CoverControl::eventFilter(QObject *watched, QEvent *event)
{
    const bool focusChange = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
    return watched == attachedControl_ && focusChange;
}
