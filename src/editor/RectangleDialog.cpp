#include "editor/RectangleDialog.h"

#include <QGroupBox>
#include <QLineEdit>

#include "core/AreaFields.h"
#include "core/MapLines.h"
#include "editor/MapDocument.h"
#include "desktop/LocalText.h"

RectangleDialog::RectangleDialog(EditedArea &area, ViewWindow &view, MapDocument &document, QWidget &standIn)
    : AreaDialog(area, view, document, standIn, tr("Rect Setting"), tr("Circle"))
{
    auto *from = new QGroupBox(tr(" From "), this);
    from->setGeometry(8, 4, 193, 52);
    x0Field = NewCoordinateField(from, "x0", 8, "x0Field");
    y0Field = NewCoordinateField(from, "y0", 100, "y0Field");
    auto *to = new QGroupBox(tr(" To "), this);
    to->setGeometry(206, 4, 193, 52);
    x1Field = NewCoordinateField(to, "x1", 8, "x1Field");
    y1Field = NewCoordinateField(to, "y1", 100, "y1Field");
}

void RectangleDialog::ShowCorners(const vemo::RectCorners &corners)
{
    x0Field->setText(QString::number(corners.x0));
    y0Field->setText(QString::number(corners.y0));
    x1Field->setText(QString::number(corners.x1));
    y1Field->setText(QString::number(corners.y1));
}

void RectangleDialog::ShowTexts(const std::vector<std::string> &texts)
{
    QLineEdit *fields[] = {x0Field, y0Field, x1Field, y1Field};
    for (std::size_t index = 0; index < std::size(fields); ++index)
        fields[index]->setText(index < texts.size() ? Text(texts[index]) : QString());
}

void RectangleDialog::ShowRegion()
{
    ShowCorners(vemo::CornersFromBox(area_.Box()));
}

bool RectangleDialog::ReadyToSet()
{
    RequireWholeNumbers({x0Field, y0Field, x1Field, y1Field});
    return true;
}

std::string RectangleDialog::AreaLine() const
{
    return vemo::RectAreaLine(CoordinateValue(x0Field), CoordinateValue(y0Field), CoordinateValue(x1Field),
                              CoordinateValue(y1Field), Texts(), document_.Style());
}

void RectangleDialog::TakeTypedRegion()
{
    area_.SetBox(vemo::TypedRectBox(Bytes(x0Field->text()), Bytes(y0Field->text()), Bytes(x1Field->text()),
                                    Bytes(y1Field->text())),
                 EditedArea::Source::Typing);
}
