// Opening a 4000 x 3000 photo-like picture the way the editor does it: decode, the view's pixmap,
// the JPEG written beside it. Every round also runs the whole-process baselines on the same file,
// right before or after the editor's open, so that both see the same load on the machine:
//   cjpeg -quality 80        (libjpeg-turbo's own BMP to JPEG converter; BMP only)
//   gm convert -quality 80   (GraphicsMagick's converter; also the memory baseline)
// Counters, medians over the rounds:
//   ms, cpu_ms              the editor's open: wall time, and CPU time of the whole process
//   added_MiB               the most memory the open added to the process (peak resident set
//                           during the open over the resident set before it)
//   <base>_ms, <base>_cpu_ms, <base>_peak_MiB   the same for each baseline's whole process, run
//                           under /usr/bin/time (its wall time includes time's own start)
// The pictures come from the folder named by VEMO_BENCH_PICTURES (picture.bmp, picture.pcx,
// picture.tga); scripts/run-bench.sh makes them and turns the results into docs/performance.md.
#include "imagelib/ImageLibrary.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

extern char **environ;

namespace {

QString Pictures()
{
    return QString::fromLocal8Bit(qgetenv("VEMO_BENCH_PICTURES"));
}

std::string InPictures(const char *name)
{
    return QDir(Pictures()).filePath(QString::fromLatin1(name)).toStdString();
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Milliseconds(std::chrono::steady_clock::duration elapsed)
{
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

double CpuMilliseconds(const rusage &usage)
{
    return usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 + usage.ru_stime.tv_sec * 1e3
           + usage.ru_stime.tv_usec / 1e3;
}

// A "Vm...:" line of /proc/self/status, in KiB; -1 when it cannot be read.
long StatusKiB(const std::string &key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ":", 0) == 0)
            return std::stol(line.substr(key.size() + 1));
    }
    return -1;
}

// Starts a new peak resident set from the current one (Linux 4.0 and later).
bool ResetPeakResidentSet()
{
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5";
    clearRefs.close();
    return clearRefs.good();
}

struct Sample {
    double ms = 0;
    double cpuMs = 0;
    double memoryMiB = 0;
};

// Runs a program to its end under /usr/bin/time, with its output thrown away: wall time from the
// spawn to the reaped exit, CPU time as the kernel accounts it, and the peak resident set that time
// reports. The peak cannot come from our own wait: a child spawned from this large process starts
// out with our peak as its own until it replaces itself with the program.
Sample RunProcess(const std::vector<std::string> &command)
{
    const std::string peakFile = InPictures("peak.txt");
    std::vector<std::string> arguments{"/usr/bin/time", "-f", "%M", "-o", peakFile};
    arguments.insert(arguments.end(), command.begin(), command.end());
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", command.front().c_str());
        std::exit(1);
    }
    Sample sample;
    sample.ms = Milliseconds(std::chrono::steady_clock::now() - start);
    sample.cpuMs = CpuMilliseconds(usage);
    long peakKiB = 0;
    std::ifstream(peakFile) >> peakKiB;
    sample.memoryMiB = peakKiB / 1024.0;
    return sample;
}

// The editor's open of a picture that is not a JPEG: Load, the view's pixmap, and
// SaveAsJpeg. The pixmap and the library still hold the picture when the memory is read.
Sample OpenLikeTheEditor(const QString &picture, const QString &jpeg)
{
    ImageLibrary library;
    const long before = StatusKiB("VmRSS");
    const bool peakReset = ResetPeakResidentSet();
    rusage startUsage{};
    getrusage(RUSAGE_SELF, &startUsage);
    const auto start = std::chrono::steady_clock::now();

    const QPixmap shown = QPixmap::fromImage(library.Load(picture, 1));
    library.SaveAsJpeg(80, jpeg);

    Sample sample;
    sample.ms = Milliseconds(std::chrono::steady_clock::now() - start);
    rusage endUsage{};
    getrusage(RUSAGE_SELF, &endUsage);
    sample.cpuMs = CpuMilliseconds(endUsage) - CpuMilliseconds(startUsage);
    sample.memoryMiB = peakReset ? (StatusKiB("VmHWM") - before) / 1024.0 : -1;
    benchmark::DoNotOptimize(shown.width());
    return sample;
}

struct Baseline {
    const char *name;
    std::vector<std::string> command;
};

void OpenBeside(benchmark::State &state, const char *fileName, const std::vector<Baseline> &baselines)
{
    const std::string source = InPictures(fileName);
    if (!QFile::exists(QString::fromStdString(source))) {
        state.SkipWithError(("no " + source + ": set VEMO_BENCH_PICTURES, or use scripts/run-bench.sh").c_str());
        return;
    }
    const QString jpeg = QString::fromStdString(InPictures("editor.jpg"));
    // Once untimed: the JPEG plugin and GraphicsMagick's coders load on first use.
    OpenLikeTheEditor(QString::fromStdString(source), jpeg);

    std::vector<Sample> editor;
    std::map<std::string, std::vector<Sample>> others;
    bool baselinesFirst = true;
    for (auto _ : state) {
        if (baselinesFirst) {
            for (const Baseline &baseline : baselines)
                others[baseline.name].push_back(RunProcess(baseline.command));
        }
        editor.push_back(OpenLikeTheEditor(QString::fromStdString(source), jpeg));
        if (!baselinesFirst) {
            for (const Baseline &baseline : baselines)
                others[baseline.name].push_back(RunProcess(baseline.command));
        }
        baselinesFirst = !baselinesFirst;
        state.SetIterationTime(editor.back().ms / 1e3);
    }

    const auto median = [](const std::vector<Sample> &samples, double Sample::*field) {
        std::vector<double> values;
        for (const Sample &sample : samples)
            values.push_back(sample.*field);
        return Median(values);
    };
    state.counters["ms"] = median(editor, &Sample::ms);
    state.counters["cpu_ms"] = median(editor, &Sample::cpuMs);
    state.counters["added_MiB"] = median(editor, &Sample::memoryMiB);
    for (const auto &[name, samples] : others) {
        state.counters[name + "_ms"] = median(samples, &Sample::ms);
        state.counters[name + "_cpu_ms"] = median(samples, &Sample::cpuMs);
        state.counters[name + "_peak_MiB"] = median(samples, &Sample::memoryMiB);
    }
}

Baseline GmConvert(const char *fileName)
{
    return {"gm", {"gm", "convert", InPictures(fileName), "-quality", "80", InPictures("gm.jpg")}};
}

void BM_OpenBmp(benchmark::State &state)
{
    const Baseline cjpeg{"cjpeg", {"cjpeg", "-quality", "80", "-outfile", InPictures("cjpeg.jpg"),
                                   InPictures("picture.bmp")}};
    OpenBeside(state, "picture.bmp", {cjpeg, GmConvert("picture.bmp")});
}

void BM_OpenPcx(benchmark::State &state)
{
    OpenBeside(state, "picture.pcx", {GmConvert("picture.pcx")});
}

void BM_OpenTga(benchmark::State &state)
{
    OpenBeside(state, "picture.tga", {GmConvert("picture.tga")});
}

int Rounds()
{
    const int rounds = qEnvironmentVariableIntValue("VEMO_BENCH_ROUNDS");
    return rounds > 0 ? rounds : 9;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    for (auto [name, function] : {std::pair{"BM_OpenBmp", &BM_OpenBmp}, std::pair{"BM_OpenPcx", &BM_OpenPcx},
                                  std::pair{"BM_OpenTga", &BM_OpenTga}})
        benchmark::RegisterBenchmark(name, function)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(Rounds());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
