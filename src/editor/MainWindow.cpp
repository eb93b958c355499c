#include "editor/MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

#include <stdexcept>
#include <utility>

#include "core/FileFilter.h"
#include "core/IntConv.h"
#include "core/MapCheck.h"
#include "core/MapFile.h"
#include "core/MapLayout.h"
#include "core/MapLines.h"
#include "core/PathRules.h"
#include "core/SettingsValues.h"
#include "core/TestPage.h"
#include "desktop/LocalText.h"
#include "desktop/MessageDialogs.h"
#include "desktop/SettingsLocation.h"
#include "desktop/UiFonts.h"
#include "editor/AboutBox.h"
#include "editor/AreaDialog.h"
#include "editor/AreaEditor.h"
#include "editor/AreaGroupCommands.h"
#include "editor/BrowserOpener.h"
#include "editor/ImagePropertiesDialog.h"
#include "editor/EditorSettings.h"
#include "editor/MapCheckWindow.h"
#include "editor/MapDocument.h"
#include "editor/MapListBox.h"
#include "editor/PageExporter.h"
#include "editor/PageImporter.h"
#include "editor/PictureDropTarget.h"
#include "editor/RecentPictureMenu.h"
#include "editor/SvgOverlayExporter.h"
#include "editor/PictureOpener.h"
#include "editor/ToolStrip.h"
#include "editor/ViewWindow.h"
#include "imagelib/ImageLibrary.h"
#include "widgets/PictureBox.h"

namespace {

// How long the status bar tells what Save and Clip did.
constexpr int kReportMilliseconds = 4000;

constexpr const char *kPictureFilter = QT_TRANSLATE_NOOP(
    "MainWindow", "All Picture|*.GIF;*.JPG;*.BMP;*.PCX;*.JIF;*.DIB;*.RLE;*.TGA;*.PNG;*.WEBP|Picture(GIF)|*.GIF|"
                  "Picture(JPEG)|*.JPG|Picture(BMP)|*.BMP|Picture(PNG)|*.PNG|Picture(WebP)|*.WEBP");
constexpr int kDesignWidth = 522;
constexpr int kDesignHeight = 335;
constexpr int kBasePanelWidth = 35;
constexpr const char *kTestPageName = "$$TEMP$$.HTML";
// The help pages live in this folder beside the program.
constexpr const char *kHelpFolder = "HELP";
constexpr const char *kHelpIndex = "index.html";

const vemo::PathStyle kPaths = vemo::NativePathStyle();

} // namespace

MainWindow::MainWindow(MapDocument &document, ViewWindow &view, ImageLibrary &imageLibrary,
                       const StartupEnvironment &environment, QWidget *parent)
    : QMainWindow(parent), document_(document), view_(view), imageLibrary_(imageLibrary), environment_(environment),
      opener_(imageLibrary, view, *this)
{
    setWindowTitle(QStringLiteral("Vemo-Editor"));
    // On top like the view, so that a view as large as the screen never buries the commands:
    // among windows kept on top, the one the user activates comes to the front.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto *client = new QWidget(this);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    toolStrip = new ToolStrip(client);
    lineList = new MapListBox(document_.Model(), client);
    column->addWidget(toolStrip);
    column->addWidget(lineList);
    setCentralWidget(client);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    NameParts();

    lineList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lineList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { lineMenu->popup(lineList->viewport()->mapToGlobal(at)); });
    connect(lineList, &MapListBox::itemSelectionChanged, this, [this] { Guarded(&MainWindow::ShowSelectedArea); });
    connect(lineList, &QAbstractItemView::doubleClicked, this, [this] { Guarded(&MainWindow::EditSelectedLine); });
    // The Delete key alone: the standard Delete binding also holds Ctrl+D on X11, which is Duplicate.
    auto *deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), lineList, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, [this] { Guarded(&MainWindow::DeleteSelectedLine); });

    // The dialogs take this window's place while they are up.
    areas_ = std::make_unique<AreaEditor>(document_, view_, *lineList, *this);
    groups_ = std::make_unique<AreaGroupCommands>(document_, *lineList, view_, *areas_, *this);
    connect(groups_.get(), &AreaGroupCommands::Report, this,
            [this](const QString &report) { statusBar()->showMessage(report, kReportMilliseconds); });
    connect(lineList, &MapListBox::itemSelectionChanged, this, &MainWindow::EnableArrangeCommands);
    connect(&document_, &MapDocument::Changed, this, &MainWindow::EnableArrangeCommands);
    connect(&view_, &ViewWindow::AreaClickedAdding, this,
            [this](int line) { RunGuarded(this, [&] { groups_->ToggleLine(line); }); });
    connect(&view_, &ViewWindow::GroupStepped, this,
            [this](int dx, int dy) { RunGuarded(&view_, [&] { groups_->MoveSelected(dx, dy); }); });
    imagePropertiesDialog_ = std::make_unique<ImagePropertiesDialog>();
    aboutBox_ = std::make_unique<AboutBox>(environment_.logicalDpi);
    checkWindow_ = std::make_unique<MapCheckWindow>(document_);
    browser_ = std::make_unique<BrowserOpener>(*this);
    importer_ = std::make_unique<PageImporter>(document_, *this);
    exporter_ = std::make_unique<PageExporter>(document_, *this);
    connect(exporter_.get(), &PageExporter::Exported, this,
            [this](const QString &report) { statusBar()->showMessage(report, kReportMilliseconds); });
    svgExporter_ = std::make_unique<SvgOverlayExporter>(document_, *this);
    connect(svgExporter_.get(), &SvgOverlayExporter::Exported, this,
            [this](const QString &report) { statusBar()->showMessage(report, kReportMilliseconds); });
    connect(importer_.get(), &PageImporter::Imported, this,
            [this](const QString &report) { statusBar()->showMessage(report, kReportMilliseconds); });
    // The drawing hint stays until the polygon is closed or given up.
    connect(&view_, &ViewWindow::PolygonDrawn, statusBar(), &QStatusBar::clearMessage);
    connect(&view_, &ViewWindow::PolygonDrawingAbandoned, statusBar(), &QStatusBar::clearMessage);
    connect(&view_, &ViewWindow::TracingEnded, statusBar(), &QStatusBar::clearMessage);
    // A finding chosen selects its line, as a click on it would; not while an area is under edit.
    connect(checkWindow_.get(), &MapCheckWindow::LineChosen, this, [this](int line) {
        if (!areas_->SelectLine(line))
            return;
        raise();
        activateWindow();
    });
    // Closing the view closes the map, reported over the view.
    connect(&view_, &ViewWindow::CloseRequested, this, [this] { RunGuarded(&view_, [this] { CloseMap(); }); });
    // Every area of the map is outlined on the picture; a click on one selects its line, a
    // double click opens it for editing.
    connect(&document_, &MapDocument::Changed, this, [this] { view_.ShowMapAreas(document_.Areas()); });
    view_.SetAreaText([this](int line) {
        const std::string text = document_.LineAt(line);
        const TextCodec &codec = document_.Codec();
        return QStringLiteral("%1  \u00B7  %2")
            .arg(codec.ShownValue(vemo::ReadHref(text)), codec.ShownValue(vemo::ReadAlt(text)));
    });
    // While an area is under edit, the area editor refuses both and says why.
    connect(&view_, &ViewWindow::AreaClicked, this, [this](int line) { areas_->SelectLine(line); });
    connect(&view_, &ViewWindow::AreaDoubleClicked, this,
            [this](int line) { RunGuarded(this, [&] { areas_->OpenLine(line); }); });
    connect(areas_.get(), &AreaEditor::Hint, this, [this](const QString &text) {
        statusBar()->showMessage(text, kReportMilliseconds);
        view_.ShowHint(text);
    });
    // A picture dropped on either window opens as Open Graphic opens it.
    auto *drops = new PictureDropTarget(this);
    drops->Watch(*this);
    drops->Watch(view_);
    connect(drops, &PictureDropTarget::Dropped, this,
            [this](const QString &path) { RunGuarded(this, [&] { OpenPictureFile(path); }); });

    SetUpAtStart();
}

MainWindow::~MainWindow() = default;

void MainWindow::Guarded(void (MainWindow::*handler)())
{
    RunGuarded(this, [this, handler] { (this->*handler)(); });
}

QAction *MainWindow::NewAction(QMenu *menu, const QString &caption, void (MainWindow::*handler)())
{
    QAction *action = menu->addAction(caption);
    connect(action, &QAction::triggered, this, [this, handler] { Guarded(handler); });
    return action;
}

void MainWindow::CreateMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    openAction = NewAction(file, tr("&Open Graphic"), &MainWindow::OpenPicture);
    openAction->setShortcut(QKeySequence::Open);
    closeAction = NewAction(file, tr("&Close "), &MainWindow::ClosePicture);
    importAction = NewAction(file, tr("&Import Map from Page..."), &MainWindow::ImportMapFromPage);
    exportAction = NewAction(file, tr("&Export Map to Page..."), &MainWindow::ExportMapToPage);
    svgAction = NewAction(file, tr("Export SVG Overla&y..."), &MainWindow::ExportSvgOverlay);
    svgAction->setObjectName(QStringLiteral("svgAction"));
    file->addSeparator();
    saveAction = NewAction(file, tr("&Save Source"), &MainWindow::SaveMap);
    saveAction->setShortcut(QKeySequence::Save);
    file->addSeparator();
    // The recent pictures go between here and the separator before Exit.
    recentPictures = new RecentPictureMenu(*file, file->addSeparator(), *this);
    connect(recentPictures, &RecentPictureMenu::PictureChosen, this, &MainWindow::OpenPictureFile);
    exitAction = NewAction(file, tr("E&xit"), &MainWindow::Exit);
    exitAction->setShortcut(Qt::CTRL | Qt::Key_Q);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    // Undo and redo name the step they take ("Undo Delete Area"); the view hears their keys too.
    undoAction = document_.History().createUndoAction(this, tr("&Undo"));
    undoAction->setShortcut(QKeySequence::Undo);
    redoAction = document_.History().createRedoAction(this, tr("&Redo"));
    redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addActions({undoAction, redoAction});
    view_.addActions({undoAction, redoAction});
    edit->addSeparator();
    copyAction = NewAction(edit, tr("&Copy to Clipboard"), &MainWindow::CopyMap);
    edit->addSeparator();
    // The areas selected together; the view hears their keys too. Every letter of "Select All
    // Areas" is another item's access key already, so Ctrl+A is its only key.
    selectAllAreasAction = NewAction(edit, tr("Select All Areas"), &MainWindow::SelectAllAreas);
    selectAllAreasAction->setShortcut(QKeySequence::SelectAll);
    copyAreasAction = NewAction(edit, tr("Cop&y Areas"), &MainWindow::CopyAreas);
    copyAreasAction->setShortcut(QKeySequence::Copy);
    pasteAreasAction = NewAction(edit, tr("Pa&ste Areas"), &MainWindow::PasteAreas);
    pasteAreasAction->setShortcut(QKeySequence::Paste);
    duplicateAction = NewAction(edit, tr("Dup&licate"), &MainWindow::DuplicateAreas);
    duplicateAction->setShortcut(Qt::CTRL | Qt::Key_D);
    view_.addActions({selectAllAreasAction, copyAreasAction, pasteAreasAction, duplicateAction});
    selectAllAreasAction->setObjectName(QStringLiteral("selectAllAreasAction"));
    copyAreasAction->setObjectName(QStringLiteral("copyAreasAction"));
    pasteAreasAction->setObjectName(QStringLiteral("pasteAreasAction"));
    duplicateAction->setObjectName(QStringLiteral("duplicateAction"));
    CreateArrangeMenu(*edit);
    edit->addSeparator();
    editAction = NewAction(edit, tr("&Edit select item"), &MainWindow::EditSelectedLine);
    deleteAction = NewAction(edit, tr("&Delete select item"), &MainWindow::DeleteSelectedLine);
    moveUpAction = NewAction(edit, tr("Move U&p"), &MainWindow::MoveSelectedLineUp);
    moveUpAction->setShortcut(Qt::CTRL | Qt::Key_Up);
    moveDownAction = NewAction(edit, tr("Move Do&wn"), &MainWindow::MoveSelectedLineDown);
    moveDownAction->setShortcut(Qt::CTRL | Qt::Key_Down);
    edit->addSeparator();
    imagePropertiesAction = NewAction(edit, tr("&Image Property"), &MainWindow::EditImageProperties);
    // Its caption names the style the open map is not in.
    convertStyleAction = NewAction(edit, tr("Con&vert to HTML5"), &MainWindow::ConvertMapStyle);
    convertStyleAction->setObjectName(QStringLiteral("convertStyleAction"));
    connect(&document_, &MapDocument::Changed, this, [this] {
        convertStyleAction->setText(document_.Style() == vemo::MapStyle::Html5 ? tr("Con&vert to Classic")
                                                                                : tr("Con&vert to HTML5"));
    });
    edit->addSeparator();
    checkAction = NewAction(edit, tr("Chec&k Map"), &MainWindow::CheckMap);
    testAction = NewAction(edit, tr("&Test Image Map"), &MainWindow::TestInBrowser);

    QMenu *create = menuBar()->addMenu(tr("&Create"));
    newRectangleAction = NewAction(create, tr("&RECT Map"), &MainWindow::NewRectangle);
    newCircleAction = NewAction(create, tr("&CIRC Map"), &MainWindow::NewCircle);
    newPolygonAction = NewAction(create, tr("&POLY Map"), &MainWindow::NewPolygon);
    traceAction = NewAction(create, tr("&Trace Area"), &MainWindow::TraceArea);
    traceAction->setObjectName(QStringLiteral("traceAction"));
    create->addSeparator();
    newDefaultAreaAction = NewAction(create, tr("&Default Area"), &MainWindow::NewDefaultArea);

    QMenu *option = menuBar()->addMenu(tr("&Option"));
    fontAction = NewAction(option, tr("&Font (HTML Source)"), &MainWindow::ChooseListFont);
    colourAction = NewAction(option, tr("&Color (Map Shape)"), &MainWindow::ChooseShapeColour);
    // The style a new map is written in; a map already written keeps its own.
    QMenu *outputStyle = option->addMenu(tr("Output &Style"));
    auto *styleChoice = new QActionGroup(outputStyle);
    classicStyleAction = styleChoice->addAction(tr("&Classic"));
    classicStyleAction->setObjectName(QStringLiteral("classicStyleAction"));
    html5StyleAction = styleChoice->addAction(tr("&HTML5"));
    html5StyleAction->setObjectName(QStringLiteral("html5StyleAction"));
    for (QAction *style : {classicStyleAction, html5StyleAction})
        style->setCheckable(true);
    classicStyleAction->setChecked(true);
    outputStyle->addActions(styleChoice->actions());
    connect(html5StyleAction, &QAction::toggled, this, [this](bool html5) {
        opener_.UseStyleForNewMaps(html5 ? vemo::MapStyle::Html5 : vemo::MapStyle::Classic);
    });
    // A PNG or WebP picture is used as it is, transparency and all, instead of a JPEG made from it.
    keepPngAction = option->addAction(tr("&Keep PNG and WebP"));
    keepPngAction->setObjectName(QStringLiteral("keepPngAction"));
    keepPngAction->setCheckable(true);
    connect(keepPngAction, &QAction::toggled, this, [this](bool keep) { opener_.KeepPngAndWebp(keep); });
    // The test page, and a page the map is exported to, get the script that scales the areas with
    // a picture shown at another size than its own.
    responsiveAction = option->addAction(tr("&Responsive Output"));
    responsiveAction->setObjectName(QStringLiteral("responsiveAction"));
    responsiveAction->setCheckable(true);
    // Shapes dragged or drawn with the mouse snap to the grid; typed values never do.
    gridAction = option->addAction(tr("&Grid"));
    gridAction->setObjectName(QStringLiteral("gridAction"));
    gridAction->setCheckable(true);
    connect(gridAction, &QAction::toggled, this, [this](bool on) { view_.SetGrid(on ? gridSize_ : 0); });

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    helpAction = NewAction(help, tr("&Topics"), &MainWindow::ShowHelp);
    help->addSeparator();
    aboutAction = NewAction(help, tr("&About"), &MainWindow::ShowAbout);

    lineMenu = new QMenu(this);
    lineMenuEdit = NewAction(lineMenu, tr("&Edit this line"), &MainWindow::EditSelectedLine);
    lineMenuDelete = NewAction(lineMenu, tr("&Delete this line"), &MainWindow::DeleteSelectedLine);
    lineMenu->addSeparator();
    lineMenuTest = NewAction(lineMenu, tr("Test Image Map"), &MainWindow::TestInBrowser);
    lineMenu->addSeparator();
    lineMenuFont = NewAction(lineMenu, tr("&Font Change"), &MainWindow::ChooseListFont);
}

void MainWindow::CreateArrangeMenu(QMenu &edit)
{
    using Operation = vemo::ArrangeOperation;
    const struct {
        const char *caption;
        const char *name;
        Operation operation;
    } commands[] = {
        {QT_TR_NOOP("Align &Left"), "alignLeftAction", Operation::AlignLefts},
        {QT_TR_NOOP("Align &Right"), "alignRightAction", Operation::AlignRights},
        {QT_TR_NOOP("Align &Top"), "alignTopAction", Operation::AlignTops},
        {QT_TR_NOOP("Align &Bottom"), "alignBottomAction", Operation::AlignBottoms},
        {QT_TR_NOOP("Align &Horizontal Centres"), "alignHorizontalCentresAction", Operation::AlignHorizontalCentres},
        {QT_TR_NOOP("Align &Vertical Centres"), "alignVerticalCentresAction", Operation::AlignVerticalCentres},
        {QT_TR_NOOP("Same &Width"), "sameWidthAction", Operation::SameWidth},
        {QT_TR_NOOP("Same H&eight"), "sameHeightAction", Operation::SameHeight},
        {QT_TR_NOOP("Same &Size"), "sameSizeAction", Operation::SameSize},
        {QT_TR_NOOP("Distribute &Across"), "distributeAcrossAction", Operation::DistributeAcross},
        {QT_TR_NOOP("Distribute &Down"), "distributeDownAction", Operation::DistributeDown},
    };
    arrangeMenu = edit.addMenu(tr("&Arrange"));
    arrangeMenu->setObjectName(QStringLiteral("arrangeMenu"));
    for (const auto &command : commands) {
        if (command.operation == Operation::SameWidth || command.operation == Operation::DistributeAcross)
            arrangeMenu->addSeparator();
        QAction *action = arrangeMenu->addAction(tr(command.caption));
        action->setObjectName(QLatin1String(command.name));
        connect(action, &QAction::triggered, this, [this, operation = command.operation] {
            RunGuarded(this, [&] { groups_->Arrange(operation); });
        });
        arrangeActions.emplace_back(action, command.operation);
    }
}

void MainWindow::EnableArrangeCommands()
{
    const int selected = document_.LineCount() > 0 ? groups_->SelectedRegionCount() : 0;
    for (const auto &[action, operation] : arrangeActions)
        action->setEnabled(selected >= vemo::AreasNeeded(operation));
}

void MainWindow::CreateToolBar()
{
    struct ButtonInfo {
        PanelButton *MainWindow::*button;
        const char *caption; // English, translated when the button is made
        const char *hint; // Japanese in both languages
        ToolGlyph glyph;
        void (MainWindow::*handler)();
    };
    const ButtonInfo buttons[] = {
        {&MainWindow::openButton, QT_TR_NOOP("Open"), "新しい画像ﾌｧｲﾙを開きます", ToolGlyph::Open, &MainWindow::OpenPicture},
        {&MainWindow::saveButton, QT_TR_NOOP("Save"), "HTMLリストを保存します", ToolGlyph::Save, &MainWindow::SaveMap},
        {&MainWindow::clipButton, QT_TR_NOOP("Clip"), "HTMLリストをクリップボードにコピーします", ToolGlyph::Clip,
         &MainWindow::CopyMap},
        {&MainWindow::imageButton, QT_TR_NOOP("Image"), "画像に関する各種設定をします", ToolGlyph::Image,
         &MainWindow::EditImageProperties},
        {&MainWindow::editButton, QT_TR_NOOP("Edit"), "選択行のイメージマップの設定を編集します", ToolGlyph::Edit,
         &MainWindow::EditSelectedLine},
        {&MainWindow::rectangleButton, QT_TR_NOOP("RECT"), "新たに矩形のイメージマップを作ります", ToolGlyph::Rect,
         &MainWindow::NewRectangle},
        {&MainWindow::circleButton, QT_TR_NOOP("CIRC"), "新たに円形のイメージマップを作ります", ToolGlyph::Circle,
         &MainWindow::NewCircle},
        {&MainWindow::testButton, QT_TR_NOOP("Test"), "ＷＷＷブラウザを起動しイメージマップのテストをします", ToolGlyph::Test,
         &MainWindow::TestInBrowser},
        {&MainWindow::helpButton, QT_TR_NOOP("Help"), "取扱説明を表示します", ToolGlyph::Help, &MainWindow::ShowHelp},
    };
    for (const ButtonInfo &info : buttons) {
        const bool last = &info == &buttons[std::size(buttons) - 1];
        PanelButton *button = toolStrip->AddButton(tr(info.caption), QString::fromUtf8(info.hint), info.glyph, last);
        connect(button, &PanelButton::Clicked, this, [this, handler = info.handler] { Guarded(handler); });
        this->*info.button = button;
    }
}

void MainWindow::CreateStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setSizeGripEnabled(false);
    statusPanels_[0] = new QLabel(tr("BASE"), bar);
    statusPanels_[0]->setAlignment(Qt::AlignCenter);
    statusPanels_[0]->setFixedWidth(kBasePanelWidth);
    statusPanels_[1] = new QLabel(bar);
    bar->addWidget(statusPanels_[0]);
    bar->addWidget(statusPanels_[1], 1);
}

void MainWindow::NameParts()
{
    // Found by name from outside the window, as a user finds them by what they show.
    const std::pair<QObject *, const char *> parts[] = {
        {lineList, "lineList"}, {lineMenu, "lineMenu"}, {recentPictures, "recentPictures"}, {toolStrip, "toolStrip"},
        {openButton, "openButton"}, {saveButton, "saveButton"}, {clipButton, "clipButton"},
        {editButton, "editButton"}, {rectangleButton, "rectangleButton"}, {circleButton, "circleButton"},
        {testButton, "testButton"}, {helpButton, "helpButton"}, {imageButton, "imageButton"},
        {openAction, "openAction"}, {closeAction, "closeAction"}, {importAction, "importAction"},
        {exportAction, "exportAction"},
        {saveAction, "saveAction"}, {exitAction, "exitAction"}, {undoAction, "undoAction"},
        {redoAction, "redoAction"}, {moveUpAction, "moveUpAction"}, {moveDownAction, "moveDownAction"},
        {checkAction, "checkAction"}, {copyAction, "copyAction"}, {editAction, "editAction"},
        {deleteAction, "deleteAction"}, {imagePropertiesAction, "imagePropertiesAction"}, {testAction, "testAction"},
        {newRectangleAction, "newRectangleAction"}, {newCircleAction, "newCircleAction"},
        {newPolygonAction, "newPolygonAction"}, {newDefaultAreaAction, "newDefaultAreaAction"},
        {fontAction, "fontAction"}, {colourAction, "colourAction"}, {helpAction, "helpAction"},
        {aboutAction, "aboutAction"}, {lineMenuEdit, "lineMenuEdit"}, {lineMenuDelete, "lineMenuDelete"},
        {lineMenuTest, "lineMenuTest"}, {lineMenuFont, "lineMenuFont"}
    };
    for (const auto &[part, name] : parts)
        part->setObjectName(QLatin1String(name));
}

QString MainWindow::StatusPanel(int panel) const
{
    return statusPanels_[panel]->text();
}

void MainWindow::SetDocumentCommandsEnabled(bool enabled)
{
    for (PanelButton *button :
         {saveButton, clipButton, editButton, rectangleButton, circleButton, testButton, imageButton})
        button->setEnabled(enabled);
    for (QAction *item : {closeAction, importAction, exportAction, saveAction, copyAction, editAction, deleteAction, moveUpAction,
                          moveDownAction, imagePropertiesAction, convertStyleAction, checkAction, testAction, newRectangleAction,
                          newCircleAction, newPolygonAction, newDefaultAreaAction, lineMenuEdit, lineMenuDelete, lineMenuTest})
        item->setEnabled(enabled);
    traceAction->setEnabled(enabled);
    svgAction->setEnabled(enabled);
    for (QAction *item : {selectAllAreasAction, copyAreasAction, pasteAreasAction, duplicateAction})
        item->setEnabled(enabled);
    EnableArrangeCommands();
}

void MainWindow::EnableCommands()
{
    SetDocumentCommandsEnabled(true);
}

void MainWindow::DisableCommands()
{
    SetDocumentCommandsEnabled(false);
}

void MainWindow::SetUpAtStart()
{
    DisableCommands();
    settingsPath_ = SettingsFileLocation(environment_.programPath, environment_.userConfigFolder);
    ReadSettings();
    resize(vemo::ScaleForDpi(kDesignWidth, environment_.logicalDpi),
           vemo::ScaleForDpi(kDesignHeight, environment_.logicalDpi));
    if (IsJapanese(environment_.language))
        imageLibrary_.SetLanguage(QStringLiteral("Japanese"));
    statusBar()->setFont(ProportionalUiFont());
    firstActivation_ = true;
}

void MainWindow::ReadSettings()
{
    const EditorSettings::Values values = EditorSettings(settingsPath_).Read();
    move(values.windowPosition);
    lineList->setFont(values.listFont);
    recentPictures->SetPictures(values.recentPictures);
    keepPngAction->setChecked(values.keepPngAndWebp);
    view_.SetTraceSettings(values.traceTolerance, values.traceDistance);
    responsiveAction->setChecked(values.responsiveOutput);
    gridSize_ = values.gridSize;
    gridAction->setChecked(values.grid);
    (values.outputStyle == vemo::MapStyle::Html5 ? html5StyleAction : classicStyleAction)->setChecked(true);
}

void MainWindow::WriteSettings()
{
    EditorSettings::Values values;
    values.windowPosition = pos();
    values.listFont = lineList->font();
    values.recentPictures = recentPictures->Pictures();
    values.keepPngAndWebp = keepPngAction->isChecked();
    values.traceTolerance = view_.TraceTolerance();
    values.traceDistance = view_.TraceDistance();
    values.responsiveOutput = responsiveAction->isChecked();
    values.grid = gridAction->isChecked();
    values.gridSize = gridSize_;
    values.outputStyle = html5StyleAction->isChecked() ? vemo::MapStyle::Html5 : vemo::MapStyle::Classic;
    EditorSettings(settingsPath_).Write(values, IsJapanese(environment_.language));
}


bool MainWindow::event(QEvent *event)
{
    // The picture named on the command line opens once the window is shown, queued so the
    // window is on the screen first. Activation is not waited for (a window manager may be
    // slow to give it, or never give it), but an activation before the queued call opens it too.
    if (event->type() == QEvent::WindowActivate && firstActivation_)
        Guarded(&MainWindow::OpenCommandLinePicture);
    else if (event->type() == QEvent::Show && firstActivation_)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (firstActivation_)
                    Guarded(&MainWindow::OpenCommandLinePicture);
            },
            Qt::QueuedConnection);
    return QMainWindow::event(event);
}

void MainWindow::OpenCommandLinePicture()
{
    // Cleared first, so a failure or a message box while opening never brings us back here.
    firstActivation_ = false;
    if (environment_.arguments.isEmpty())
        return;
    const QString argument = QFileInfo(environment_.arguments.first()).absoluteFilePath();
    const QString folder = Text(vemo::FolderPart(Bytes(argument), kPaths));
    OpenPictureFile(folder + GetStoredFileName(argument));
}

void MainWindow::closeEvent(QCloseEvent *event)
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

QString MainWindow::TestPagePath() const
{
    // Beside the picture, so the page's relative picture and link names resolve as in the user's site.
    return Text(vemo::FolderPart(Bytes(document_.PicturePath()), kPaths) + kTestPageName);
}

void MainWindow::DeleteTestPage()
{
    testPages_.RemoveUnchanged();
}

void MainWindow::OpenPicture()
{
    QStringList filters;
    for (const std::string &filter : vemo::ToDialogFilters(Bytes(tr(kPictureFilter))))
        filters << Text(filter);
    QFileDialog dialog(this);
    // Kept on top like the view window, which would otherwise cover it.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        OpenPictureFile(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath());
}

void MainWindow::OpenPictureFile(const QString &openedPath)
{
    // A file that is no picture leaves the open map, its view and its history as they are; a
    // picture replaces the map only once the user has let it close, and only then is anything
    // written for it.
    const std::optional<QImage> picture = opener_.Decode(openedPath);
    if (!picture || !CloseMap())
        return;
    std::optional<PictureOpener::Opened> opened = opener_.Open(openedPath, *picture);
    if (!opened)
        return;

    const std::string path = Bytes(opened->picturePath);
    view_.setWindowTitle(
        tr("%1 in %2").arg(Text(vemo::FileNamePart(path, kPaths)), Text(vemo::FolderForDisplay(path, kPaths))));
    // The view takes the room beside this window, so the list and the tool bar stay in sight.
    view_.KeepClearOf(isVisible() ? frameGeometry() : QRect(), geometry());
    view_.FitToPicture();
    view_.SetStatusPanel(
        1, QStringLiteral("%1 %2 x %3").arg(QLatin1String(opened->kind)).arg(opened->width).arg(opened->height));
    view_.show();
    view_.raise();
    EnableCommands();

    document_.Load(opened->picturePath, QSize(opened->width, opened->height), opened->mapFilePath, opened->mapName,
                   std::move(opened->text));
    recentPictures->Remember(openedPath);
    statusPanels_[1]->setText(Text(vemo::LinkBaseFolder(path, kPaths)));
}

void MainWindow::WriteMapFile()
{
    if (!document_.Save())
        throw std::runtime_error(Bytes(tr("Cannot write %1").arg(document_.MapFilePath())));
}

bool MainWindow::CloseMap()
{
    const MessageButtons buttons = static_cast<int>(MessageButton::Yes) | static_cast<int>(MessageButton::No)
                                   | static_cast<int>(MessageButton::Cancel);
    // Asked over the window the user works in: this one is hidden while an area dialog is up,
    // and then only closing the view brings us here.
    QWidget *asker = isVisible() ? static_cast<QWidget *>(this) : &view_;
    // A region still in its dialog is in no line yet, so the map's own question would miss it.
    if (AreaDialog *dialog = areas_->OpenDialog()) {
        const MessageButton answer =
            ShowMessageBox(asker, MessageKind::Warning, tr("This region is not set yet!!\r\nDo you set it now?"), buttons);
        if (answer == MessageButton::Cancel)
            return false;
        // A Set that the dialog refused leaves the map open, with the edit where it was.
        if (answer == MessageButton::Yes && !dialog->Set())
            return false;
    }
    if (document_.Modified()) {
        const MessageButton answer =
            ShowMessageBox(asker, MessageKind::Warning, tr("This image map is changed!!\r\nDo you save now?"), buttons);
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

void MainWindow::ClosePicture()
{
    CloseMap();
}

void MainWindow::ImportMapFromPage()
{
    importer_->ChooseAndImport();
}

void MainWindow::ExportMapToPage()
{
    exporter_->ChooseAndExport(responsiveAction->isChecked());
}

void MainWindow::ExportSvgOverlay()
{
    svgExporter_->ChooseAndExport();
}

void MainWindow::SaveMap()
{
    WriteMapFile();
    statusBar()->showMessage(tr("Saved %1").arg(document_.MapFilePath()), kReportMilliseconds);
}

void MainWindow::CopyMap()
{
    QApplication::clipboard()->setText(document_.Codec().Text(vemo::JoinMapFileLines(document_.Lines())));
    statusBar()->showMessage(tr("Copied %1 lines to the clipboard").arg(document_.LineCount()), kReportMilliseconds);
}

void MainWindow::MoveSelectedLine(int step)
{
    const int index = lineList->SelectedIndex();
    const int target = vemo::MovedLineIndex(index, step, document_.Lines());
    if (target < 0)
        return;
    document_.MoveLine(index, target);
    lineList->SelectLine(target);
}

void MainWindow::MoveSelectedLineUp()
{
    MoveSelectedLine(-1);
}

void MainWindow::MoveSelectedLineDown()
{
    MoveSelectedLine(+1);
}

void MainWindow::Exit()
{
    close();
}

void MainWindow::NewRectangle()
{
    areas_->NewRectangle();
}

void MainWindow::NewCircle()
{
    areas_->NewCircle();
}

void MainWindow::NewPolygon()
{
    statusBar()->showMessage(tr("Click the polygon's corners on the picture; a double click, Enter or a click on the "
                                "first corner closes it, Esc gives it up."));
    areas_->NewPolygon();
}

void MainWindow::TraceArea()
{
    statusBar()->showMessage(tr("Click a region of the picture to make an area of its outline; the tolerance is "
                                "beside the zoom, Esc ends tracing."));
    areas_->StartTracing();
}

void MainWindow::NewDefaultArea()
{
    areas_->NewOrOpenDefaultArea();
}

void MainWindow::EditSelectedLine()
{
    areas_->EditSelectedLine();
}

void MainWindow::SelectAllAreas()
{
    groups_->SelectAllAreas();
}

void MainWindow::CopyAreas()
{
    if (groups_->CopySelected())
        statusBar()->showMessage(tr("Copied the selected areas to the clipboard"), kReportMilliseconds);
}

void MainWindow::PasteAreas()
{
    groups_->Paste();
}

void MainWindow::DuplicateAreas()
{
    groups_->DuplicateSelected();
}

void MainWindow::DeleteSelectedLine()
{
    if (groups_->SeveralSelected()) {
        groups_->DeleteSelected();
        return;
    }
    const int index = lineList->SelectedIndex();
    if (vemo::IsProtectedLine(index, document_.LineCount()))
        return;
    document_.RemoveLine(index);
    lineList->SelectLine(-1);
}

void MainWindow::ShowSelectedArea()
{
    areas_->ShowSelectedArea();
}

void MainWindow::EditImageProperties()
{
    ImagePropertiesDialog *dialog = imagePropertiesDialog_.get();
    const TextCodec &codec = document_.Codec();
    // A BORDER that is no number stops here, before the dialog shows.
    dialog->ShowProperties(document_.PicturePath(), vemo::ReadImageLine(document_.LineAt(0)), codec);
    if (dialog->exec() == QDialog::Accepted) {
        const int selected = lineList->SelectedIndex();
        const std::string mapName = dialog->MapNameValue();
        const QString fileName = Text(vemo::FileNamePart(Bytes(document_.PicturePath()), kPaths));
        document_.ReplaceImageAndMapLines(
            vemo::ImageLine(codec.AttributeValue(fileName), dialog->AltValue(),
                            Bytes(dialog->BorderText()), vemo::DecimalText(document_.PictureSize().width()),
                            vemo::DecimalText(document_.PictureSize().height()), mapName, document_.Style()),
            vemo::MapStartLine(mapName, document_.Style()));
        lineList->SelectLine(selected);
    }
    document_.KeepImageProperties(dialog->Border(), dialog->MapNameText());
}

void MainWindow::ConvertMapStyle()
{
    const int selected = lineList->SelectedIndex();
    document_.ConvertToStyle(document_.Style() == vemo::MapStyle::Html5 ? vemo::MapStyle::Classic
                                                                        : vemo::MapStyle::Html5);
    lineList->SelectLine(selected);
}

void MainWindow::ChooseListFont()
{
    // Kept on top like the view window, which would otherwise cover it; cancel keeps the font.
    QFontDialog dialog(lineList->font(), this);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() == QDialog::Accepted)
        lineList->setFont(dialog.selectedFont());
}

void MainWindow::ChooseShapeColour()
{
    // Kept on top like the view window, which would otherwise cover it. A cancelled dialog leaves
    // the colour at what it was given, for the handles too.
    QColorDialog dialog(view_.ShapeColor(), this);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() == QDialog::Accepted)
        view_.SetShapeColor(dialog.selectedColor());
}

void MainWindow::ShowAbout()
{
    aboutBox_->exec();
}

std::vector<vemo::Finding> MainWindow::Findings() const
{
    return MapCheckWindow::Findings(document_);
}

void MainWindow::CheckMap()
{
    // Shown, the window checks the map, and then again after every change.
    checkWindow_->show();
    checkWindow_->raise();
}

void MainWindow::TestInBrowser()
{
    // A map that the check finds fault with is offered the check first: it says why the test
    // may not behave as the user expects.
    const std::vector<vemo::Finding> findings = Findings();
    if (!findings.empty()) {
        const QString question =
            tr("The map check found %1 problems.\r\nDo you see them before the test?").arg(findings.size());
        const MessageButtons buttons = static_cast<int>(MessageButton::Yes) | static_cast<int>(MessageButton::No);
        if (ShowMessageBox(this, MessageKind::Confirmation, question, buttons) == MessageButton::Yes) {
            CheckMap();
            return;
        }
    }
    const QString page = TestPagePath();
    const std::string text = vemo::TestPageText(document_.Lines(), responsiveAction->isChecked());
    switch (testPages_.Write(page, QByteArray::fromStdString(text))) {
    case TestPageFiles::WriteResult::Written:
        break;
    case TestPageFiles::WriteResult::NotPlainFile:
        throw std::runtime_error(Bytes(tr("Cannot write %1: it is a link or not a regular file").arg(page)));
    case TestPageFiles::WriteResult::Failed:
        throw std::runtime_error(Bytes(tr("Cannot write %1").arg(page)));
    }
    browser_->Open(page);
}

void MainWindow::ShowHelp()
{
    const QString folder = Text(vemo::FolderPart(Bytes(environment_.programPath), kPaths) + kHelpFolder);
    const QString index = QDir(folder).filePath(QString::fromLatin1(kHelpIndex));
    if (!QFileInfo(index).isFile()) {
        ShowMessageBox(this, MessageKind::Error, tr("Help pages not found: %1").arg(index),
                   static_cast<int>(MessageButton::Ok));
        return;
    }
    browser_->Open(index);
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
