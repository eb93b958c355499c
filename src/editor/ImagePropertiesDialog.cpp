#include "editor/ImagePropertiesDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "desktop/UiFonts.h"
#include "widgets/ClampingSpinBox.h"
#include "widgets/StoredValueEdit.h"

namespace {

constexpr int kMaxBorder = 999;

StoredValueEdit *NewField(QWidget *group, const QString &label, int top, const char *hint)
{
    auto *caption = new QLabel(label, group);
    caption->setGeometry(12, top + 2, 90, 20);
    auto *field = new StoredValueEdit(group);
    field->setGeometry(104, top, 290, 22);
    field->setToolTip(QString::fromUtf8(hint));
    return field;
}

} // namespace

// Kept on top like the view window, which would otherwise cover the fields it overlaps.
ImagePropertiesDialog::ImagePropertiesDialog()
    : QDialog(nullptr,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Image Property"));
    setFixedSize(427, 193);

    auto *file = new QGroupBox(tr("Image File"), this);
    file->setGeometry(8, 4, 411, 50);
    pictureField = new QLineEdit(file);
    pictureField->setObjectName(QStringLiteral("pictureField"));
    pictureField->setGeometry(10, 20, 391, 22);
    pictureField->setReadOnly(true);
    pictureField->setFocusPolicy(Qt::ClickFocus);
    pictureField->setToolTip(QString::fromUtf8("画像ファイルです。変更できません"));

    auto *setting = new QGroupBox(tr("Setting"), this);
    setting->setGeometry(8, 58, 411, 98);
    auto *borderCaption = new QLabel(tr("Border Size:"), setting);
    borderCaption->setGeometry(12, 20, 90, 20);
    borderField = new ClampingSpinBox(setting);
    borderField->setObjectName(QStringLiteral("borderField"));
    borderField->setGeometry(104, 18, 60, 22);
    borderField->setRange(0, kMaxBorder);
    borderField->setFont(FontWithHint(QStringLiteral("Courier"), QFont::Monospace));
    mapNameField = NewField(setting, tr("Map Name:"), 44, "イメージマップの名前です。特に変更しなくてもいいです");
    mapNameField->setObjectName(QStringLiteral("mapNameField"));
    pictureAltField = NewField(setting, tr("ALT value:"), 70, "画像の説明を記入してください");
    pictureAltField->setObjectName(QStringLiteral("pictureAltField"));
    for (QLineEdit *field : std::initializer_list<QLineEdit *>{pictureField, mapNameField, pictureAltField})
        field->setFont(ProportionalUiFont());

    setButton = new QPushButton(tr("Set"), this);
    setButton->setObjectName(QStringLiteral("setButton"));
    setButton->setGeometry(120, 162, 85, 25);
    setButton->setDefault(true);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setGeometry(222, 162, 85, 25);
    connect(setButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ImagePropertiesDialog::ShowProperties(const QString &picturePath, const vemo::ImageLineValues &values,
                                           const TextCodec &codec)
{
    pictureField->setText(picturePath);
    borderField->setValue(values.border);
    pictureAltField->ShowStored(values.alt, codec);
    mapNameField->ShowStored(values.map, codec);
}

int ImagePropertiesDialog::Border() const
{
    return borderField->value();
}

QString ImagePropertiesDialog::BorderText() const
{
    return borderField->cleanText();
}

std::string ImagePropertiesDialog::MapNameValue() const
{
    return mapNameField->Stored();
}

std::string ImagePropertiesDialog::AltValue() const
{
    return pictureAltField->Stored();
}

QString ImagePropertiesDialog::MapNameText() const
{
    return mapNameField->text();
}
