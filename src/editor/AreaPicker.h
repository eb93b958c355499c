#pragma once
// Finds the map's area under a point of the picture and turns the picture's own presses,
// releases and double clicks into clicks on areas: of all the areas holding the point, the first
// in the map, as a browser takes it.
#include <QObject>
#include <QPoint>

class PictureBox;
class QMouseEvent;

class AreaPicker : public QObject {
    Q_OBJECT
public:
    // picture holds the areas it outlines, which are the ones picked, and gives the zoom at
    // which its points are read.
    AreaPicker(const PictureBox &picture, QObject *parent);

    // The areas changed: a press on the old areas is forgotten, so that it cannot become a click
    // on whatever line now has its index.
    void ForgetPress() { pressedLine_ = -1; }

    // The first area line whose region holds the picture pixel under a point of the picture
    // control; -1 for none.
    int LineAt(QPoint onPicture) const;

    // Follows a mouse event on the picture control; a left press and release in the same area
    // is a click on it.
    void FollowClick(const QMouseEvent &mouse);

signals:
    void Clicked(int line);
    // A click with Ctrl or Shift held, which adds the area to the selection or takes it out.
    void ClickedAdding(int line);
    void DoubleClicked(int line);

private:
    const PictureBox &picture_;
    int pressedLine_ = -1; // the area line under the left press awaiting its release
};
