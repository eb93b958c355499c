#include "dialogs/RectSet.h"

#include <QGroupBox>
#include <QLineEdit>

#include "app/LocalText.h"
#include "core/AreaFields.h"
#include "core/MapLines.h"
#include "dialogs/CircSet.h"
#include "map/EditorState.h"
#include "view/Vemo2.h"

TRectFrm::TRectFrm(EditorState &state) : TAreaDialog(state, "Rect Setting", "Circle")
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
    state_.ViewFrm->SetShapeBox(box);
}

void TRectFrm::BitBtn3Click()
{
    TViewFrm *view = state_.ViewFrm;
    const vemo::Box square = vemo::SquaredBox(view->ShapeBox());
    view->SetShapeBox(square);
    state_.CircFrm->ShowCircle(vemo::CircleFromRectSquare(square));
    view->Shape1->SetShapeKind(Shape::Kind::Circle);
    // Marked changed although the list is not, so that closing now still asks about the map.
    state_.Modified = true;
    SwitchTo(state_.CircFrm);
}
