// Cost of one drag step of the region's shape in the view window over a 4000 x 3000 picture, at
// 25 %, 100 % and 800 %: the whole editor, the real view with its scroll area and zoomed picture.
//
// Each iteration is one drag of 200 mouse steps sent through the view's window as real mouse
// events, each step's repaint done before the next; only the steps are timed. Counter: step_us,
// the time per step. BM_ViewDragOverAreas is the same drag with 200 areas of a map outlined on
// the picture, a grid of rectangles and circles over all of it; BM_ViewDragOverManyAreas with
// 100 000.
#include "app/EditorApp.h"
#include "core/AreaSet.h"
#include "core/IntConv.h"
#include "core/MapLines.h"
#include "editor/MainWindow.h"
#include "editor/ViewWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Steps = 200;

struct Editor {
    QTemporaryDir dir;
    std::unique_ptr<EditorApp> app;

    Editor()
    {
        QImage picture(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                line[x] = qRgb(x % 256, y % 256, (x ^ y) % 256);
        }
        picture.save(dir.filePath("picture.bmp"), "BMP");
        StartupEnvironment environment;
        environment.programPath = dir.filePath("vemo-editor");
        environment.userConfigFolder = dir.filePath("config");
        environment.logicalDpi = 96;
        app = std::make_unique<EditorApp>(environment);
        app->Main().show();
        app->Main().OpenPictureFile(dir.filePath("picture.bmp"));
        if (!QTest::qWaitForWindowExposed(&app->View()))
            std::fprintf(stderr, "the view was not exposed\n");
    }
};

Editor *TheEditor = nullptr;

// Areas over the 4000 x 3000 picture, in a grid of columns x rows cells: rectangles and circles
// in turn, each nearly filling its cell.
std::vector<std::string> GridOfAreas(int columns = 20, int rows = 10)
{
    using vemo::DecimalText;
    std::vector<std::string> lines{"<IMG SRC=\"picture.jpg\" USEMAP=\"#picture\">", "<MAP NAME=\"picture\">"};
    const int width = 4000 / columns, height = 3000 / rows;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int x = column * width, y = row * height;
            lines.push_back((row + column) % 2 == 0
                                ? vemo::RectAreaLine(DecimalText(x + width / 10), DecimalText(y + height / 10),
                                                     DecimalText(x + width * 9 / 10 - 1),
                                                     DecimalText(y + height * 9 / 10 - 1), {})
                                : vemo::CircleAreaLine(DecimalText(x + width / 2), DecimalText(y + height / 2),
                                                       DecimalText(std::min(width, height) * 9 / 20), {}));
        }
    }
    lines.push_back("</MAP>");
    return lines;
}

void DragShape(benchmark::State &state)
{
    ViewWindow &view = TheEditor->app->View();
    const double zoom = state.range(0) / 100.0;
    view.SetZoom(zoom);
    TheEditor->app->Main().NewRectangle();
    // A shape of the same screen size at every zoom, near the top-left of what is in sight.
    const vemo::Box seen = view.VisiblePart();
    const vemo::Box start{seen.left + 2, seen.top + 2, std::max(1, int(160 / zoom)), std::max(1, int(120 / zoom))};
    QWindow *window = view.windowHandle();
    const Shape *shape = view.findChild<Shape *>(QStringLiteral("shape"));
    double seconds = 0;
    for (auto _ : state) {
        view.SetShapeBox(start);
        const QPoint grip = view.mapFromGlobal(shape->mapToGlobal(QPoint(3, 3)));
        QTest::mousePress(window, Qt::LeftButton, {}, grip);
        QElapsedTimer timer;
        timer.start();
        QPoint at = grip;
        for (int i = 0; i < Steps; ++i) {
            at += QPoint(i % 2, 1);
            QTest::mouseMove(window, at);
            QCoreApplication::processEvents();
        }
        const double elapsed = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    }
    state.counters["step_us"] = seconds / (double(state.iterations()) * Steps) * 1e6;
}

void BM_ViewDrag(benchmark::State &state)
{
    DragShape(state);
}

void BM_ViewDragOverAreas(benchmark::State &state)
{
    ViewWindow &view = TheEditor->app->View();
    view.ShowMapAreas(std::make_shared<const vemo::AreaSet>(GridOfAreas()));
    DragShape(state);
    view.ShowMapAreas(nullptr);
}

// The same drag over a map of 100 000 areas (a grid of 400 x 250 cells of 10 x 12 pixels).
void BM_ViewDragOverManyAreas(benchmark::State &state)
{
    ViewWindow &view = TheEditor->app->View();
    view.ShowMapAreas(std::make_shared<const vemo::AreaSet>(GridOfAreas(400, 250)));
    DragShape(state);
    view.ShowMapAreas(nullptr);
}

BENCHMARK(BM_ViewDrag)->Arg(25)->Arg(100)->Arg(800)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewDragOverAreas)->Arg(25)->Arg(100)->Arg(800)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewDragOverManyAreas)->Arg(25)->Arg(100)->Arg(800)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        Editor editor;
        TheEditor = &editor;
        benchmark::RunSpecifiedBenchmarks();
        TheEditor = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
