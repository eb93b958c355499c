#include "widgets/Shape.h"

#include <QPainter>

#include <algorithm>

Shape::Shape(QWidget *parent)
    : GraphicControl(parent)
{
    setMouseTracking(true);
}

void Shape::SetShapeKind(Kind kind)
{
    kind_ = kind;
    update();
}

void Shape::SetPenColor(const QColor &color)
{
    penColor_ = color;
    update();
}

void Shape::SetBrushColor(const QColor &color)
{
    brushColor_ = color;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    if (width() < 1 || height() < 1)
        return;
    QPainter painter(this);
    painter.setPen(QPen(penColor_, 1));
    painter.setBrush(QBrush(brushColor_, Qt::BDiagPattern));
    painter.setBackgroundMode(Qt::TransparentMode);
    // The 1-pixel pen runs along the outermost pixel rows and columns.
    QRect frame = rect().adjusted(0, 0, -1, -1);
    if (kind_ == Kind::Circle) {
        const int side = std::min(frame.width(), frame.height());
        frame = QRect(frame.left() + (frame.width() - side) / 2, frame.top() + (frame.height() - side) / 2, side, side);
        painter.drawEllipse(frame);
    } else {
        painter.drawRect(frame);
    }
}

void Shape::MouseMove(Qt::KeyboardModifiers modifiers, int x, int y)
{
    emit MouseMoved(modifiers, x, y);
}
