// The transparent control the resize frame lays over each attached control.
#pragma once

#include "resizeframe/OutlineGeometry.h"
#include "widgets/GraphicControl.h"

#include <QPoint>
#include <QPointer>

class ResizeFrame;
class OutlineOverlay;

// A cover takes all mouse input of the control beneath it and hands it to
// its frame; it fires no mouse events of its own. It paints nothing unless
// it is one of several selected covers, when it marks the control's corners.
//
// It also carries the drag outline: a rectangle drawn on the drag's overlay,
// started at the control's bounds, moved or resized by the mouse, and applied
// to the control at the release. One unattached cover holds the frame's
// rubber band.
//
// A windowless control (a GraphicControl) is covered by a sibling lying above
// it. A windowed control is covered by a child at (0, 0): the control is
// enabled so the cover gets input, and its focus-in and focus-out events are
// held back, since the control briefly takes the focus at each press on it.
// Both are given back when the cover goes, whichever way it goes.
class CoverControl : public GraphicControl {
    Q_OBJECT

public:
    explicit CoverControl(ResizeFrame *frame);
    ~CoverControl() override;

    void AttachTo(QWidget *control);
    QWidget *AttachedControl() const { return attachedControl_; }
    QWidget *AttachedParent() const { return attachedParent_; }

    // Sets the attached control's bounds (Left and Top in its parent) and
    // keeps the cover over it.
    void SetBounds(int left, int top, int width, int height);

    bool Selected() const { return selected_; }
    void SetSelected(bool selected);
    bool MultiMark() const { return multiMark_; }
    // Only stores the flag; the caller repaints the cover.
    void SetMultiMark(bool on) { multiMark_ = on; }

    // The outline, in the client coordinates of the attached parent (of the
    // owner form for the rubber band).
    EdgeRect Outline() const { return outline_; }

    // Draws rect on the drag's overlay; drawing it again erases it.
    void DrawOutline(const EdgeRect &rect);
    // Starts an outline at the control's bounds; x, y is the press point.
    void BeginOutline(int x, int y, OutlineOverlay *clip);
    void MoveOutline(int x, int y);
    void ResizeOutline(int handle, int x, int y);
    void EraseOutline();
    void ApplyOutline();
    // Erases, normalises crossed edges and applies.
    void EndResize();

    // The rubber band: an empty outline at (x, y) whose far corner follows
    // the mouse. Coordinates are those of the owner form.
    void BeginBand(int x, int y, OutlineOverlay *clip);
    void StretchBand(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) override;
    void MouseMove(Qt::KeyboardModifiers modifiers, int x, int y) override;
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) override;
    void Click() override;
    void DblClick() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ResizeFrame *frame_;
    QPointer<QWidget> attachedParent_;
    bool selected_ = false;
    QPointer<OutlineOverlay> dragClip_;
    QPointer<QWidget> attachedControl_;
    bool windowed_ = false;
    bool multiMark_ = false;
    bool savedEnabled_ = true;
    EdgeRect outline_;
    QPoint lastPoint_;
};
