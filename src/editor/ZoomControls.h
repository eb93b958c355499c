#pragma once
// The keys and the Ctrl+wheel that change the view's zoom: Ctrl++ (or Ctrl+=) and Ctrl+- step it,
// Ctrl+0 shows the picture at 100 %, Ctrl+9 fits it to the screen; a wheel notch with Ctrl held
// steps the zoom about the picture point under the mouse.
#include <QObject>

class QWheelEvent;
class QWidget;
class ViewWindow;

class ZoomControls : public QObject {
    Q_OBJECT
public:
    // The keys work anywhere in view; viewport is the visible part of the picture, in which a
    // wheel's anchor is given.
    ZoomControls(ViewWindow &view, const QWidget &viewport);

    // Whether a wheel turn over the view (in window coordinates) was taken for the zoom.
    bool TakeWheel(const QWheelEvent &wheel);

private:
    ViewWindow &view_;
    const QWidget &viewport_;
};
