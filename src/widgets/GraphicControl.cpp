#include "widgets/GraphicControl.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

GraphicControl::GraphicControl(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void GraphicControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    const QPoint pos = event->position().toPoint();
    MouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
}

void GraphicControl::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    MouseMove(event->modifiers(), pos.x(), pos.y());
}

void GraphicControl::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && leftPressed_) {
        leftPressed_ = false;
        if (rect().contains(pos)) {
            // A click handler may destroy this control.
            const QPointer<GraphicControl> alive(this);
            Click();
            if (!alive)
                return;
        }
    }
    MouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
}

void GraphicControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        // A double-click handler may destroy this control.
        const QPointer<GraphicControl> alive(this);
        DblClick();
        if (!alive)
            return;
    }
    mousePressEvent(event);
}

void GraphicControl::contextMenuEvent(QContextMenuEvent *event)
{
    if (popupMenu_)
        popupMenu_->popup(event->globalPos());
    else
        event->ignore();
}
