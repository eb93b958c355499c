#pragma once
// A picture control: owns one picture and shows it at a zoom, sized to the zoomed picture.
#include <QPixmap>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Takes the picture over, replacing (and freeing) the one held before; shown at 100 %.
    void SetPicture(QPixmap picture);
    const QPixmap &Picture() const { return picture_; }
    int PictureWidth() const { return picture_.width(); }
    int PictureHeight() const { return picture_.height(); }

    // Shows the picture at zoom (1.0 is one screen pixel for each picture pixel).
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Sizes the control to the picture at zoom and repaints it.
    void ShowAt(double zoom);

    QPixmap picture_;
    // Below 100 % the picture is reduced once, smoothly, and painted from that copy, so a drag
    // step repaints no more pixels than at 100 %.
    QPixmap reduced_;
    double zoom_ = 1.0;
};
