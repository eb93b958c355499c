#include "editor/MainWindow.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QUrl>

#include <stdexcept>
#include <utility>
#include <vector>

#include "editor/AboutBox.h"
#include "desktop/LocalText.h"
#include "desktop/MessageDialogs.h"
#include "desktop/SettingsFile.h"
#include "desktop/SettingsLocation.h"
#include "desktop/UiFonts.h"
#include "desktop/UiText.h"
#include "core/AsciiText.h"
#include "core/FileFilter.h"
#include "core/AreaGeometry.h"
#include "core/IntConv.h"
#include "core/MapLayout.h"
#include "core/MapFile.h"
#include "core/MapLines.h"
#include "core/PathRules.h"
#include "core/SettingsValues.h"
#include "core/TestPage.h"
#include "editor/AreaDialog.h"
#include "imagelib/ImageLibrary.h"
#include "imagelib/ImageLoadError.h"
#include "editor/AreaEditor.h"
#include "editor/ImagePropertiesDialog.h"
#include "editor/MapDocument.h"
#include "editor/MapListBox.h"
#include "editor/ToolGlyphs.h"
#include "editor/ViewWindow.h"
#include "widgets/ClampingSpinBox.h"
#include "widgets/PictureBox.h"

namespace {

constexpr UiText kCannotLoad{"画像ファイルが読み込めませんでした。", "Cannot load this Graphic file!"};
constexpr UiText kSaveChanges{"イメージマップに変更が加えられました。\r\n今ここで保存しますか？",
                              "This image map is changed!!\r\nDo you save now?"};
constexpr UiText kRegionNotSet{"領域がまだ設定されていません。\r\n今ここで設定しますか？",
                               "This region is not set yet!!\r\nDo you set it now?"};
constexpr UiText kReplaceJpeg{"%1 は既に存在します。\r\n変換した画像で上書きしますか？",
                              "%1 already exists!\r\nDo you replace it with the converted picture?"};
constexpr UiText kCannotReadMap{"%1 が読み込めません", "Cannot read %1"};
constexpr UiText kCannotWriteMap{"%1 に書き込めません", "Cannot write %1"};
constexpr UiText kTestPageNotPlainFile{"%1 はリンクか通常のファイルではないため書き込めません",
                                       "Cannot write %1: it is a link or not a regular file"};
constexpr UiText kHelpMissing{"ヘルプが見つかりません: %1", "Help pages not found: %1"};

constexpr const char *kPictureFilter =
    "All Picture|*.GIF;*.JPG;*.BMP;*.PCX;*.JIF;*.DIB;*.RLE;*.TGA|Picture(GIF)|*.GIF|Picture(JPEG)|*.JPG|"
    "Picture(BMP)|*.BMP";
constexpr const char *kSettingsSection = "MAIN";
constexpr const char *kDefaultListFont = "ＭＳ ゴシック";
constexpr int kDefaultListFontSize = 10;
constexpr int kDesignWidth = 522;
constexpr int kDesignHeight = 335;
constexpr int kBasePanelWidth = 35;
constexpr const char *kTestPageName = "$$TEMP$$.HTML";
// The help pages live in this folder beside the program.
constexpr const char *kHelpFolder = "HELP";
constexpr const char *kHelpIndex = "index.html";

const vemo::PathStyle kPaths = vemo::NativePathStyle();

} // namespace

TMainFrm::TMainFrm(MapDocument &document, TViewFrm &view, ImageLibrary &imageLibrary,
                   const StartupEnvironment &environment, QWidget *parent)
    : QMainWindow(parent), document_(document), view_(view), imageLibrary_(imageLibrary), environment_(environment)
{
    setWindowTitle(QStringLiteral("Vemo-Editor"));
    // On top like the view, so that a view as large as the screen never buries the commands:
    // among windows kept on top, the one the user activates comes to the front.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto *client = new QWidget(this);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    Panel1 = new QWidget(client);
    ListBox1 = new TMapListBox(document_.Model(), client);
    column->addWidget(Panel1);
    column->addWidget(ListBox1);
    setCentralWidget(client);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(ListBox1->viewport()->mapToGlobal(at)); });
    connect(ListBox1, &TMapListBox::itemSelectionChanged, this, [this] { Guarded(&TMainFrm::ListBox1Click); });
    connect(ListBox1, &QAbstractItemView::doubleClicked, this, [this] { Guarded(&TMainFrm::PanelButton4Click); });

    // The dialogs take this window's place while they are up.
    areas_ = std::make_unique<AreaEditor>(document_, view_, *ListBox1, *this, environment_.japanese);
    imgPropFrm_ = std::make_unique<TImgPropFrm>(environment_.japanese);
    aboutFrm_ = std::make_unique<TAboutFrm>(environment_.logicalDpi);
    // Closing the view closes the map, reported over the view.
    connect(&view_, &TViewFrm::CloseRequested, this, [this] { RunGuarded(&view_, [this] { CloseMap(); }); });

    FormCreate();
}

TMainFrm::~TMainFrm() = default;

void TMainFrm::Guarded(void (TMainFrm::*handler)())
{
    RunGuarded(this, [this, handler] { (this->*handler)(); });
}

QAction *TMainFrm::NewAction(QMenu *menu, const char *caption, void (TMainFrm::*handler)())
{
    QAction *action = menu->addAction(QString::fromUtf8(caption));
    connect(action, &QAction::triggered, this, [this, handler] { Guarded(handler); });
    return action;
}

void TMainFrm::CreateMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    Open1 = NewAction(file, "&Open Graphic", &TMainFrm::Open1Click);
    Close1 = NewAction(file, "&Close ", &TMainFrm::Close1Click);
    file->addSeparator();
    Save1 = NewAction(file, "&Save Source", &TMainFrm::Save1Click);
    file->addSeparator();
    Exit1 = NewAction(file, "E&xit", &TMainFrm::Exit1Click);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    Copy1 = NewAction(edit, "&Copy to Clipboard", &TMainFrm::Copy1Click);
    edit->addSeparator();
    Edit2 = NewAction(edit, "&Edit select item", &TMainFrm::PanelButton4Click);
    Delete1 = NewAction(edit, "&Delete select item", &TMainFrm::Delete1Click);
    edit->addSeparator();
    ImageProperty = NewAction(edit, "&Image Property", &TMainFrm::PanelButton9Click);
    edit->addSeparator();
    Test1 = NewAction(edit, "&Test Image Map", &TMainFrm::PanelButton7Click);

    QMenu *create = menuBar()->addMenu(QStringLiteral("&Create"));
    Rect1 = NewAction(create, "&RECT Map", &TMainFrm::Rect1Click);
    Circle1 = NewAction(create, "&CIRC Map", &TMainFrm::Circle1Click);

    QMenu *option = menuBar()->addMenu(QStringLiteral("&Option"));
    Font1 = NewAction(option, "&Font (HTML Source)", &TMainFrm::Font1Click);
    Color1 = NewAction(option, "&Color (Map Shape)", &TMainFrm::Color1Click);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    Topics = NewAction(help, "&Topics", &TMainFrm::TopicsClick);
    help->addSeparator();
    About1 = NewAction(help, "&About", &TMainFrm::About1Click);

    PopupMenu1 = new QMenu(this);
    EditLine1 = NewAction(PopupMenu1, "&Edit this line", &TMainFrm::PanelButton4Click);
    Delete2 = NewAction(PopupMenu1, "&Delete this line", &TMainFrm::Delete1Click);
    PopupMenu1->addSeparator();
    TestImageMap1 = NewAction(PopupMenu1, "Test Image Map", &TMainFrm::PanelButton7Click);
    PopupMenu1->addSeparator();
    FontChange1 = NewAction(PopupMenu1, "&Font Change", &TMainFrm::Font1Click);
}

void TMainFrm::CreateToolBar()
{
    struct ButtonInfo {
        TPanelButton *TMainFrm::*button;
        const char *caption;
        const char *hint;
        ToolGlyph glyph;
        void (TMainFrm::*handler)();
    };
    const ButtonInfo buttons[] = {
        {&TMainFrm::PanelButton1, "Open", "新しい画像ﾌｧｲﾙを開きます", ToolGlyph::Open, &TMainFrm::Open1Click},
        {&TMainFrm::PanelButton2, "Save", "HTMLリストを保存します", ToolGlyph::Save, &TMainFrm::Save1Click},
        {&TMainFrm::PanelButton3, "Clip", "HTMLリストをクリップボードにコピーします", ToolGlyph::Clip,
         &TMainFrm::Copy1Click},
        {&TMainFrm::PanelButton9, "Image", "画像に関する各種設定をします", ToolGlyph::Image,
         &TMainFrm::PanelButton9Click},
        {&TMainFrm::PanelButton4, "Edit", "選択行のイメージマップの設定を編集します", ToolGlyph::Edit,
         &TMainFrm::PanelButton4Click},
        {&TMainFrm::PanelButton5, "RECT", "新たに矩形のイメージマップを作ります", ToolGlyph::Rect,
         &TMainFrm::Rect1Click},
        {&TMainFrm::PanelButton6, "CIRC", "新たに円形のイメージマップを作ります", ToolGlyph::Circle,
         &TMainFrm::Circle1Click},
        {&TMainFrm::PanelButton7, "Test", "ＷＷＷブラウザを起動しイメージマップのテストをします", ToolGlyph::Test,
         &TMainFrm::PanelButton7Click},
        {&TMainFrm::PanelButton8, "Help", "取扱説明を表示します", ToolGlyph::Help, &TMainFrm::TopicsClick},
    };
    // The buttons stand in a row at fixed places; the last one is a pixel wider.
    constexpr int kStripHeight = 56, kTop = 3, kFirstLeft = 4, kStep = 56, kWidth = 53, kLastWidth = 54,
                  kHeight = 46;
    Panel1->setFixedHeight(kStripHeight);
    QFont shapeFont = FontWithHint(QStringLiteral("Times New Roman"), QFont::Serif);
    shapeFont.setPixelSize(12);
    shapeFont.setBold(true);
    int left = kFirstLeft;
    for (const ButtonInfo &info : buttons) {
        auto *button = new TPanelButton(Panel1);
        const bool last = &info == &buttons[std::size(buttons) - 1];
        button->setGeometry(left, kTop, last ? kLastWidth : kWidth, kHeight);
        left += kStep;
        button->SetCaption(QString::fromUtf8(info.caption));
        button->setToolTip(QString::fromUtf8(info.hint));
        button->SetShowHint(true);
        button->SetLayout(blGlyphTop);
        button->SetGlyph(MakeToolGlyph(info.glyph));
        button->SetNumGlyphs(2);
        if (info.glyph == ToolGlyph::Rect || info.glyph == ToolGlyph::Circle)
            button->setFont(shapeFont);
        connect(button, &TPanelButton::OnClick, this, [this, handler = info.handler] { Guarded(handler); });
        this->*info.button = button;
    }
}

void TMainFrm::CreateStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setSizeGripEnabled(false);
    statusPanels_[0] = new QLabel(QStringLiteral("BASE"), bar);
    statusPanels_[0]->setAlignment(Qt::AlignCenter);
    statusPanels_[0]->setFixedWidth(kBasePanelWidth);
    statusPanels_[1] = new QLabel(bar);
    bar->addWidget(statusPanels_[0]);
    bar->addWidget(statusPanels_[1], 1);
}

QString TMainFrm::StatusPanel(int panel) const
{
    return statusPanels_[panel]->text();
}

void TMainFrm::SetDocumentCommandsEnabled(bool enabled)
{
    for (TPanelButton *button :
         {PanelButton2, PanelButton3, PanelButton4, PanelButton5, PanelButton6, PanelButton7, PanelButton9})
        button->setEnabled(enabled);
    for (QAction *item : {Close1, Save1, Copy1, Edit2, Delete1, ImageProperty, Test1, Rect1, Circle1, EditLine1,
                          Delete2, TestImageMap1})
        item->setEnabled(enabled);
}

void TMainFrm::EnableCommands()
{
    SetDocumentCommandsEnabled(true);
}

void TMainFrm::DisableCommands()
{
    SetDocumentCommandsEnabled(false);
}

void TMainFrm::FormCreate()
{
    DisableCommands();
    iniFileName_ = SettingsFileLocation(environment_.programPath, environment_.userConfigFolder);
    ReadSettings();
    resize(vemo::ScaleForDpi(kDesignWidth, environment_.logicalDpi),
           vemo::ScaleForDpi(kDesignHeight, environment_.logicalDpi));
    if (environment_.japanese)
        imageLibrary_.NViewLibSetLanguage(QStringLiteral("Japanese"));
    statusBar()->setFont(ProportionalUiFont(environment_.japanese));
    firstActivation_ = true;
}

void TMainFrm::ReadSettings()
{
    const SettingsFile settings(iniFileName_);
    auto readInt = [&](const char *key, int fallback) {
        return vemo::ReadSettingInt(settings.Read(kSettingsSection, key).value_or(""), fallback);
    };
    move(readInt("LEFT", 0), readInt("TOP", 0));

    QFont font = FontWithHint(QString::fromUtf8(kDefaultListFont), QFont::Monospace);
    const std::string faceName = vemo::KeptFontName(settings.Read(kSettingsSection, "FONTNAME").value_or(""), kPaths);
    if (!faceName.empty())
        font.setFamily(Text(faceName));
    font.setPointSize(vemo::KeptFontSize(readInt("FONTSIZE", kDefaultListFontSize), kDefaultListFontSize));
    ListBox1->setFont(font);
}

void TMainFrm::WriteSettings()
{
    SettingsFile settings(iniFileName_);
    settings.Write(kSettingsSection, "LEFT", vemo::IntToStr(x()));
    settings.Write(kSettingsSection, "TOP", vemo::IntToStr(y()));
    settings.Write(kSettingsSection, "FONTNAME", Bytes(ListBox1->font().family()));
    settings.Write(kSettingsSection, "FONTSIZE", vemo::IntToStr(ListBox1->font().pointSize()));
    settings.Write(kSettingsSection, "JAPAN", environment_.japanese ? "1" : "0");
}

bool TMainFrm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && firstActivation_)
        Guarded(&TMainFrm::FormActivate);
    return QMainWindow::event(event);
}

void TMainFrm::FormActivate()
{
    // Cleared first, so a failure or a message box while opening never brings us back here.
    firstActivation_ = false;
    if (environment_.arguments.isEmpty())
        return;
    const QString argument = QFileInfo(environment_.arguments.first()).absoluteFilePath();
    const QString folder = Text(vemo::FolderPart(Bytes(argument), kPaths));
    OpenImage(folder + GetStoredFileName(argument));
}

void TMainFrm::closeEvent(QCloseEvent *event)
{
    bool mayClose = false;
    RunGuarded(this, [&] { mayClose = CloseMap(); });
    if (mayClose) {
        // Settings that cannot be written are reported, but never keep the program from ending:
        // the map is already closed and a folder the user cannot write would otherwise trap them.
        RunGuarded(this, [this] { WriteSettings(); });
        event->accept();
    } else {
        event->ignore();
    }
    DeleteTestPage();
}

QString TMainFrm::TestPagePath() const
{
    // Beside the picture, so the page's relative picture and link names resolve as in the user's site.
    return Text(vemo::FolderPart(Bytes(document_.PicturePath()), kPaths) + kTestPageName);
}

void TMainFrm::DeleteTestPage()
{
    testPages_.RemoveUnchanged();
}

void TMainFrm::Open1Click()
{
    QStringList filters;
    for (const std::string &filter : vemo::ToDialogFilters(kPictureFilter))
        filters << Text(filter);
    QFileDialog dialog(this);
    // Kept on top like the view window, which would otherwise cover it.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        OpenImage(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath());
}

void TMainFrm::OpenImage(const QString &openedPath)
{
    if (!CloseMap())
        return;

    try {
        view_.ShowPicture(QPixmap::fromImage(imageLibrary_.NViewLibLoad(openedPath, 1)));
    } catch (const ImageLoadError &) {
        MessageDlg(this, MessageKind::Error, kCannotLoad.In(environment_.japanese), static_cast<int>(MessageButton::Ok));
        return;
    }

    std::string path = Bytes(openedPath);
    const std::string extension = vemo::UpperAscii(vemo::ExtensionPart(path, kPaths));
    const char *kind = "JPEG";
    if (extension == ".GIF") {
        kind = "GIF";
    } else if (extension != ".JPG") {
        path = vemo::ChangeExtension(path, ".jpg", kPaths);
        if (!ConvertToJpeg(openedPath, Text(path)))
            return;
    }

    const int width = view_.Image1->PictureWidth();
    const int height = view_.Image1->PictureHeight();
    const std::string fileName = vemo::FileNamePart(path, kPaths);
    const QString mapName = Text(vemo::MapNameFromFileName(fileName));
    const QString mapFileName = Text(vemo::ChangeExtension(path, vemo::kMapFileExtension, kPaths));
    // Read before the document shows, so a side file that cannot be read leaves none open.
    MapDocument::MapText text;
    if (QFileInfo::exists(mapFileName)) {
        std::optional<MapDocument::MapText> read = MapDocument::ReadSideFile(mapFileName);
        if (!read)
            throw std::runtime_error(Bytes(kCannotReadMap.In(environment_.japanese).arg(mapFileName)));
        text = std::move(*read);
    } else {
        // The names are attribute values of the new lines like any other.
        text.lines = vemo::NewMapLines(text.codec.AttributeValue(Text(fileName)), width, height,
                                       text.codec.AttributeValue(mapName));
    }

    view_.setWindowTitle(Text(fileName + " in " + vemo::FolderForDisplay(path, kPaths)));
    view_.FitToPicture();
    view_.SetStatusPanel(1, QStringLiteral("%1 %2 x %3").arg(QLatin1String(kind)).arg(width).arg(height));
    view_.show();
    view_.raise();
    EnableCommands();

    document_.Load(Text(path), mapFileName, mapName, std::move(text));
    statusPanels_[1]->setText(Text(vemo::LinkBaseFolder(path, kPaths)));
}

bool TMainFrm::ConvertToJpeg(const QString &sourcePath, const QString &jpegPath)
{
    // A JPEG of the same name that we did not convert from this picture is the user's own
    // picture: replacing it needs their consent.
    const QString sourceName = QFileInfo(sourcePath).fileName();
    if (QFileInfo::exists(jpegPath) && ImageLibrary::ConvertedFrom(jpegPath) != sourceName) {
        const QString question = kReplaceJpeg.In(environment_.japanese).arg(QFileInfo(jpegPath).fileName());
        const MessageButtons buttons = static_cast<int>(MessageButton::Yes) | static_cast<int>(MessageButton::No);
        if (MessageDlg(this, MessageKind::Warning, question, buttons) != MessageButton::Yes)
            return false;
    }
    imageLibrary_.NViewLibSaveAsJPG(80, jpegPath);
    return true;
}

void TMainFrm::WriteMapFile()
{
    if (!document_.Save())
        throw std::runtime_error(Bytes(kCannotWriteMap.In(environment_.japanese).arg(document_.MapFilePath())));
}

bool TMainFrm::CloseMap()
{
    const MessageButtons buttons = static_cast<int>(MessageButton::Yes) | static_cast<int>(MessageButton::No)
                                   | static_cast<int>(MessageButton::Cancel);
    // Asked over the window the user works in: this one is hidden while an area dialog is up,
    // and then only closing the view brings us here.
    QWidget *asker = isVisible() ? static_cast<QWidget *>(this) : &view_;
    // A region still in its dialog is in no line yet, so the map's own question would miss it.
    if (TAreaDialog *dialog = areas_->OpenDialog()) {
        const MessageButton answer =
            MessageDlg(asker, MessageKind::Warning, kRegionNotSet.In(environment_.japanese), buttons);
        if (answer == MessageButton::Cancel)
            return false;
        if (answer == MessageButton::Yes)
            dialog->BitBtn1Click();
    }
    if (document_.Modified()) {
        const MessageButton answer =
            MessageDlg(asker, MessageKind::Warning, kSaveChanges.In(environment_.japanese), buttons);
        if (answer == MessageButton::Cancel)
            return false;
        if (answer == MessageButton::Yes)
            WriteMapFile();
    }
    areas_->Abandon();
    document_.Close();
    view_.hide();
    DisableCommands();
    statusPanels_[1]->clear();
    return true;
}

void TMainFrm::Close1Click()
{
    CloseMap();
}

void TMainFrm::Save1Click()
{
    WriteMapFile();
}

void TMainFrm::Copy1Click()
{
    QApplication::clipboard()->setText(document_.Codec().Text(vemo::JoinMapFileLines(document_.Lines())));
}

void TMainFrm::Exit1Click()
{
    close();
}

void TMainFrm::Rect1Click()
{
    areas_->NewRectangle();
}

void TMainFrm::Circle1Click()
{
    areas_->NewCircle();
}

void TMainFrm::PanelButton4Click()
{
    areas_->EditSelectedLine();
}

void TMainFrm::Delete1Click()
{
    const int index = ListBox1->SelectedIndex();
    if (vemo::IsProtectedLine(index, document_.LineCount()))
        return;
    document_.RemoveLine(index);
    ListBox1->SelectLine(-1);
}

void TMainFrm::ListBox1Click()
{
    areas_->ShowSelectedArea();
}

void TMainFrm::PanelButton9Click()
{
    TImgPropFrm *dialog = imgPropFrm_.get();
    const TextCodec &codec = document_.Codec();
    dialog->ImgFile->setText(document_.PicturePath());
    // A BORDER that is no number stops here, before the dialog shows.
    const vemo::ImageLineValues values = vemo::ReadImageLine(document_.LineAt(0));
    dialog->Border->setValue(values.border);
    dialog->AltValue->ShowStored(values.alt, codec);
    dialog->MapName->ShowStored(values.map, codec);
    if (dialog->exec() == QDialog::Accepted) {
        const int selected = ListBox1->SelectedIndex();
        const std::string mapName = dialog->MapName->Stored();
        const QString fileName = Text(vemo::FileNamePart(Bytes(document_.PicturePath()), kPaths));
        document_.ReplaceImageAndMapLines(
            vemo::ImageLine(codec.AttributeValue(fileName), dialog->AltValue->Stored(),
                            Bytes(dialog->Border->cleanText()), vemo::IntToStr(view_.Image1->PictureWidth()),
                            vemo::IntToStr(view_.Image1->PictureHeight()), mapName),
            vemo::MapStartLine(mapName));
        ListBox1->SelectLine(selected);
    }
    document_.KeepImageProperties(dialog->Border->value(), dialog->MapName->text());
}

void TMainFrm::Font1Click()
{
    // Kept on top like the view window, which would otherwise cover it; cancel keeps the font.
    QFontDialog dialog(ListBox1->font(), this);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() == QDialog::Accepted)
        ListBox1->setFont(dialog.selectedFont());
}

void TMainFrm::Color1Click()
{
    // Kept on top like the view window, which would otherwise cover it. A cancelled dialog leaves
    // the colour at what it was given, for the handles too.
    QColorDialog dialog(view_.Shape1->PenColor(), this);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() == QDialog::Accepted)
        view_.SetShapeColor(dialog.selectedColor());
}

void TMainFrm::About1Click()
{
    aboutFrm_->exec();
}

void TMainFrm::PanelButton7Click()
{
    const QString page = TestPagePath();
    switch (testPages_.Write(page, QByteArray::fromStdString(vemo::TestPageText(document_.Lines())))) {
    case TestPageFiles::WriteResult::Written:
        break;
    case TestPageFiles::WriteResult::NotPlainFile:
        throw std::runtime_error(Bytes(kTestPageNotPlainFile.In(environment_.japanese).arg(page)));
    case TestPageFiles::WriteResult::Failed:
        throw std::runtime_error(Bytes(kCannotWriteMap.In(environment_.japanese).arg(page)));
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

void TMainFrm::TopicsClick()
{
    const QString folder = Text(vemo::FolderPart(Bytes(environment_.programPath), kPaths) + kHelpFolder);
    const QString index = QDir(folder).filePath(QString::fromLatin1(kHelpIndex));
    if (!QFileInfo(index).isFile()) {
        MessageDlg(this, MessageKind::Error, kHelpMissing.In(environment_.japanese).arg(index),
                   static_cast<int>(MessageButton::Ok));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(index));
}

QString GetStoredFileName(const QString &path)
{
    const QFileInfo info(path);
    // A name that exists as typed is taken as it is, so brackets in it are not read as wildcards.
    if (info.exists())
        return info.fileName();
    const QDir::Filters everyKind = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    return QDir(info.absolutePath()).entryList({info.fileName()}, everyKind, QDir::Name).value(0);
}
