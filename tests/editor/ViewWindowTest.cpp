// The view window: its size around the picture, its status bar, where it first appears, and
// the shape that survives the frame's Delete key.
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "AreaEditingFixture.h"
#include "widgets/PictureBox.h"

namespace {

class ViewWindowTest : public AreaEditingFixture {};

TEST_F(ViewWindowTest, ClientAreaIsThePictureAboveTheStatusBarEvenForSmallPictures)
{
    for (const QSize picture : {QSize(97, 61), QSize(320, 200)}) {
        ASSERT_TRUE(testpics::MakePicture(Path("small.gif"), picture.width(), picture.height()));
        Main().OpenPictureFile(Path("small.gif"));
        EXPECT_EQ(View().size(), picture + QSize(0, 19));
        EXPECT_EQ(View().minimumSize(), View().maximumSize());
        EXPECT_EQ(ViewPicture()->geometry(), QRect(QPoint(0, 0), picture));
    }
    // The panels, without the hint that shows over them now and then.
    QList<QLabel *> panels = View().findChildren<QLabel *>();
    panels.removeIf([](const QLabel *label) { return label->frameShape() != QFrame::Panel; });
    ASSERT_EQ(panels.size(), 3);
    EXPECT_EQ(panels[0]->geometry(), QRect(0, 0, 100, 19));
    EXPECT_EQ(panels[0]->frameShadow(), QFrame::Raised);
    EXPECT_EQ(panels[1]->geometry().left(), 100);
    EXPECT_EQ(panels[1]->geometry().right() + 1, panels[2]->geometry().left());
    EXPECT_EQ(panels[1]->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(panels[2]->geometry().right(), 319);
    EXPECT_EQ(panels[2]->text(), "100 %");
    EXPECT_TRUE(View().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(ViewWindowTest, FirstShownBesideTheMainWindowThenLeftWhereItIs)
{
    // The main window (522 x 335 at the origin) leaves room below it on the 800 x 600 screen;
    // centred, the view would cover it.
    OpenMap();
    EXPECT_FALSE(View().frameGeometry().intersects(Main().frameGeometry()));
    EXPECT_EQ(View().size(), QSize(200, 169)) << "it fits whole there";
    View().move(10, 20);
    ASSERT_TRUE(testpics::MakePicture(Path("other.gif"), 40, 30));
    Main().OpenPictureFile(Path("other.gif"));
    EXPECT_EQ(View().pos(), QPoint(10, 20));
}

TEST_F(ViewWindowTest, StatusBarShowsThePicturePositionAlsoOverAShownShape)
{
    OpenMapWithAreas({"<AREA SHAPE=\"RECT\" COORDS=\"30,40,79,89\" HREF=\"\" ALT=\"\">"});
    EXPECT_EQ(View().StatusPanel(0), "(640,480)");
    QTest::mouseMove(ViewHandle(), {120, 45});
    EXPECT_EQ(View().StatusPanel(0), "( 120 , 45 )");
    SelectLine(2);
    QTest::mouseMove(ViewHandle(), {35, 46});
    EXPECT_EQ(View().StatusPanel(0), "( 35 , 46 )");
    // Over the status bar the last position stays.
    QTest::mouseMove(ViewHandle(), {10, 160});
    EXPECT_EQ(View().StatusPanel(0), "( 35 , 46 )");
}

TEST_F(ViewWindowTest, ALargePictureShrinksTheViewToTheRoomBesideTheMainWindowAtItsZoom)
{
    ASSERT_TRUE(testpics::MakePicture(Path("large.gif"), 1600, 1200));
    Main().OpenPictureFile(Path("large.gif"));
    const QRect screen = View().screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(View().frameGeometry()));
    EXPECT_FALSE(View().frameGeometry().intersects(Main().frameGeometry()));
    EXPECT_EQ(View().width(), screen.width() - 16) << "the whole width below the main window";
    EXPECT_EQ(View().StatusPanel(2), "100 %");

    // Where the main window leaves no room worth having, its top-left corner stays in sight.
    Main().setGeometry(screen);
    Main().OpenPictureFile(Path("large.gif"));
    EXPECT_FALSE(View().frameGeometry().contains(Main().frameGeometry().topLeft()));
}

TEST_F(ViewWindowTest, ANewPictureShowsThePositionPanelsDesignTextUntilTheMouseMoves)
{
    OpenMap();
    QTest::mouseMove(ViewHandle(), {120, 45});
    ASSERT_EQ(View().StatusPanel(0), "( 120 , 45 )");
    ASSERT_TRUE(testpics::MakePicture(Path("other.gif"), 40, 30));
    Main().OpenPictureFile(Path("other.gif"));
    EXPECT_EQ(View().StatusPanel(0), "(640,480)");
}

TEST_F(ViewWindowTest, TheDeleteKeyNeverDestroysTheShape)
{
    OpenMap();
    Main().NewRectangle();
    Activate(&View());
    QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, {20, 20});
    QTest::keyClick(ViewHandle(), Qt::Key_Delete);
    ASSERT_NE(View().findChild<Shape *>(), nullptr);
    EXPECT_TRUE(ShapeAttached());
    Button(Rect(), "setButton")->click();
    EXPECT_EQ(List()->count(), 4);
}

} // namespace
