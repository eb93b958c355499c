// Pictures larger than the screen: the view scrolls and zooms, and every coordinate the user
// sees, types or saves stays in picture pixels. Qt's offscreen screen is 800 x 600.
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <gmock/gmock.h>

#include "AreaEditingFixture.h"
#include "widgets/PictureBox.h"

namespace {

class LargePictureTest : public AreaEditingFixture {
protected:
    // A 1600 x 1200 picture whose side file holds one area far down and to the right.
    void OpenLargeMap()
    {
        ASSERT_TRUE(testpics::MakePicture(Path("big.gif"), 1600, 1200));
        const QByteArray lines = "<IMG SRC=\"big.gif\" USEMAP=\"#big\">\r\n<MAP NAME=\"big\">\r\n"
                                 "<AREA SHAPE=\"RECT\" COORDS=\"1400,1000,1449,1049\" HREF=\"\" ALT=\"\">\r\n</MAP>\r\n";
        ASSERT_TRUE(testpics::WriteBytes(Path("big.vmo"), lines));
        Main().OpenPictureFile(Path("big.gif"));
        ASSERT_TRUE(View().isVisible());
    }
    QRect Visible() const
    {
        const vemo::Box part = editor->View().VisiblePart();
        return {part.left, part.top, part.width, part.height};
    }
    // Drags the attached shape from a point of the view window by a distance in screen pixels.
    void Drag(QPoint from, QPoint by)
    {
        QTest::mousePress(ViewHandle(), Qt::LeftButton, {}, from);
        QTest::mouseMove(ViewHandle(), from + by / 2);
        QTest::mouseMove(ViewHandle(), from + by);
        QTest::mouseRelease(ViewHandle(), Qt::LeftButton, {}, from + by);
    }
    QString Zoomed(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(&View(), Qt::Key(key), modifiers);
        return View().StatusPanel(2);
    }
};

TEST_F(LargePictureTest, ViewStaysOnTheScreenAndADragOrATypedValueGivesPictureCoordinates)
{
    for (const double zoom : {1.0, 2.0}) {
        SCOPED_TRACE(zoom);
        OpenLargeMap();
        View().SetZoom(zoom);
        const QRect screen = View().screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(View().frameGeometry()));
        // The status bar is inside the window, below the part of the picture in sight.
        const QWidget *scroller = View().findChild<QScrollArea *>();
        EXPECT_EQ(scroller->geometry().bottom() + 19, View().height() - 1);
        EXPECT_EQ(View().StatusPanel(2), zoom == 1.0 ? "100 %" : "200 %");

        // A new area starts at the top-left of what is in sight; a drag moves it by the same
        // picture pixels at any zoom.
        const QPoint seen = Visible().topLeft();
        Main().NewRectangle();
        Activate(&View());
        Drag({10, 10}, QPoint(20, 30) * zoom);
        EXPECT_EQ(RectFields(), (QStringList{QString::number(seen.x() + 20), QString::number(seen.y() + 30),
                                             QString::number(seen.x() + 69), QString::number(seen.y() + 79)}));
        Activate(&Rect());
        Type(Field(Rect(), "x0Field"), "20");
        Type(Field(Rect(), "y0Field"), "30");
        Type(Field(Rect(), "x1Field"), "1501");
        Type(Field(Rect(), "y1Field"), "1101");
        EXPECT_EQ(View().ShapeBox(), (vemo::Box{20, 30, 1482, 1072}));
        Button(Rect(), "setButton")->click();
        EXPECT_EQ(ListLines().value(3), "<AREA SHAPE=\"RECT\" COORDS=\"20,30,1501,1101\" HREF=\"\" ALT=\"\">");

        // Selecting a line scrolls its region into sight.
        SelectLine(2);
        EXPECT_TRUE(Visible().contains(QRect(1400, 1000, 50, 50)));
        EXPECT_FALSE(Visible().contains(QRect(0, 0, 1, 1)));
        Document().Close(); // dropped without the question
        ASSERT_TRUE(Main().CloseMap());
    }
}

TEST_F(LargePictureTest, ZoomKeysWheelAndPositionPanel)
{
    OpenLargeMap();
    Activate(&View());
    EXPECT_EQ(Zoomed(Qt::Key_Plus), "200 %");
    EXPECT_EQ(Zoomed(Qt::Key_Minus), "100 %");
    EXPECT_EQ(Zoomed(Qt::Key_Minus), "50 %");
    EXPECT_EQ(Zoomed(Qt::Key_0), "100 %");
    // Fitted, the whole picture is in sight without scroll bars.
    Zoomed(Qt::Key_9);
    EXPECT_EQ(Visible(), QRect(0, 0, 1600, 1200));
    EXPECT_TRUE(View().screen()->availableGeometry().contains(View().frameGeometry()));
    View().SetZoom(1.0);
    // Ctrl+wheel zooms about the mouse: the picture pixel under it stays under it.
    const QPoint mouse(300, 200);
    QTest::mouseMove(ViewHandle(), mouse);
    const QString underMouse = View().StatusPanel(0);
    QWheelEvent notch(mouse, View().mapToGlobal(mouse), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(ViewHandle(), &notch);
    EXPECT_EQ(View().StatusPanel(2), "200 %");
    QTest::mouseMove(ViewHandle(), mouse);
    EXPECT_EQ(View().StatusPanel(0), underMouse);
    // At 200 % each picture pixel is two screen pixels, during a drag too.
    const auto pictureAt = [this](QPoint windowPoint) {
        const QPoint shown = ViewPicture()->mapFrom(&View(), windowPoint);
        return QStringLiteral("( %1 , %2 )").arg(shown.x() / 2).arg(shown.y() / 2);
    };
    QTest::mouseMove(ViewHandle(), mouse + QPoint(3, 2));
    EXPECT_EQ(View().StatusPanel(0), pictureAt(mouse + QPoint(3, 2)));
    EXPECT_NE(View().StatusPanel(0), underMouse);
    Main().NewRectangle();
    Activate(&View());
    const QPoint onShape = View().mapFromGlobal(ViewShape()->mapToGlobal(QPoint(10, 10)));
    QTest::mousePress(ViewHandle(), Qt::LeftButton, {}, onShape);
    QTest::mouseMove(ViewHandle(), onShape + QPoint(41, 21));
    EXPECT_EQ(View().StatusPanel(0), pictureAt(onShape + QPoint(41, 21)));
    QTest::mouseRelease(ViewHandle(), Qt::LeftButton, {}, onShape + QPoint(41, 21));

    // At 50 % an odd typed value has no screen pixel of its own, and is written as typed.
    View().SetZoom(0.5);
    Activate(&Rect());
    Type(Field(Rect(), "x0Field"), "11");
    Type(Field(Rect(), "x1Field"), "1333");
    Button(Rect(), "setButton")->click();
    EXPECT_THAT(ListLines().value(3).toStdString(), ::testing::HasSubstr("COORDS=\"11,"));
    EXPECT_THAT(ListLines().value(3).toStdString(), ::testing::HasSubstr(",1333,"));
}

TEST_F(LargePictureTest, ADragHeldAtTheEdgeScrollsAndTheMouseStaysOnThePicture)
{
    OpenLargeMap();
    Main().NewRectangle();
    Activate(&View());
    const QWidget *port = View().findChild<QScrollArea *>()->viewport();
    const QPoint edge(port->width() - 2, port->height() - 2);
    QTest::mousePress(ViewHandle(), Qt::LeftButton, {}, {10, 10});
    QTest::mouseMove(ViewHandle(), {200, 200});
    QTest::mouseMove(ViewHandle(), edge);
    // Held there, the picture scrolls on to its far corner.
    QTRY_COMPARE_WITH_TIMEOUT(Visible().bottomRight(), QPoint(1599, 1199), 20000);
    QTest::mouseRelease(ViewHandle(), Qt::LeftButton, {}, edge);
    // The shape went along, and the picture point held at the press stayed on the picture.
    const QStringList corners = RectFields();
    EXPECT_GT(corners[0].toInt(), 1000);
    EXPECT_LE(corners[0].toInt() + 10, 1599);
    EXPECT_LE(corners[1].toInt() + 10, 1199);
    EXPECT_EQ(corners[2].toInt() - corners[0].toInt(), 49);
}

} // namespace
