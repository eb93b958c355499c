// The map line list with a large side file, in the real main window.
//
// Opening: a 640 x 480 JPEG with a 100 000-line side file beside it, opened and shown, against
// the same picture with no side file (three new lines) as the baseline. Everyday steps on the
// opened 100 000-line map: selecting a far line (the user's click, which also shows the area on
// the view), rewriting a far line, adding and deleting a line before the end, and
// scrolling to the end and back. Each step includes the repaint that follows it.
//
// Time is the process's CPU time (manual time, counter cpu_ms). Resident memory growth is
// measured once per kind of opening, each in a fresh copy of this program (--probe-memory=side
// or bare), since memory freed by one run is not always given back to the system and would hide
// the next run's growth. scripts/run-bench.sh turns the counters into ratios.
#include "app/EditorApp.h"
#include "editor/MainWindow.h"
#include "editor/MapDocument.h"
#include "editor/MapListBox.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int kLines = 100000;

double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

long long ResidentBytes()
{
    long long pages = 0, resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%lld %lld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// Lets the list lay itself out and every window repaint.
void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// A folder with the picture twice: "mapped.jpg" with a side file, "bare.jpg" without.
struct Pictures {
    QTemporaryDir folder;
    QString mapped = folder.filePath(QStringLiteral("mapped.jpg"));
    QString bare = folder.filePath(QStringLiteral("bare.jpg"));
    qint64 sideFileBytes = 0;

    Pictures()
    {
        QImage picture(640, 480, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x % 256, y % 256, (x ^ y) % 256));
        picture.save(mapped, "JPG");
        picture.save(bare, "JPG");

        // Written line by line: one large buffer freed here would change how the allocator
        // serves the opening's own large buffers, and so the memory the probes measure.
        QFile side(folder.filePath(QStringLiteral("mapped.vmo")));
        if (!side.open(QIODevice::WriteOnly))
            return;
        side.write("<IMG SRC=\"mapped.jpg\" ALT=\"mapped.jpg\" BORDER=\"0\" WIDTH=640 HEIGHT=480 "
                   "USEMAP=\"#mapped\">\r\n<MAP NAME=\"mapped\">\r\n");
        const char *area = "<AREA SHAPE=\"RECT\" COORDS=\"%d,%d,%d,%d\" HREF=\"p%d.html\" ALT=\"Area %d\">\r\n";
        char line[160];
        for (int i = 2; i < kLines - 1; ++i) {
            const int x = i % 600, y = (i / 600) % 440;
            side.write(line, std::snprintf(line, sizeof line, area, x, y, x + 39, y + 39, i, i));
        }
        side.write("</MAP>\r\n");
        sideFileBytes = side.size();
    }
};

// The whole editor over the pictures' folder, its main window shown as at start.
struct Editor {
    Pictures pictures;
    std::unique_ptr<EditorApp> app;

    Editor()
    {
        StartupEnvironment environment;
        environment.programPath = pictures.folder.filePath(QStringLiteral("vemo-editor"));
        app = std::make_unique<EditorApp>(environment);
        Main().show();
        Settle();
    }
    MainWindow &Main() { return app->Main(); }
    MapListBox &List() { return *Main().findChild<MapListBox *>(QStringLiteral("lineList")); }

    void Open(const QString &path)
    {
        Main().OpenPictureFile(path);
        Settle();
    }
    void Close()
    {
        app->Document().Close(); // dropped without the save question
        Main().CloseMap();
        Settle();
    }
    // Leaves the 100 000-line map open, whatever ran before.
    void EnsureMapped()
    {
        if (List().count() != kLines) {
            Close();
            Open(pictures.mapped);
        }
    }
};

Editor *TheEditor = nullptr;

void Record(benchmark::State &state, double cpu)
{
    state.counters["cpu_ms"] = cpu * 1000.0 / double(state.iterations());
}

void BM_Open(benchmark::State &state, bool withSideFile)
{
    Editor &editor = *TheEditor;
    const QString path = withSideFile ? editor.pictures.mapped : editor.pictures.bare;
    editor.Close();
    double cpu = 0;
    for (auto _ : state) {
        const double start = CpuSeconds();
        editor.Open(path);
        const double spent = CpuSeconds() - start;
        state.SetIterationTime(spent);
        cpu += spent;
        if (editor.List().count() != (withSideFile ? kLines : 3))
            state.SkipWithError("the map did not open");
        editor.Close();
    }
    Record(state, cpu);
}

// Runs step once per iteration on the opened map, timing the step and the repaint after it.
template <typename Step> void OnMappedList(benchmark::State &state, Step step)
{
    Editor &editor = *TheEditor;
    editor.EnsureMapped();
    double cpu = 0;
    // Counts on across runs and repetitions, so that no step repeats the one before it: a line
    // rewritten with the text it already holds is not a change.
    static int i = 0;
    for (auto _ : state) {
        const double start = CpuSeconds();
        step(editor.List(), i++);
        Settle();
        const double spent = CpuSeconds() - start;
        state.SetIterationTime(spent);
        cpu += spent;
    }
    Record(state, cpu);
}

// Lines spread over the whole map, each far from the one before.
int FarLine(int i)
{
    return 2 + int((long long)(i + 1) * 7919 % (kLines - 3));
}

void BM_SelectFarLine(benchmark::State &state)
{
    OnMappedList(state, [](MapListBox &list, int i) { list.setCurrentRow(FarLine(i)); });
}

void BM_RewriteLine(benchmark::State &state)
{
    OnMappedList(state, [](MapListBox &, int i) {
        const std::string line = "<AREA SHAPE=\"CIRCLE\" COORDS=\"100,100," + std::to_string(i % 90 + 1)
                                 + "\" HREF=\"pages/rewritten-with-a-longer-link.html\" ALT=\"Rewritten\">";
        TheEditor->app->Document().ReplaceLine(FarLine(i), line);
    });
}

void BM_AddAndDeleteLine(benchmark::State &state)
{
    OnMappedList(state, [](MapListBox &list, int) {
        MapDocument &document = TheEditor->app->Document();
        document.InsertLine(list.count() - 1, "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"\" ALT=\"\">");
        Settle();
        document.RemoveLine(list.count() - 2);
    });
}

void BM_ScrollToEndAndBack(benchmark::State &state)
{
    OnMappedList(state, [](MapListBox &list, int) {
        list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
        Settle();
        list.verticalScrollBar()->setValue(0);
    });
}

BENCHMARK_CAPTURE(BM_Open, bare, false)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open, side_file, true)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectFarLine)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RewriteLine)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddAndDeleteLine)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollToEndAndBack)->UseManualTime()->Unit(benchmark::kMicrosecond);

// In a fresh process: warms up with the bare picture, then opens one kind and prints the growth
// of resident memory that the opening and the repaint caused, in bytes.
int ProbeMemory(const char *kind)
{
    Editor editor;
    editor.Open(editor.pictures.bare);
    editor.Close();
    const long long before = ResidentBytes();
    editor.Open(std::strcmp(kind, "side") == 0 ? editor.pictures.mapped : editor.pictures.bare);
    std::printf("%lld %lld\n", ResidentBytes() - before, (long long)editor.pictures.sideFileBytes);
    return 0;
}

struct MemoryGrowth {
    long long bytes = -1;
    long long sideFileBytes = 0;
};

MemoryGrowth RunMemoryProbe(const char *kind)
{
    QProcess probe;
    probe.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--probe-memory=%1").arg(kind)});
    MemoryGrowth growth;
    if (probe.waitForFinished(120000))
        std::sscanf(probe.readAllStandardOutput().constData(), "%lld %lld", &growth.bytes, &growth.sideFileBytes);
    return growth;
}

// Resident growth of opening each kind, in MiB counters: bare_MiB, side_MiB and the side file's
// own size, file_MiB. The time reported is meaningless.
void BM_ResidentGrowth(benchmark::State &state)
{
    MemoryGrowth bare, side;
    for (auto _ : state) {
        bare = RunMemoryProbe("bare");
        side = RunMemoryProbe("side");
        state.SetIterationTime(1);
    }
    if (bare.bytes < 0 || side.bytes < 0 || side.sideFileBytes <= 0) {
        state.SkipWithError("the memory probes failed");
        return;
    }
    const double mib = 1024.0 * 1024.0;
    state.counters["bare_MiB"] = double(bare.bytes) / mib;
    state.counters["side_MiB"] = double(side.bytes) / mib;
    state.counters["file_MiB"] = double(side.sideFileBytes) / mib;
}
BENCHMARK(BM_ResidentGrowth)->UseManualTime()->Iterations(1);

// The offscreen platform cannot raise the view window and says so at every opening.
QtMessageHandler StandardHandler = nullptr;

void QuietAboutRaise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support raise()")))
        return;
    if (StandardHandler)
        StandardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    StandardHandler = qInstallMessageHandler(QuietAboutRaise);
    QApplication app(argc, argv);
    const char *probeFlag = "--probe-memory=";
    if (argc == 2 && std::strncmp(argv[1], probeFlag, std::strlen(probeFlag)) == 0)
        return ProbeMemory(argv[1] + std::strlen(probeFlag));

    benchmark::Initialize(&argc, argv);
    {
        Editor editor;
        TheEditor = &editor;
        benchmark::RunSpecifiedBenchmarks();
        editor.Close();
        TheEditor = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
