// The rectangle and circle dialogs with the view's shape: typing, write-back, Set, Cancel and
// the switches between the two kinds of area.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "AreaEditingFixture.h"
#include "ModalAnswerer.h"
#include "WhenShown.h"

#include <gmock/gmock.h>

#include <utility>

namespace {

const QString kTwoAreas[] = {"<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"A\">",
                             "<AREA SHAPE=\"CIRCLE\" COORDS=\"50,50,10\" HREF=\"b.htm\" ALT=\"B\">"};

class AreaDialogTest : public AreaEditingFixture {};

TEST_F(AreaDialogTest, NewAreasStartAtThePictureCornerInTheirDialog)
{
    OpenMap();
    Main().move(30, 40);
    Main().NewRectangle();
    EXPECT_EQ(Rect().pos(), Main().pos());
    EXPECT_EQ(ShapeBounds(), QRect(0, 0, 50, 50));
    EXPECT_EQ(ViewShape()->ShapeKind(), Shape::Kind::Rectangle);
    EXPECT_EQ(ViewFrame()->CornerResize(), CornerFollowsPointer);
    EXPECT_EQ(RectFields(), (QStringList{"0", "0", "49", "49"}));
    EXPECT_TRUE(Rect().isVisible());
    EXPECT_FALSE(Main().isVisible());
    EXPECT_TRUE(ShapeAttached());
    Rect().Cancel();
    EXPECT_TRUE(Main().isVisible());

    Main().NewCircle();
    EXPECT_EQ(ShapeBounds(), QRect(0, 0, 49, 49));
    EXPECT_EQ(ViewShape()->ShapeKind(), Shape::Kind::Circle);
    EXPECT_EQ(ViewFrame()->CornerResize(), CornerKeepsRatio);
    EXPECT_EQ(CircFields(), (QStringList{"24", "24", "25"}));
    EXPECT_TRUE(Circ().isVisible());
    EXPECT_FALSE(EditingALine());
    // The shape is covered once, however often a dialog is left by its close box.
    Circ().close();
    Main().NewCircle();
    EXPECT_EQ(ViewFrame()->Covers().size(), 1);
}

TEST_F(AreaDialogTest, TypingMovesTheShapeAndWrittenTextDoesNot)
{
    // What unfinished typing gives is the text core's concern; here, that typing reaches the shape.
    OpenMap();
    Main().NewRectangle();
    Activate(&Rect());
    Type(Field(Rect(), "x0Field"), "12a");
    Type(Field(Rect(), "y1Field"), "99");
    EXPECT_EQ(ShapeBounds(), QRect(0, 0, 50, 100));
    Type(Field(Rect(), "x1Field"), "");
    EXPECT_EQ(ShapeBounds(), QRect(0, 0, 0, 100));
    Field(Rect(), "x0Field")->setText("30");
    EXPECT_EQ(ShapeBounds(), QRect(0, 0, 0, 100));

    Rect().Cancel();
    Main().NewCircle();
    Activate(&Circ());
    Type(Field(Circ(), "xField"), "50");
    Type(Field(Circ(), "yField"), "40");
    Type(Field(Circ(), "radiusField"), "10");
    EXPECT_EQ(ShapeBounds(), QRect(41, 31, 19, 19));
    Type(Field(Circ(), "radiusField"), "");
    EXPECT_EQ(ShapeBounds(), QRect(51, 41, -1, -1));
}

TEST_F(AreaDialogTest, ExtremeTypedCoordinatesNeitherCrashNorChangeTheirText)
{
    OpenMap();
    Main().NewRectangle();
    Activate(&Rect());
    for (const auto &[field, text] :
         {std::pair{Field(Rect(), "x0Field"), "99999999999"}, std::pair{Field(Rect(), "y0Field"), "-2147483648"},
          std::pair{Field(Rect(), "x1Field"), "2147483647"}, std::pair{Field(Rect(), "y1Field"), "x"}})
        Type(field, text);
    {
        // A value that is no 32-bit whole number is refused at Set, named as the number reader
        // names it, and its field takes the focus.
        ModalAnswerer answerer;
        Button(Rect(), "setButton")->click();
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_THAT(answerer.Seen()[0].text.toStdString(), ::testing::HasSubstr("99999999999"));
        EXPECT_TRUE(Rect().isVisible());
        EXPECT_EQ(Rect().focusWidget(), Field(Rect(), "x0Field"));
    }
    Type(Field(Rect(), "x0Field"), "-1");
    Type(Field(Rect(), "y1Field"), "0");
    Button(Rect(), "setButton")->click();
    Main().NewCircle();
    Activate(&Circ());
    for (const auto &[field, text] : {std::pair{Field(Circ(), "xField"), "-2147483648"},
                                      std::pair{Field(Circ(), "yField"), "-1"},
                                      std::pair{Field(Circ(), "radiusField"), "2147483647"}})
        Type(field, text);
    Button(Circ(), "setButton")->click();

    const int last = List()->count() - 1;
    EXPECT_THAT(Document().LineAt(last - 2), ::testing::HasSubstr("COORDS=\"-1,-2147483648,2147483647,0\""));
    EXPECT_THAT(Document().LineAt(last - 1), ::testing::HasSubstr("COORDS=\"-2147483648,-1,2147483647\""));
    // Selecting the lines shows them again without a word.
    ModalAnswerer answerer;
    List()->setCurrentRow(last - 2);
    List()->setCurrentRow(last - 1);
    EXPECT_TRUE(answerer.Seen().isEmpty());
    EXPECT_TRUE(View().isVisible());
}

TEST_F(AreaDialogTest, ReleasingTheShapeWritesItBack)
{
    OpenMap();
    Main().NewRectangle();
    Activate(&View());
    QTest::mousePress(ViewHandle(), Qt::LeftButton, {}, {10, 10});
    QTest::mouseMove(ViewHandle(), {15, 20});
    QTest::mouseMove(ViewHandle(), {20, 30});
    QTest::mouseRelease(ViewHandle(), Qt::LeftButton, {}, {20, 30});
    EXPECT_EQ(ShapeBounds(), QRect(10, 20, 50, 50));
    EXPECT_EQ(RectFields(), (QStringList{"10", "20", "59", "69"}));

    // A circle pulled out of square by an edge handle is squared at its top-left corner.
    Rect().Cancel();
    Main().NewCircle();
    Activate(&View());
    QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, {20, 20});
    const QList<QWidget *> handles = ViewFrame()->Handles();
    ASSERT_EQ(handles.size(), HandleCount);
    const QPoint bottomEdge = handles[3]->geometry().center();
    QTest::mousePress(ViewHandle(), Qt::LeftButton, {}, bottomEdge);
    QTest::mouseMove(ViewHandle(), bottomEdge - QPoint(0, 24));
    QTest::mouseRelease(ViewHandle(), Qt::LeftButton, {}, bottomEdge - QPoint(0, 24));
    EXPECT_EQ(ShapeBounds(), QRect(0, 0, 25, 25));
    EXPECT_EQ(CircFields(), (QStringList{"12", "12", "13"}));
    EXPECT_EQ(handles[4]->geometry().center(), QPoint(24, 24));
    EXPECT_FALSE(Document().Modified());
}

TEST_F(AreaDialogTest, SetAndCancelInBothModes)
{
    const struct {
        bool editing;
        bool set;
        QStringList lines;
        int selected;
        bool shapeShown;
    } cases[] = {
        {false, true, {kTwoAreas[0], kTwoAreas[1], "<AREA SHAPE=\"RECT\" COORDS=\"7,0,49,+060\" HREF=\"x.htm\" ALT=\"\">"},
         4, true},
        {true, true, {"<AREA SHAPE=\"RECT\" COORDS=\"7,2,3,+060\" HREF=\"x.htm\" ALT=\"A\">", kTwoAreas[1]}, 2, true},
        {false, false, {kTwoAreas[0], kTwoAreas[1]}, -1, false},
        {true, false, {kTwoAreas[0], kTwoAreas[1]}, 2, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "editing " << c.editing << ", set " << c.set);
        OpenMapWithAreas({kTwoAreas[0], kTwoAreas[1]});
        if (c.editing) {
            SelectLine(2);
            Main().EditSelectedLine();
        } else {
            Main().NewRectangle();
        }
        // Numbers go into the line as typed.
        Field(Rect(), "x0Field")->setText("7");
        Field(Rect(), "y1Field")->setText("+060");
        Field(Rect(), "linkField")->setText("x.htm");
        (c.set ? Button(Rect(), "setButton") : Button(Rect(), "cancelButton"))->click();

        EXPECT_EQ(ListLines().mid(2, ListLines().size() - 3), c.lines);
        EXPECT_EQ(List()->SelectedIndex(), c.selected);
        EXPECT_EQ(Document().Modified(), c.set);
        EXPECT_EQ(ViewShape()->isVisible(), c.shapeShown);
        EXPECT_EQ(ShapeAttached(), c.shapeShown) << "the selected line's shape is ready to be dragged";
        EXPECT_FALSE(Rect().isVisible());
        EXPECT_TRUE(Main().isVisible());
        Document().Close(); // dropped without the question
    }
}

TEST_F(AreaDialogTest, QuotesAndPastedBreaksStayInsideTheirAttributes)
{
    OpenMapWithAreas({kTwoAreas[0]});
    SelectLine(2);
    Main().EditSelectedLine();
    Field(Rect(), "linkField")->setText("a\"b.htm");
    Field(Rect(), "altField")->setText("Say \"Hi\" & <b> café");
    Button(Rect(), "setButton")->click();
    const QString line = "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a&quot;b.htm\" ALT=\"Say &quot;Hi&quot; & <b> café\">";
    EXPECT_EQ(ListLines()[2], line);

    // Edit shows the texts as typed, and Set with nothing changed writes the same line.
    Main().EditSelectedLine();
    EXPECT_EQ(LinkAndAlt(Rect()), (QStringList{"a\"b.htm", "Say \"Hi\" & <b> café"}));
    Button(Rect(), "setButton")->click();
    EXPECT_EQ(ListLines()[2], line);

    // A number pasted with its line end keeps the line whole, and the line end stays out of the
    // coordinate, which must read back.
    Main().EditSelectedLine();
    QApplication::clipboard()->setText("7\r\n");
    Field(Rect(), "x0Field")->selectAll();
    QTest::keySequence(Field(Rect(), "x0Field"), QKeySequence::Paste);
    Button(Rect(), "setButton")->click();
    EXPECT_EQ(ListLines().size(), 4);
    EXPECT_TRUE(ListLines()[2].startsWith("<AREA SHAPE=\"RECT\" COORDS=\"7,2,3,4\" HREF="));
}

TEST_F(AreaDialogTest, CircleAndRectSwitchesUseTheirOwnConversions)
{
    OpenMap();
    Main().NewCircle();
    Activate(&Circ());
    Type(Field(Circ(), "xField"), "50");
    Type(Field(Circ(), "yField"), "40");
    Type(Field(Circ(), "radiusField"), "10");
    Field(Circ(), "linkField")->setText("c.htm");
    Field(Circ(), "altField")->setText("C");

    Button(Circ(), "switchButton")->click();
    EXPECT_EQ(RectFields(), (QStringList{"41", "31", "59", "49"}));
    EXPECT_EQ(ShapeBounds(), QRect(41, 31, 19, 19));
    EXPECT_EQ(ViewShape()->ShapeKind(), Shape::Kind::Rectangle);
    EXPECT_EQ(LinkAndAlt(Rect()), (QStringList{"c.htm", "C"}));
    // Either way, the map counts as changed, so that closing now still asks about it.
    EXPECT_TRUE(Document().Modified());
    EXPECT_TRUE(Rect().isVisible());
    EXPECT_FALSE(Circ().isVisible());
    EXPECT_FALSE(Main().isVisible());

    // Back again: the radius comes out one less.
    Button(Rect(), "switchButton")->click();
    EXPECT_EQ(CircFields(), (QStringList{"50", "40", "9"}));
    EXPECT_EQ(ViewShape()->ShapeKind(), Shape::Kind::Circle);
    EXPECT_TRUE(Document().Modified());
    EXPECT_TRUE(ShapeAttached());

    // A wide rectangle becomes the square on its height.
    Button(Circ(), "switchButton")->click();
    Activate(&Rect());
    Type(Field(Rect(), "x0Field"), "10");
    Type(Field(Rect(), "y0Field"), "20");
    Type(Field(Rect(), "x1Field"), "59");
    Type(Field(Rect(), "y1Field"), "49");
    Button(Rect(), "switchButton")->click();
    EXPECT_EQ(ShapeBounds(), QRect(10, 20, 30, 30));
    EXPECT_EQ(CircFields(), (QStringList{"25", "35", "15"}));
}

TEST_F(AreaDialogTest, ClosingTheViewClosesAnOpenDialog)
{
    // A region not yet Set is asked about first, then the map as usual.
    const struct {
        QStringList answers;
        int questions;
        bool closed;
        QByteArray saved;
    } cases[] = {
        {{"はい(&Y)", "はい(&Y)"}, 2, true,
         "<IMG SRC=\"pic.gif\" USEMAP=\"#pic\">\r\n<MAP NAME=\"pic\">\r\n<AREA SHAPE=\"RECT\" COORDS=\"0,0,49,49\" HREF=\"\" "
         "ALT=\"\">\r\n</MAP>\r\n"},
        {{"いいえ(&N)"}, 1, true, {}},
        {{"ｷｬﾝｾﾙ"}, 1, false, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answers.first().toStdString());
        OpenMapWithAreas({});
        QFile::remove(Path("pic.vmo"));
        Main().NewRectangle();
        ModalAnswerer answerer(c.answers);
        View().close();
        ASSERT_EQ(answerer.Seen().size(), c.questions);
        EXPECT_EQ(answerer.Seen()[0].text, "This region is not set yet!!\r\nDo you set it now?");
        EXPECT_EQ(testpics::ReadBytes(Path("pic.vmo")), c.saved);
        EXPECT_EQ(View().isVisible(), !c.closed);
        EXPECT_EQ(Rect().isVisible(), !c.closed);
        EXPECT_EQ(ShapeAttached(), !c.closed);
        EXPECT_EQ(Main().isVisible(), c.closed);
        EXPECT_EQ(List()->count(), c.closed ? 0 : 3);
        if (!c.closed)
            Rect().Cancel();
    }
}

TEST_F(AreaDialogTest, ReturnPressesTheFocusedButtonAndSetsOnlyFromAField)
{
    // Both dialogs make their buttons in the shared base; the rectangle dialog stands for both.
    const struct {
        QWidget *(*focus)(RectangleDialog &);
        bool set, switched, browsed;
    } cases[] = {
        {[](RectangleDialog &d) -> QWidget * { return Button(d, "cancelButton"); }, false, false, false},
        {[](RectangleDialog &d) -> QWidget * { return Button(d, "switchButton"); }, false, true, false},
        {[](RectangleDialog &d) -> QWidget * { return Button(d, "browseButton"); }, false, false, true},
        {[](RectangleDialog &d) -> QWidget * { return Field(d, "altField"); }, true, false, false},
    };
    for (const auto &c : cases) {
        Document().Close(); // dropped without the question
        OpenMap();
        Main().NewRectangle();
        Activate(&Rect());
        QWidget *focused = c.focus(Rect());
        SCOPED_TRACE(focused->property("text").toString().toStdString()); // a field's is empty
        focused->setFocus();
        bool browsed = false;
        WhenShown<QFileDialog> chooser([&](QFileDialog *shown) {
            browsed = true;
            shown->reject();
            return true;
        });
        QTest::keyClick(focused, Qt::Key_Return);

        EXPECT_EQ(List()->count(), c.set ? 4 : 3);
        EXPECT_EQ(Circ().isVisible(), c.switched);
        EXPECT_EQ(browsed, c.browsed);
        EXPECT_EQ(Rect().isVisible(), c.browsed);
        for (AreaDialog *open : {static_cast<AreaDialog *>(&Rect()), static_cast<AreaDialog *>(&Circ())}) {
            if (open->isVisible())
                open->Cancel();
        }
    }
}

TEST_F(AreaDialogTest, EveryWayOfCancellingShowsTheSelectedLineAgain)
{
    const struct {
        const char *what;
        void (*cancel)(AreaDialog &);
    } ways[] = {
        {"Cancel", [](AreaDialog &d) { Button(d, "cancelButton")->click(); }},
        {"close box", [](AreaDialog &d) { d.close(); }},
        {"Escape", [](AreaDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const bool editing : {true, false}) {
        for (const auto &way : ways) {
            SCOPED_TRACE(testing::Message() << way.what << (editing ? " while editing" : " on a new area"));
            Document().Close(); // dropped without the question
            OpenMapWithAreas({kTwoAreas[0], kTwoAreas[1]});
            SelectLine(2);
            editing ? Main().EditSelectedLine() : Main().NewRectangle();
            Activate(&Rect());
            Type(Field(Rect(), "x0Field"), "100");
            Button(Rect(), "switchButton")->click();
            way.cancel(Circ());

            EXPECT_FALSE(Circ().isVisible());
            EXPECT_TRUE(Main().isVisible());
            EXPECT_EQ(ListLines().mid(2, 2), (QStringList{kTwoAreas[0], kTwoAreas[1]}));
            // Whether an edit or a new area was given up, the shape shows the selected line again,
            // ready to be dragged.
            EXPECT_TRUE(ShapeAttached());
            EXPECT_TRUE(ViewShape()->isVisible());
            EXPECT_EQ(ViewShape()->ShapeKind(), Shape::Kind::Rectangle);
            EXPECT_EQ(ShapeBounds(), QRect(1, 2, 3, 3));
        }
    }
}

TEST_F(AreaDialogTest, EveryDialogAndMessageComesUpAboveTheViewOverAShownWindow)
{
    OpenMap();
    QStringList seen;
    // Records each modal window, then answers No where it can, else closes it.
    WhenShown<QDialog> answer([&](QDialog *shown) {
        if (QApplication::activeModalWidget() != shown)
            return false;
        const QWidget *parent = shown->parentWidget();
        seen << QString::fromLatin1(shown->metaObject()->className());
        EXPECT_TRUE(shown->windowFlags() & Qt::WindowStaysOnTopHint) << seen.last().toStdString();
        EXPECT_TRUE(!parent || parent->isVisible()) << seen.last().toStdString() << " over a hidden window";
        auto *box = qobject_cast<QMessageBox *>(shown);
        for (QAbstractButton *button : box ? box->buttons() : QList<QAbstractButton *>{}) {
            if (button->text() == "いいえ(&N)") {
                button->click();
                return false;
            }
        }
        shown->reject();
        return false;
    });
    Action(Main(), "openAction")->trigger();
    Main().ShowAbout();
    Main().EditImageProperties();
    Main().NewCircle();
    EXPECT_TRUE(Circ().windowFlags() & Qt::WindowStaysOnTopHint);
    Button(Circ(), "browseButton")->click();
    Document().MarkModified();
    View().close(); // asks about the region, then about the map
    Main().OpenPictureFile(Path("missing.gif"));
    EXPECT_EQ(seen,
              (QStringList{"QFileDialog", "AboutBox", "ImagePropertiesDialog", "QFileDialog", "QMessageBox",
                           "QMessageBox", "QMessageBox"}));
}

TEST_F(AreaDialogTest, BrowseOffersTheLinkFiltersAndWritesARelativeLink)
{
    OpenMap();
    ASSERT_TRUE(QDir(dir.path()).mkpath("pages"));
    ASSERT_TRUE(testpics::WriteBytes(Path("pages/a.htm"), "<HTML>"));
    Main().NewCircle();
    QStringList filters;
    QString folder;
    // The file name is typed, as a user would, so the choice does not wait for the chooser to
    // have read its folder.
    WhenShown<QFileDialog> choose([&](QFileDialog *chooser) {
        filters = chooser->nameFilters();
        folder = chooser->directory().absolutePath();
        auto *name = chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!name)
            return false;
        name->setText(Path("pages/a.htm"));
        static_cast<QDialog *>(chooser)->accept(); // the chooser's own accept reads the typed name
        return true;
    });
    Button(Circ(), "browseButton")->click();
    ASSERT_EQ(filters.size(), 4);
    EXPECT_EQ(filters[0], "HTML (*.HTM,*.HTML) (*.htm* *.HTM* .html .HTML)");
    EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(Field(Circ(), "linkField")->text(), "pages/a.htm");
}

} // namespace
