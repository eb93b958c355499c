#pragma once
// Scrolls the picture while a drag of the frame is held near or beyond the visible edge: the
// further out, the faster. The drag hears of each step as a mouse move, so that its outline
// follows the picture point now under the mouse.
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QTimer>

class QMouseEvent;
class QScrollArea;
class QWidget;
class ResizeFrame;

class DragAutoScroll : public QObject {
    Q_OBJECT
public:
    // window is the top-level window whose mouse moves are followed; scrollArea shows the picture.
    DragAutoScroll(QWidget &window, QScrollArea &scrollArea, const ResizeFrame &frame);

    // Follows a mouse move over the window (in window coordinates).
    void Follow(const QMouseEvent &move);
    void Stop();

private:
    void Step();

    QWidget &window_;
    QScrollArea &scrollArea_;
    const ResizeFrame &frame_;
    QTimer timer_;
    QPoint step_;
    QPointF mousePos_; // in window coordinates
    Qt::KeyboardModifiers modifiers_;
};
