// Reading hostile pages as File > Import Map from Page reads them, beside a plain scan of the same
// bytes in the same run.
//
// Pages, made in memory: just under 64 MiB of empty <area> tags in one map (some eleven million
// areas, far past the area limit: the import lists the maps and refuses this one), and one
// <area> whose coords are a 4 MiB text that makes no rectangle (the import lists the maps, then
// reads that one into its line and a note, and refuses the line as longer than 1 MiB). The baseline counts the '<' of the same bytes with
// memchr. Times are the process's CPU time. added_MiB is the most memory the reading takes: it is
// run once more in a child process, whose peak resident set is taken less what it had at the
// start. scripts/run-bench.sh turns the times into ratios.
#include "core/PageMapReader.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

constexpr std::size_t kMiB = 1024 * 1024;

std::string EmptyAreasPage()
{
    std::string page = "<map name=m>";
    while (page.size() < 64 * kMiB - 16)
        page += "<area>";
    return page + "</map>";
}

std::string CoordinateTextPage()
{
    std::string page = "<map name=m><area href=a.htm coords=\"";
    while (page.size() < 4 * kMiB)
        page += "12,34 ";
    return page + "\"></map>";
}

const std::string &Page(int which)
{
    static const std::string emptyAreas = EmptyAreasPage();
    static const std::string coordinateText = CoordinateTextPage();
    return which == 0 ? emptyAreas : coordinateText;
}

// What the importer reads: the list of maps, then the first map's lines unless it is too large.
std::size_t ReadAsTheImporterDoes(const std::string &page)
{
    const vemo::PageMaps listed = vemo::ReadPageMaps(page, vemo::kNoMap);
    if (listed.maps.empty() || listed.maps[0].TooLarge())
        return 0;
    return vemo::ReadPageMaps(page, 0).maps[0].lines.size();
}

std::size_t CountTagOpenings(const std::string &page)
{
    std::size_t count = 0;
    for (const char *at = page.data(), *end = at + page.size();
         (at = static_cast<const char *>(std::memchr(at, '<', static_cast<std::size_t>(end - at)))) != nullptr; ++at)
        ++count;
    return count;
}

long ResidentKiB()
{
    long pages = 0, resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The peak memory that work adds, in MiB, from a child process that does it once; -1 when the
// child fails.
double AddedMiB(const std::function<void()> &work)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        // Freed memory the heap still holds would be taken again without showing in the peak.
        malloc_trim(0);
        const long before = ResidentKiB();
        work();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const double added = double(usage.ru_maxrss - before) / 1024;
        _exit(write(pipeEnds[1], &added, sizeof added) == sizeof added ? 0 : 1);
    }
    close(pipeEnds[1]);
    double added = -1;
    if (read(pipeEnds[0], &added, sizeof added) != sizeof added)
        added = -1;
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return added;
}

void BM_Import(benchmark::State &state)
{
    const std::string &page = Page(static_cast<int>(state.range(0)));
    state.counters["added_MiB"] = AddedMiB([&] { benchmark::DoNotOptimize(ReadAsTheImporterDoes(page)); });
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadAsTheImporterDoes(page));
    state.counters["page_MiB"] = double(page.size()) / kMiB;
}

void BM_PlainScan(benchmark::State &state)
{
    const std::string &page = Page(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CountTagOpenings(page));
    state.counters["page_MiB"] = double(page.size()) / kMiB;
}

// 0: 64 MiB of empty areas; 1: one 4 MiB coordinate text.
BENCHMARK(BM_Import)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_PlainScan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace

BENCHMARK_MAIN();
