// The resize frame's keyboard receiver.
#pragma once

#include <QWidget>

class ResizeFrame;

// A zero-size child of the owner form that holds the keyboard focus for the
// frame. Tab selects the next attached control (Shift+Tab too: the step is
// always forward); Delete destroys the selected controls, except those the
// host marked as delete-protected. Both keys are taken before Qt's focus
// chain or a shortcut can see them, and do nothing while a drag is under
// way; every other key is handled as usual. Losing the focus to a popup or
// another window abandons the frame's drag, whose release will not come.
// Arrow keys are not caught: nothing moves from the keyboard.
class KeyCatcher : public QWidget {
    Q_OBJECT

public:
    KeyCatcher(ResizeFrame *frame, QWidget *ownerForm);

protected:
    bool event(QEvent *event) override;

private:
    void DeleteSelectedControls();

    ResizeFrame *frame_;
};
