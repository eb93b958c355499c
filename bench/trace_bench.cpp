// Tracing an area from the picture on flat-colour pictures like floor plans and diagrams: for
// each shape, the share of pixels the traced area and the drawn shape hold in common (IoU, over
// the pixels a browser takes for the area and those whose centre lies in the shape), its corners
// against the shape's, and the time from the click to the result.
//
// Corpus, drawn here: a 1000 x 700 and a 4000 x 3000 (12 MP) picture, each with a rectangle, a
// circle, an L- and a U-shaped room, a rotated rectangle and a rotated pentagon, anti-aliased in
// flat pastel colours on white, at fractional positions, passed through Qt's PNG and its JPEG
// writer at quality 75. On the 12 MP picture each shape holds about a million pixels.
//
// Also a click on the white around the shapes of the 12 MP picture: a region as large as the picture.
//
// Baseline: the same shape clicked by hand at its true corners (each corner at the pixel it lies
// in; a rectangle dragged from corner to corner, a circle from its centre pixel with its radius
// rounded). Its time is the user's, so only its IoU and corners are reported beside the trace's.
#include "imagelib/AreaTracer.h"

#include "core/PolygonGeometry.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

struct Shape {
    const char *name;
    std::vector<QPointF> corners; // empty for the circle
    QPointF centre;
    double radius = 0;
    QColor colour;

    bool Round() const { return corners.empty(); }

    // Whether the point lies inside, by the even-odd rule.
    bool Holds(double x, double y) const
    {
        if (Round())
            return std::hypot(x - centre.x(), y - centre.y()) < radius;
        bool inside = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const QPointF &a = corners[j], &b = corners[i];
            if ((a.y() > y) != (b.y() > y) && x < a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y()))
                inside = !inside;
        }
        return inside;
    }

    QRectF Bounds() const
    {
        if (Round())
            return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
        return QPolygonF(QList<QPointF>(corners.begin(), corners.end())).boundingRect();
    }
};

std::vector<QPointF> Turned(std::vector<QPointF> corners, double degrees, QPointF about)
{
    QTransform turn;
    turn.translate(about.x(), about.y()).rotate(degrees).translate(-about.x(), -about.y());
    for (QPointF &corner : corners)
        corner = turn.map(corner);
    return corners;
}

// Six shapes in a 3 x 2 grid of cells of a 4000 x 3000 picture, scaled to the picture.
std::vector<Shape> ShapesFor(QSize size)
{
    const double s = std::min(size.width() / 4000.0, size.height() / 3000.0);
    auto at = [s](int cell, double x, double y) {
        return QPointF((cell % 3) * 1333 * s + x * s + 0.3, (cell / 3) * 1500 * s + y * s + 0.6);
    };
    auto polygon = [&](int cell, std::initializer_list<QPointF> corners) {
        std::vector<QPointF> placed;
        for (const QPointF &corner : corners)
            placed.push_back(at(cell, corner.x(), corner.y()));
        return placed;
    };
    return {
        {"rectangle", polygon(0, {{40, 350}, {1290, 350}, {1290, 1150}, {40, 1150}}), {}, 0, QColor(173, 216, 230)},
        {"circle", {}, at(1, 666, 750), 564 * s, QColor(255, 228, 181)},
        {"L room", polygon(2, {{40, 120}, {670, 120}, {670, 760}, {1290, 760}, {1290, 1380}, {40, 1380}}), {}, 0,
         QColor(204, 235, 197)},
        {"U room", polygon(3, {{40, 150}, {460, 150}, {460, 850}, {880, 850}, {880, 150}, {1290, 150}, {1290, 1350}, {40, 1350}}),
         {}, 0, QColor(222, 203, 228)},
        {"rotated rectangle", Turned(polygon(4, {{90, 315}, {1240, 315}, {1240, 1185}, {90, 1185}}), 23, at(4, 666, 750)), {},
         0, QColor(254, 217, 166)},
        {"rotated pentagon", Turned(polygon(5, {{120, 300}, {1000, 180}, {1250, 900}, {700, 1350}, {150, 1100}}), -17,
                                    at(5, 666, 750)),
         {}, 0, QColor(179, 205, 227)},
    };
}

QImage DrawnPicture(QSize size, const char *format)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const Shape &shape : ShapesFor(size)) {
            QPainterPath path;
            if (shape.Round())
                path.addEllipse(shape.centre, shape.radius, shape.radius);
            else
                path.addPolygon(QPolygonF(QList<QPointF>(shape.corners.begin(), shape.corners.end())));
            painter.fillPath(path, shape.colour);
        }
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format, std::string(format) == "JPG" ? 75 : -1);
    return QImage::fromData(buffer.data());
}

// Each picture is drawn and passed through its format once, outside any timing.
const QImage &Picture(QSize size, const char *format)
{
    static std::map<std::pair<std::pair<int, int>, std::string>, QImage> pictures;
    const auto key = std::pair{std::pair{size.width(), size.height()}, std::string(format)};
    auto found = pictures.find(key);
    if (found == pictures.end())
        found = pictures.emplace(key, DrawnPicture(size, format)).first;
    return found->second;
}

// The IoU of the pixels whose centre lies in the shape and those a browser takes for the area.
double Overlap(const Shape &shape, const vemo::AreaRegion &region, QSize size, double &shapePixels)
{
    const QRect box = (shape.Bounds().toAlignedRect().adjusted(-2, -2, 2, 2)
                       | QRect(region.box.left, region.box.top, region.box.width, region.box.height))
                      & QRect(QPoint(0, 0), size);
    double both = 0, either = 0, inShape = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const bool truth = shape.Holds(x + 0.5, y + 0.5), held = vemo::RegionHoldsPixel(region, x, y);
            both += truth && held;
            either += truth || held;
            inShape += truth;
        }
    }
    shapePixels = inShape;
    return both / either;
}

// The area a user makes by hand: a rectangle dragged between the pixels under its corners, a
// circle from the pixel under its centre, a polygon clicked at the pixels under its corners.
TracedArea ByHand(const Shape &shape)
{
    auto pixel = [](double value) { return static_cast<std::int32_t>(std::floor(value)); };
    if (shape.Round())
        return {vemo::AreaKind::Circle,
                {pixel(shape.centre.x()), pixel(shape.centre.y()), static_cast<std::int32_t>(std::lround(shape.radius))}};
    if (std::string(shape.name) == "rectangle") {
        const QRectF bounds = shape.Bounds();
        return {vemo::AreaKind::Rect, {pixel(bounds.left()), pixel(bounds.top()), pixel(bounds.right()), pixel(bounds.bottom())}};
    }
    TracedArea area{vemo::AreaKind::Poly, {}};
    for (const QPointF &corner : shape.corners) {
        area.coords.push_back(pixel(corner.x()));
        area.coords.push_back(pixel(corner.y()));
    }
    return area;
}

int Corners(const TracedArea &area)
{
    switch (area.kind) {
    case vemo::AreaKind::Rect:
        return 4;
    case vemo::AreaKind::Poly:
        return static_cast<int>(area.coords.size() / 2);
    default:
        return 0; // a circle has none
    }
}

// The middle of the longest run of the shape's pixels across its middle row.
QPoint ClickInside(const Shape &shape)
{
    const QRect bounds = shape.Bounds().toAlignedRect();
    const int y = bounds.center().y();
    int best = 0, bestLength = 0, start = bounds.left();
    for (int x = bounds.left(); x <= bounds.right() + 1; ++x) {
        if (x <= bounds.right() && shape.Holds(x + 0.5, y + 0.5))
            continue;
        if (x - start > bestLength) {
            bestLength = x - start;
            best = (start + x) / 2;
        }
        start = x + 1;
    }
    return {best, y};
}

void BM_Trace(benchmark::State &state, QSize size, const char *format, std::size_t shapeIndex)
{
    const QImage &picture = Picture(size, format);
    const Shape shape = ShapesFor(size)[shapeIndex];
    const QPoint click = ClickInside(shape);
    TracedArea traced;
    for (auto _ : state) {
        traced = TraceArea(picture, click);
        benchmark::DoNotOptimize(traced.coords.data());
    }
    double shapePixels = 0;
    const TracedArea hand = ByHand(shape);
    state.counters["iou"] = Overlap(shape, traced.Region(), size, shapePixels);
    state.counters["hand_iou"] = Overlap(shape, hand.Region(), size, shapePixels);
    state.counters["corners"] = Corners(traced);
    state.counters["true_corners"] = static_cast<double>(shape.corners.size());
    state.counters["shape_pixels"] = shapePixels;
    state.counters["kind"] = static_cast<double>(traced.kind);
}

// A click on the white around the shapes: a region spanning the whole picture, holes and all,
// whose outer outline is the picture's border.
void BM_TraceBackground(benchmark::State &state, QSize size, const char *format)
{
    const QImage &picture = Picture(size, format);
    TracedArea traced;
    for (auto _ : state) {
        traced = TraceArea(picture, {5, 5});
        benchmark::DoNotOptimize(traced.coords.data());
    }
    const TracedArea whole{vemo::AreaKind::Rect, {0, 0, size.width() - 1, size.height() - 1}};
    if (!(traced == whole))
        state.SkipWithError("the background is not traced as the whole picture");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    for (const auto &[label, size] : {std::pair{"1000x700", QSize(1000, 700)}, std::pair{"12MP", QSize(4000, 3000)}}) {
        for (const auto &[formatLabel, format] : {std::pair{"PNG", "PNG"}, std::pair{"JPEG", "JPG"}}) {
            const std::vector<Shape> shapes = ShapesFor(size);
            for (std::size_t index = 0; index < shapes.size(); ++index) {
                const std::string name = std::string("BM_Trace/") + label + "/" + formatLabel + "/" + shapes[index].name;
                benchmark::RegisterBenchmark(name.c_str(), BM_Trace, size, format, index)
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime();
            }
        }
    }
    for (const auto &[formatLabel, format] : {std::pair{"PNG", "PNG"}, std::pair{"JPEG", "JPG"}}) {
        const std::string name = std::string("BM_TraceBackground/12MP/") + formatLabel;
        benchmark::RegisterBenchmark(name.c_str(), BM_TraceBackground, QSize(4000, 3000), format)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
