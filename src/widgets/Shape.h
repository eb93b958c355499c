// The hatched rectangle or circle that marks a region over a picture.
#pragma once

#include "widgets/GraphicControl.h"

#include <QColor>

// A windowless shape: an outline in the pen colour filled with a
// back-diagonal hatch in the brush colour. The gaps of the hatch are
// transparent, so the picture beneath shows through.
class Shape : public GraphicControl {
    Q_OBJECT

public:
    enum class Kind { Rectangle, Circle };

    explicit Shape(QWidget *parent = nullptr);

    Kind ShapeKind() const { return kind_; }
    void SetShapeKind(Kind kind);
    QColor PenColor() const { return penColor_; }
    void SetPenColor(const QColor &color);
    QColor BrushColor() const { return brushColor_; }
    void SetBrushColor(const QColor &color);

signals:
    // The mouse moved over the shape; x and y are relative to the shape.
    void MouseMoved(Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void MouseMove(Qt::KeyboardModifiers modifiers, int x, int y) override;

private:
    Kind kind_ = Kind::Rectangle;
    QColor penColor_ = Qt::black;
    QColor brushColor_ = Qt::white;
};
