#include "editor/ImagePropertiesDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/StoredValueEdit.h"
#include "desktop/UiFonts.h"
#include "widgets/ClampingSpinBox.h"

namespace {

constexpr int kMaxBorder = 999;

StoredValueEdit *NewField(QWidget *group, const char *label, int top, const char *hint)
{
    auto *caption = new QLabel(QString::fromUtf8(label), group);
    caption->setGeometry(12, top + 2, 90, 20);
    auto *field = new StoredValueEdit(group);
    field->setGeometry(104, top, 290, 22);
    field->setToolTip(QString::fromUtf8(hint));
    return field;
}

} // namespace

// Kept on top like the view window, which would otherwise cover the fields it overlaps.
TImgPropFrm::TImgPropFrm(bool japanese)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                           | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Image Property"));
    setFixedSize(427, 193);

    auto *file = new QGroupBox(QStringLiteral("Image File"), this);
    file->setGeometry(8, 4, 411, 50);
    ImgFile = new QLineEdit(file);
    ImgFile->setGeometry(10, 20, 391, 22);
    ImgFile->setReadOnly(true);
    ImgFile->setFocusPolicy(Qt::ClickFocus);
    ImgFile->setToolTip(QString::fromUtf8("画像ファイルです。変更できません"));

    auto *setting = new QGroupBox(QStringLiteral("Setting"), this);
    setting->setGeometry(8, 58, 411, 98);
    auto *borderCaption = new QLabel(QStringLiteral("Border Size:"), setting);
    borderCaption->setGeometry(12, 20, 90, 20);
    Border = new ClampingSpinBox(setting);
    Border->setGeometry(104, 18, 60, 22);
    Border->setRange(0, kMaxBorder);
    Border->setFont(FontWithHint(QStringLiteral("Courier"), QFont::Monospace));
    MapName = NewField(setting, "Map Name:", 44, "イメージマップの名前です。特に変更しなくてもいいです");
    AltValue = NewField(setting, "ALT value:", 70, "画像の説明を記入してください");
    for (QLineEdit *field : std::initializer_list<QLineEdit *>{ImgFile, MapName, AltValue})
        field->setFont(ProportionalUiFont(japanese));

    BitBtn1 = new QPushButton(QStringLiteral("Set"), this);
    BitBtn1->setGeometry(120, 162, 85, 25);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
    BitBtn2->setGeometry(222, 162, 85, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}
