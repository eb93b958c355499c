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

signals:
    // The mouse moved over the picture; x and y are picture pixels.
    void MouseMoved(Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPixmap picture_;
};
