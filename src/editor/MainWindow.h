#pragma once
// The main window: shows the map's lines in its list and runs the commands on the map.
#include <QMainWindow>

#include <memory>
#include <utility>
#include <vector>

#include "core/AreaArrange.h"
#include "core/MapCheck.h"
#include "desktop/StartupEnvironment.h"
#include "editor/PictureOpener.h"
#include "editor/TestPageFiles.h"
#include "widgets/PanelButton.h"

class AreaEditor;
class AreaGroupCommands;
class BrowserOpener;
class ImageLibrary;
class MapDocument;
class QAction;
class QLabel;
class QMenu;
class AboutBox;
class ImagePropertiesDialog;
class MapCheckWindow;
class MapListBox;
class PageExporter;
class PageImporter;
class RecentPictureMenu;
class SvgOverlayExporter;
class ToolStrip;
class ViewWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(MapDocument &document, ViewWindow &view, ImageLibrary &imageLibrary,
               const StartupEnvironment &environment, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens the picture at path and its map (from the side file, or three new lines).
    void OpenPictureFile(const QString &path);
    // Closes the document, asking to save a modified map; false when the user cancelled.
    bool CloseMap();
    void EnableCommands();
    void DisableCommands();

    // Command handlers; the tool button, menu item and pop-up item of a command share one.
    void OpenPicture();
    void ClosePicture();
    void ImportMapFromPage();
    void ExportMapToPage();
    void ExportSvgOverlay();
    void SaveMap();
    void CopyMap();
    void Exit();
    void ShowSelectedArea();
    void EditSelectedLine();
    void DeleteSelectedLine();
    // The commands on the areas selected together (AreaGroupCommands).
    void SelectAllAreas();
    void CopyAreas();
    void PasteAreas();
    void DuplicateAreas();
    // Moves the selected area line one line up or down among the area lines.
    void MoveSelectedLineUp();
    void MoveSelectedLineDown();
    // Lists what is wrong with the map in the check window.
    void CheckMap();
    void EditImageProperties();
    // Rewrites every line of the map in the other style, as one step to undo.
    void ConvertMapStyle();
    void NewRectangle();
    void NewCircle();
    void NewPolygon();
    void TraceArea();
    void NewDefaultArea();
    void TestInBrowser();
    void ShowHelp();
    void ChooseListFont();
    void ChooseShapeColour();
    void ShowAbout();

    QString StatusPanel(int panel) const;

    AreaEditor &Areas() { return *areas_; }
    ImagePropertiesDialog &ImageProperties() { return *imagePropertiesDialog_; }
    AboutBox &About() { return *aboutBox_; }
    MapCheckWindow &CheckWindow() { return *checkWindow_; }
    PageImporter &Importer() { return *importer_; }
    PageExporter &Exporter() { return *exporter_; }
    // Where the settings are read from and written to.
    const QString &SettingsPath() const { return settingsPath_; }
    // The picture named on the command line is still to be opened, once the window is shown.
    bool OpensPictureOnActivation() const { return firstActivation_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    MapListBox *lineList = nullptr;
    QMenu *lineMenu = nullptr;
    RecentPictureMenu *recentPictures = nullptr; // in the File menu
    ToolStrip *toolStrip = nullptr; // the tool bar above the list
    PanelButton *openButton = nullptr, *saveButton = nullptr, *clipButton = nullptr, *editButton = nullptr,
                *rectangleButton = nullptr, *circleButton = nullptr, *testButton = nullptr, *helpButton = nullptr,
                *imageButton = nullptr;
    QAction *openAction = nullptr, *closeAction = nullptr, *importAction = nullptr, *exportAction = nullptr,
            *saveAction = nullptr,
            *exitAction = nullptr;
    QAction *undoAction = nullptr, *redoAction = nullptr, *moveUpAction = nullptr, *moveDownAction = nullptr;
    QAction *checkAction = nullptr;
    QAction *copyAction = nullptr, *editAction = nullptr, *deleteAction = nullptr, *imagePropertiesAction = nullptr,
            *testAction = nullptr;
    QAction *newRectangleAction = nullptr, *newCircleAction = nullptr, *newPolygonAction = nullptr,
            *newDefaultAreaAction = nullptr;
    QAction *keepPngAction = nullptr;
    QAction *selectAllAreasAction = nullptr, *copyAreasAction = nullptr, *pasteAreasAction = nullptr,
            *duplicateAction = nullptr;
    QMenu *arrangeMenu = nullptr;
    QAction *gridAction = nullptr;
    std::vector<std::pair<QAction *, vemo::ArrangeOperation>> arrangeActions;
    QAction *traceAction = nullptr;
    QAction *responsiveAction = nullptr, *svgAction = nullptr;
    QAction *convertStyleAction = nullptr, *classicStyleAction = nullptr, *html5StyleAction = nullptr;
    QAction *fontAction = nullptr, *colourAction = nullptr, *helpAction = nullptr, *aboutAction = nullptr;
    QAction *lineMenuEdit = nullptr, *lineMenuDelete = nullptr, *lineMenuTest = nullptr, *lineMenuFont = nullptr;

    void SetUpAtStart();
    void OpenCommandLinePicture();
    void CreateMenus();
    void CreateArrangeMenu(QMenu &edit);
    // Each arrange command is offered while enough areas are selected for it.
    void EnableArrangeCommands();
    void CreateToolBar();
    void CreateStatusBar();
    // Gives the list, the menus' commands and the tool buttons the names they are found by.
    void NameParts();
    void SetDocumentCommandsEnabled(bool enabled);
    // Runs a handler under the general error report.
    void Guarded(void (MainWindow::*handler)());
    QAction *NewAction(QMenu *menu, const QString &caption, void (MainWindow::*handler)());

    // Writes the side file whole, or raises "Cannot write <path>" leaving the old file as it was.
    void WriteMapFile();
    QString TestPagePath() const;
    void MoveSelectedLine(int step);
    // What the map check finds in the open map, against the picture's size.
    std::vector<vemo::Finding> Findings() const;

    void ReadSettings();
    void WriteSettings();
    void DeleteTestPage();

    MapDocument &document_;
    ViewWindow &view_;
    ImageLibrary &imageLibrary_;
    StartupEnvironment environment_;
    PictureOpener opener_;
    QString settingsPath_;
    bool firstActivation_ = false;
    int gridSize_ = 0; // picture pixels, from the settings
    TestPageFiles testPages_;
    QLabel *statusPanels_[2] = {nullptr, nullptr};
    std::unique_ptr<AreaEditor> areas_;
    std::unique_ptr<AreaGroupCommands> groups_;
    std::unique_ptr<ImagePropertiesDialog> imagePropertiesDialog_;
    std::unique_ptr<AboutBox> aboutBox_;
    std::unique_ptr<MapCheckWindow> checkWindow_;
    std::unique_ptr<BrowserOpener> browser_;
    std::unique_ptr<PageImporter> importer_;
    std::unique_ptr<PageExporter> exporter_;
    std::unique_ptr<SvgOverlayExporter> svgExporter_;

};

// The name of the first directory entry matching path (which may hold wildcards), as stored
// on disk; empty when nothing matches.
QString GetStoredFileName(const QString &path);
