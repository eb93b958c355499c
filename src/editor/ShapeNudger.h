#pragma once
// The arrow keys on the shape the frame holds: an arrow moves it by one picture pixel, whatever
// the zoom, and Alt with an arrow moves its right or bottom edge (a circle grows or shrinks as a
// whole); Shift makes the step 10. The shape stays inside the picture and at least one pixel large.
#include <QObject>

#include "core/AreaGeometry.h"

class PictureBox;
class QKeyEvent;
class ResizeFrame;
class Shape;
class ShapePlacement;

class ShapeNudger : public QObject {
    Q_OBJECT
public:
    ShapeNudger(const ShapePlacement &placement, const Shape &shape, const ResizeFrame &frame,
                const PictureBox &picture, QObject *parent);

    // Whether key is such a step (taken even while a drag holds the shape, which it leaves be);
    // a step is reported by Nudged.
    bool TakeKey(const QKeyEvent &key);
    // Whether key is a step of the areas selected together (an arrow, with Shift for 10); a
    // step is reported by GroupStepped.
    bool TakeGroupKey(const QKeyEvent &key);

signals:
    // The shape is to go to box (picture pixels).
    void Nudged(const vemo::Box &box);
    void GroupStepped(int dx, int dy);

private:
    const ShapePlacement &placement_;
    const Shape &shape_;
    const ResizeFrame &frame_;
    const PictureBox &picture_;
};
