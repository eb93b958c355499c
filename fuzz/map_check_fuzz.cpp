// A map made from the input, checked by the indexed check and by the plain pairwise one: the two
// must find the same. The input picks each area's kind and its coordinates from a small range
// (or, now and then, from the whole 32-bit range), so that areas repeat, nest and overlap, and
// polygon edges touch and cross, far more often than by chance. The polygons alone go through
// both crossing-edge tests too.
#include "FuzzCheck.h"

#include "core/IntConv.h"
#include "core/MapCheck.h"
#include "core/MapLines.h"
#include "core/PolygonGeometry.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace vemo;

namespace {

std::int32_t Coordinate(FuzzedDataProvider &input)
{
    if (input.ConsumeIntegralInRange(0, 15) == 0)
        return input.ConsumeIntegral<std::int32_t>();
    return input.ConsumeIntegralInRange<std::int32_t>(-2, 12);
}

std::vector<Point> Polygon(FuzzedDataProvider &input)
{
    std::vector<Point> points(input.ConsumeIntegralInRange<std::size_t>(3, 24));
    for (Point &point : points)
        point = {Coordinate(input), Coordinate(input)};
    return points;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int width = input.ConsumeIntegralInRange(1, 12), height = input.ConsumeIntegralInRange(1, 12);
    std::vector<std::string> lines = NewMapLines("p.gif", width, height, "p");
    while (input.remaining_bytes() > 0 && lines.size() < 200) {
        const auto text = [&] { return DecimalText(Coordinate(input)); };
        std::string line;
        switch (input.ConsumeIntegralInRange(0, 5)) {
        case 0:
            line = RectAreaLine(text(), text(), text(), text(), {"a.htm", input.ConsumeBool() ? "A" : ""});
            break;
        case 1:
            line = CircleAreaLine(text(), text(), text(), {"a.htm", "A"});
            break;
        case 2: {
            const std::vector<Point> points = Polygon(input);
            FUZZ_REQUIRE(EdgesCross(points) == EdgesCrossPairwise(points));
            std::string coords;
            for (const Point &point : points)
                coords += (coords.empty() ? "" : ",") + DecimalText(point.x) + "," + DecimalText(point.y);
            line = PolyAreaLine(coords, {"a.htm", "A"});
            break;
        }
        case 3:
            // An earlier area again.
            line = lines[input.ConsumeIntegralInRange<std::size_t>(2, lines.size() - 1)];
            break;
        case 4:
            line = DefaultAreaLine({"d.htm", "D"});
            break;
        default:
            // Whatever the input holds, as a line that may or may not read.
            line = input.ConsumeRandomLengthString(64);
            break;
        }
        lines.insert(lines.end() - 1, line);
    }
    FUZZ_REQUIRE(CheckMap(lines, width, height) == CheckMapPairwise(lines, width, height));
    return 0;
}
