// Tracing a region of a drawn picture must give an area that a browser takes for the same pixels
// as the shape drawn, with few corners, through the anti-aliased edges of a PNG and the noise of a
// JPEG, without running into the neighbouring colours.
#include "imagelib/AreaTracer.h"

#include "core/PolygonGeometry.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTransform>

#include <gtest/gtest.h>

#include <limits>

namespace {

const QColor kBackground(255, 255, 255);
const QColor kRoom(173, 216, 230);
const QColor kNeighbour(255, 228, 181);
const QColor kWall(90, 90, 90);

QPainterPath Polygon(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

QPainterPath Ellipse(QPointF centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

enum class Format { Png, Jpeg };

struct TraceCase {
    const char *name;
    QPainterPath shape;      // the room, filled with kRoom
    QPainterPath inside;     // drawn over the room in the wall colour: a pillar the outline ignores
    Format format;
    int tolerance;
    vemo::AreaKind kind;
    int trueCorners;         // the drawn shape's corners; 0 for a circle
    QPoint click;
};

// The picture: a neighbouring block touching the room's left, the room, then its pillar, each
// anti-aliased, passed through the format's writer and reader.
QImage Draw(const TraceCase &trace)
{
    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(kBackground);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.fillPath(Polygon({{0, 200}, {320, 200}, {320, 240}, {0, 240}}), kNeighbour);
        painter.fillPath(trace.shape, kRoom);
        painter.fillPath(trace.inside, kWall);
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, trace.format == Format::Png ? "PNG" : "JPG", trace.format == Format::Png ? -1 : 75);
    return QImage::fromData(buffer.data());
}

// Intersection over union of the pixels whose centre lies in the shape and those the traced area
// holds as a browser reads it.
double Overlap(const QPainterPath &shape, const TracedArea &traced, QSize size)
{
    const vemo::AreaRegion region = traced.Region();
    long both = 0, either = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const bool truth = shape.contains(QPointF(x + 0.5, y + 0.5));
            const bool held = vemo::RegionHoldsPixel(region, x, y);
            both += truth && held;
            either += truth || held;
        }
    }
    return either == 0 ? 0.0 : static_cast<double>(both) / either;
}

QPainterPath Rotated(const QPainterPath &path, double degrees, QPointF about)
{
    QTransform turn;
    turn.translate(about.x(), about.y()).rotate(degrees).translate(-about.x(), -about.y());
    return turn.map(path);
}

std::vector<TraceCase> Cases()
{
    const QPainterPath rectangle = Polygon({{40.3, 30.6}, {250.8, 30.6}, {250.8, 170.2}, {40.3, 170.2}});
    const QPainterPath circle = Ellipse({160.4, 100.7}, 80.3);
    // Rooms touching the neighbouring block below them.
    const QPainterPath lRoom = Polygon({{30.4, 20.2}, {120.7, 20.2}, {120.7, 120.4}, {280.3, 120.4}, {280.3, 200}, {30.4, 200}});
    const QPainterPath uRoom = Polygon({{30.2, 20.6}, {110.4, 20.6}, {110.4, 130.3}, {200.6, 130.3}, {200.6, 20.6},
                                        {290.6, 20.6}, {290.6, 200}, {30.2, 200}});
    const QPainterPath turned = Rotated(Polygon({{80, 50}, {240, 50}, {240, 150}, {80, 150}}), 23, {160, 100});
    const QPainterPath pillar = Polygon({{140.5, 80.5}, {160.5, 80.5}, {160.5, 100.5}, {140.5, 100.5}});
    const QPainterPath atEdge = Polygon({{-20, -10}, {150.6, -10}, {150.6, 90.3}, {90.2, 150.8}, {-20, 150.8}});
    const QPainterPath none;
    using vemo::AreaKind;
    return {
        {"rectangle", rectangle, none, Format::Png, kDefaultTraceTolerance, AreaKind::Rect, 4, {100, 100}},
        {"rectangle", rectangle, none, Format::Jpeg, kDefaultTraceTolerance, AreaKind::Rect, 4, {100, 100}},
        {"rectangle", rectangle, none, Format::Jpeg, 48, AreaKind::Rect, 4, {100, 100}},
        {"circle", circle, none, Format::Png, kDefaultTraceTolerance, AreaKind::Circle, 0, {160, 100}},
        {"circle", circle, none, Format::Jpeg, kDefaultTraceTolerance, AreaKind::Circle, 0, {160, 100}},
        {"L room", lRoom, none, Format::Png, kDefaultTraceTolerance, AreaKind::Poly, 6, {60, 150}},
        {"L room", lRoom, none, Format::Jpeg, kDefaultTraceTolerance, AreaKind::Poly, 6, {60, 150}},
        {"U room", uRoom, none, Format::Png, 16, AreaKind::Poly, 8, {60, 150}},
        {"U room", uRoom, none, Format::Jpeg, kDefaultTraceTolerance, AreaKind::Poly, 8, {60, 150}},
        {"rotated", turned, none, Format::Png, kDefaultTraceTolerance, AreaKind::Poly, 4, {160, 100}},
        {"rotated", turned, none, Format::Jpeg, kDefaultTraceTolerance, AreaKind::Poly, 4, {160, 100}},
        {"around a pillar", rectangle, pillar, Format::Png, kDefaultTraceTolerance, AreaKind::Rect, 4, {60, 60}},
        {"around a pillar", rectangle, pillar, Format::Jpeg, kDefaultTraceTolerance, AreaKind::Rect, 4, {60, 60}},
        {"at the edge", atEdge, none, Format::Png, kDefaultTraceTolerance, AreaKind::Poly, 5, {50, 50}},
        {"at the edge", atEdge, none, Format::Jpeg, kDefaultTraceTolerance, AreaKind::Poly, 5, {50, 50}},
    };
}

TEST(AreaTracerTest, TracedAreaHoldsTheDrawnShapeWithFewCorners)
{
    for (const TraceCase &trace : Cases()) {
        const bool jpeg = trace.format == Format::Jpeg;
        SCOPED_TRACE(std::string(trace.name) + (jpeg ? " JPEG" : " PNG") + " tolerance " + std::to_string(trace.tolerance));
        const QImage picture = Draw(trace);
        const TracedArea traced = TraceArea(picture, trace.click, trace.tolerance);
        EXPECT_EQ(traced.kind, trace.kind) << traced.CoordsText();
        // The pillar is inside the room's outline, as a browser takes it.
        EXPECT_GE(Overlap(trace.shape, traced, picture.size()), jpeg ? 0.97 : 0.98) << traced.CoordsText();
        if (traced.kind == vemo::AreaKind::Poly) {
            const vemo::AreaRegion region = traced.Region();
            EXPECT_LE(region.points.size(), 2u * trace.trueCorners) << traced.CoordsText();
            EXPECT_FALSE(vemo::EdgesCross(region.points)) << traced.CoordsText();
        }
    }
}

// Ragged regions of scattered pixels: reducing their outlines plainly makes edges meet in most of
// them, so the trace has to keep corners there, at any distance allowed.
TEST(AreaTracerTest, OutlineOfARaggedRegionNeverCrossesItself)
{
    for (int seed = 0; seed < 20; ++seed) {
        QRandomGenerator random(seed);
        QImage picture(24, 24, QImage::Format_RGB32);
        picture.fill(kBackground);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (random.bounded(100) < 62 || (x == 12 && y == 12))
                    picture.setPixel(x, y, kWall.rgb());
            }
        }
        for (const double maxDistance : {1.0, 2.0, 3.0}) {
            const TracedArea traced = TraceArea(picture, {12, 12}, kDefaultTraceTolerance, maxDistance);
            if (traced.kind == vemo::AreaKind::Poly) {
                EXPECT_FALSE(vemo::EdgesCross(traced.Region().points)) << seed << " " << traced.CoordsText();
            }
        }
    }
}

struct BoundaryCase {
    const char *name;
    QPoint click;
    TracedArea expected;
};

// A lone pixel, the whole picture, a click outside it and a null picture.
TEST(AreaTracerTest, SmallestAndLargestRegionsAndClicksOutside)
{
    QImage picture(50, 40, QImage::Format_RGB32);
    picture.fill(kBackground);
    picture.setPixel(20, 30, kWall.rgb());
    using vemo::AreaKind;
    const BoundaryCase cases[] = {
        {"lone pixel", {20, 30}, {AreaKind::Rect, {20, 30, 20, 30}}},
        {"all but a pixel", {0, 0}, {AreaKind::Rect, {0, 0, 49, 39}}},
        {"left of the picture", {-1, 5}, {}},
        {"below the picture", {5, 40}, {}},
    };
    for (const BoundaryCase &boundary : cases)
        EXPECT_EQ(TraceArea(picture, boundary.click), boundary.expected) << boundary.name;
    // An L of whole pixels: no distance, or none that makes sense, keeps its outline exactly; an
    // endless one makes any region a rectangle.
    QPainter(&picture).fillRect(30, 5, 10, 10, kWall);
    QPainter(&picture).fillRect(30, 15, 5, 10, kWall);
    const TracedArea exact{AreaKind::Poly, {30, 5, 40, 5, 40, 15, 35, 15, 35, 25, 30, 25}};
    for (const double none : {0.0, -3.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(TraceArea(picture, {31, 6}, kDefaultTraceTolerance, none), exact)
            << none << ": " << TraceArea(picture, {31, 6}, kDefaultTraceTolerance, none).CoordsText();
    EXPECT_EQ(TraceArea(picture, {31, 6}, kDefaultTraceTolerance, std::numeric_limits<double>::infinity()).kind, AreaKind::Rect);
    EXPECT_EQ(TraceArea(QImage(), {0, 0}), TracedArea{});
}

// A low bump on a rectangle's top edge is an edge of its own when the allowed distance is smaller
// than its height, and part of a plain rectangle when it is larger.
TEST(AreaTracerTest, AllowedDistanceDecidesWhetherALowBumpIsKept)
{
    const QPainterPath bumped = Polygon({{40.3, 60.6}, {150.2, 60.6}, {170.4, 56.6}, {190.5, 60.6}, {280.7, 60.6},
                                         {280.7, 180.2}, {40.3, 180.2}});
    const TraceCase trace{"bump", bumped, {}, Format::Png, kDefaultTraceTolerance, vemo::AreaKind::Poly, 7, {100, 100}};
    const QImage picture = Draw(trace);
    const struct {
        double maxDistance;
        vemo::AreaKind kind;
        double leastOverlap;
    } cases[] = {{1.0, vemo::AreaKind::Poly, 0.99}, {6.0, vemo::AreaKind::Rect, 0.98}};
    for (const auto &allowed : cases) {
        const TracedArea traced = TraceArea(picture, trace.click, kDefaultTraceTolerance, allowed.maxDistance);
        EXPECT_EQ(traced.kind, allowed.kind) << allowed.maxDistance << ": " << traced.CoordsText();
        EXPECT_GE(Overlap(bumped, traced, picture.size()), allowed.leastOverlap) << allowed.maxDistance;
    }
}

// A 12 MP picture: a region of a million pixels and the region around it, as large as the picture.
TEST(AreaTracerTest, TracesRegionsOfATwelveMegapixelPicture)
{
    QImage picture(4000, 3000, QImage::Format_RGB32);
    picture.fill(kBackground);
    QPainter(&picture).fillRect(1000, 800, 1250, 800, kRoom);
    EXPECT_EQ(TraceArea(picture, {1500, 1200}), (TracedArea{vemo::AreaKind::Rect, {1000, 800, 2249, 1599}}));
    EXPECT_EQ(TraceArea(picture, {3999, 2999}), (TracedArea{vemo::AreaKind::Rect, {0, 0, 3999, 2999}}));
}

// Transparent pixels hide colours of their own (a PNG writer may leave anything there); they are
// one region all the same, apart from a drawn shape.
TEST(AreaTracerTest, TransparentPixelsAreOneRegionWhateverColourTheyHide)
{
    QImage picture(60, 40, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba((x * 37) % 256, (y * 91) % 256, (x * y) % 256, 0));
    }
    for (int y = 10; y < 30; ++y) {
        for (int x = 20; x < 45; ++x)
            picture.setPixel(x, y, kRoom.rgb());
    }
    EXPECT_EQ(TraceArea(picture, {2, 2}), (TracedArea{vemo::AreaKind::Rect, {0, 0, 59, 39}}));
    EXPECT_EQ(TraceArea(picture, {30, 20}), (TracedArea{vemo::AreaKind::Rect, {20, 10, 44, 29}}));
}

} // namespace
