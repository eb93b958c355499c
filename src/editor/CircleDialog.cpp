#include "editor/CircleDialog.h"

#include <QGroupBox>
#include <QLineEdit>

#include "core/AreaFields.h"
#include "core/MapLines.h"
#include "editor/MapDocument.h"
#include "desktop/LocalText.h"

CircleDialog::CircleDialog(EditedArea &area, ViewWindow &view, MapDocument &document, QWidget &standIn)
    : AreaDialog(area, view, document, standIn, tr("Circle Setting"), tr("Rect"))
{
    auto *center = new QGroupBox(tr(" Center "), this);
    center->setGeometry(8, 4, 193, 52);
    xField = NewCoordinateField(center, "x", 8, "xField");
    yField = NewCoordinateField(center, "y", 100, "yField");
    auto *radius = new QGroupBox(tr(" Radius "), this);
    radius->setGeometry(206, 4, 101, 52);
    radiusField = NewCoordinateField(radius, "r", 8, "radiusField");
}

void CircleDialog::ShowCircle(const vemo::CircleArea &circle)
{
    xField->setText(QString::number(circle.x));
    yField->setText(QString::number(circle.y));
    radiusField->setText(QString::number(circle.r));
}

void CircleDialog::ShowTexts(const std::vector<std::string> &texts)
{
    QLineEdit *fields[] = {xField, yField, radiusField};
    for (std::size_t index = 0; index < std::size(fields); ++index)
        fields[index]->setText(index < texts.size() ? Text(texts[index]) : QString());
}

void CircleDialog::ShowRegion()
{
    ShowCircle(vemo::CircleFromSquare(area_.Box()));
}

bool CircleDialog::ReadyToSet()
{
    RequireWholeNumbers({xField, yField, radiusField});
    return true;
}

std::string CircleDialog::AreaLine() const
{
    return vemo::CircleAreaLine(CoordinateValue(xField), CoordinateValue(yField), CoordinateValue(radiusField),
                                Texts(), document_.Style());
}

void CircleDialog::TakeTypedRegion()
{
    area_.SetBox(vemo::TypedCircleBox(Bytes(xField->text()), Bytes(yField->text()), Bytes(radiusField->text())),
                 EditedArea::Source::Typing);
}
