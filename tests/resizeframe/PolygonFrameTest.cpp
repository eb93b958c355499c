// The polygon over a real picture control, driven by mouse and keys through its window, at 100 %
// and at 200 %.
#include "core/ZoomMapping.h"
#include "resizeframe/PolygonFrame.h"
#include "widgets/PictureBox.h"

#include <QImage>
#include <QSet>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Points = std::vector<vemo::Point>;

const QColor kPictureColour(0, 160, 0);
const QColor kShapeColour(Qt::red);
// An arrow head pointing left: the notch between its barbs is outside.
const Points kArrow{{20, 20}, {120, 20}, {60, 50}, {120, 100}, {20, 100}};
const vemo::Point kInside{30, 60}, kInTheNotch{110, 60};

// The presses, releases and double clicks that reach the picture control.
struct ClickLog : QObject {
    QList<QEvent::Type> seen;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() >= QEvent::MouseButtonPress && event->type() <= QEvent::MouseButtonDblClick)
            seen << event->type();
        return false;
    }
};

// A 200 x 150 picture at the zoom under test, in a window with room round it for drags that
// leave the picture.
class PolygonFrameTest : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override
    {
        host.resize(vemo::ToDisplay(260, zoom()), vemo::ToDisplay(200, zoom()));
        picture = new PictureBox(&host);
        picture->move(kOffset);
        QPixmap pixmap(200, 150);
        pixmap.fill(kPictureColour);
        picture->SetPicture(pixmap);
        frame = new PolygonFrame(picture);
        frame->SetColor(kShapeColour);
        picture->SetZoom(zoom());
        picture->installEventFilter(&reachedPicture);
        QObject::connect(frame, &PolygonFrame::PolygonDrawn, [this](Points points) { drawn.push_back(points); });
        QObject::connect(frame, &PolygonFrame::PolygonChanged, [this](Points points) { changed.push_back(points); });
        QObject::connect(frame, &PolygonFrame::DrawingAbandoned, [this] { ++abandoned; });
        host.show();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }

    double zoom() const { return GetParam(); }
    // The last display pixel of a picture pixel, as a point of the window: the mouse must be
    // taken back to the pixel it lies on, not to the nearest pixel edge.
    QPoint At(vemo::Point pixel) const
    {
        return kOffset + QPoint(vemo::ToDisplay(pixel.x + 1, zoom()) - 1, vemo::ToDisplay(pixel.y + 1, zoom()) - 1);
    }
    QWindow *window() { return host.windowHandle(); }
    void Click(vemo::Point pixel) { QTest::mouseClick(window(), Qt::LeftButton, {}, At(pixel)); }
    void DoubleClick(vemo::Point pixel) { QTest::mouseDClick(window(), Qt::LeftButton, {}, At(pixel)); }
    void Key(Qt::Key key) { QTest::keyClick(window(), key); }
    void Drag(vemo::Point from, vemo::Point to)
    {
        QTest::mousePress(window(), Qt::LeftButton, {}, At(from));
        QTest::mouseMove(window(), At(to));
        QTest::mouseRelease(window(), Qt::LeftButton, {}, At(to));
    }

    static constexpr QPoint kOffset{10, 10};
    QWidget host;
    PictureBox *picture = nullptr;
    PolygonFrame *frame = nullptr;
    ClickLog reachedPicture;
    std::vector<Points> drawn, changed;
    int abandoned = 0;
};

TEST_P(PolygonFrameTest, ClicksPlaceAPolygonThatClosesOnlyWithThreeDifferentPoints)
{
    const vemo::Point a{40, 40}, b{100, 40};
    Points andFirstHandle = kArrow;
    andFirstHandle.push_back({21, 21}); // on the first vertex's handle, off its pixel
    const struct {
        const char *name;
        Points clicks;
        bool lastIsDoubleClick, enter;
        Points placed;
        bool closes;
    } cases[] = {
        {"Enter", kArrow, false, true, kArrow, true},
        {"DoubleClick", kArrow, true, false, kArrow, true},
        {"FirstVertex", andFirstHandle, false, false, kArrow, true},
        {"NoPoints", {}, false, true, {}, false},
        {"TwoPoints", {a, b}, false, true, {a, b}, false},
        {"DoubleClickPlacesItsPointOnce", {a, b}, true, false, {a, b}, false},
        {"SamePixelTwice", {a, b, b}, false, true, {a, b}, false},
        {"FirstVertexAfterTwo", {a, b, a}, false, false, {a, b}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        drawn.clear();
        abandoned = 0;
        frame->StartDrawing();
        for (std::size_t i = 0; i < c.clicks.size(); ++i)
            c.lastIsDoubleClick && i + 1 == c.clicks.size() ? DoubleClick(c.clicks[i]) : Click(c.clicks[i]);
        if (c.enter)
            Key(Qt::Key_Enter);
        EXPECT_EQ(frame->Points(), c.placed);
        if (c.closes) {
            EXPECT_EQ(drawn, std::vector<Points>{c.placed});
            EXPECT_EQ(frame->CurrentMode(), PolygonFrame::Mode::Editing);
            continue;
        }
        EXPECT_EQ(frame->CurrentMode(), PolygonFrame::Mode::Drawing);
        Key(Qt::Key_Escape);
        EXPECT_EQ(abandoned, 1);
        EXPECT_FALSE(frame->isVisible());
        EXPECT_TRUE(frame->Points().empty() && drawn.empty());
    }
    EXPECT_TRUE(reachedPicture.seen.isEmpty());
}

TEST_P(PolygonFrameTest, DragsMoveAVertexOrTheWholePolygonWithinThePicture)
{
    const auto movedBy = [](int dx, int dy) {
        Points points = kArrow;
        for (vemo::Point &point : points)
            point = {point.x + dx, point.y + dy};
        return points;
    };
    const struct {
        const char *name;
        vemo::Point from, to;
        Points moved;
    } cases[] = {
        {"Vertex", kArrow[1], {130, 30}, {{20, 20}, {130, 30}, {60, 50}, {120, 100}, {20, 100}}},
        {"VertexOffThePicture", kArrow[3], {230, 170}, {{20, 20}, {120, 20}, {60, 50}, {199, 149}, {20, 100}}},
        {"Inside", kInside, {40, 65}, movedBy(10, 5)},
        {"InsideOffThePicture", kInside, {230, 170}, movedBy(79, 49)},
        {"HandleWithoutMoving", kArrow[1], kArrow[1], kArrow},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        frame->Edit(kArrow);
        changed.clear();
        Drag(c.from, c.to);
        EXPECT_EQ(frame->Points(), c.moved);
        EXPECT_EQ(changed, c.moved == kArrow ? std::vector<Points>{} : std::vector<Points>{c.moved});
    }
    EXPECT_EQ(frame->SelectedVertex(), 1u);
    EXPECT_TRUE(reachedPicture.seen.isEmpty());
}

TEST_P(PolygonFrameTest, DoubleClickOnAnEdgeAddsAVertexAndDeleteRemovesDownToThree)
{
    frame->Edit(kArrow);
    // Inside, a few display pixels too far from the first edge; then near it, on the pixel below it.
    DoubleClick({70, 24});
    EXPECT_TRUE(changed.empty());
    DoubleClick({70, 21});
    const Points inserted{kArrow[0], {70, 21}, kArrow[1], kArrow[2], kArrow[3], kArrow[4]};
    ASSERT_EQ(changed, std::vector<Points>{inserted});
    EXPECT_EQ(frame->SelectedVertex(), 1u);

    Key(Qt::Key_Delete);
    EXPECT_EQ(frame->Points(), kArrow);
    for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Delete}) {
        Click(frame->Points()[0]);
        Key(key);
    }
    EXPECT_EQ(frame->Points(), (Points{kArrow[2], kArrow[3], kArrow[4]}));
    EXPECT_EQ(changed.size(), 4u);
}

TEST_P(PolygonFrameTest, ThePictureGetsThePressesTheShapeDoesNotTake)
{
    const QList<QEvent::Type> click{QEvent::MouseButtonPress, QEvent::MouseButtonRelease};
    frame->Edit(kArrow);
    Click(kInTheNotch);
    EXPECT_EQ(reachedPicture.seen, click);
    Click(kInside);
    EXPECT_EQ(reachedPicture.seen, click);

    // Shown, the hatched polygon takes no mouse at all and lets the picture show through.
    frame->Show(kArrow);
    reachedPicture.seen.clear();
    Drag(kArrow[1], {130, 30});
    EXPECT_EQ(reachedPicture.seen, click);
    EXPECT_EQ(frame->Points(), kArrow);
    EXPECT_TRUE(changed.empty());
    const QImage shown = picture->grab().toImage();
    const auto colours = [&](vemo::Point pixel) {
        QSet<QRgb> seen;
        for (int i = 0; i < 256; ++i)
            seen.insert(shown.pixel(At(pixel) - kOffset + QPoint(i % 16, i / 16)));
        return seen;
    };
    EXPECT_EQ(colours(kInside), (QSet<QRgb>{kPictureColour.rgb(), kShapeColour.rgb()}));
    EXPECT_EQ(colours(kInTheNotch), QSet<QRgb>{kPictureColour.rgb()});
}

INSTANTIATE_TEST_SUITE_P(Zooms, PolygonFrameTest, ::testing::Values(1.0, 2.0), ::testing::PrintToStringParamName());

} // namespace
