#include "editor/PolygonDialog.h"

#include <QGroupBox>
#include <QLineEdit>

#include "core/IntConv.h"
#include "core/MapLines.h"
#include "editor/MapDocument.h"
#include "desktop/LocalText.h"
#include "desktop/MessageDialogs.h"

PolygonDialog::PolygonDialog(EditedArea &area, ViewWindow &view, MapDocument &document, QWidget &standIn)
    : AreaDialog(area, view, document, standIn, tr("Polygon Setting"), QString())
{
    auto *points = new QGroupBox(tr(" Points "), this);
    points->setGeometry(8, 4, 391, 52);
    pointsField = new QLineEdit(points);
    pointsField->setObjectName(QStringLiteral("pointsField"));
    pointsField->setGeometry(10, 20, 371, 22);
    FollowTyping(pointsField);
}

void PolygonDialog::ShowPoints(const std::vector<vemo::Point> &points)
{
    pointsField->setText(Text(vemo::PolygonCoordsText(points)));
}

void PolygonDialog::ShowText(const std::string &coords)
{
    pointsField->setText(Text(coords));
}

void PolygonDialog::ShowRegion()
{
    ShowPoints(area_.Points());
}

std::string PolygonDialog::AreaLine() const
{
    return vemo::PolyAreaLine(CoordinateValue(pointsField), Texts(), document_.Style());
}

bool PolygonDialog::ReadyToSet()
{
    QString problem;
    try {
        vemo::ReadPolygonPoints(Bytes(pointsField->text()));
        return true;
    } catch (const vemo::PolygonError &error) {
        problem = error.Which() == vemo::PolygonError::Fault::OddCount
                      ? tr("A polygon's coordinates must come in x,y pairs")
                      : tr("A polygon needs at least three points");
    } catch (const vemo::ConvertError &error) {
        problem = tr("The polygon coordinate '%1' is not a whole number").arg(Text(error.Text()));
    }
    ShowMessageBox(this, MessageKind::Error, problem, static_cast<int>(MessageButton::Ok));
    pointsField->setFocus();
    return false;
}

void PolygonDialog::TakeTypedRegion()
{
    // Unfinished typing leaves the polygon where it is.
    try {
        area_.SetPoints(vemo::ReadPolygonPoints(Bytes(pointsField->text())), EditedArea::Source::Typing);
    } catch (const vemo::ConvertError &) {
    } catch (const vemo::PolygonError &) {
    }
}
