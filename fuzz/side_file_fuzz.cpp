// The input as a side file: split into lines, and each line read the way the editor reads the
// line the user selects or edits (region shown on the picture, image line read back).
#include "FuzzCheck.h"

#include "core/AreaGeometry.h"
#include "core/IntConv.h"
#include "core/MapFile.h"
#include "core/MapLayout.h"
#include "core/MapLines.h"

#include <cstdint>
#include <string>

using namespace vemo;

namespace {

void ShowRegion(const std::string &line)
{
    const AreaKind kind = GetAreaKind(line);
    try {
        const std::vector<std::int32_t> c = ReadCoords(line, kind);
        if (kind == AreaKind::Rect)
            BoxFromCorners({c.at(0), c.at(1), c.at(2), c.at(3)});
        else if (kind == AreaKind::Circle)
            CircleFromSquare(SquaredBox(BoxFromCircle({c.at(0), c.at(1), c.at(2)})));
        else if (kind == AreaKind::Poly)
            FUZZ_REQUIRE(ReadAreaRegion(line).has_value());
    } catch (const ConvertError &) {
    } catch (const PolygonError &) {
        FUZZ_REQUIRE(kind == AreaKind::Poly && !ReadAreaRegion(line));
    }
    ReadHref(line);
    ReadAlt(line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string> lines = SplitMapFileText(bytes);
    for (const std::string &line : lines)
        FUZZ_REQUIRE(line.find_first_of("\r\n") == std::string::npos);
    // Saving what was read and reading it again gives the same lines, NUL bytes and all.
    FUZZ_REQUIRE(SplitMapFileText(JoinMapFileLines(lines)) == lines);

    const int count = static_cast<int>(lines.size());
    for (int index = -1; index <= count; ++index)
        IsProtectedLine(index, count);
    const int newLine = NewAreaLineIndex(lines);
    FUZZ_REQUIRE(newLine >= 0 && newLine <= count);
    for (int index = 0; index < count; ++index) {
        for (int step : {-1, +1}) {
            const int moved = MovedLineIndex(index, step, lines);
            FUZZ_REQUIRE(moved == -1 || (moved == index + step && !IsProtectedLine(moved, count)));
        }
    }

    for (const std::string &line : lines)
        ShowRegion(line);
    if (!lines.empty()) {
        try {
            ReadImageLine(lines.front());
        } catch (const ConvertError &) {
        }
    }
    return 0;
}
