// A polygon area from the Create menu to its line: drawn with the mouse on the view, set in its
// dialog, clicked on the picture, and changed by typing.
#include <QStatusBar>

#include "AreaEditingFixture.h"
#include "ModalAnswerer.h"
#include "editor/PolygonDialog.h"
#include "resizeframe/PolygonFrame.h"
#include "widgets/PictureBox.h"

namespace {

// A U on the 200 x 150 picture: two arms with a notch between them, and a base.
const std::vector<QPoint> kU{{20, 20}, {40, 20}, {40, 60}, {80, 60}, {80, 20}, {100, 20}, {100, 100}, {20, 100}};
const QString kUCoords = "20,20,40,20,40,60,80,60,80,20,100,20,100,100,20,100";

class PolygonAreaTest : public AreaEditingFixture {
protected:
    PolygonDialog &Polygon() { return Main().Areas().Polygon(); }
    // The window point over the middle of a picture pixel.
    QPoint InWindow(QPoint pixel)
    {
        const double zoom = View().Zoom();
        return ViewPicture()->mapTo(&View(), QPoint(int((pixel.x() + 0.5) * zoom), int((pixel.y() + 0.5) * zoom)));
    }
    void Click(QPoint pixel) { QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, InWindow(pixel)); }
};

TEST_F(PolygonAreaTest, DrawnSetClickedAndRetyped)
{
    OpenMap();
    EXPECT_EQ(Action(Main(), "newPolygonAction")->text(), "&POLY Map");
    Action(Main(), "newPolygonAction")->trigger();
    EXPECT_FALSE(Main().statusBar()->currentMessage().isEmpty()) << "how to draw is told";
    for (const QPoint &corner : kU)
        Click(corner);
    QTest::keyClick(ViewPolygon(), Qt::Key_Return);
    ASSERT_TRUE(Polygon().isVisible());
    EXPECT_TRUE(Main().statusBar()->currentMessage().isEmpty());
    EXPECT_EQ(Field(Polygon(), "pointsField")->text(), kUCoords);
    Type(Field(Polygon(), "linkField"), "u.htm");
    Button(Polygon(), "setButton")->click();
    const QString line = "<AREA SHAPE=\"POLY\" COORDS=\"" + kUCoords + "\" HREF=\"u.htm\" ALT=\"\">";
    EXPECT_EQ(ListLines().mid(2), (QStringList{line, "</MAP>"}));
    // The set polygon stays selected, ready to be dragged.
    EXPECT_EQ(ViewPolygon()->CurrentMode(), PolygonFrame::Mode::Editing);

    // The notch is no part of it; an arm is, and a double click there opens it.
    SelectLine(0);
    Click({60, 40});
    EXPECT_EQ(List()->SelectedIndex(), 0);
    Click({30, 50});
    EXPECT_EQ(List()->SelectedIndex(), 2);
    QTest::mouseDClick(ViewHandle(), Qt::LeftButton, {}, InWindow({30, 50}));
    ASSERT_TRUE(Polygon().isVisible());
    EXPECT_TRUE(EditingALine());
    EXPECT_EQ(ViewPolygon()->CurrentMode(), PolygonFrame::Mode::Editing);

    // Typing moves the polygon; unfinished typing leaves it; points that make no polygon are refused.
    Activate(&Polygon());
    Type(Field(Polygon(), "pointsField"), "20,20,40,20,40,60,80,60,80,20,100,20,100,120,20,120");
    EXPECT_EQ(ViewPolygon()->Points().back(), (vemo::Point{20, 120}));
    Type(Field(Polygon(), "pointsField"), "20,20,40,20,4");
    EXPECT_EQ(ViewPolygon()->Points().back(), (vemo::Point{20, 120}));
    {
        ModalAnswerer answerer;
        Button(Polygon(), "setButton")->click();
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_EQ(answerer.Seen().front().text, "A polygon's coordinates must come in x,y pairs");
    }
    EXPECT_TRUE(Polygon().isVisible());
    Type(Field(Polygon(), "pointsField"), "0,0,199,0,100,149");
    Button(Polygon(), "setButton")->click();
    EXPECT_EQ(ListLines().at(2), "<AREA SHAPE=\"POLY\" COORDS=\"0,0,199,0,100,149\" HREF=\"u.htm\" ALT=\"\">");
}

} // namespace
