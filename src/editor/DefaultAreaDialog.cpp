#include "editor/DefaultAreaDialog.h"

#include <QGroupBox>
#include <QLabel>

#include "core/MapLines.h"
#include "desktop/UiFonts.h"
#include "desktop/UiText.h"

namespace {

constexpr UiText kExplanation{"ほかのどの領域にも当たらないクリックは、このリンクへ行きます。",
                              "Clicks that hit no other area go to this link."};

} // namespace

DefaultAreaDialog::DefaultAreaDialog(EditedArea &area, ViewWindow &view, MapDocument &document, QWidget &standIn,
                                     bool japanese)
    : AreaDialog(area, view, document, standIn, japanese, "Default Area Setting", nullptr)
{
    auto *group = new QGroupBox(QStringLiteral(" Area "), this);
    group->setGeometry(8, 4, 391, 52);
    auto *explanation = new QLabel(kExplanation.In(japanese), group);
    explanation->setGeometry(10, 20, 371, 22);
    explanation->setFont(ProportionalUiFont(japanese));
}

std::string DefaultAreaDialog::AreaLine() const
{
    return vemo::DefaultAreaLine(linkField->Stored(), altField->Stored());
}
