#include "editor/RectangleDialog.h"

#include <QGroupBox>
#include <QLineEdit>

#include "desktop/LocalText.h"
#include "core/AreaFields.h"
#include "core/MapLines.h"
#include "editor/CircleDialog.h"
#include "editor/MapDocument.h"
#include "editor/ViewWindow.h"

TRectFrm::TRectFrm(TViewFrm &view, MapDocument &document, QWidget &standIn, bool japanese)
    : TAreaDialog(view, document, standIn, japanese, "Rect Setting", "Circle")
{
    auto *from = new QGroupBox(QStringLiteral(" From "), this);
    from->setGeometry(8, 4, 193, 52);
    X0 = NewCoordinateField(from, "x0", 8);
    Y0 = NewCoordinateField(from, "y0", 100);
    auto *to = new QGroupBox(QStringLiteral(" To "), this);
    to->setGeometry(206, 4, 193, 52);
    X1 = NewCoordinateField(to, "x1", 8);
    Y1 = NewCoordinateField(to, "y1", 100);
}

void TRectFrm::ShowCorners(const vemo::RectCorners &corners)
{
    X0->setText(QString::number(corners.x0));
    Y0->setText(QString::number(corners.y0));
    X1->setText(QString::number(corners.x1));
    Y1->setText(QString::number(corners.y1));
}

std::string TRectFrm::AreaLine() const
{
    return vemo::RectAreaLine(CoordinateValue(X0), CoordinateValue(Y0), CoordinateValue(X1), CoordinateValue(Y1),
                              FileLocate->Stored(), Alt->Stored());
}

void TRectFrm::MoveShape()
{
    const vemo::Box box =
        vemo::TypedRectBox(Bytes(X0->text()), Bytes(Y0->text()), Bytes(X1->text()), Bytes(Y1->text()));
    view_.SetShapeBox(box);
}

void TRectFrm::ShowShape(const vemo::Box &box)
{
    ShowCorners(vemo::CornersFromBox(box));
}

void TRectFrm::BitBtn3Click()
{
    const vemo::Box square = vemo::SquaredBox(view_.ShapeBox());
    view_.SetShapeBox(square);
    circle_->ShowCircle(vemo::CircleFromRectSquare(square));
    view_.Shape1->SetShapeKind(Shape::Kind::Circle);
    // Marked changed although the list is not, so that closing now still asks about the map.
    document_.MarkModified();
    SwitchTo(circle_);
}
