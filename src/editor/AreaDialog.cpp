#include "editor/AreaDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/FileFilter.h"
#include "core/IntConv.h"
#include "core/PathRules.h"
#include "core/RelativeLink.h"
#include "desktop/LocalText.h"
#include "desktop/MessageDialogs.h"
#include "desktop/UiFonts.h"
#include "editor/MapDocument.h"
#include "editor/ViewWindow.h"
#include "widgets/WidgetGeometry.h"

namespace {

constexpr int kClientWidth = 407;
constexpr int kClientHeight = 240;
// The dialog grows by this much while it shows the note that the region reaches outside.
constexpr int kNoteHeight = 22;
const vemo::PathStyle kPaths = vemo::NativePathStyle();

QGroupBox *NewGroup(QWidget *parent, const QString &caption, const QRect &bounds)
{
    auto *group = new QGroupBox(caption, parent);
    group->setGeometry(bounds);
    return group;
}

// Buttons keep Qt's dialog default of auto-default: Return presses the button that has the focus,
// and "Set" only while the focus is in a field.
QPushButton *NewButton(QWidget *parent, const QString &caption, const QRect &bounds, const char *name)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(bounds);
    return button;
}

} // namespace

AreaDialog::AreaDialog(EditedArea &area, ViewWindow &view, MapDocument &document, QWidget &standIn,
                       const QString &caption, const QString &switchCaption)
    // Kept on top like the view window, which would otherwise cover it.
    : QDialog(nullptr,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::WindowStaysOnTopHint),
      area_(area), document_(document), view_(view), standIn_(standIn)
{
    setWindowTitle(caption);
    setFixedSize(kClientWidth, kClientHeight);

    QGroupBox *link = NewGroup(this, tr(" Link File "), {8, 60, 391, 50});
    linkField = new StoredValueEdit(link);
    linkField->setObjectName(QStringLiteral("linkField"));
    linkField->setGeometry(10, 20, 290, 22);
    browseButton = NewButton(link, tr("Browse"), {308, 19, 73, 24}, "browseButton");
    QGroupBox *alt = NewGroup(this, tr(" ALT Text "), {8, 112, 391, 46});
    altField = new StoredValueEdit(alt);
    altField->setObjectName(QStringLiteral("altField"));
    altField->setGeometry(10, 18, 371, 22);
    // Made right after the ALT field, so Tab goes on from it to these.
    QGroupBox *title = NewGroup(this, tr(" Title (Tooltip) "), {8, 160, 250, 46});
    titleField = new StoredValueEdit(title);
    titleField->setObjectName(QStringLiteral("titleField"));
    titleField->setGeometry(10, 18, 230, 22);
    QGroupBox *target = NewGroup(this, tr(" Target "), {264, 160, 135, 46});
    targetField = new QComboBox(target);
    targetField->setObjectName(QStringLiteral("targetField"));
    targetField->setGeometry(10, 18, 115, 22);
    targetField->setEditable(true);
    targetField->setInsertPolicy(QComboBox::NoInsert);
    targetField->addItems({QString(), QStringLiteral("_blank"), QStringLiteral("_self"), QStringLiteral("_parent"),
                           QStringLiteral("_top")});
    // The link and the texts are what the user reads and types in their own language.
    for (QWidget *field : std::initializer_list<QWidget *>{linkField, altField, titleField, targetField})
        field->setFont(ProportionalUiFont());

    // Two buttons stand where three would leave them centred.
    const int buttonsLeft = switchCaption.isEmpty() ? 112 : 64;
    setButton = NewButton(this, tr("Set"), {buttonsLeft, 212, 85, 25}, "setButton");
    setButton->setDefault(true);
    cancelButton = NewButton(this, tr("Cancel"), {buttonsLeft + 97, 212, 85, 25}, "cancelButton");
    if (!switchCaption.isEmpty()) {
        switchButton = NewButton(this, switchCaption, {258, 212, 85, 25}, "switchButton");
        connect(switchButton, &QPushButton::clicked, this, &AreaDialog::KindSwitchRequested);
    }

    connect(setButton, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { Set(); }); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { Guarded(&AreaDialog::Cancel); });
    connect(browseButton, &QPushButton::clicked, this, [this] { Guarded(&AreaDialog::BrowseForLink); });

    outsideNote_ = new QLabel(this);
    outsideNote_->setGeometry(8, kClientHeight, kClientWidth - 16, kNoteHeight - 4);
    outsideNote_->setStyleSheet(QStringLiteral("color: #b00000"));
    outsideNote_->setFont(ProportionalUiFont());
    outsideNote_->hide();
}

void AreaDialog::Guarded(void (AreaDialog::*handler)())
{
    RunGuarded(this, [this, handler] { (this->*handler)(); });
}

QLineEdit *AreaDialog::NewCoordinateField(QGroupBox *group, const char *label, int x, const char *name)
{
    auto *caption = new QLabel(QString::fromUtf8(label), group);
    caption->setGeometry(x, 22, 20, 20);
    auto *field = new QLineEdit(QStringLiteral("0"), group);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(x + 22, 20, 60, 22);
    FollowTyping(field);
    return field;
}

void AreaDialog::FollowTyping(QLineEdit *field)
{
    // Only the user's own typing moves the shape: texts written by the view's write-back or by
    // the commands never feed back into it.
    connect(field, &QLineEdit::textEdited, this, [this] { Guarded(&AreaDialog::FollowTypedCoordinates); });
}

void AreaDialog::FollowTypedCoordinates()
{
    if (isVisible())
        TakeTypedRegion();
}

void AreaDialog::RequireWholeNumbers(std::initializer_list<QLineEdit *> fields)
{
    for (QLineEdit *field : fields) {
        const std::string text = Bytes(field->text().trimmed());
        if (!vemo::TryParseInt32(text)) {
            field->setFocus();
            field->selectAll();
            // Reported by the command's error report, in the number reader's own words.
            throw vemo::ConvertError(text);
        }
    }
}

void AreaDialog::ShowOutsideNote(bool outside, int pictureWidth, int pictureHeight)
{
    outsideNote_->setText(
        tr("This region reaches outside the picture (%1 x %2)").arg(pictureWidth).arg(pictureHeight));
    outsideNote_->setVisible(outside);
    setFixedSize(kClientWidth, kClientHeight + (outside ? kNoteHeight : 0));
}

bool AreaDialog::Set()
{
    if (!ReadyToSet())
        return false;
    const std::string line = AreaLine();
    hide();
    emit AreaSet(line);
    return true;
}

void AreaDialog::Cancel()
{
    hide();
    emit Cancelled();
}

void AreaDialog::BrowseForLink()
{
    QStringList filters;
    for (const std::string &filter : vemo::ToDialogFilters(kLinkFilter))
        filters << Text(filter);
    const std::string picture = Bytes(document_.PicturePath());
    QFileDialog chooser(this, QString(), Text(vemo::FolderPart(picture, kPaths)));
    chooser.setWindowFlag(Qt::WindowStaysOnTopHint);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setNameFilters(filters);
    chooser.selectNameFilter(filters.first());
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const std::string target = Bytes(chooser.selectedFiles().first());
    linkField->setText(Text(vemo::MakeRelativeLink(target, picture, kPaths)));
}

void AreaDialog::ShowAreaTexts(const vemo::AreaTexts &texts, const TextCodec &codec)
{
    codec_ = codec;
    linkField->ShowStored(texts.href, codec);
    altField->ShowStored(texts.alt, codec);
    titleField->ShowStored(texts.title, codec);
    storedTarget_ = texts.target;
    targetField->setCurrentText(codec.ShownValue(texts.target));
    shownTarget_ = targetField->currentText();
}

vemo::AreaTexts AreaDialog::Texts() const
{
    const QString target = targetField->currentText();
    return {linkField->Stored(), altField->Stored(), titleField->Stored(),
            target == shownTarget_ ? storedTarget_ : codec_.AttributeValue(target)};
}

std::string AreaDialog::CoordinateValue(const QLineEdit *field) const
{
    // White space around a number, as a pasted line end brings, would keep it from reading back.
    return codec_.AttributeValue(field->text().trimmed());
}

void AreaDialog::SwitchTo(AreaDialog &other)
{
    other.codec_ = codec_;
    other.linkField->TakeOver(*linkField);
    other.altField->TakeOver(*altField);
    other.titleField->TakeOver(*titleField);
    other.storedTarget_ = storedTarget_;
    other.shownTarget_ = shownTarget_;
    other.targetField->setCurrentText(targetField->currentText());
    hide();
    standIn_.hide();
    other.show();
}

QRect AreaDialog::PlaceWhenShown() const
{
    if (isVisible())
        return frameGeometry();
    return QRect(standIn_.pos(), size().grownBy(WindowFrameMargins(*this)));
}

void AreaDialog::setVisible(bool visible)
{
    // The window stood in for is hidden while a dialog is up; the dialog stands where it was.
    // Placed before the window is mapped, so the window manager takes the position as given.
    if (visible && !isVisible()) {
        move(standIn_.pos());
    }
    QDialog::setVisible(visible);
}

void AreaDialog::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous() && !QCoreApplication::closingDown()) {
        standIn_.show();
        standIn_.raise();
        standIn_.activateWindow();
    }
    QDialog::hideEvent(event);
}

void AreaDialog::reject()
{
    // Escape, the close box and the window manager's close all answer "Cancel".
    Guarded(&AreaDialog::Cancel);
}
