#pragma once
// Create > Trace Area on the view: while the mode is on, a click on the picture is reported as the
// picture pixel to trace around instead of choosing an area or marking out a rectangle, and the
// view's status bar shows the tolerance field. The picture's pixels are held in the tracer's own
// format while the mode is on, so a click does not copy a large picture again.
#include <QImage>
#include <QObject>

#include "core/AreaGeometry.h"
#include "imagelib/TracedArea.h"

class PictureBox;
class QMouseEvent;
class QSpinBox;
class ViewStatusBar;

class TraceMode : public QObject {
    Q_OBJECT
public:
    TraceMode(PictureBox &picture, ViewStatusBar &statusBar, QObject *parent);

    void Start();
    // Ends the mode and lets the held pixels go; reported by Ended when the mode was on.
    void Stop();
    bool Active() const { return active_; }

    int Tolerance() const;
    void SetTolerance(int tolerance);
    double MaxDistance() const { return maxDistance_; }
    void SetMaxDistance(double distance) { maxDistance_ = distance; }

    // The area around a picture pixel at the present tolerance, as the view shows the picture.
    TracedArea TraceAt(vemo::Point pixel);

    // Follows a mouse event on the picture control; true when the mode took it.
    bool Follow(const QMouseEvent &mouse);

signals:
    // A click on the picture pixel at.
    void Clicked(vemo::Point at);
    // The user changed the tolerance in its field.
    void ToleranceChanged();
    void Ended();

private:
    PictureBox &picture_;
    ViewStatusBar &statusBar_;
    QSpinBox *toleranceField_;
    QImage pixels_; // the shown picture in the tracer's format, once the mode has traced it
    double maxDistance_;
    bool active_ = false;
};
