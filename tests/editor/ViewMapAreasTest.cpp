// The map's areas outlined on the view's picture, and clicks on them.
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
        View().ShowMapAreas(Document().Lines());
    }
    QRgb Shown(QPoint pixel) { return View().picture->grab().toImage().pixel(pixel * View().Zoom()); }
    // The window point over the middle of a picture pixel.
    QPoint InWindow(QPoint pixel)
    {
        const double zoom = View().Zoom();
        return View().picture->mapTo(&View(), QPoint(int((pixel.x() + 0.5) * zoom), int((pixel.y() + 0.5) * zoom)));
    }
};

TEST_F(ViewMapAreasTest, AreasThatReadAreOutlinedFaintlyInTheShapeColourAtEveryZoom)
{
    // The first rectangle's left edge and the large circle's rim; then pixels off every outline.
    const QList<QPoint> outlined{{30, 60}, {150, 121}}, bare{{55, 50}, {70, 80}, {2, 3}, {150, 115}};
    for (const double zoom : {1.0, 2.0, 0.5}) {
        SCOPED_TRACE(zoom);
        View().SetZoom(zoom);
        QList<QRgb> shown;
        for (const QPoint &pixel : outlined + bare)
            shown << Shown(pixel);
        View().ShowMapAreas({});
        for (const QPoint &pixel : outlined)
            EXPECT_NE(Shown(pixel), shown.takeFirst()) << pixel.x() << "," << pixel.y();
        for (const QPoint &pixel : bare)
            EXPECT_EQ(Shown(pixel), shown.takeFirst()) << pixel.x() << "," << pixel.y();
        View().ShowMapAreas(Document().Lines());
    }
    // Faint: the picture shows through. The selected line's shape covers its outline in full.
    View().SetShapeColor(Qt::red);
    const QRgb faintRed = Shown({30, 60});
    EXPECT_NE(faintRed, QColor(Qt::red).rgb());
    View().SetShapeColor(Qt::blue);
    EXPECT_NE(Shown({30, 60}), faintRed);
    SelectLine(2);
    EXPECT_EQ(Shown({30, 60}), QColor(Qt::blue).rgb());
}

TEST_F(ViewMapAreasTest, ClicksGoToTheFirstAreaHoldingThePointAndNotToTheEditedShape)
{
    QSignalSpy clicked(&View(), &ViewWindow::AreaClicked);
    QSignalSpy doubleClicked(&View(), &ViewWindow::AreaDoubleClicked);
    const auto expectClicks = [&](QPoint pixel, int line) {
        SCOPED_TRACE(QStringLiteral("%1,%2 at %3").arg(pixel.x()).arg(pixel.y()).arg(View().Zoom()).toStdString());
        clicked.clear();
        doubleClicked.clear();
        QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, InWindow(pixel));
        QTest::mouseDClick(ViewHandle(), Qt::LeftButton, {}, InWindow(pixel));
        // The double click's first press and release make a click of their own.
        using Reports = QList<QList<QVariant>>;
        const QList<QVariant> at{line};
        const Reports clicks = line < 0 ? Reports() : Reports{at, at};
        const Reports doubles = line < 0 ? Reports() : Reports{at};
        EXPECT_EQ(clicked, clicks);
        EXPECT_EQ(doubleClicked, doubles);
        // The main window opens a double-clicked line for editing; the next case starts without.
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
    // The selected line's shape lets clicks through to the areas beneath.
    SelectLine(3);
    expectClicks({80, 80}, 3);
    // The shape being edited keeps the mouse for itself; the rest of the picture still answers.
    Main().NewRectangle();
    clicked.clear();
    QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, InWindow({31, 45}));
    EXPECT_TRUE(clicked.isEmpty());
    expectClicks({80, 80}, 3);
}

} // namespace
