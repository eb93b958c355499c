// The main window's undo and redo, area order, keys, status reports, the map check and clicks on
// the areas in the view, driven as the user drives them.
#include <QApplication>
#include <QListView>
#include <QStatusBar>

#include <functional>

#include "AreaEditingFixture.h"
#include "ModalAnswerer.h"
#include "OpenedUrls.h"
#include "editor/MapCheckWindow.h"

namespace {

const QString kFirst = "<AREA SHAPE=\"RECT\" COORDS=\"10,20,59,69\" HREF=\"a.htm\" ALT=\"A\">";
const QString kSecond = "<AREA SHAPE=\"CIRCLE\" COORDS=\"100,100,30\" HREF=\"b.htm\" ALT=\"B\">";

class UndoAndCheckTest : public AreaEditingFixture {
protected:
    // A key pressed in widget, its window active and widget holding the focus, as the user has it.
    void Press(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Activate(widget->window());
        widget->setFocus();
        QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
    }

    // The check window's list, as the user sees it.
    QListView *FindingList() { return Main().CheckWindow().findChild<QListView *>("findingList"); }
    QStringList ListedFindings()
    {
        QStringList texts;
        for (int row = 0; row < FindingList()->model()->rowCount(); ++row)
            texts << FindingList()->model()->index(row, 0).data().toString();
        return texts;
    }
    // The finding in row, chosen as a user of the keyboard chooses it: moved to, then Enter.
    void ChooseFinding(int row)
    {
        QListView *list = FindingList();
        Activate(list->window());
        list->setFocus();
        list->setCurrentIndex(list->model()->index(row, 0));
        QTest::keyClick(list, Qt::Key_Return);
    }
};

TEST_F(UndoAndCheckTest, EveryCommandUndoesAndRedoesByItsName)
{
    const struct {
        const char *undoText;
        std::function<void()> act;
    } cases[] = {
        {"&Undo Delete Area",
         [this] {
             SelectLine(2);
             Press(List(), Qt::Key_Delete);
         }},
        {"&Undo Move Area Down",
         [this] {
             SelectLine(2);
             Press(List(), Qt::Key_Down, Qt::ControlModifier);
         }},
        {"&Undo New Area",
         [this] {
             Main().NewRectangle();
             Button(Rect(), "setButton")->click();
         }},
        {"&Undo Edit Area",
         [this] {
             SelectLine(3);
             Main().EditSelectedLine();
             Field(Circ(), "altField")->setText("changed");
             Button(Circ(), "setButton")->click();
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.undoText);
        Document().Close(); // dropped without the save question
        OpenMapWithAreas({kFirst, kSecond});
        const QStringList opened = ListLines();
        EXPECT_FALSE(Action(Main(), "undoAction")->isEnabled());
        c.act();
        const QStringList changed = ListLines();
        ASSERT_NE(changed, opened);
        EXPECT_EQ(Action(Main(), "undoAction")->text(), c.undoText);

        Press(List(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(ListLines(), opened);
        EXPECT_FALSE(Document().Modified());
        Press(List(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(ListLines(), changed);
        EXPECT_TRUE(Document().Modified());
    }
}

TEST_F(UndoAndCheckTest, AreaLinesMoveAmongAreaLinesOnly)
{
    OpenMapWithAreas({kFirst, kSecond});
    SelectLine(2);
    Main().MoveSelectedLineUp(); // the map start line stays where it is
    Main().MoveSelectedLineDown();
    Main().MoveSelectedLineDown(); // and so does the map end line
    EXPECT_EQ(ListLines().mid(2, 3), (QStringList{kSecond, kFirst, "</MAP>"}));
    EXPECT_EQ(List()->SelectedIndex(), 3);
}

TEST_F(UndoAndCheckTest, UndoingTheEditedLineClosesItsDialog)
{
    OpenMapWithAreas({kFirst, kSecond});
    SelectLine(2);
    Main().MoveSelectedLineDown();
    Main().EditSelectedLine();
    ASSERT_TRUE(Rect().isVisible());
    Action(Main(), "undoAction")->trigger(); // the move is taken back: the line being edited is another now
    EXPECT_FALSE(Rect().isVisible());
    EXPECT_TRUE(Main().isVisible());
    EXPECT_EQ(ListLines().mid(2, 2), (QStringList{kFirst, kSecond}));
}

TEST_F(UndoAndCheckTest, SaveAndClipSayWhatTheyDid)
{
    OpenMapWithAreas({kFirst});
    Press(List(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Main().statusBar()->currentMessage(), "Saved " + Path("pic.vmo"));
    Action(Main(), "copyAction")->trigger();
    EXPECT_EQ(Main().statusBar()->currentMessage(), "Copied 4 lines to the clipboard");
}

TEST_F(UndoAndCheckTest, TheCheckListsFindingsAndChoosingOneSelectsItsLine)
{
    OpenMapWithAreas({kFirst, kFirst, "<AREA SHAPE=\"RECT\" COORDS=\"150,10,250,20\" HREF=\"c.htm\">"});
    Action(Main(), "checkAction")->trigger();
    ASSERT_TRUE(Main().CheckWindow().isVisible());
    EXPECT_EQ(ListedFindings(), (QStringList{"Line 4: the same area as line 3",
                                             "Line 5: the area lies partly outside the picture",
                                             "Line 5: a link without ALT text, which screen readers cannot name"}));

    ChooseFinding(1);
    EXPECT_EQ(List()->SelectedIndex(), 4);
    EXPECT_TRUE(ViewShape()->isVisible()) << "the chosen line's region is shown";

    // Test offers the check first; No tests all the same, Yes shows the findings instead.
    Main().CheckWindow().hide();
    OpenedUrls opened;
    for (const char *answer : {"いいえ(&N)", "はい(&Y)"}) {
        ModalAnswerer answerer({QString::fromUtf8(answer)});
        Action(Main(), "testAction")->trigger();
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_EQ(answerer.Seen()[0].text, "The map check found 3 problems.\r\nDo you see them before the test?");
    }
    EXPECT_TRUE(Main().CheckWindow().isVisible());
}

// The check window follows the map while it is up: each change checks it again, so a finding
// always names the line as it stands now, and a closed map leaves nothing listed.
TEST_F(UndoAndCheckTest, TheCheckFollowsEveryChangeOfTheMap)
{
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler before = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtWarningMsg)
            warnings << text;
    });
    const QString outside = "<AREA SHAPE=\"RECT\" COORDS=\"300,10,320,20\" HREF=\"o.htm\" ALT=\"O\">";
    const QString noAlt = "<AREA SHAPE=\"RECT\" COORDS=\"10,100,20,110\" HREF=\"n.htm\">";
    OpenMapWithAreas({kFirst, outside, noAlt});
    const auto listed = [this] { return ListedFindings(); };
    const QString outsideText = "Line %1: the area lies outside the picture";
    Action(Main(), "checkAction")->trigger();
    EXPECT_EQ(listed(), (QStringList{outsideText.arg(4),
                                     "Line 5: a link without ALT text, which screen readers cannot name"}));

    Document().ReplaceLine(4, (noAlt.chopped(1) + " ALT=\"N\">").toStdString());
    EXPECT_EQ(listed(), QStringList{outsideText.arg(4)});
    Document().RemoveLine(2);
    EXPECT_EQ(listed(), QStringList{outsideText.arg(3)});
    ChooseFinding(0);
    EXPECT_EQ(List()->SelectedIndex(), 2);

    // Hidden, the window checks again when it is shown.
    Main().CheckWindow().hide();
    Document().History().undo();
    Main().CheckMap();
    EXPECT_EQ(listed(), QStringList{outsideText.arg(4)});

    {
        ModalAnswerer no({"いいえ(&N)"});
        Action(Main(), "closeAction")->trigger();
    }
    EXPECT_EQ(listed(), QStringList{});

    // Another picture, large enough for the area: its own size counts.
    ASSERT_TRUE(testpics::MakePicture(Path("wide.gif"), 400, 100));
    ASSERT_TRUE(testpics::WriteBytes(Path("wide.vmo"), ("<IMG SRC=\"wide.gif\" WIDTH=400 HEIGHT=100>\r\n"
                                                        "<MAP NAME=\"wide\">\r\n" + outside + "\r\n</MAP>\r\n").toUtf8()));
    Main().OpenPictureFile(Path("wide.gif"));
    EXPECT_EQ(listed(), QStringList{"No problems found."});

    qInstallMessageHandler(before);
    EXPECT_TRUE(warnings.filter("QString::arg").isEmpty()) << warnings.join('\n').toStdString();
}

TEST_F(UndoAndCheckTest, ACleanMapHasNoFinding)
{
    OpenMapWithAreas({kFirst, kSecond});
    Main().CheckMap();
    EXPECT_EQ(ListedFindings(), QStringList{"No problems found."});
}

TEST_F(UndoAndCheckTest, AClickOnAnAreaOfThePictureSelectsItsLineAndADoubleClickEditsIt)
{
    OpenMapWithAreas({kFirst, kSecond});
    QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, {30, 40});
    EXPECT_EQ(List()->SelectedIndex(), 2);
    QTest::mouseDClick(ViewHandle(), Qt::LeftButton, {}, {100, 100});
    EXPECT_EQ(List()->SelectedIndex(), 3);
    EXPECT_TRUE(Circ().isVisible());
    EXPECT_EQ(CircFields(), (QStringList{"100", "100", "30"}));
}

} // namespace
