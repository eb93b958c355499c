// The map's areas outlined on the view's picture, clicks on them, and the mouse over them.
#include <QSignalSpy>

#include "AreaEditingFixture.h"
#include "widgets/PictureBox.h"

namespace {

// On the 200 x 150 picture: a rectangle, a circle over its lower right corner, a line that does
// not read, and a circle so large that only a flat stretch of its rim, along row 121, crosses it.
const QStringList kAreas = {R"(<AREA SHAPE="RECT" COORDS="30,40,79,89" HREF="" ALT="">)",
                            R"(<AREA SHAPE="CIRCLE" COORDS="70,80,20" HREF="" ALT="">)",
                            R"(<AREA SHAPE="RECT" COORDS="1,2,3,x" HREF="" ALT="">)",
                            R"(<AREA SHAPE="CIRCLE" COORDS="150,1000000120,1000000000" HREF="" ALT="">)"};

class ViewMapAreasTest : public AreaEditingFixture {
protected:
    void SetUp() override
    {
        AreaEditingFixture::SetUp();
        OpenMapWithAreas(kAreas);
        View().ShowMapAreas(Document().Areas());
    }
    QRgb Shown(QPoint pixel) { return ViewPicture()->grab().toImage().pixel(pixel * View().Zoom()); }
    // The window point over the middle of a picture pixel.
    QPoint InWindow(QPoint pixel)
    {
        const double zoom = View().Zoom();
        return ViewPicture()->mapTo(&View(), QPoint(int((pixel.x() + 0.5) * zoom), int((pixel.y() + 0.5) * zoom)));
    }
};

TEST_F(ViewMapAreasTest, AreasThatReadAreOutlinedInTheShapeColourAtEveryZoom)
{
    // The first rectangle's left edge and the large circle's rim; then pixels off every outline.
    const QList<QPoint> outlined{{30, 60}, {150, 121}}, bare{{55, 50}, {70, 80}, {2, 3}, {150, 115}};
    for (const double zoom : {1.0, 2.0, 0.5}) {
        SCOPED_TRACE(zoom);
        View().SetZoom(zoom);
        QList<QRgb> shown;
        for (const QPoint &pixel : outlined + bare)
            shown << Shown(pixel);
        View().ShowMapAreas(nullptr);
        for (const QPoint &pixel : outlined)
            EXPECT_NE(Shown(pixel), shown.takeFirst()) << pixel.x() << "," << pixel.y();
        for (const QPoint &pixel : bare)
            EXPECT_EQ(Shown(pixel), shown.takeFirst()) << pixel.x() << "," << pixel.y();
        View().ShowMapAreas(Document().Areas());
    }
    // A dark shape colour is the line on the edge, in a white band; a light one is the band around
    // a black line. The selected line's shape covers its outline in full.
    View().SetZoom(1.0);
    View().SetShapeColor(Qt::red);
    EXPECT_EQ(Shown({30, 60}), QColor(Qt::red).rgb());
    EXPECT_EQ(Shown({31, 60}), QColor(Qt::white).rgb());
    View().SetShapeColor(Qt::yellow);
    EXPECT_EQ(Shown({30, 60}), QColor(Qt::black).rgb());
    EXPECT_EQ(Shown({29, 60}), QColor(Qt::yellow).rgb());
    View().SetShapeColor(Qt::blue);
    SelectLine(2);
    EXPECT_EQ(Shown({30, 60}), QColor(Qt::blue).rgb());
}

TEST_F(ViewMapAreasTest, ClicksGoToTheFirstAreaHoldingThePointAndNotToTheEditedShape)
{
    QSignalSpy clicked(&View(), &ViewWindow::AreaClicked);
    const auto expectClicks = [&](QPoint pixel, int line) {
        SCOPED_TRACE(QStringLiteral("%1,%2 at %3").arg(pixel.x()).arg(pixel.y()).arg(View().Zoom()).toStdString());
        SelectLine(-1);
        clicked.clear();
        QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, InWindow(pixel));
        using Reports = QList<QList<QVariant>>;
        EXPECT_EQ(clicked, line < 0 ? Reports() : Reports{{line}});
        EXPECT_EQ(List()->SelectedIndex(), line);
        // The selected area's shape now holds the mouse, for a drag; a double click on it opens it.
        QTest::mouseDClick(ViewHandle(), Qt::LeftButton, {}, InWindow(pixel));
        EXPECT_EQ(EditingALine(), line >= 0);
        for (AreaDialog *dialog : {static_cast<AreaDialog *>(&Rect()), static_cast<AreaDialog *>(&Circ())}) {
            if (dialog->isVisible())
                dialog->Cancel();
        }
    };
    const std::pair<QPoint, int> cases[] = {
        {{31, 45}, 2}, {{60, 70}, 2}, // in the rectangle, and in it and the circle: the earlier line
        {{80, 80}, 3}, {{88, 98}, -1}, // in the circle, and in a corner of its box that it leaves out
        {{2, 3}, -1},  {{150, 130}, 5},
    };
    for (const double zoom : {1.0, 2.0}) {
        View().SetZoom(zoom);
        for (const auto &[pixel, line] : cases)
            expectClicks(pixel, line);
    }
    View().SetZoom(1.0);
    // The selected line's shape takes a click for itself: the areas beneath hear nothing of it.
    SelectLine(3);
    clicked.clear();
    QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, InWindow({80, 80}));
    EXPECT_TRUE(clicked.isEmpty());
    EXPECT_EQ(List()->SelectedIndex(), 3);
    // The shape being edited keeps the mouse for itself; a click elsewhere on an area is refused.
    SelectLine(-1);
    Main().NewRectangle();
    clicked.clear();
    QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, InWindow({31, 45}));
    EXPECT_TRUE(clicked.isEmpty());
    QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, InWindow({80, 80}));
    EXPECT_EQ(List()->SelectedIndex(), -1);
    EXPECT_TRUE(Rect().isVisible());
}

TEST_F(ViewMapAreasTest, TheMouseOverAnAreaShowsItsLinkAndAltUntilItLeavesTheAreas)
{
    // A Shift-JIS map: the ALT reads in the map's encoding, and a quote as the dialog shows it.
    const QByteArray kitchenAlt = "\x91\xe4\x8f\x8a &quot;east&quot;"; // 台所 "east"
    const QByteArray map = "<IMG SRC=\"pic.gif\" USEMAP=\"#pic\">\r\n<MAP NAME=\"pic\">\r\n"
                           "<AREA SHAPE=\"RECT\" COORDS=\"30,40,79,89\" HREF=\"rooms/k.html\" ALT=\""
                           + kitchenAlt
                           + "\">\r\n<AREA SHAPE=\"CIRCLE\" COORDS=\"70,80,20\" HREF=\"hall.html\" ALT=\"\">\r\n"
                             "</MAP>\r\n";
    ASSERT_TRUE(testpics::WriteBytes(Path("pic.vmo"), map));
    Main().OpenPictureFile(Path("pic.gif"));
    const QString kind = "GIF 200 x 150", kitchen = "rooms/k.html  \u00B7  \u53F0\u6240 \"east\"";
    ASSERT_EQ(View().StatusPanel(1), kind);
    const auto moveTo = [&](QPoint windowPoint, const QString &shown) {
        QTest::mouseMove(ViewHandle(), windowPoint);
        EXPECT_EQ(View().StatusPanel(1), shown) << windowPoint.x() << "," << windowPoint.y() << " at " << View().Zoom();
    };
    for (const double zoom : {1.0, 2.0}) {
        View().SetZoom(zoom);
        moveTo(InWindow({60, 70}), kitchen); // in both areas: the earlier line, as a click takes it
        moveTo(InWindow({80, 80}), "hall.html  \u00B7  ");
        moveTo(InWindow({88, 98}), kind); // in the circle's box, outside the circle
        moveTo(InWindow({31, 45}), kitchen);
        moveTo(QPoint(10, View().height() - 5), kind); // onto the status bar
    }
    // A map change under a resting mouse shows the area's new values.
    View().SetZoom(1.0);
    moveTo(InWindow({31, 45}), kitchen);
    Document().ReplaceLine(2, R"(<AREA SHAPE="RECT" COORDS="30,40,79,89" HREF="pantry.html" ALT="P">)");
    EXPECT_EQ(View().StatusPanel(1), "pantry.html  \u00B7  P");
    // Panel 1's own text, set while over an area, shows at once and is what comes back.
    View().SetStatusPanel(1, "JPEG 1 x 1");
    EXPECT_EQ(View().StatusPanel(1), "JPEG 1 x 1");
    moveTo(InWindow({32, 45}), "pantry.html  \u00B7  P");
    moveTo(InWindow({2, 3}), "JPEG 1 x 1");
    // A map change that takes the area from under a resting mouse shows panel 1's own text again.
    moveTo(InWindow({32, 45}), "pantry.html  \u00B7  P");
    Document().RemoveLine(2);
    EXPECT_EQ(View().StatusPanel(1), "JPEG 1 x 1");
}

} // namespace
