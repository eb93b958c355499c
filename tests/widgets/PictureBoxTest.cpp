// The outlines a picture box draws over its picture: seen on any picture, and drawn alike however
// little of the control is repainted.
#include "widgets/PictureBox.h"

#include "QtPrinters.h"

#include <QPainter>
#include <QPaintEvent>
#include <QRandomGenerator>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int kWidth = 200, kHeight = 150;

// A rectangle, a circle, a triangle, a circle so large that only a flat stretch of its rim (along
// row 121, around column 150) crosses the picture, and a rectangle whose left edge lies beyond it.
std::vector<vemo::AreaRegion> Outlines()
{
    using vemo::AreaKind;
    return {{AreaKind::Rect, {20, 20, 40, 30}, {}},
            {AreaKind::Circle, {80, 10, 40, 40}, {}},
            {AreaKind::Poly, {10, 60, 51, 31}, {{10, 60}, {60, 60}, {35, 90}}},
            {AreaKind::Circle, {150 - 1000000000, 121, 2000000001, 2000000001}, {}},
            {AreaKind::Rect, {-10, 100, 30, 10}, {}}};
}

std::shared_ptr<const vemo::AreaSet> Set(std::vector<vemo::AreaRegion> outlines)
{
    return std::make_shared<const vemo::AreaSet>(std::move(outlines));
}
// Pixels on the outlines above, and pixels that none of them touches: inside the rectangle two
// pixels in, inside the circle and the triangle, above the large circle's rim, and the picture's
// left column beside the rectangle that starts beyond it.
const QList<QPoint> kOnOutlines{{20, 35}, {35, 20}, {59, 35}, {35, 49}, {100, 10}, {80, 30},
                                {35, 60}, {22, 75}, {48, 75}, {150, 121}, {10, 100}, {19, 105}};
const QList<QPoint> kUntouched{{22, 35}, {35, 22}, {57, 35}, {100, 30}, {35, 70}, {150, 118}, {0, 105}};

QPixmap Filled(const QString &kind)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    if (kind == "noisy") {
        QRandomGenerator random(7);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                image.setPixel(x, y, qRgb(random.bounded(64, 192), random.bounded(64, 192), random.bounded(64, 192)));
    } else {
        image.fill(QColor(kind));
    }
    return QPixmap::fromImage(image);
}

int Difference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The largest difference from the bare picture among a pixel and its eight neighbours.
int Contrast(const QImage &shown, const QImage &bare, QPoint pixel)
{
    int most = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            most = std::max(most, Difference(shown.pixel(pixel + QPoint(dx, dy)), bare.pixel(pixel + QPoint(dx, dy))));
    return most;
}

TEST(PictureBoxTest, OutlinesStandOutFromBlackWhiteGreyAndNoisyPicturesInAnyColour)
{
    for (const QString background : {"black", "white", "#808080", "noisy"}) {
        PictureBox box;
        box.SetPicture(Filled(background));
        const QImage bare = box.grab().toImage();
        box.SetOutlines(Set(Outlines()));
        for (const QColor &colour : {QColor(Qt::black), QColor(Qt::red), QColor(Qt::yellow), QColor(Qt::white)}) {
            SCOPED_TRACE((background + " " + colour.name()).toStdString());
            box.SetOutlineColor(colour);
            const QImage shown = box.grab().toImage();
            for (const QPoint &pixel : kOnOutlines)
                EXPECT_GE(Contrast(shown, bare, pixel), 100) << pixel.x() << "," << pixel.y();
            for (const QPoint &pixel : kUntouched)
                EXPECT_EQ(shown.pixel(pixel), bare.pixel(pixel)) << pixel.x() << "," << pixel.y();
        }
    }
}

TEST(PictureBoxTest, ARepaintedStripShowsWhatAWholeRepaintShows)
{
    PictureBox box;
    box.SetPicture(Filled("#808080"));
    box.SetOutlines(Set(Outlines()));
    box.SetOutlineColor(Qt::red);
    // Strips through the bands just outside and just inside the rectangle's left edge, through its
    // edge, across the circle's left rim, through the band above the large circle's rim, and
    // through the picture's left column.
    const QRect strips[] = {{19, 10, 1, 50}, {21, 10, 1, 50},   {20, 10, 1, 50},
                            {77, 20, 6, 20}, {120, 120, 60, 1}, {0, 90, 1, 30}};
    for (const double zoom : {1.0, 2.0}) {
        box.SetZoom(zoom);
        const QImage whole = box.grab().toImage();
        for (const QRect &picturePixels : strips) {
            const QRect strip(picturePixels.topLeft() * zoom, picturePixels.size() * zoom);
            QImage part(strip.size(), QImage::Format_RGB32);
            part.fill(Qt::green);
            box.render(&part, QPoint(), QRegion(strip));
            EXPECT_EQ(part, whole.copy(strip)) << zoom << ": " << strip.x() << "," << strip.y();
        }
    }
}

// Records the area of each repaint of the control it watches.
class RepaintWatch : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

TEST(PictureBoxTest, AChangeOfOneOutlineRepaintsOnlyWhereItWasAndIs)
{
    PictureBox box;
    box.SetPicture(Filled("grey"));
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    std::vector<vemo::AreaRegion> outlines = Outlines();
    box.SetOutlines(Set(outlines));
    QCoreApplication::processEvents();
    RepaintWatch watch;
    box.installEventFilter(&watch);
    // The triangle moved by ten pixels; an outline added at the end; nothing changed at all.
    outlines[2].box.left += 10;
    for (vemo::Point &point : outlines[2].points)
        point.x += 10;
    box.SetOutlines(Set(outlines));
    QCoreApplication::processEvents();
    // Where the triangle was and is, with its band, and none of the other outlines.
    EXPECT_TRUE(watch.painted.boundingRect().contains(QRect(9, 59, 63, 33)));
    EXPECT_FALSE(watch.painted.intersects(QRect(80, 10, 40, 40)));
    EXPECT_FALSE(watch.painted.intersects(QRect(20, 20, 40, 30)));
    watch.painted = {};
    outlines.push_back({vemo::AreaKind::Rect, {150, 10, 20, 20}, {}});
    box.SetOutlines(Set(outlines));
    QCoreApplication::processEvents();
    EXPECT_TRUE(watch.painted.boundingRect().contains(QRect(149, 9, 22, 22)));
    EXPECT_LT(watch.painted.boundingRect().width(), 30);
    watch.painted = {};
    box.SetOutlines(Set(outlines));
    QCoreApplication::processEvents();
    EXPECT_TRUE(watch.painted.isEmpty());
}

} // namespace
