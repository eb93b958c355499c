#include "resizeframe/ResizeFrame.h"

#include <QCursor>
#include <QMouseEvent>

#include <algorithm>

namespace {

QRect ClientAreaOnScreen(const QWidget *widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

} // namespace

ResizeFrame::ResizeFrame(QObject *owner, bool autoAttach) : QObject(owner), autoAttach_(autoAttach)
{
    if (QWidget *form = GetOwnerForm())
        keyCatcher_ = new KeyCatcher(this, form);
    else
        qWarning("ResizeFrame: no window among its owners; it will attach nothing");
    // Like a component's load completion: runs once the host has finished
    // building its form and set the frame's properties.
    if (autoAttach_)
        QMetaObject::invokeMethod(this, &ResizeFrame::Loaded, Qt::QueuedConnection);
}

ResizeFrame::~ResizeFrame()
{
    for (auto cover = covers_.rbegin(); cover != covers_.rend(); ++cover)
        delete cover->data();
    delete rubberBand_.data();
    delete overlay_.data();
    delete keyCatcher_.data();
}

void ResizeFrame::Loaded()
{
    if (autoAttach_)
        AttachAll();
}

QWidget *ResizeFrame::GetOwnerForm() const
{
    for (QObject *owner = parent(); owner; owner = owner->parent()) {
        auto *widget = qobject_cast<QWidget *>(owner);
        if (widget && widget->isWindow())
            return widget;
    }
    return nullptr;
}

QList<CoverControl *> ResizeFrame::Covers() const
{
    QList<CoverControl *> live;
    for (const QPointer<CoverControl> &cover : covers_) {
        if (cover)
            live.append(cover);
    }
    return live;
}

QList<QWidget *> ResizeFrame::Handles() const
{
    return handles_.Live();
}

CoverControl *ResizeFrame::FindCover(const QWidget *control) const
{
    for (CoverControl *cover : Covers()) {
        if (cover->AttachedControl() == control)
            return cover;
    }
    return nullptr;
}

int ResizeFrame::HandleIndex(const QObject *widget) const
{
    return handles_.IndexOf(widget);
}

bool ResizeFrame::IsFramePart(const QWidget *widget) const
{
    return qobject_cast<const CoverControl *>(widget) || qobject_cast<const KeyCatcher *>(widget)
        || qobject_cast<const OutlineOverlay *>(widget) || HandleIndex(widget) >= 0;
}

void ResizeFrame::AttachControl(QWidget *control)
{
    // The drag works in the control's parent; a control without one cannot be moved.
    if (!control || !control->parentWidget() || !keyCatcher_)
        return;
    auto *cover = new CoverControl(this);
    cover->AttachTo(control);
    cover->SetPopupMenu(popUpMenu_);
    covers_.emplace_back(cover);
    keyCatcher_->setEnabled(true);
}

void ResizeFrame::DetachAll()
{
    HideHandles();
    EndDrag();
    for (auto cover = covers_.rbegin(); cover != covers_.rend(); ++cover)
        delete cover->data();
    covers_.clear();
    // Only the frame's own filter goes; the form's own handlers stay as they are.
    if (filteredForm_)
        filteredForm_->removeEventFilter(this);
    filteredForm_ = nullptr;
    if (keyCatcher_)
        keyCatcher_->setEnabled(false);
    currentCover_ = nullptr;
    selectedCount_ = 0;
}

void ResizeFrame::SetControlBounds(QWidget *control, int left, int top, int width, int height)
{
    CoverControl *cover = FindCover(control);
    if (!cover)
        return;
    cover->SetBounds(left, top, width, height);
    // A host may reshape the selected control from inside MouseReleased, after
    // the handles were placed; they follow it.
    if (cover == currentCover_ && selectedCount_ == 1 && !handleDragging_ && HandlesShown())
        ShowHandles();
}

void ResizeFrame::AttachAll()
{
    QObject *owner = parent();
    QWidget *form = GetOwnerForm();
    if (!owner || !form)
        return;
    // A snapshot: attaching adds covers to the owner's children.
    const QObjectList owned = owner->children();
    for (QObject *object : owned) {
        auto *control = qobject_cast<QWidget *>(object);
        if (control && !IsFramePart(control))
            AttachControl(control);
    }
    form->installEventFilter(this);
    filteredForm_ = form;
}

void ResizeFrame::DetachControl(QWidget *control)
{
    QPointer<CoverControl> cover = FindCover(control);
    if (!cover)
        return;
    if (cover == currentCover_)
        SimulatedShiftClick(cover);
    const bool wasSelected = cover && cover->Selected();
    delete cover.data();
    covers_.erase(std::remove(covers_.begin(), covers_.end(), nullptr), covers_.end());
    if (wasSelected)
        RecountSelection();
}

void ResizeFrame::SimulatedShiftClick(CoverControl *cover)
{
    QPointer<CoverControl> guard = cover;
    CoverMouseDown(cover, Qt::LeftButton, Qt::ShiftModifier, 0, 0);
    if (guard)
        CoverMouseUp(cover, Qt::LeftButton, Qt::ShiftModifier, 0, 0);
}

void ResizeFrame::SelectControl(QWidget *control)
{
    DeselectAll();
    CoverControl *cover = FindCover(control);
    if (!cover)
        return;
    currentCover_ = cover;
    cover->SetSelected(false);
    SimulatedShiftClick(cover);
}

void ResizeFrame::SelectControls(const QList<QWidget *> &controls)
{
    for (QWidget *control : controls) {
        CoverControl *cover = FindCover(control);
        if (!cover)
            continue;
        currentCover_ = cover;
        cover->SetSelected(false);
        SimulatedShiftClick(cover);
    }
}

void ResizeFrame::SelectInRect(const EdgeRect &formRect)
{
    QWidget *form = GetOwnerForm();
    if (!form)
        return;
    const QPoint a = form->mapToGlobal(QPoint(formRect.Left, formRect.Top));
    const QPoint b = form->mapToGlobal(QPoint(formRect.Right, formRect.Bottom));
    const EdgeRect band = NormalisedOutline({a.x(), a.y(), b.x(), b.y()});
    QList<QWidget *> enclosed;
    for (CoverControl *cover : Covers()) {
        QWidget *control = cover->AttachedControl();
        if (!control || control->parentWidget() != form)
            continue;
        const QPoint topLeft = cover->parentWidget()->mapToGlobal(cover->pos());
        const EdgeRect onScreen = EdgeRect::FromRect(QRect(topLeft, cover->size()));
        if (onScreen.Left >= band.Left && onScreen.Right <= band.Right && onScreen.Top >= band.Top
            && onScreen.Bottom <= band.Bottom)
            enclosed.append(control);
    }
    SelectControls(enclosed);
}

void ResizeFrame::SelectNext()
{
    const QList<CoverControl *> covers = Covers();
    if (covers.isEmpty())
        return;
    CoverControl *target = covers.first();
    const qsizetype current = covers.indexOf(currentCover_.data());
    if (current >= 0) {
        covers[current]->SetSelected(false);
        if (current + 1 < covers.size())
            target = covers[current + 1];
    }
    SelectControl(target->AttachedControl());
}

void ResizeFrame::UpdateMultiMarks()
{
    for (CoverControl *each : Covers()) {
        const bool mark = each->Selected() && selectedCount_ >= 2;
        if (mark != each->MultiMark()) {
            each->SetMultiMark(mark);
            each->update();
        }
    }
}

void ResizeFrame::RecountSelection()
{
    selectedCount_ = 0;
    CoverControl *lastSelected = nullptr;
    for (CoverControl *each : Covers()) {
        if (each->Selected()) {
            ++selectedCount_;
            lastSelected = each;
        }
    }
    if (lastSelected && !(currentCover_ && currentCover_->Selected()))
        currentCover_ = lastSelected;
    UpdateMultiMarks();
    if (selectedCount_ != 1)
        HideHandles();
    else if (!DragInProgress())
        ShowHandles();
}

void ResizeFrame::DeselectAll()
{
    HideHandles();
    for (CoverControl *cover : Covers()) {
        if (cover->Selected()) {
            cover->SetSelected(false);
            cover->SetMultiMark(false);
            cover->update();
        }
    }
    selectedCount_ = 0;
}

QList<QWidget *> ResizeFrame::GetSelectedControls() const
{
    QList<QWidget *> selected;
    for (CoverControl *cover : Covers()) {
        if (cover->Selected() && cover->AttachedControl())
            selected.append(cover->AttachedControl());
    }
    return selected;
}

void ResizeFrame::SetDeleteProtected(QWidget *control, bool isProtected)
{
    deleteProtected_.erase(std::remove_if(deleteProtected_.begin(), deleteProtected_.end(),
                                          [control](const QPointer<QWidget> &kept) { return !kept || kept == control; }),
                           deleteProtected_.end());
    if (isProtected && control)
        deleteProtected_.emplace_back(control);
}

bool ResizeFrame::IsDeleteProtected(const QWidget *control) const
{
    return control && std::find(deleteProtected_.begin(), deleteProtected_.end(), control) != deleteProtected_.end();
}

void ResizeFrame::SetHandleColor(const QColor &color)
{
    handleColor_ = color;
    handles_.SetColour(color);
    for (CoverControl *cover : Covers())
        cover->update();
}

void ResizeFrame::CreateHandles()
{
    handles_.Create(this);
}

void ResizeFrame::HideHandles()
{
    handles_.Hide();
}

bool ResizeFrame::HandlesShown() const
{
    return handles_.Shown();
}

void ResizeFrame::ShowHandles()
{
    QWidget *parent = currentCover_ ? currentCover_->AttachedParent() : nullptr;
    if (!parent)
        return;
    if (Handles().size() != HandleCount)
        CreateHandles();
    // The cover of a windowed control sits inside it; mapping its corner to
    // the control's parent places the handles alike for both kinds.
    const QRect bounds(currentCover_->mapTo(parent, QPoint(0, 0)), currentCover_->size());
    handles_.ShowAround(parent, bounds, handleSize_, handleColor_);
}

QRect ResizeFrame::CursorConfinement() const
{
    return dragParent_ ? ClientAreaOnScreen(dragParent_) : QRect();
}

void ResizeFrame::BeginDragIn(QWidget *parent)
{
    dragParent_ = parent;
    if (!overlay_)
        overlay_ = new OutlineOverlay(parent, {lineColor_, lineStyle_, lineWidth_});
}

void ResizeFrame::EndDrag()
{
    dragParent_ = nullptr;
    dragging_ = false;
    handleDragging_ = false;
    delete rubberBand_.data();
    delete overlay_.data();
}

void ResizeFrame::AbandonDrag()
{
    // A press whose MousePressed is still running must not start its drag.
    mouseTaken_ = true;
    if (!DragInProgress())
        return;
    // The overlay takes every outline with it; no control has moved yet.
    EndDrag();
    if (selectedCount_ == 1)
        ShowHandles();
}

QPoint ResizeFrame::Confined(QWidget *receiver, QPoint pos) const
{
    if (!dragParent_)
        return pos;
    const QPoint onScreen = receiver->mapToGlobal(pos);
    const QPoint inside = ClampedToRect(onScreen, CursorConfinement());
    if (inside == onScreen)
        return pos;
    QCursor::setPos(inside);
    return receiver->mapFromGlobal(inside);
}

void ResizeFrame::CoverMouseDown(CoverControl *cover, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)
{
    if (keyCatcher_)
        keyCatcher_->setFocus();
    mouseTaken_ = false;
    if (button != Qt::LeftButton)
        return;
    HideHandles();

    const bool withShift = modifiers.testFlag(Qt::ShiftModifier);
    const bool moveWillStart = !withShift;
    if (withShift) {
        cover->SetSelected(!cover->Selected());
    } else if (!cover->Selected()) {
        DeselectAll();
        cover->SetSelected(true);
    }
    const QList<CoverControl *> covers = Covers();
    if (moveWillStart) {
        // Controls moved together must share one parent.
        for (CoverControl *other : covers) {
            if (other != cover && other->Selected() && other->AttachedParent() != cover->AttachedParent())
                other->SetSelected(false);
        }
    }
    selectedCount_ = 0;
    for (CoverControl *each : covers) {
        if (each->Selected()) {
            ++selectedCount_;
            currentCover_ = each;
        }
    }

    QPointer<CoverControl> guard = cover;
    emit MousePressed(cover->AttachedControl(), button, modifiers, x, y);
    if (!guard || selectedCount_ == 0)
        return;

    UpdateMultiMarks();
    if (mouseTaken_) {
        // The host opened a popup or another window: the release goes there.
        if (selectedCount_ == 1)
            ShowHandles();
        return;
    }
    dragging_ = moveWillStart && cover->Selected();
    if (!dragging_)
        return;
    currentCover_ = cover;
    BeginDragIn(cover->AttachedParent());
    for (CoverControl *each : Covers()) {
        if (each->Selected())
            each->BeginOutline(x, y, overlay_);
    }
}

void ResizeFrame::CoverMouseMove(CoverControl *cover, Qt::KeyboardModifiers modifiers, int x, int y)
{
    const QPoint pos = Confined(cover, QPoint(x, y));
    emit MouseMoved(cover->AttachedControl(), modifiers, pos.x(), pos.y());
    if (!dragging_)
        return;
    for (CoverControl *each : Covers()) {
        if (each->Selected())
            each->MoveOutline(pos.x(), pos.y());
    }
}

void ResizeFrame::CoverMouseUp(CoverControl *cover, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)
{
    if (button != Qt::LeftButton)
        return;
    const QPoint pos = Confined(cover, QPoint(x, y));
    if (dragging_) {
        // Every outline is gone before the first control moves.
        const QList<CoverControl *> covers = Covers();
        for (CoverControl *each : covers) {
            if (each->Selected())
                each->EraseOutline();
        }
        for (CoverControl *each : covers) {
            if (each->Selected())
                each->ApplyOutline();
        }
    }
    if (selectedCount_ == 1) {
        CreateHandles();
        ShowHandles();
    }
    EndDrag();
    emit MouseReleased(cover->AttachedControl(), button, modifiers, pos.x(), pos.y());
}

void ResizeFrame::CoverClick(CoverControl *cover)
{
    emit Clicked(cover->AttachedControl());
}

void ResizeFrame::CoverDblClick(CoverControl *cover)
{
    emit DoubleClicked(cover->AttachedControl());
}

void ResizeFrame::HandleMouseDown(QWidget *handle, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)
{
    if (!currentCover_)
        return;
    // Holding the focus, the key catcher hears of a popup or another window
    // taking the mouse before the release.
    if (keyCatcher_)
        keyCatcher_->setFocus();
    mouseTaken_ = false;
    QPointer<CoverControl> cover = currentCover_;
    emit HandlePressed(cover->AttachedControl(), button, modifiers, x, y);
    if (!cover || !cover->AttachedParent() || mouseTaken_)
        return;
    handles_.KeepForDrag(handle);
    handleDragging_ = true;
    BeginDragIn(cover->AttachedParent());
    cover->BeginOutline(x, y, overlay_);
    if (const int index = HandleIndex(handle); index >= 0)
        dragHandle_ = index;
}

void ResizeFrame::HandleMouseMove(QWidget *handle, Qt::KeyboardModifiers modifiers, int x, int y)
{
    if (!handleDragging_ || !currentCover_)
        return;
    const QPoint pos = Confined(handle, QPoint(x, y));
    QPointer<CoverControl> cover = currentCover_;
    emit HandleMoved(cover->AttachedControl(), modifiers, pos.x(), pos.y());
    if (cover)
        cover->ResizeOutline(dragHandle_, pos.x(), pos.y());
}

void ResizeFrame::HandleMouseUp(QWidget *handle, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)
{
    const QPoint pos = Confined(handle, QPoint(x, y));
    // The drag ends even if the host let its control go meanwhile.
    QPointer<CoverControl> cover = currentCover_;
    if (handleDragging_) {
        if (cover)
            cover->EndResize();
        EndDrag();
        ShowHandles();
    }
    if (cover)
        emit HandleReleased(cover->AttachedControl(), button, modifiers, pos.x(), pos.y());
}

void ResizeFrame::OwnerFormMouseDown(QWidget *, Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y)
{
    QWidget *form = GetOwnerForm();
    if (button != Qt::LeftButton || !form)
        return;
    if (keyCatcher_)
        keyCatcher_->setFocus();
    DeselectAll();
    // An unattached cover, out of sight, that only carries the band.
    rubberBand_ = new CoverControl(this);
    rubberBand_->setParent(form);
    rubberBand_->SetBounds(-10, -10, 1, 1);
    rubberBand_->show();
    if (!overlay_)
        overlay_ = new OutlineOverlay(form, {lineColor_, lineStyle_, lineWidth_});
    rubberBand_->BeginBand(x, y, overlay_);
    dragging_ = true;
}

void ResizeFrame::OwnerFormMouseMove(QWidget *, Qt::KeyboardModifiers, int x, int y)
{
    if (dragging_ && rubberBand_)
        rubberBand_->StretchBand(x, y);
}

void ResizeFrame::OwnerFormMouseUp(QWidget *, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    const bool banding = dragging_ && rubberBand_;
    EdgeRect band;
    if (banding) {
        rubberBand_->EraseOutline();
        band = rubberBand_->Outline();
    }
    // A release on the form ends any drag, also one whose control has gone.
    EndDrag();
    if (banding && formDragSelect_)
        SelectInRect(band);
}

void ResizeFrame::OwnerWindowActivated(QWidget *)
{
    if (keyCatcher_)
        keyCatcher_->setFocus();
}

bool ResizeFrame::eventFilter(QObject *watched, QEvent *event)
{
    const bool isHandle = HandleIndex(watched) >= 0;
    const bool isForm = watched == filteredForm_;
    if (!isHandle && !isForm)
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    const QEvent::Type type = event->type();
    if (isForm && type == QEvent::WindowActivate) {
        OwnerWindowActivated(widget);
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove
        && type != QEvent::MouseButtonRelease)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint pos = mouse->position().toPoint();
    if (isHandle) {
        if (type == QEvent::MouseMove)
            HandleMouseMove(widget, mouse->modifiers(), pos.x(), pos.y());
        else if (type == QEvent::MouseButtonRelease)
            HandleMouseUp(widget, mouse->button(), mouse->modifiers(), pos.x(), pos.y());
        else
            HandleMouseDown(widget, mouse->button(), mouse->modifiers(), pos.x(), pos.y());
        return true;
    }
    // The form's own mouse handling runs on after the frame's.
    if (type == QEvent::MouseMove)
        OwnerFormMouseMove(widget, mouse->modifiers(), pos.x(), pos.y());
    else if (type == QEvent::MouseButtonRelease)
        OwnerFormMouseUp(widget, mouse->button(), mouse->modifiers(), pos.x(), pos.y());
    else
        OwnerFormMouseDown(widget, mouse->button(), mouse->modifiers(), pos.x(), pos.y());
    return false;
}
