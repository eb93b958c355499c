#include "widgets/PictureBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

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

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    emit MouseMoved(event->modifiers(), pos.x(), pos.y());
}
