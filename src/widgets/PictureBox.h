#pragma once
// A picture control: owns one picture and sizes itself to it.
#include <QPixmap>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Takes the picture over, replacing (and freeing) the one held before.
    void SetPicture(QPixmap picture);
    const QPixmap &Picture() const { return picture_; }
    int PictureWidth() const { return picture_.width(); }
    int PictureHeight() const { return picture_.height(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
};
