// A form-designer style frame that lets the user move and resize controls.
#pragma once

#include "resizeframe/CoverControl.h"
#include "resizeframe/KeyCatcher.h"
#include "resizeframe/OutlineGeometry.h"
#include "resizeframe/OutlineOverlay.h"
#include "resizeframe/SizingHandles.h"

#include <QColor>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <vector>

// ResizeFrame makes controls of a form movable and resizable with the mouse.
//
// Every attached control gets a transparent cover (CoverControl) that takes
// its mouse input. A click selects a control, a Shift-click adds or removes
// one, Tab steps the selection, Delete destroys the selected controls (except
// those marked with SetDeleteProtected). Dragging a selected control moves
// all selected controls together; a single selection gets eight handles that
// resize it, the corner ones optionally keeping the width-to-height ratio.
// While the mouse moves only a not-xor outline follows it; the controls get
// their new bounds once, at the release. Every mouse action is reported
// through the On... signals with the attached control as sender.
//
// The frame is a non-visual object. Its owner (QObject parent), or an
// ancestor of it, must be a window: the owner form. Made with AutoAttach on
// (the default) the frame runs AttachAll once the event loop first gets to
// it, which covers every control of the owner and lets a rubber band drawn on
// the empty form select controls; turning AutoAttach off before then cancels
// that. A host that attaches controls itself makes the frame with AutoAttach
// off, so no event processed in between can attach everything.
class ResizeFrame : public QObject {
    Q_OBJECT

public:
    explicit ResizeFrame(QObject *owner, bool autoAttach = true);
    ~ResizeFrame() override;

    // Properties.
    bool AutoAttach() const { return autoAttach_; }
    void SetAutoAttach(bool on) { autoAttach_ = on; }
    CornerResizeStyle CornerResize() const { return cornerResize_; }
    void SetCornerResize(CornerResizeStyle style) { cornerResize_ = style; }
    Qt::CursorShape Cursor() const { return cursor_; }
    void SetCursor(Qt::CursorShape shape) { cursor_ = shape; }
    bool FormDragSelect() const { return formDragSelect_; }
    void SetFormDragSelect(bool on) { formDragSelect_ = on; }
    int HandleSize() const { return handleSize_; }
    void SetHandleSize(int size) { handleSize_ = size; }
    QColor HandleColor() const { return handleColor_; }
    // Repaints handles and corner marks on screen in the new colour at once.
    void SetHandleColor(const QColor &color);
    QColor LineColor() const { return lineColor_; }
    void SetLineColor(const QColor &color) { lineColor_ = color; }
    Qt::PenStyle LineStyle() const { return lineStyle_; }
    void SetLineStyle(Qt::PenStyle style) { lineStyle_ = style; }
    int LineWidth() const { return lineWidth_; }
    void SetLineWidth(int width) { lineWidth_ = width; }
    QMenu *PopUpMenu() const { return popUpMenu_; }
    void SetPopUpMenu(QMenu *menu) { popUpMenu_ = menu; }

    // Operations for hosts.
    void AttachControl(QWidget *control);
    void DetachAll();
    void SetControlBounds(QWidget *control, int left, int top, int width, int height);
    void AttachAll();
    void DetachControl(QWidget *control);
    void SelectControl(QWidget *control);
    void SelectControls(const QList<QWidget *> &controls);
    void SelectInRect(const EdgeRect &formRect);
    void SelectNext();
    // Counts the selected covers again after some went without a click, and
    // sets the current cover, the corner marks and the handles to match.
    void RecountSelection();
    void DeselectAll();
    QList<QWidget *> GetSelectedControls() const;
    QWidget *GetOwnerForm() const;
    void ShowHandles();
    void HideHandles();
    void CreateHandles();
    // Drops the drag under way without applying it, for when its release
    // will not come: a popup or another window has taken the mouse. Called
    // while a press's MousePressed runs, it keeps that press from dragging.
    void AbandonDrag();

    // A protected control is never destroyed by the Delete key: it stays
    // attached and selected while the other selected controls go. The mark
    // is dropped when the control is destroyed.
    void SetDeleteProtected(QWidget *control, bool isProtected);
    bool IsDeleteProtected(const QWidget *control) const;

    // State, for hosts and tests.
    CoverControl *CurrentCover() const { return currentCover_; }
    int SelectedCount() const { return selectedCount_; }
    bool Dragging() const { return dragging_; }
    bool HandleDragging() const { return handleDragging_; }
    // A move, a resize or a rubber band is under way.
    bool DragInProgress() const { return dragging_ || handleDragging_; }
    // Screen area the drag's mouse positions are confined to; empty when free. It follows the
    // drag's parent, which may scroll under the mouse while the drag goes on.
    QRect CursorConfinement() const;
    // The handle widgets in index order, or none before the first CreateHandles.
    QList<QWidget *> Handles() const;
    // The attached covers in attach order.
    QList<CoverControl *> Covers() const;
    // The outline surface of the drag in progress, if any.
    OutlineOverlay *Overlay() const { return overlay_; }

    // Called by the covers for the mouse input they take.
    void CoverMouseDown(CoverControl *cover, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void CoverMouseMove(CoverControl *cover, Qt::KeyboardModifiers modifiers, int x, int y);
    void CoverMouseUp(CoverControl *cover, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void CoverClick(CoverControl *cover);
    void CoverDblClick(CoverControl *cover);

    // Called for the mouse input of the handles.
    void HandleMouseDown(QWidget *handle, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void HandleMouseMove(QWidget *handle, Qt::KeyboardModifiers modifiers, int x, int y);
    void HandleMouseUp(QWidget *handle, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

    // Called for the owner form's own input once AttachAll has run.
    void OwnerFormMouseDown(QWidget *sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void OwnerFormMouseMove(QWidget *sender, Qt::KeyboardModifiers modifiers, int x, int y);
    void OwnerFormMouseUp(QWidget *sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void OwnerWindowActivated(QWidget *sender);

signals:
    void Clicked(QWidget *sender);
    void DoubleClicked(QWidget *sender);
    void MousePressed(QWidget *sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseMoved(QWidget *sender, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseReleased(QWidget *sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void HandlePressed(QWidget *sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void HandleMoved(QWidget *sender, Qt::KeyboardModifiers modifiers, int x, int y);
    void HandleReleased(QWidget *sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    // Routes the handles' mouse input and, after AttachAll, the owner form's
    // mouse and activation events to the handlers above. Qt forms have no
    // assignable handlers; this filter is what the frame installs instead,
    // and removing it is what gives the form back.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Loaded();
    CoverControl *FindCover(const QWidget *control) const;
    bool IsFramePart(const QWidget *widget) const;
    int HandleIndex(const QObject *widget) const;
    bool HandlesShown() const;
    void UpdateMultiMarks();
    void SimulatedShiftClick(CoverControl *cover);
    void BeginDragIn(QWidget *parent);
    void EndDrag();
    QPoint Confined(QWidget *receiver, QPoint pos) const;

    bool autoAttach_;
    CornerResizeStyle cornerResize_ = CornerFollowsPointer;
    Qt::CursorShape cursor_ = Qt::ArrowCursor;
    bool formDragSelect_ = true;
    int handleSize_ = 5;
    QColor handleColor_ = Qt::black;
    QColor lineColor_ = QColor(192, 192, 192);
    Qt::PenStyle lineStyle_ = Qt::SolidLine;
    int lineWidth_ = 2;
    QPointer<QMenu> popUpMenu_;

    std::vector<QPointer<CoverControl>> covers_;
    QPointer<CoverControl> currentCover_;
    int selectedCount_ = 0;
    int dragHandle_ = 0;
    bool dragging_ = false;
    bool handleDragging_ = false;
    bool mouseTaken_ = false; // a popup or another window took the mouse since the last press
    QPointer<QWidget> dragParent_; // the parent whose client area confines the drag
    QPointer<KeyCatcher> keyCatcher_;
    QPointer<QWidget> filteredForm_; // the owner form while AttachAll holds it
    SizingHandles handles_;
    QPointer<CoverControl> rubberBand_;
    QPointer<OutlineOverlay> overlay_;
    std::vector<QPointer<QWidget>> deleteProtected_;
};
