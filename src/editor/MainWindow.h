#pragma once
// The main window: shows the map's lines in its list and runs the commands on the map.
#include <QMainWindow>

#include <memory>

#include "desktop/StartupEnvironment.h"
#include "editor/TestPageFiles.h"
#include "widgets/PanelButton.h"

class AreaEditor;
class ImageLibrary;
class MapDocument;
class QAction;
class QLabel;
class QMenu;
class TAboutFrm;
class TImgPropFrm;
class TMapListBox;
class TViewFrm;

class TMainFrm : public QMainWindow {
    Q_OBJECT
public:
    TMainFrm(MapDocument &document, TViewFrm &view, ImageLibrary &imageLibrary, const StartupEnvironment &environment,
             QWidget *parent = nullptr);
    ~TMainFrm() override;

    // Opens the picture at path and its map (from the side file, or three new lines).
    void OpenImage(const QString &path);
    // Closes the document, asking to save a modified map; false when the user cancelled.
    bool CloseMap();
    void EnableCommands();
    void DisableCommands();

    // Command handlers; the tool button, menu item and pop-up item of a command share one.
    void Open1Click();
    void Close1Click();
    void Save1Click();
    void Copy1Click();
    void Exit1Click();
    void ListBox1Click();
    void PanelButton4Click();
    void Delete1Click();
    void PanelButton9Click();
    void Rect1Click();
    void Circle1Click();
    void PanelButton7Click();
    void TopicsClick();
    void Font1Click();
    void Color1Click();
    void About1Click();

    QString StatusPanel(int panel) const;

    AreaEditor &Areas() { return *areas_; }
    TImgPropFrm &ImagePropertyDialog() { return *imgPropFrm_; }
    TAboutFrm &AboutBox() { return *aboutFrm_; }
    // Where the settings are read from and written to.
    const QString &SettingsPath() const { return iniFileName_; }
    // The picture named on the command line is still to be opened, at the first activation.
    bool OpensPictureOnActivation() const { return firstActivation_; }

    TMapListBox *ListBox1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QWidget *Panel1 = nullptr; // the tool bar strip above the list
    TPanelButton *PanelButton1 = nullptr, *PanelButton2 = nullptr, *PanelButton3 = nullptr,
                 *PanelButton4 = nullptr, *PanelButton5 = nullptr, *PanelButton6 = nullptr,
                 *PanelButton7 = nullptr, *PanelButton8 = nullptr, *PanelButton9 = nullptr;
    QAction *Open1 = nullptr, *Close1 = nullptr, *Save1 = nullptr, *Exit1 = nullptr;
    QAction *Copy1 = nullptr, *Edit2 = nullptr, *Delete1 = nullptr, *ImageProperty = nullptr, *Test1 = nullptr;
    QAction *Rect1 = nullptr, *Circle1 = nullptr;
    QAction *Font1 = nullptr, *Color1 = nullptr, *Topics = nullptr, *About1 = nullptr;
    QAction *EditLine1 = nullptr, *Delete2 = nullptr, *TestImageMap1 = nullptr, *FontChange1 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void FormCreate();
    void FormActivate();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void SetDocumentCommandsEnabled(bool enabled);
    // Runs a handler under the general error report.
    void Guarded(void (TMainFrm::*handler)());
    QAction *NewAction(QMenu *menu, const char *caption, void (TMainFrm::*handler)());

    // Writes the picture as JPEG beside it; false when the user keeps an unrelated JPEG there.
    bool ConvertToJpeg(const QString &sourcePath, const QString &jpegPath);
    // Writes the side file whole, or raises "Cannot write <path>" leaving the old file as it was.
    void WriteMapFile();
    QString TestPagePath() const;
    void ReadSettings();
    void WriteSettings();
    void DeleteTestPage();

    MapDocument &document_;
    TViewFrm &view_;
    ImageLibrary &imageLibrary_;
    StartupEnvironment environment_;
    QString iniFileName_;
    bool firstActivation_ = false;
    TestPageFiles testPages_;
    QLabel *statusPanels_[2] = {nullptr, nullptr};
    std::unique_ptr<AreaEditor> areas_;
    std::unique_ptr<TImgPropFrm> imgPropFrm_;
    std::unique_ptr<TAboutFrm> aboutFrm_;
};

// The name of the first directory entry matching path (which may hold wildcards), as stored
// on disk; empty when nothing matches.
QString GetStoredFileName(const QString &path);
