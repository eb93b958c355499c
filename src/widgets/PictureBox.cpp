#include "widgets/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::SetPicture(QPixmap picture)
{
    picture_ = std::move(picture);
    setFixedSize(picture_.size());
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawPixmap(event->rect(), picture_, event->rect());
}
