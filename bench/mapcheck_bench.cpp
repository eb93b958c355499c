// The map check on large maps, beside the plain pairwise check (CheckMapPairwise) in the same run.
//
// Maps: 10 000 and 100 000 disjoint 10 x 10 rectangles in rows on a 4000 x 4000 picture, and one
// polygon of 16 000 corners, a star whose corners alternate between two circles, so no edges
// cross and every pair has to be ruled out. And 100 000 copies of one rectangle, each a duplicate
// of the first, where every area lies on the same pixels. The pairwise check runs on the 10 000 rectangles and
// the polygon; on 100 000 rectangles it would take about half a minute. Times are the thread's
// CPU time; scripts/run-bench.sh turns them into ratios.
#include "core/IntConv.h"
#include "core/MapCheck.h"
#include "core/MapLines.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int kPicture = 4000;

std::vector<std::string> DisjointRectangles(int count)
{
    std::vector<std::string> lines = vemo::NewMapLines("p.gif", kPicture, kPicture, "p");
    constexpr int pitch = 12, perRow = kPicture / pitch;
    for (int index = 0; index < count; ++index) {
        const int x = index % perRow * pitch, y = index / perRow * pitch;
        lines.insert(lines.end() - 1, vemo::RectAreaLine(vemo::DecimalText(x), vemo::DecimalText(y), vemo::DecimalText(x + 9),
                                                         vemo::DecimalText(y + 9), {"a.htm", "A"}));
    }
    return lines;
}

std::vector<std::string> SameRectangle(int count)
{
    std::vector<std::string> lines = vemo::NewMapLines("p.gif", kPicture, kPicture, "p");
    lines.insert(lines.end() - 1, count, vemo::RectAreaLine("10", "10", "19", "19", {"a.htm", "A"}));
    return lines;
}

std::vector<std::string> StarPolygon(int corners)
{
    std::vector<std::string> lines = vemo::NewMapLines("p.gif", kPicture, kPicture, "p");
    std::string coords;
    const double pi = std::acos(-1.0);
    for (int corner = 0; corner < corners; ++corner) {
        const double radius = corner % 2 == 0 ? 1900 : 1700, angle = 2 * pi * corner / corners;
        const long long x = std::llround(2000 + radius * std::cos(angle)), y = std::llround(2000 + radius * std::sin(angle));
        coords += (coords.empty() ? "" : ",") + vemo::DecimalText(x) + "," + vemo::DecimalText(y);
    }
    lines.insert(lines.end() - 1, vemo::PolyAreaLine(coords, {"a.htm", "A"}));
    return lines;
}

template <typename Check>
void RunCheck(benchmark::State &state, const std::vector<std::string> &lines, Check check, std::size_t expected = 0)
{
    std::size_t findings = 0;
    for (auto _ : state) {
        const std::vector<vemo::Finding> found = check(lines, kPicture, kPicture);
        findings = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    // Other findings than the map is made for mean it is not what the row claims to measure.
    if (findings != expected)
        state.SkipWithError("the map's findings are not the ones it is made for");
}

void BM_Rectangles(benchmark::State &state)
{
    RunCheck(state, DisjointRectangles(static_cast<int>(state.range(0))), vemo::CheckMap);
}

void BM_RectanglesPairwise(benchmark::State &state)
{
    RunCheck(state, DisjointRectangles(static_cast<int>(state.range(0))), vemo::CheckMapPairwise);
}

void BM_SameRectangle(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    RunCheck(state, SameRectangle(count), vemo::CheckMap, static_cast<std::size_t>(count - 1));
}

void BM_Polygon(benchmark::State &state)
{
    RunCheck(state, StarPolygon(static_cast<int>(state.range(0))), vemo::CheckMap);
}

void BM_PolygonPairwise(benchmark::State &state)
{
    RunCheck(state, StarPolygon(static_cast<int>(state.range(0))), vemo::CheckMapPairwise);
}

} // namespace

BENCHMARK(BM_Rectangles)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RectanglesPairwise)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SameRectangle)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Polygon)->Arg(16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PolygonPairwise)->Arg(16000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
