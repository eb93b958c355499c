// The area under edit is one thing: whatever is clicked, chosen, typed or undone while a dialog is
// open, Set writes the line that was opened, and the view shows the map as it is.
#include <QCheckBox>
#include <QLabel>
#include <QStatusBar>

#include "AreaEditingFixture.h"
#include "ModalAnswerer.h"
#include "editor/DefaultAreaDialog.h"
#include "editor/MapCheckWindow.h"
#include "editor/MainWindow.h"
#include "editor/PolygonDialog.h"
#include "editor/ViewWindow.h"
#include "resizeframe/PolygonFrame.h"

namespace {

const QString kRect = R"(<AREA SHAPE="RECT" COORDS="10,10,59,59" HREF="a.htm" ALT="A">)";
const QString kCircle = R"(<AREA SHAPE="CIRCLE" COORDS="150,100,20" HREF="c.htm" ALT="C">)";
const QString kImage = R"(<IMG SRC="pic.gif" USEMAP="#pic">)";
const QString kMapStart = R"(<MAP NAME="pic">)";

class EditingLoopTest : public AreaEditingFixture {
protected:
    void OpenTwoAreas() { OpenMapWithAreas({kRect, kCircle}); }
    void DoubleClick(QPoint pixel) { QTest::mouseDClick(ViewHandle(), Qt::LeftButton, {}, InView(pixel)); }
    void Click(QPoint pixel) { QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, InView(pixel)); }
};

TEST_F(EditingLoopTest, AnotherAreaPickedWhileEditingIsRefusedAndSetWritesTheOpenedLine)
{
    enum class Pick { Click, DoubleClick, Finding };
    for (const Pick pick : {Pick::Click, Pick::DoubleClick, Pick::Finding}) {
        for (const bool newArea : {true, false}) {
            SCOPED_TRACE(testing::Message() << "pick " << int(pick) << (newArea ? " new" : " edit"));
            OpenTwoAreas();
            if (newArea) {
                Main().NewRectangle();
            } else {
                SelectLine(2);
                Main().EditSelectedLine();
            }
            ASSERT_TRUE(Rect().isVisible());
            const QStringList fields = RectFields();
            const QRect shape = ShapeBounds();
            Type(Field(Rect(), "altField"), "Changed");
            switch (pick) {
            case Pick::Click:
                Click({150, 100});
                break;
            case Pick::DoubleClick:
                DoubleClick({150, 100});
                break;
            case Pick::Finding:
                emit Main().CheckWindow().LineChosen(3);
                break;
            }
            EXPECT_TRUE(Rect().isVisible());
            EXPECT_FALSE(Circ().isVisible());
            EXPECT_FALSE(View().Hint().isEmpty()) << "the refusal is told";
            EXPECT_EQ(RectFields(), fields);
            EXPECT_EQ(ShapeBounds(), shape) << "the shape still shows the area under edit";
            Button(Rect(), "setButton")->click();
            const QString written = newArea ? R"(<AREA SHAPE="RECT" COORDS="0,0,49,49" HREF="" ALT="Changed">)"
                                            : R"(<AREA SHAPE="RECT" COORDS="10,10,59,59" HREF="a.htm" ALT="Changed">)";
            const QStringList expected = newArea ? QStringList{kImage, kMapStart, kRect, kCircle, written, "</MAP>"}
                                                 : QStringList{kImage, kMapStart, written, kCircle, "</MAP>"};
            EXPECT_EQ(Lines(), expected);
            Document().Close(); // dropped without the question
        }
    }
}

TEST_F(EditingLoopTest, AnUndoMidwayThatMovesTheOpenedLineLeavesSetOnIt)
{
    OpenTwoAreas();
    SelectLine(2);
    Main().DeleteSelectedLine();
    SelectLine(2);
    Main().EditSelectedLine();
    ASSERT_TRUE(Circ().isVisible());
    Type(Field(Circ(), "altField"), "Changed");
    // The deleted rectangle comes back above the circle being edited.
    Action(Main(), "undoAction")->trigger();
    ASSERT_TRUE(Circ().isVisible());
    Button(Circ(), "setButton")->click();
    EXPECT_EQ(Lines(), (QStringList{kImage, kMapStart, kRect,
                                    R"(<AREA SHAPE="CIRCLE" COORDS="150,100,20" HREF="c.htm" ALT="Changed">)", "</MAP>"}));
}

TEST_F(EditingLoopTest, ASetThatIsRefusedKeepsTheMapOpenOnClose)
{
    OpenMapWithAreas({R"(<AREA SHAPE="POLY" COORDS="10,10,50,10,50" HREF="p.htm" ALT="P">)"});
    SelectLine(2);
    Main().EditSelectedLine();
    ASSERT_TRUE(Main().Areas().Polygon().isVisible()) << "odd coordinates still open, to be mended";
    {
        // "Set it now?" Yes; Set refuses the odd count.
        ModalAnswerer answers({"はい(&Y)", "OK"});
        EXPECT_FALSE(Main().CloseMap());
        ASSERT_EQ(answers.Seen().size(), 2) << answers.Seen().value(0).text.toStdString();
    }
    EXPECT_TRUE(View().isVisible());
    EXPECT_TRUE(Main().Areas().Polygon().isVisible());
    EXPECT_EQ(Lines().size(), 4);
}

TEST_F(EditingLoopTest, UnreadableCoordinatesOpenAsTheyStandToBeMended)
{
    OpenMapWithAreas({R"(<AREA SHAPE="RECT" COORDS="1,2,3" HREF="a.htm" ALT="A">)"});
    ModalAnswerer answers;
    SelectLine(2);
    EXPECT_TRUE(answers.Seen().isEmpty()) << "selecting says it in the status bar only";
    Main().EditSelectedLine();
    ASSERT_TRUE(Rect().isVisible());
    EXPECT_EQ(RectFields(), (QStringList{"1", "2", "3", ""}));
    Button(Rect(), "setButton")->click();
    ASSERT_EQ(answers.Seen().size(), 1) << "Set refuses the missing value";
    EXPECT_TRUE(Rect().isVisible());
    Activate(&Rect());
    Type(Field(Rect(), "y1Field"), "40");
    Button(Rect(), "setButton")->click();
    EXPECT_EQ(Lines().at(2), R"(<AREA SHAPE="RECT" COORDS="1,2,3,40" HREF="a.htm" ALT="A">)");
}

TEST_F(EditingLoopTest, TypedCoordinatesAreCheckedAtSetAndOutsideIsShown)
{
    OpenMapWithAreas({});
    Main().NewRectangle();
    Activate(&Rect());
    Type(Field(Rect(), "x0Field"), "12a");
    {
        ModalAnswerer answers;
        Button(Rect(), "setButton")->click();
        ASSERT_EQ(answers.Seen().size(), 1);
        EXPECT_TRUE(answers.Seen().at(0).text.contains("12a"));
    }
    EXPECT_TRUE(Rect().isVisible());
    EXPECT_EQ(Rect().focusWidget(), Field(Rect(), "x0Field"));
    EXPECT_EQ(Lines().size(), 3) << "nothing written";

    Type(Field(Rect(), "x0Field"), "12");
    const int height = Rect().height();
    Type(Field(Rect(), "x1Field"), "900");
    EXPECT_GT(Rect().height(), height) << "the dialog shows the region reaches outside the 200-wide picture";
    Button(Rect(), "setButton")->click();
    EXPECT_EQ(Lines().at(2), R"(<AREA SHAPE="RECT" COORDS="12,0,900,49" HREF="" ALT="">)");
}

TEST_F(EditingLoopTest, OneDefaultAreaWhateverUndoAndRedoDoWhileItsDialogIsOpen)
{
    OpenMapWithAreas({kRect});
    Action(Main(), "newDefaultAreaAction")->trigger();
    Button(Main().Areas().DefaultArea(), "setButton")->click();
    Action(Main(), "undoAction")->trigger();
    Action(Main(), "newDefaultAreaAction")->trigger();
    ASSERT_TRUE(Main().Areas().DefaultArea().isVisible());
    Action(Main(), "redoAction")->trigger();
    Type(Field(Main().Areas().DefaultArea(), "altField"), "Rest");
    Button(Main().Areas().DefaultArea(), "setButton")->click();
    EXPECT_EQ(Lines(), (QStringList{kImage, kMapStart, kRect, R"(<AREA SHAPE="DEFAULT" HREF="" ALT="Rest">)", "</MAP>"}));
}

TEST_F(EditingLoopTest, ADrawingIsEndedVisiblyBySelectingALineOrStartingAnotherArea)
{
    OpenTwoAreas();
    for (const bool byNewRectangle : {false, true}) {
        Action(Main(), "newPolygonAction")->trigger();
        Click({100, 20});
        Click({120, 20});
        if (byNewRectangle)
            Main().NewRectangle();
        else
            SelectLine(2);
        EXPECT_EQ(ViewPolygon()->CurrentMode(), PolygonFrame::Mode::Hidden);
        EXPECT_FALSE(Main().statusBar()->currentMessage().isEmpty()) << "the end of the drawing is told";
        if (byNewRectangle) {
            EXPECT_TRUE(Rect().isVisible());
            Button(Rect(), "cancelButton")->click();
        }
        // The next click selects an area instead of placing a corner.
        Click({150, 100});
        EXPECT_EQ(List()->SelectedIndex(), 3);
    }
}

TEST_F(EditingLoopTest, TheSelectedShapeFollowsUndoAndRedoAndCanBeDraggedAtOnce)
{
    OpenTwoAreas();
    Click({30, 30});
    ASSERT_EQ(List()->SelectedIndex(), 2);
    ASSERT_TRUE(ShapeAttached()) << "the selected area is ready to be dragged";
    const QRect before = ShapeBounds();
    // A drag of the selected rectangle by (20, 10) is one step to undo.
    const QPoint from = InView({30, 30}), to = from + QPoint(20, 10);
    QTest::mousePress(ViewHandle(), Qt::LeftButton, {}, from);
    QTest::mouseMove(ViewHandle(), from + QPoint(5, 5));
    QTest::mouseMove(ViewHandle(), to);
    QTest::mouseRelease(ViewHandle(), Qt::LeftButton, {}, to);
    EXPECT_EQ(Lines().at(2), R"(<AREA SHAPE="RECT" COORDS="30,20,79,69" HREF="a.htm" ALT="A">)");
    Action(Main(), "undoAction")->trigger();
    EXPECT_EQ(Lines().at(2), kRect);
    EXPECT_EQ(ShapeBounds(), before) << "the shape shows the line as it is now";
    Action(Main(), "redoAction")->trigger();
    EXPECT_EQ(ShapeBounds(), before.translated(20, 10));
}

TEST_F(EditingLoopTest, APressAndDragOnTheBarePictureDrawsANewRectangle)
{
    OpenTwoAreas();
    const QPoint from = InView({100, 20}), to = InView({139, 49});
    QTest::mousePress(ViewHandle(), Qt::LeftButton, {}, from);
    QTest::mouseMove(ViewHandle(), from + QPoint(10, 10));
    QTest::mouseMove(ViewHandle(), to);
    QTest::mouseRelease(ViewHandle(), Qt::LeftButton, {}, to);
    ASSERT_TRUE(Rect().isVisible());
    EXPECT_EQ(RectFields(), (QStringList{"100", "20", "139", "49"}));
    Button(Rect(), "setButton")->click();
    EXPECT_EQ(Lines().at(4), R"(<AREA SHAPE="RECT" COORDS="100,20,139,49" HREF="" ALT="">)");
}

TEST_F(EditingLoopTest, MovingACircleAtAnOddZoomKeepsItsRadius)
{
    OpenMapWithAreas({R"(<AREA SHAPE="CIRCLE" COORDS="100,70,30" HREF="c.htm" ALT="C">)"});
    View().SetZoom(0.32);
    Click({100, 70});
    ASSERT_TRUE(ShapeAttached());
    const QPoint from = InView({100, 70}), to = from + QPoint(7, 3);
    QTest::mousePress(ViewHandle(), Qt::LeftButton, {}, from);
    QTest::mouseMove(ViewHandle(), from + QPoint(3, 1));
    QTest::mouseMove(ViewHandle(), to);
    QTest::mouseRelease(ViewHandle(), Qt::LeftButton, {}, to);
    const QString moved = Lines().at(2);
    EXPECT_FALSE(moved.contains("100,70,")) << "the circle moved";
    EXPECT_TRUE(moved.endsWith(R"(,30" HREF="c.htm" ALT="C">)")) << moved.toStdString();
}

TEST_F(EditingLoopTest, ANewAreaStartsWhereTheDialogLeavesItInSight)
{
    OpenTwoAreas();
    // The dialog opens at the main window's place, here over the top-left corner of the 200 x 150
    // picture, leaving its bottom and right free.
    Main().move(ViewPicture()->mapToGlobal(QPoint(0, 0)) - QPoint(300, 100));
    Main().NewRectangle();
    ASSERT_TRUE(Rect().isVisible());
    const QRect shape(ViewPicture()->mapToGlobal(ShapeBounds().topLeft()), ShapeBounds().size());
    EXPECT_FALSE(shape.intersects(Rect().frameGeometry()));
    EXPECT_TRUE(QRect(QPoint(), ViewPicture()->size()).contains(ShapeBounds()));
    Button(Rect(), "cancelButton")->click();
}

} // namespace
