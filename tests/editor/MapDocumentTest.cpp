// The map document's life: side file loading and saving, the save question, the clipboard,
// and which commands are enabled.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

#include <functional>

#include "EditorFixture.h"
#include "ModalAnswerer.h"
#include "TestPictures.h"

namespace {

const QString kYes = QStringLiteral("はい(&Y)");
const QString kNo = QStringLiteral("いいえ(&N)");
const QString kCancel = QStringLiteral("ｷｬﾝｾﾙ");

// Every change goes through the document: each one marks the map modified and is reported;
// loading and saving clear the mark, and a save that fails keeps it and the file.
TEST(MapDocumentVerbsTest, EveryChangeMarksTheMapModifiedAndIsReported)
{
    QTemporaryDir folder;
    const QString side = folder.filePath("pic.vmo");
    const struct {
        const char *verb;
        std::function<void(MapDocument &)> change;
        std::vector<std::string> lines;
    } cases[] = {
        {"insert", [](MapDocument &d) { d.InsertLine(2, "<AREA>"); }, {"<IMG>", "<MAP>", "<AREA>", "</MAP>"}},
        {"replace", [](MapDocument &d) { d.ReplaceLine(1, "<MAP NAME=x>"); }, {"<IMG>", "<MAP NAME=x>", "</MAP>"}},
        {"remove", [](MapDocument &d) { d.RemoveLine(1); }, {"<IMG>", "</MAP>"}},
        {"image lines", [](MapDocument &d) { d.ReplaceImageAndMapLines("<IMG B>", "<MAP B>"); },
         {"<IMG B>", "<MAP B>", "</MAP>"}},
        {"import", [](MapDocument &d) { d.ReplaceAreaLines({"<A1>", "<A2>"}); },
         {"<IMG>", "<MAP>", "<A1>", "<A2>", "</MAP>"}},
        {"mark", [](MapDocument &d) { d.MarkModified(); }, {"<IMG>", "<MAP>", "</MAP>"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.verb);
        MapDocument document;
        document.Load(folder.filePath("pic.gif"), QSize(10, 10), side, "pic",
                      {{"<IMG>", "<MAP>", "</MAP>"}, TextCodec()});
        QSignalSpy changed(&document, &MapDocument::Changed);
        c.change(document);
        EXPECT_EQ(document.Lines(), c.lines);
        EXPECT_TRUE(document.Modified());
        EXPECT_EQ(changed.count(), 1);

        ASSERT_TRUE(document.Save());
        EXPECT_FALSE(document.Modified());
        EXPECT_EQ(MapDocument::ReadSideFile(side)->lines, c.lines);
    }

    MapDocument blocked;
    ASSERT_TRUE(QDir(folder.path()).mkdir("blocked.vmo"));
    blocked.Load(folder.filePath("blocked.gif"), QSize(10, 10), folder.filePath("blocked.vmo"), "blocked",
                 {{"<IMG>"}, TextCodec()});
    blocked.MarkModified();
    EXPECT_FALSE(blocked.Save());
    EXPECT_TRUE(blocked.Modified());
    EXPECT_FALSE(MapDocument::ReadSideFile(folder.filePath("blocked.vmo")));
}

// Imported areas go between the map start line and the map end line, wherever the end line
// stands; what follows it stays.
TEST(MapDocumentVerbsTest, ImportedAreasReplaceTheAreasUpToTheMapEndLine)
{
    using Lines = std::vector<std::string>;
    const struct {
        const char *map;
        Lines loaded;
        Lines imported;
    } cases[] = {
        {"a blank line after the end line", {"<IMG>", "<MAP>", "<A0>", "</MAP>", ""},
         {"<IMG>", "<MAP>", "<A1>", "</MAP>", ""}},
        {"an end line in lower case with spaces, then more lines", {"<IMG>", "<MAP>", " </map> ", "", "x"},
         {"<IMG>", "<MAP>", "<A1>", " </map> ", "", "x"}},
        {"no end line: the last line stands in its place", {"<IMG>", "<MAP>", "<A0>", "<A9>"},
         {"<IMG>", "<MAP>", "<A1>", "<A9>"}},
        {"two lines", {"<IMG>", "<MAP>"}, {"<IMG>", "<MAP>", "<A1>"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.map);
        MapDocument document;
        document.Load("pic.gif", QSize(10, 10), "pic.vmo", "pic", {c.loaded, TextCodec()});
        document.ReplaceAreaLines({"<A1>"});
        EXPECT_EQ(document.Lines(), c.imported);
        document.History().undo();
        EXPECT_EQ(document.Lines(), c.loaded);
    }
}

// Each change is one step of the history: undo takes it back, redo does it again, and the map
// is modified exactly when it differs from what was loaded or saved.
TEST(MapDocumentVerbsTest, EveryChangeUndoesAndRedoesAndUndoingToTheSaveClearsTheMark)
{
    QTemporaryDir folder;
    const std::vector<std::string> loaded{"<IMG>", "<MAP>", "<A1>", "<A2>", "</MAP>"};
    const struct {
        const char *undoText;
        std::function<void(MapDocument &)> change;
    } cases[] = {
        {"New Area", [](MapDocument &d) { d.InsertLine(4, "<A3>"); }},
        {"Edit Area", [](MapDocument &d) { d.ReplaceLine(2, "<B1>"); }},
        {"Delete Area", [](MapDocument &d) { d.RemoveLine(3); }},
        {"Move Area Down", [](MapDocument &d) { d.MoveLine(2, 3); }},
        {"Move Area Up", [](MapDocument &d) { d.MoveLine(3, 2); }},
        {"Image Property", [](MapDocument &d) { d.ReplaceImageAndMapLines("<IMG B>", "<MAP B>"); }},
        {"Import Map", [](MapDocument &d) { d.ReplaceAreaLines({"<C1>"}); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.undoText);
        MapDocument document;
        document.Load(folder.filePath("pic.gif"), QSize(10, 10), folder.filePath("pic.vmo"), "pic",
                      {loaded, TextCodec()});
        EXPECT_FALSE(document.History().canUndo());
        c.change(document);
        const std::vector<std::string> changed = document.Lines();
        EXPECT_NE(changed, loaded);
        EXPECT_EQ(document.History().undoText(), c.undoText);

        document.History().undo();
        EXPECT_EQ(document.Lines(), loaded);
        EXPECT_FALSE(document.Modified());
        document.History().redo();
        EXPECT_EQ(document.Lines(), changed);
        EXPECT_TRUE(document.Modified());

        ASSERT_TRUE(document.Save());
        document.History().undo();
        EXPECT_TRUE(document.Modified()) << "the loaded lines are not the saved ones";
        document.History().redo();
        EXPECT_FALSE(document.Modified()) << "back at the save";
        EXPECT_EQ(MapDocument::ReadSideFile(folder.filePath("pic.vmo"))->lines, changed) << "undo never writes";
    }
}

class MapDocumentTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        Start();
        ASSERT_TRUE(testpics::MakePicture(Path("one.gif"), 30, 20));
        ASSERT_TRUE(testpics::MakePicture(Path("two.gif"), 50, 40));
    }
};

TEST_F(MapDocumentTest, SideFileIsLoadedLineForLineAndSavedWithCrLf)
{
    // Blank lines, LF-only and CR-only ends, a last line without an end, and bytes that are
    // not valid in the display encoding (Shift-JIS) must all survive a load and a save.
    const QByteArray sideFile = "<IMG SRC=\"one.gif\">\n\n<MAP NAME=\"one\">\r"
                                "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"\x95\x5C\x8E\xA6\">\r\n"
                                "</MAP>";
    ASSERT_TRUE(testpics::WriteBytes(Path("one.vmo"), sideFile));
    Main().OpenPictureFile(Path("one.gif"));

    ASSERT_EQ(List()->count(), 5);
    EXPECT_EQ(Document().LineAt(1), "");
    EXPECT_EQ(Document().LineAt(2), "<MAP NAME=\"one\">");
    EXPECT_EQ(Document().LineAt(4), "</MAP>");

    Document().MarkModified();
    Main().SaveMap();
    EXPECT_FALSE(Document().Modified());
    EXPECT_EQ(testpics::ReadBytes(Path("one.vmo")),
              QByteArray("<IMG SRC=\"one.gif\">\r\n\r\n<MAP NAME=\"one\">\r\n"
                         "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"\x95\x5C\x8E\xA6\">\r\n"
                         "</MAP>\r\n"));
}

TEST_F(MapDocumentTest, CopyPutsEveryLineWithCrLfOnTheClipboard)
{
    Main().OpenPictureFile(Path("one.gif"));
    Main().CopyMap();
    EXPECT_EQ(QApplication::clipboard()->text(),
              "<IMG SRC=\"one.gif\" ALT=\"one.gif\" BORDER=\"0\" WIDTH=30 HEIGHT=20 USEMAP=\"#one\">\r\n"
              "<MAP NAME=\"one\">\r\n</MAP>\r\n");
    EXPECT_FALSE(Document().Modified());

    Main().CloseMap();
    Main().CopyMap();
    EXPECT_EQ(QApplication::clipboard()->text(), "");
}

TEST_F(MapDocumentTest, SaveQuestionOnOpeningAnotherPicture)
{
    Main().OpenPictureFile(Path("one.gif"));
    Document().ReplaceLine(1, "<MAP NAME=\"changed\">");

    {
        ModalAnswerer cancel({kCancel});
        Main().OpenPictureFile(Path("two.gif"));
        ASSERT_EQ(cancel.Seen().size(), 1);
        EXPECT_EQ(cancel.Seen()[0].title, "警告");
        EXPECT_EQ(cancel.Seen()[0].text, "This image map is changed!!\r\nDo you save now?");
        QStringList buttons = cancel.Seen()[0].buttons;
        buttons.sort();
        QStringList expected{kYes, kNo, kCancel};
        expected.sort();
        EXPECT_EQ(buttons, expected);
    }
    EXPECT_EQ(Document().PicturePath(), Path("one.gif")) << "Cancel keeps the current document";
    EXPECT_TRUE(Document().Modified());
    EXPECT_EQ(Document().LineAt(1), "<MAP NAME=\"changed\">");

    {
        ModalAnswerer no({kNo});
        Main().OpenPictureFile(Path("two.gif"));
        EXPECT_EQ(no.Seen().size(), 1);
    }
    EXPECT_FALSE(QFileInfo::exists(Path("one.vmo"))) << "No discards the changes";
    EXPECT_EQ(Document().PicturePath(), Path("two.gif"));
    EXPECT_FALSE(Document().Modified());

    Document().MarkModified();
    {
        ModalAnswerer yes({kYes});
        Main().OpenPictureFile(Path("one.gif"));
        EXPECT_EQ(yes.Seen().size(), 1);
    }
    EXPECT_TRUE(QFileInfo::exists(Path("two.vmo"))) << "Yes saves before closing";
    EXPECT_EQ(Document().PicturePath(), Path("one.gif"));
}

TEST_F(MapDocumentTest, SaveQuestionIsAskedInJapanese)
{
    environment.language = "ja";
    Start();
    Main().OpenPictureFile(Path("one.gif"));
    Document().MarkModified();
    ModalAnswerer no({kNo});
    EXPECT_TRUE(Main().CloseMap());
    ASSERT_EQ(no.Seen().size(), 1);
    EXPECT_EQ(no.Seen()[0].text, "イメージマップに変更が加えられました。\r\n今ここで保存しますか？");
}

TEST_F(MapDocumentTest, AfterSavingCloseAsksNothing)
{
    Main().OpenPictureFile(Path("one.gif"));
    Document().MarkModified();
    Main().SaveMap();
    ModalAnswerer answerer({kCancel});
    EXPECT_TRUE(Main().CloseMap());
    EXPECT_TRUE(answerer.Seen().isEmpty());
}

TEST_F(MapDocumentTest, FailedSaveIsReportedAndKeepsTheMapModified)
{
    Main().OpenPictureFile(Path("one.gif"));
    Document().MarkModified();
    ASSERT_TRUE(QDir(dir.path()).mkdir("one.vmo")); // a folder where the side file goes

    ModalAnswerer answerer;
    Action(Main(), "saveAction")->trigger();
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].title, "Vemo-Editor");
    EXPECT_EQ(answerer.Seen()[0].text, "Cannot write " + Document().MapFilePath() + ".");
    EXPECT_TRUE(Document().Modified());
}

TEST_F(MapDocumentTest, FailedSaveWhileClosingKeepsTheDocument)
{
    Main().OpenPictureFile(Path("one.gif"));
    Document().MarkModified();
    ASSERT_TRUE(QDir(dir.path()).mkdir("one.vmo")); // a folder where the side file goes

    ModalAnswerer answerer({kYes, "OK"});
    Action(Main(), "closeAction")->trigger();
    EXPECT_EQ(answerer.Seen().size(), 2);
    EXPECT_EQ(List()->count(), 3);
    EXPECT_TRUE(editor->View().isVisible());
    EXPECT_TRUE(Document().Modified());
}

TEST_F(MapDocumentTest, SaveReplacesTheOldFileWhole)
{
    ASSERT_TRUE(testpics::WriteBytes(Path("one.vmo"), QByteArray(5000, 'x') + "\r\n"));
    Main().OpenPictureFile(Path("one.gif"));
    Document().ReplaceLine(0, "short"); // the file's one line
    Main().SaveMap();
    EXPECT_EQ(testpics::ReadBytes(Path("one.vmo")), QByteArray("short\r\n"));
}

TEST_F(MapDocumentTest, OddSideFilesComeBackByteForByte)
{
    QByteArray manyLines;
    for (int i = 0; i < 200000; ++i)
        manyLines += "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"" + QByteArray::number(i) + ".htm\" ALT=\"\">\r\n";
    const struct {
        const char *what;
        QByteArray bytes;
        int lines;
    } cases[] = {
        {"NUL bytes", QByteArray("<MAP\0NAME>\r\n\0\r\n", 15), 2},
        {"invalid UTF-8", "ALT=\"\xFF\xFE\xC3\x28\xE2\x82\"\r\n\x80\r\n", 2},
        {"a 10 MB line", QByteArray(10 * 1024 * 1024, 'a') + "\r\n", 1},
        {"200 000 lines", manyLines, 200000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(testpics::WriteBytes(Path("one.vmo"), c.bytes));
        Main().OpenPictureFile(Path("one.gif"));
        EXPECT_EQ(List()->count(), c.lines);
        Document().MarkModified();
        Main().SaveMap();
        EXPECT_EQ(testpics::ReadBytes(Path("one.vmo")), c.bytes);
        Main().ClosePicture();
    }
}

TEST_F(MapDocumentTest, DocumentCommandsFollowTheDocument)
{
    const QList<PanelButton *> buttons =
        AllNamed<PanelButton>(Main(), {"saveButton", "clipButton", "editButton", "rectangleButton", "circleButton",
                                       "testButton", "imageButton"});
    const QList<QAction *> items =
        AllNamed<QAction>(Main(), {"closeAction", "saveAction", "copyAction", "editAction", "deleteAction",
                                   "imagePropertiesAction", "testAction", "newRectangleAction", "newCircleAction",
                                   "lineMenuEdit", "lineMenuDelete", "lineMenuTest"});
    const QList<QAction *> alwaysOn =
        AllNamed<QAction>(Main(), {"openAction", "exitAction", "fontAction", "colourAction", "helpAction",
                                   "aboutAction", "lineMenuFont"});
    auto expectDocumentCommands = [&](bool enabled) {
        for (PanelButton *button : buttons)
            EXPECT_EQ(button->isEnabled(), enabled) << qPrintable(button->Caption());
        for (QAction *item : items)
            EXPECT_EQ(item->isEnabled(), enabled) << qPrintable(item->text());
        for (QAction *item : alwaysOn)
            EXPECT_TRUE(item->isEnabled()) << qPrintable(item->text());
        EXPECT_TRUE(ToolButton("openButton")->isEnabled());
        EXPECT_TRUE(ToolButton("helpButton")->isEnabled());
    };

    expectDocumentCommands(false);
    Main().OpenPictureFile(Path("one.gif"));
    expectDocumentCommands(true);
    Main().CloseMap();
    expectDocumentCommands(false);
    EXPECT_EQ(Main().StatusPanel(1), "");
    EXPECT_EQ(Main().StatusPanel(0), "BASE");
}

TEST_F(MapDocumentTest, ToolButtonsStandInARowAndTheStripHasNoMenu)
{
    const QList<PanelButton *> row =
        AllNamed<PanelButton>(Main(), {"openButton", "saveButton", "clipButton", "imageButton", "editButton",
                                       "rectangleButton", "circleButton", "testButton", "helpButton"});
    EXPECT_EQ(Named<ToolStrip>(Main(), "toolStrip")->height(), 56);
    ASSERT_EQ(row.size(), 9);
    for (int i = 0; i < 9; ++i) {
        const PanelButton *button = row[i];
        SCOPED_TRACE(button->Caption().toStdString());
        EXPECT_EQ(button->geometry(), QRect(4 + 56 * i, 3, i == 8 ? 54 : 53, 46));
        EXPECT_EQ(button->Layout(), GlyphOnTop);
        EXPECT_EQ(button->NumGlyphs(), 2);
        EXPECT_EQ(button->Glyph().size(), QSize(32, 16));
        EXPECT_EQ(button->Glyph().pixelColor(0, 15), QColor(128, 128, 0)); // olive: see-through
        EXPECT_TRUE(button->ShowHint());
        const bool bold = button == ToolButton("rectangleButton") || button == ToolButton("circleButton");
        EXPECT_EQ(button->font().bold(), bold);
    }
    // Nothing offers to hide the tool bar.
    EXPECT_EQ(Main().createPopupMenu(), nullptr);
}

TEST_F(MapDocumentTest, ClosingTheViewClosesTheMap)
{
    Main().OpenPictureFile(Path("one.gif"));
    Document().MarkModified();
    {
        ModalAnswerer cancel({kCancel});
        editor->View().close();
    }
    EXPECT_TRUE(editor->View().isVisible());
    {
        ModalAnswerer no({kNo});
        editor->View().close();
    }
    EXPECT_FALSE(editor->View().isVisible());
    EXPECT_EQ(List()->count(), 0);
}

TEST_F(MapDocumentTest, OpenOffersThePictureFiltersAndCancelChangesNothing)
{
    Main().OpenPictureFile(Path("one.gif"));
    QStringList filters;
    QTimer::singleShot(50, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            filters = dialog->nameFilters();
            dialog->reject();
        }
    });
    ToolButton("openButton")->click();
    ASSERT_EQ(filters.size(), 6);
    EXPECT_EQ(filters[0], "All Picture (*.gif *.GIF *.jpg *.JPG *.bmp *.BMP *.pcx *.PCX *.jif *.JIF *.dib *.DIB "
                          "*.rle *.RLE *.tga *.TGA *.png *.PNG *.webp *.WEBP)");
    EXPECT_EQ(filters[3], "Picture(BMP) (*.bmp *.BMP)");
    EXPECT_EQ(filters[5], "Picture(WebP) (*.webp *.WEBP)");
    EXPECT_EQ(Document().PicturePath(), Path("one.gif"));
    EXPECT_EQ(List()->count(), 3);
}

TEST_F(MapDocumentTest, MenusCarryTheirCaptions)
{
    QStringList menus;
    for (QAction *menu : Main().menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Create", "&Option", "&Help"}));
    EXPECT_EQ(Action(Main(), "closeAction")->text(), "&Close ");
    QStringList popup;
    for (QAction *item : Named<QMenu>(Main(), "lineMenu")->actions())
        popup << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(popup, (QStringList{"&Edit this line", "&Delete this line", "-", "Test Image Map", "-", "&Font Change"}));
    EXPECT_EQ(ToolButton("testButton")->toolTip(), "ＷＷＷブラウザを起動しイメージマップのテストをします");
}

} // namespace
