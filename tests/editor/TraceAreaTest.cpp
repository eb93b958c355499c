// Create > Trace Area: a click on a room of a drawn floor plan opens its outline in the dialog of
// its kind, the tolerance field traces the click again, and Esc ends the mode.
#include <QImage>
#include <QPainter>
#include <QSpinBox>
#include <QStatusBar>

#include "AreaEditingFixture.h"
#include "editor/EditorSettings.h"
#include "editor/PolygonDialog.h"

namespace {

// Rooms on a black 200 x 150 plan: an L, a rectangle, and two rooms whose blues differ by 40, which
// together make another L.
const QColor kLRoom(230, 230, 180), kRectRoom(180, 230, 230), kBlueRoom(200, 200, 255), kPaleRoom(200, 200, 215);

class TraceAreaTest : public AreaEditingFixture {
protected:
    void OpenPlan()
    {
        QImage plan(200, 150, QImage::Format_RGB32);
        plan.fill(Qt::black);
        QPainter painter(&plan);
        painter.fillRect(10, 10, 50, 80, kLRoom);
        painter.fillRect(60, 60, 40, 30, kLRoom);
        painter.fillRect(120, 10, 60, 40, kRectRoom);
        painter.fillRect(120, 70, 30, 50, kBlueRoom);
        painter.fillRect(150, 100, 30, 20, kPaleRoom);
        painter.end();
        ASSERT_TRUE(plan.save(Path("plan.png")));
        Main().OpenPictureFile(Path("plan.png"));
        ASSERT_TRUE(View().isVisible());
    }
    void Click(QPoint pixel) { QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, InView(pixel)); }
    QSpinBox *Tolerance() { return Named<QSpinBox>(View(), "toleranceField"); }
    PolygonDialog &Polygon() { return Main().Areas().Polygon(); }
};

TEST_F(TraceAreaTest, ClickedRoomsOpenInTheirDialogsAndTheToleranceTracesAgain)
{
    OpenPlan();
    ASSERT_NO_FATAL_FAILURE();
    EXPECT_EQ(Action(Main(), "traceAction")->text(), "&Trace Area");
    EXPECT_FALSE(Tolerance()->isVisible());
    Action(Main(), "traceAction")->trigger();
    EXPECT_FALSE(Main().statusBar()->currentMessage().isEmpty()) << "how to trace is told";
    ASSERT_TRUE(Tolerance()->isVisible());
    EXPECT_EQ(Tolerance()->value(), 32);

    // The L becomes a polygon of its six corners, on the pixels' outer edges, edited and set as a
    // drawn one is.
    Click({20, 20});
    ASSERT_TRUE(Polygon().isVisible());
    EXPECT_EQ(ViewPolygon()->CurrentMode(), PolygonFrame::Mode::Editing);
    EXPECT_EQ(Field(Polygon(), "pointsField")->text(), "10,10,60,10,60,60,100,60,100,90,10,90");
    // A click elsewhere while it is open is refused, and an undo leaves the new area alone.
    Click({130, 20});
    EXPECT_TRUE(Polygon().isVisible());
    EXPECT_FALSE(Rect().isVisible());
    Action(Main(), "undoAction")->trigger();
    EXPECT_TRUE(Polygon().isVisible());
    Type(Field(Polygon(), "linkField"), "hall.htm");
    Button(Polygon(), "setButton")->click();
    EXPECT_EQ(Lines().at(2), "<AREA SHAPE=\"POLY\" COORDS=\"10,10,60,10,60,60,100,60,100,90,10,90\" HREF=\"hall.htm\" ALT=\"\">");

    // The mode stays on: a rectangular room gives a RECT.
    Click({130, 20});
    ASSERT_TRUE(Rect().isVisible());
    EXPECT_EQ(RectFields(), (QStringList{"120", "10", "179", "49"}));
    Button(Rect(), "setButton")->click();
    EXPECT_EQ(Lines().at(3), "<AREA SHAPE=\"RECT\" COORDS=\"120,10,179,49\" HREF=\"\" ALT=\"\">");

    // Raised past the difference of the two blues, the open room takes in its neighbour, on the
    // picture and in the dialog, as a polygon now; lowered again, it gives it back. The link typed
    // goes along.
    Click({125, 80});
    ASSERT_TRUE(Rect().isVisible());
    EXPECT_EQ(RectFields(), (QStringList{"120", "70", "149", "119"}));
    Type(Field(Rect(), "linkField"), "blue.htm");
    Tolerance()->setValue(48);
    ASSERT_TRUE(Polygon().isVisible());
    EXPECT_FALSE(Rect().isVisible());
    EXPECT_EQ(Field(Polygon(), "pointsField")->text(), "120,70,150,70,150,100,180,100,180,120,120,120");
    EXPECT_EQ(ViewPolygon()->Points().size(), 6u);
    EXPECT_EQ(Field(Polygon(), "linkField")->text(), "blue.htm");
    Tolerance()->setValue(32);
    ASSERT_TRUE(Rect().isVisible());
    EXPECT_EQ(RectFields(), (QStringList{"120", "70", "149", "119"}));
    EXPECT_EQ(View().ShapeBox(), (vemo::Box{120, 70, 30, 50}));
    EXPECT_EQ(Field(Rect(), "linkField")->text(), "blue.htm");
    Button(Rect(), "cancelButton")->click();
    EXPECT_EQ(Lines().size(), 5);

    // Esc ends the mode: a click selects the area under it again.
    Activate(&View());
    QTest::keyClick(ViewHandle(), Qt::Key_Escape);
    EXPECT_FALSE(Tolerance()->isVisible());
    EXPECT_TRUE(Main().statusBar()->currentMessage().isEmpty());
    Click({20, 20});
    EXPECT_FALSE(Polygon().isVisible());
    EXPECT_EQ(List()->SelectedIndex(), 2);
}

TEST_F(TraceAreaTest, TraceSettingsAreKeptInTheSettingsFile)
{
    const struct {
        const char *stored; // the MAIN section's trace lines
        int tolerance;
        double distance;
    } cases[] = {
        {"", 32, 1.0},
        {"TOLERANCE=60\nSIMPLIFY=2.5\n", 60, 2.5},
        {"TOLERANCE=300\nSIMPLIFY=-1\n", 32, 1.0},
        {"TOLERANCE=x\nSIMPLIFY=1.5px\n", 32, 1.0},
    };
    for (const auto &each : cases) {
        ASSERT_TRUE(testpics::WriteBytes(Path("t.INI"), QByteArray("[MAIN]\n") + each.stored));
        const EditorSettings::Values values = EditorSettings(Path("t.INI")).Read();
        EXPECT_EQ(values.traceTolerance, each.tolerance) << each.stored;
        EXPECT_EQ(values.traceDistance, each.distance) << each.stored;
    }
    // The editor starts with the stored values and keeps the tolerance last set in its field.
    editor.reset();
    ASSERT_TRUE(testpics::WriteBytes(Path("vemo-editor.INI"), "[MAIN]\nTOLERANCE=60\nSIMPLIFY=2.5\n"));
    Start();
    EXPECT_EQ(View().TraceTolerance(), 60);
    Tolerance()->setValue(45);
    Main().close();
    const EditorSettings::Values kept = EditorSettings(Path("vemo-editor.INI")).Read();
    EXPECT_EQ(kept.traceTolerance, 45);
    EXPECT_EQ(kept.traceDistance, 2.5);
}

} // namespace
