#include "resizeframe/KeyCatcher.h"

#include "resizeframe/ResizeFrame.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

#include <vector>

KeyCatcher::KeyCatcher(ResizeFrame *frame, QWidget *ownerForm) : QWidget(ownerForm), frame_(frame)
{
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::ClickFocus);
    show();
}

namespace {

bool IsFrameKey(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete;
}

} // namespace

bool KeyCatcher::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        if (IsFrameKey(static_cast<QKeyEvent *>(event)->key())) {
            event->accept();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        // Changing the selection under a drag would hide the handle that
        // holds the mouse or destroy the control being dragged.
        if (IsFrameKey(key) && frame_->DragInProgress())
            return true;
        switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            frame_->SelectNext();
            return true;
        case Qt::Key_Delete:
            DeleteSelectedControls();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // The frame gives this widget the focus at each press, so losing it
        // to a popup or another window means the drag's release goes there.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
            frame_->AbandonDrag();
    }
    return QWidget::event(event);
}

void KeyCatcher::DeleteSelectedControls()
{
    // Guarded pointers: detaching fires the frame's events, and deleting a
    // control deletes its children, which may be selected too.
    std::vector<QPointer<QWidget>> doomed;
    for (QWidget *control : frame_->GetSelectedControls()) {
        if (!frame_->IsDeleteProtected(control))
            doomed.emplace_back(control);
    }
    for (const QPointer<QWidget> &control : doomed) {
        if (!control)
            continue;
        frame_->DetachControl(control);
        delete control.data();
    }
    // Covers inside a deleted control went with it, unseen by the frame.
    frame_->RecountSelection();
}
