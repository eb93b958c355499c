// Cost of one drag step of the resize frame over a 4000 x 3000 picture.
//
// Each benchmark iteration is one drag of 200 mouse steps, sent through the
// window as real mouse events, with the repaint of every step done before the
// next. Only the 200 steps are timed. Three ways of following the mouse are
// compared side by side:
//   Outline      the frame as it is: a not-xor outline, bounds at release;
//   FullRepaint  the same, but the whole picture repainted at every step;
//   LiveBounds   the same, but the control given its bounds at every step.
// Counters: step_us, the time per step; repaint_share, the picture area
// repainted per step as a share of the picture. The ratios against the
// baselines are printed after the run.
#include "resizeframe/ResizeFrame.h"
#include "widgets/Shape.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int PictureWidth = 4000;
constexpr int PictureHeight = 3000;
constexpr int Steps = 200;
const QRect ShapeStart(100, 100, 400, 300);

// The picture under the shape; it counts the area it is asked to repaint.
class Picture : public QWidget {
public:
    explicit Picture(QWidget *parent) : QWidget(parent), image_(PictureWidth, PictureHeight, QImage::Format_RGB32)
    {
        for (int y = 0; y < PictureHeight; ++y) {
            auto *line = reinterpret_cast<QRgb *>(image_.scanLine(y));
            for (int x = 0; x < PictureWidth; ++x)
                line[x] = qRgb(x % 256, y % 256, (x ^ y) % 256);
        }
        setGeometry(0, 0, PictureWidth, PictureHeight);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    qint64 paintedArea = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        for (const QRect &r : event->region()) {
            paintedArea += qint64(r.width()) * r.height();
            painter.drawImage(r, image_, r);
        }
    }

private:
    QImage image_;
};

// The view window's arrangement: picture at the origin, shape above it.
struct View {
    QWidget form;
    Picture *picture = new Picture(&form);
    Shape *shape = new Shape(&form);
    ResizeFrame *frame = new ResizeFrame(&form);

    View()
    {
        frame->SetAutoAttach(false);
        form.resize(PictureWidth, PictureHeight);
        shape->setGeometry(ShapeStart);
        frame->AttachControl(shape);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            std::fprintf(stderr, "the picture's window was not exposed\n");
    }
    QWindow *window() { return form.windowHandle(); }
};

// Made in main, after the QApplication and destroyed before it.
View *TheViewInstance = nullptr;

View &TheView()
{
    return *TheViewInstance;
}

enum class Follow { Outline, FullRepaint, LiveBounds };

// Totals of one benchmark's drags.
struct Totals {
    double seconds = 0;
    qint64 area = 0;
};

// Runs the 200 steps of one drag from `from` by `step` each, timing only them.
void Steps200(benchmark::State &state, View &view, QPoint from, QPoint step, Follow follow, Totals &totals)
{
    QElapsedTimer timer;
    QPoint at = from;
    view.picture->paintedArea = 0;
    timer.start();
    for (int i = 0; i < Steps; ++i) {
        at += step;
        QTest::mouseMove(view.window(), at);
        if (follow == Follow::FullRepaint) {
            view.picture->update();
        } else if (follow == Follow::LiveBounds) {
            const EdgeRect r = NormalisedOutline(view.frame->CurrentCover()->Outline());
            view.frame->SetControlBounds(view.shape, r.Left, r.Top, r.Width(), r.Height());
        }
        QCoreApplication::processEvents();
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    state.SetIterationTime(seconds);
    totals.seconds += seconds;
    totals.area += view.picture->paintedArea;
}

void Report(benchmark::State &state, const Totals &totals)
{
    const double steps = double(state.iterations()) * Steps;
    state.counters["step_us"] = totals.seconds / steps * 1e6;
    state.counters["repaint_share"] = double(totals.area) / steps / (double(PictureWidth) * PictureHeight);
}

void BM_Move(benchmark::State &state, Follow follow)
{
    View &view = TheView();
    view.frame->SetCornerResize(CornerFollowsPointer);
    Totals totals;
    for (auto _ : state) {
        view.frame->SetControlBounds(view.shape, ShapeStart.x(), ShapeStart.y(), ShapeStart.width(),
                                     ShapeStart.height());
        const QPoint grip = ShapeStart.topLeft() + QPoint(10, 10);
        QTest::mousePress(view.window(), Qt::LeftButton, {}, grip);
        Steps200(state, view, grip, QPoint(7, 5), follow, totals);
        QTest::mouseRelease(view.window(), Qt::LeftButton, {}, grip + QPoint(7, 5) * Steps);
    }
    Report(state, totals);
}

void BM_EqualRatioResize(benchmark::State &state, Follow follow)
{
    View &view = TheView();
    view.frame->SetCornerResize(CornerKeepsRatio);
    Totals totals;
    for (auto _ : state) {
        view.frame->SetControlBounds(view.shape, ShapeStart.x(), ShapeStart.y(), ShapeStart.width(),
                                     ShapeStart.height());
        view.frame->SelectControl(view.shape);
        QWidget *corner = view.frame->Handles().at(4);
        const QPoint grip = corner->mapTo(&view.form, QPoint(2, 2));
        QTest::mousePress(view.window(), Qt::LeftButton, {}, grip);
        Steps200(state, view, grip, QPoint(5, 3), follow, totals);
        QTest::mouseRelease(view.window(), Qt::LeftButton, {}, grip + QPoint(5, 3) * Steps);
    }
    Report(state, totals);
}

BENCHMARK_CAPTURE(BM_Move, Outline, Follow::Outline)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Move, FullRepaint, Follow::FullRepaint)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Move, LiveBounds, Follow::LiveBounds)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EqualRatioResize, Outline, Follow::Outline)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EqualRatioResize, FullRepaint, Follow::FullRepaint)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EqualRatioResize, LiveBounds, Follow::LiveBounds)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Keeps each run's counters so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions, the median stands for the benchmark.
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            results[run.run_name.str()] = {run.counters.at("step_us"), run.counters.at("repaint_share")};
        }
    }
    void PrintRatios() const
    {
        std::printf("\nOutline against the baselines (outline / baseline):\n");
        for (const char *drag : {"BM_Move", "BM_EqualRatioResize"}) {
            const auto outline = results.find(std::string(drag) + "/Outline/manual_time");
            for (const char *baseline : {"FullRepaint", "LiveBounds"}) {
                const auto other = results.find(std::string(drag) + "/" + baseline + "/manual_time");
                if (outline == results.end() || other == results.end())
                    continue;
                std::printf("  %-20s vs %-12s time per step %.3f, repainted area %.4f\n", drag, baseline,
                            outline->second.first / other->second.first,
                            outline->second.second / other->second.second);
            }
        }
    }

private:
    std::map<std::string, std::pair<double, double>> results;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        View view;
        TheViewInstance = &view;
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        reporter.PrintRatios();
        TheViewInstance = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
