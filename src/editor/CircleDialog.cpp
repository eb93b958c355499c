#include "editor/CircleDialog.h"

#include <QGroupBox>
#include <QLineEdit>

#include "desktop/LocalText.h"
#include "core/AreaFields.h"
#include "core/MapLines.h"
#include "editor/RectangleDialog.h"
#include "editor/ViewWindow.h"

TCircFrm::TCircFrm(TRectFrm &rectangle, TViewFrm &view, MapDocument &document, QWidget &standIn, bool japanese)
    : TAreaDialog(view, document, standIn, japanese, "Circle Setting", "Rect"), rectangle_(rectangle)
{
    rectangle_.circle_ = this;
    auto *center = new QGroupBox(QStringLiteral(" Center "), this);
    center->setGeometry(8, 4, 193, 52);
    X = NewCoordinateField(center, "x", 8);
    Y = NewCoordinateField(center, "y", 100);
    auto *radius = new QGroupBox(QStringLiteral(" Radius "), this);
    radius->setGeometry(206, 4, 101, 52);
    R = NewCoordinateField(radius, "r", 8);
}

void TCircFrm::ShowCircle(const vemo::CircleArea &circle)
{
    X->setText(QString::number(circle.x));
    Y->setText(QString::number(circle.y));
    R->setText(QString::number(circle.r));
}

std::string TCircFrm::AreaLine() const
{
    return vemo::CircleAreaLine(CoordinateValue(X), CoordinateValue(Y), CoordinateValue(R), FileLocate->Stored(),
                                Alt->Stored());
}

void TCircFrm::MoveShape()
{
    const vemo::Box box = vemo::TypedCircleBox(Bytes(X->text()), Bytes(Y->text()), Bytes(R->text()));
    view_.SetShapeBox(box);
}

void TCircFrm::ShowShape(const vemo::Box &box)
{
    ShowCircle(vemo::CircleFromSquare(box));
}

void TCircFrm::BitBtn3Click()
{
    rectangle_.ShowCorners(vemo::CornersFromBox(view_.ShapeBox()));
    view_.Shape1->SetShapeKind(Shape::Kind::Rectangle);
    SwitchTo(&rectangle_);
}
