#pragma once
// The main window: holds the map document in its list and runs the document commands.
#include <QMainWindow>

#include <string>

#include "app/StartupEnvironment.h"
#include "app/TextCodec.h"
#include "core/AreaGeometry.h"
#include "map/TestPageFiles.h"
#include "view/OutlineGeometry.h"
#include "widgets/PanelButton.h"
#include "widgets/Shape.h"

class QAction;
class QLabel;
class QMenu;
class TAreaDialog;
class TMapListBox;
struct EditorState;

class TMainFrm : public QMainWindow {
    Q_OBJECT
public:
    TMainFrm(EditorState &state, const StartupEnvironment &environment, QWidget *parent = nullptr);

    // Opens the picture at path and its map (from the side file, or three new lines).
    void OpenImage(const QString &path);
    // Closes the document, asking to save a modified map; false when the user cancelled.
    bool CloseMap();
    void EnableCommands();
    void DisableCommands();
    // Puts an area line made in a dialog into the map: in place of the selected line when an
    // edit is under way, else as a new line before the map end line. Selects it.
    void PutAreaLine(const std::string &line);

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
    void WriteMapFile();
    // Replaces the file whole, or raises "Cannot write <path>" leaving the old file as it was.
    void ReplaceFile(const QString &path, const QByteArray &bytes) const;
    QString TestPagePath() const;
    // Hides this window and shows an area dialog in its place.
    void OpenAreaDialog(QWidget *dialog);
    // Puts a new shape at box for the user to move and size, with its dialog.
    void StartNewArea(Shape::Kind kind, const vemo::Box &box, TcrStyle cornerResize, TAreaDialog *dialog);
    void ReadSettings();
    void WriteSettings();
    void DeleteTestPage();

    EditorState &state_;
    StartupEnvironment environment_;
    TestPageFiles testPages_;
    QLabel *statusPanels_[2] = {nullptr, nullptr};
    // The encoding of the open map's lines: its side file's, or UTF-8 for a new map.
    TextCodec mapCodec_;
};

// The name of the first directory entry matching path (which may hold wildcards), as stored
// on disk; empty when nothing matches.
QString GetStoredFileName(const QString &path);
