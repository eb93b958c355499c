// Base of the windowless controls: the shape, the panel button, the covers of the resize frame.
#pragma once

#include <QMenu>
#include <QPointer>
#include <QWidget>

// A control that never takes the keyboard focus and sees the mouse through
// five overridable notifications: MouseDown, MouseMove, MouseUp, Click and
// DblClick. Click comes at a left release, before MouseUp, and only when the
// pointer is still inside; a double click gives DblClick and then MouseDown
// for the second press. When Click or DblClick destroys the control, the
// notification that would follow is dropped. A right click opens the
// control's popup menu, if any.
//
// Whether a control derives from this class is what the resize frame uses to
// tell windowless controls from windowed ones.
class GraphicControl : public QWidget {
    Q_OBJECT

public:
    explicit GraphicControl(QWidget *parent = nullptr);

    QMenu *PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu *menu) { popupMenu_ = menu; }

protected:
    virtual void MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int /*x*/, int /*y*/) {}
    virtual void MouseMove(Qt::KeyboardModifiers, int /*x*/, int /*y*/) {}
    virtual void MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int /*x*/, int /*y*/) {}
    virtual void Click() {}
    virtual void DblClick() {}

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QPointer<QMenu> popupMenu_;
    bool leftPressed_ = false; // a left press on this control awaits its release
};
