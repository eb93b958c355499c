#include "editor/CircleDialog.h"

#include <QGroupBox>
#include <QLineEdit>

#include "core/AreaFields.h"
#include "core/MapLines.h"
#include "desktop/LocalText.h"
#include "editor/RectangleDialog.h"
#include "editor/ViewWindow.h"

CircleDialog::CircleDialog(RectangleDialog &rectangle, ViewWindow &view, MapDocument &document, QWidget &standIn,
                           bool japanese)
    : AreaDialog(view, document, standIn, japanese, "Circle Setting", "Rect"), rectangle_(rectangle)
{
    rectangle_.circle_ = this;
    auto *center = new QGroupBox(QStringLiteral(" Center "), this);
    center->setGeometry(8, 4, 193, 52);
    xField = NewCoordinateField(center, "x", 8);
    yField = NewCoordinateField(center, "y", 100);
    auto *radius = new QGroupBox(QStringLiteral(" Radius "), this);
    radius->setGeometry(206, 4, 101, 52);
    radiusField = NewCoordinateField(radius, "r", 8);
}

void CircleDialog::ShowCircle(const vemo::CircleArea &circle)
{
    xField->setText(QString::number(circle.x));
    yField->setText(QString::number(circle.y));
    radiusField->setText(QString::number(circle.r));
}

std::string CircleDialog::AreaLine() const
{
    return vemo::CircleAreaLine(CoordinateValue(xField), CoordinateValue(yField), CoordinateValue(radiusField),
                                linkField->Stored(), altField->Stored());
}

void CircleDialog::MoveShape()
{
    const vemo::Box box
        = vemo::TypedCircleBox(Bytes(xField->text()), Bytes(yField->text()), Bytes(radiusField->text()));
    view_.SetShapeBox(box);
}

void CircleDialog::ShowShape(const vemo::Box &box)
{
    ShowCircle(vemo::CircleFromSquare(box));
}

void CircleDialog::SwitchKind()
{
    rectangle_.ShowCorners(vemo::CornersFromBox(view_.ShapeBox()));
    view_.shape->SetShapeKind(Shape::Kind::Rectangle);
    SwitchTo(&rectangle_);
}
