#include "editor/RectangleDialog.h"

#include <QGroupBox>
#include <QLineEdit>

#include "core/AreaFields.h"
#include "core/MapLines.h"
#include "desktop/LocalText.h"
#include "editor/CircleDialog.h"
#include "editor/MapDocument.h"
#include "editor/ViewWindow.h"

RectangleDialog::RectangleDialog(ViewWindow &view, MapDocument &document, QWidget &standIn, bool japanese)
    : AreaDialog(view, document, standIn, japanese, "Rect Setting", "Circle")
{
    auto *from = new QGroupBox(QStringLiteral(" From "), this);
    from->setGeometry(8, 4, 193, 52);
    x0Field = NewCoordinateField(from, "x0", 8);
    y0Field = NewCoordinateField(from, "y0", 100);
    auto *to = new QGroupBox(QStringLiteral(" To "), this);
    to->setGeometry(206, 4, 193, 52);
    x1Field = NewCoordinateField(to, "x1", 8);
    y1Field = NewCoordinateField(to, "y1", 100);
}

void RectangleDialog::ShowCorners(const vemo::RectCorners &corners)
{
    x0Field->setText(QString::number(corners.x0));
    y0Field->setText(QString::number(corners.y0));
    x1Field->setText(QString::number(corners.x1));
    y1Field->setText(QString::number(corners.y1));
}

std::string RectangleDialog::AreaLine() const
{
    return vemo::RectAreaLine(CoordinateValue(x0Field), CoordinateValue(y0Field), CoordinateValue(x1Field),
                              CoordinateValue(y1Field), linkField->Stored(), altField->Stored());
}

void RectangleDialog::MoveShape()
{
    const vemo::Box box = vemo::TypedRectBox(Bytes(x0Field->text()), Bytes(y0Field->text()), Bytes(x1Field->text()),
                                             Bytes(y1Field->text()));
    view_.SetShapeBox(box);
}

void RectangleDialog::ShowShape(const vemo::Box &box)
{
    ShowCorners(vemo::CornersFromBox(box));
}

void RectangleDialog::SwitchKind()
{
    const vemo::Box square = vemo::SquaredBox(view_.ShapeBox());
    view_.SetShapeBox(square);
    circle_->ShowCircle(vemo::CircleFromRectSquare(square));
    view_.shape->SetShapeKind(Shape::Kind::Circle);
    // Marked changed although the list is not, so that closing now still asks about the map.
    document_.MarkModified();
    SwitchTo(circle_);
}
