#pragma once
// The circle dialog: the centre and radius of one circular region, its link and its ALT text.
#include "core/AreaGeometry.h"
#include "editor/AreaDialog.h"

class RectangleDialog;

class CircleDialog : public AreaDialog {
    Q_OBJECT
public:
    // The rectangle dialog is the one a region is switched to and from.
    CircleDialog(RectangleDialog &rectangle, ViewWindow &view, MapDocument &document, QWidget &standIn, bool japanese);

    QLineEdit *xField = nullptr;
    QLineEdit *yField = nullptr;
    QLineEdit *radiusField = nullptr;

    // Writes the centre and radius into the coordinate fields as decimal numbers.
    void ShowCircle(const vemo::CircleArea &circle);

    // Rect: the circle's bounding square becomes the rectangle, handed over to the rectangle dialog.
    void SwitchKind() override;

protected:
    std::string AreaLine() const override;
    void MoveShape() override;
    void ShowShape(const vemo::Box &box) override;
    std::optional<Shape::Kind> Kind() const override { return Shape::Kind::Circle; }

private:
    RectangleDialog &rectangle_;
};
