// Cost of opening a 4000 x 3000 picture: decoding through Qt (BMP) against decoding through
// GraphicsMagick (TGA, PCX) for the same pixels, and writing the JPEG beside a converted picture.
// Counters: ms per operation and the process's peak resident memory so far (benchmarks run in
// the order listed, so it only grows); the ratios against the
// Qt decode are printed after the run.
#include "imagelib/ImageLibrary.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

QTemporaryDir &Folder()
{
    static QTemporaryDir folder;
    return folder;
}

// The same photo-like picture in every format, made once by ImageMagick.
QString Picture(const char *format, const char *extension)
{
    const QString path = Folder().filePath(QStringLiteral("picture.%1").arg(QLatin1String(extension)));
    if (!QFile::exists(path)) {
        QProcess::execute(QStringLiteral("/usr/bin/convert"),
                          {QStringLiteral("-size"), QStringLiteral("%1x%2").arg(kWidth).arg(kHeight),
                           QStringLiteral("plasma:"), QStringLiteral("-seed"), QStringLiteral("1"),
                           QStringLiteral("%1:%2").arg(QLatin1String(format), path)});
    }
    return path;
}

long PeakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

std::map<std::string, double> &MillisecondsPerRun()
{
    static std::map<std::string, double> results;
    return results;
}

void Record(benchmark::State &state, const std::string &name, double totalSeconds)
{
    const double ms = 1000.0 * totalSeconds / static_cast<double>(state.iterations());
    state.counters["ms"] = ms;
    state.counters["peak_MiB"] = static_cast<double>(PeakResidentMiB());
    MillisecondsPerRun()[name] = ms;
}

void Load(benchmark::State &state, const char *name, const char *format, const char *extension)
{
    const QString path = Picture(format, extension);
    ImageLibrary library;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const QImage image = library.NViewLibLoad(path, 1);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        benchmark::DoNotOptimize(image.constBits());
    }
    Record(state, name, seconds);
}

void BM_LoadBmpThroughQt(benchmark::State &state) { Load(state, "bmp_qt", "BMP3", "bmp"); }
void BM_LoadTgaThroughGraphicsMagick(benchmark::State &state) { Load(state, "tga_gm", "TGA", "tga"); }
void BM_LoadPcxThroughGraphicsMagick(benchmark::State &state) { Load(state, "pcx_gm", "PCX", "pcx"); }

void BM_WriteJpeg(benchmark::State &state)
{
    ImageLibrary library;
    library.NViewLibLoad(Picture("BMP3", "bmp"), 1);
    const QString target = Folder().filePath(QStringLiteral("written.jpg"));
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        library.NViewLibSaveAsJPG(80, target);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    Record(state, "jpeg_write", seconds);
}

BENCHMARK(BM_LoadBmpThroughQt)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_LoadTgaThroughGraphicsMagick)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_LoadPcxThroughGraphicsMagick)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_WriteJpeg)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const auto &results = MillisecondsPerRun();
    if (results.count("bmp_qt")) {
        const double baseline = results.at("bmp_qt");
        std::printf("\nTime against the Qt decode of the same pixels (bmp_qt = 1.00):\n");
        for (const auto &[name, ms] : results)
            std::printf("  %-10s %8.1f ms  %5.2fx\n", name.c_str(), ms, ms / baseline);
    }
    return 0;
}
