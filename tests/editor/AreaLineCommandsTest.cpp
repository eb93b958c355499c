// The main window's commands on single area lines: edit, select and delete.
#include "AreaEditingFixture.h"
#include "ModalAnswerer.h"

namespace {

const QString kRectLine = "<AREA SHAPE=\"RECT\" COORDS=\"10,20,110,70\" HREF=\"a.htm\" ALT=\"A\">";
const QString kCircleLine = "<AREA SHAPE=\"CIRCLE\" COORDS=\"100,100,50\" HREF=\"c.htm\" ALT=\"C\">";
const QString kMixedCaseLine = "<area shape=\"rect\" coords=\"+05,6,7,8\" href=\"Sub/Page.HTM\">";
const QString kNotAnArea = "<!-- a comment the user keeps -->";

class AreaLineCommandsTest : public AreaEditingFixture {};

TEST_F(AreaLineCommandsTest, EditOpensTheDialogOfTheLinesKind)
{
    OpenMapWithAreas({kRectLine, kCircleLine, kMixedCaseLine, kNotAnArea});
    const struct {
        int line;
        QWidget *dialog;
        QStringList fields;
        QRect bounds;
    } cases[] = {
        {2, &Rect(), {"10", "20", "110", "70", "a.htm", "A"}, {10, 20, 101, 51}},
        {3, &Circ(), {"100", "100", "50", "c.htm", "C"}, {51, 51, 99, 99}},
        // Numbers are shown as read, the link keeps its case, and a missing ALT is empty.
        {4, &Rect(), {"5", "6", "7", "8", "Sub/Page.HTM", ""}, {5, 6, 3, 3}},
        {0, nullptr, {}, {}},
        {5, nullptr, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        // A new area given up leaves edit mode off.
        Main().NewRectangle();
        Button(Rect(), "cancelButton")->click();
        ASSERT_FALSE(EditingALine());
        SelectLine(c.line);
        Main().EditSelectedLine();
        EXPECT_EQ(EditingALine(), c.dialog != nullptr);
        if (!c.dialog) {
            EXPECT_TRUE(Main().isVisible());
            EXPECT_FALSE(Rect().isVisible() || Circ().isVisible());
            continue;
        }
        const QStringList fields = c.dialog == &Rect() ? RectFields() + LinkAndAlt(Rect())
                                                       : CircFields() + LinkAndAlt(Circ());
        EXPECT_EQ(fields, c.fields);
        EXPECT_EQ(ShapeBounds(), c.bounds);
        EXPECT_TRUE(c.dialog->isVisible());
        EXPECT_FALSE(Main().isVisible());
        EXPECT_EQ(ViewFrame()->CornerResize(), CornerFollowsPointer);
        EXPECT_TRUE(ShapeAttached());
        (c.dialog == &Rect() ? Button(Rect(), "cancelButton") : Button(Circ(), "cancelButton"))->click();
    }
    // After an edit that opened nothing, a new area is still added, not written over the line.
    Main().NewRectangle();
    EXPECT_FALSE(EditingALine());
}

TEST_F(AreaLineCommandsTest, SelectingALineShowsItsRegionReadyToBeDragged)
{
    OpenMapWithAreas({kRectLine, kCircleLine, kNotAnArea});
    const struct {
        int line;
        bool shown;
        Shape::Kind kind;
        QRect bounds;
    } cases[] = {
        {2, true, Shape::Kind::Rectangle, {10, 20, 101, 51}},
        {3, true, Shape::Kind::Circle, {51, 51, 99, 99}},
        {0, false, {}, {}},
        {1, false, {}, {}},
        {4, false, {}, {}},
        {5, false, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        SelectLine(2);
        SelectLine(c.line);
        EXPECT_EQ(ViewShape()->isVisible(), c.shown);
        if (c.shown) {
            EXPECT_EQ(ViewShape()->ShapeKind(), c.kind);
            EXPECT_EQ(ShapeBounds(), c.bounds);
        }
        EXPECT_EQ(ShapeAttached(), c.shown);
    }
}

TEST_F(AreaLineCommandsTest, OnlyAreaLinesCanBeDeletedAndDeletingIsAChange)
{
    OpenMapWithAreas({kRectLine});
    for (int line : {0, 1, 3}) {
        SelectLine(line);
        Main().DeleteSelectedLine();
    }
    EXPECT_EQ(List()->count(), 4);
    EXPECT_FALSE(Document().Modified());

    SelectLine(2);
    Main().DeleteSelectedLine();
    EXPECT_EQ(ListLines(), (QStringList{"<IMG SRC=\"pic.gif\" USEMAP=\"#pic\">", "<MAP NAME=\"pic\">", "</MAP>"}));
    EXPECT_EQ(List()->SelectedIndex(), -1);
    EXPECT_TRUE(Document().Modified());
    for (int line : {0, 1, 2}) {
        SelectLine(line);
        Main().DeleteSelectedLine();
    }
    EXPECT_EQ(List()->count(), 3);
}

TEST_F(AreaLineCommandsTest, AShortSideFileKeepsItsLinesAndTakesNewAreas)
{
    // Two lines: no map end line. Both are protected, and a new area goes before the last.
    OpenMap({"<IMG SRC=\"pic.gif\">", "<MAP NAME=\"pic\">"});
    for (int line : {0, 1}) {
        SelectLine(line);
        Main().DeleteSelectedLine();
    }
    EXPECT_EQ(List()->count(), 2);
    Main().NewRectangle();
    Button(Rect(), "setButton")->click();
    EXPECT_EQ(ListLines(), (QStringList{"<IMG SRC=\"pic.gif\">",
                                        "<AREA SHAPE=\"RECT\" COORDS=\"0,0,49,49\" HREF=\"\" ALT=\"\">",
                                        "<MAP NAME=\"pic\">"}));
    EXPECT_EQ(List()->SelectedIndex(), 1);
}

TEST_F(AreaLineCommandsTest, ABadStoredCoordinateIsToldOnceAndOpensToBeMended)
{
    OpenMapWithAreas({"<AREA SHAPE=\"RECT\" COORDS=\"30,4x,50,60\" HREF=\"\" ALT=\"\">"});
    {
        // Selecting says it in the status bars, without a box, and shows no shape.
        ModalAnswerer ok;
        SelectLine(2);
        EXPECT_TRUE(ok.Seen().isEmpty());
        EXPECT_FALSE(ViewShape()->isVisible());
        EXPECT_FALSE(View().Hint().isEmpty());
    }
    Action(Main(), "lineMenuEdit")->trigger();
    ASSERT_TRUE(Rect().isVisible());
    EXPECT_TRUE(EditingALine());
    EXPECT_EQ(RectFields(), (QStringList{"30", "4x", "50", "60"}));
    {
        // Set tells what does not read, in the number reader's words, and stays.
        ModalAnswerer ok;
        Button(Rect(), "setButton")->click();
        ASSERT_EQ(ok.Seen().size(), 1);
        EXPECT_EQ(ok.Seen()[0].text, "'4x' は整数ではありません.");
    }
    EXPECT_TRUE(Rect().isVisible());
}

} // namespace
