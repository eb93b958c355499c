#include "editor/DefaultAreaDialog.h"

#include <QGroupBox>
#include <QLabel>

#include "core/MapLines.h"
#include "editor/MapDocument.h"
#include "desktop/UiFonts.h"

DefaultAreaDialog::DefaultAreaDialog(EditedArea &area, ViewWindow &view, MapDocument &document, QWidget &standIn)
    : AreaDialog(area, view, document, standIn, tr("Default Area Setting"), QString())
{
    auto *group = new QGroupBox(tr(" Area "), this);
    group->setGeometry(8, 4, 391, 52);
    auto *explanation = new QLabel(tr("Clicks that hit no other area go to this link."), group);
    explanation->setGeometry(10, 20, 371, 22);
    explanation->setFont(ProportionalUiFont());
}

std::string DefaultAreaDialog::AreaLine() const
{
    return vemo::DefaultAreaLine(Texts(), document_.Style());
}
