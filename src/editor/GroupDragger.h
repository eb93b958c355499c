#pragma once
// A press and drag on one of the areas selected together moves them all: their marks follow the
// mouse, and the release reports the step in picture pixels, on the grid when one is shown. A
// press and release without a drag is left to be a click.
#include <QObject>
#include <QPoint>

class AreaPicker;
class PictureBox;
class QMouseEvent;

class GroupDragger : public QObject {
    Q_OBJECT
public:
    GroupDragger(PictureBox &picture, const AreaPicker &picker, QObject *parent);

    // Follows a mouse event on the picture control; true when it was part of a drag.
    bool Follow(const QMouseEvent &mouse);

signals:
    // The selected areas are to move by (dx, dy) picture pixels.
    void Dragged(int dx, int dy);

private:
    // The step from the press to a point of the picture control, in picture pixels.
    QPoint StepTo(QPoint at) const;

    PictureBox &picture_;
    const AreaPicker &picker_;
    int pressedLine_ = -1; // the marked area under the press, while one is held
    QPoint from_;
    bool dragging_ = false;
};
