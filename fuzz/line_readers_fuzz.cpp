// The input as one map line, through the strict number reader and every reader of map lines;
// then values taken from the input are written into area lines and must read back unchanged.
#include "FuzzCheck.h"

#include "core/IntConv.h"
#include "core/MapLines.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

using namespace vemo;

namespace {

void ReadNumber(const std::string &text)
{
    const auto value = TryStrToInt(text);
    if (value) {
        FUZZ_REQUIRE(StrToInt(text) == *value);
        FUZZ_REQUIRE(TryStrToInt(IntToStr(*value)) == value);
        return;
    }
    try {
        StrToInt(text);
        FUZZ_REQUIRE(!"StrToInt accepted what TryStrToInt refused");
    } catch (const ConvertError &error) {
        FUZZ_REQUIRE(error.Text() == text);
    }
}

void ReadLine(const std::string &line)
{
    const AreaKind kind = GetAreaKind(line);
    const std::vector<std::string> texts = CoordTexts(line, kind);
    if (kind == AreaKind::Poly)
        FUZZ_REQUIRE(!texts.empty());
    else
        FUZZ_REQUIRE(texts.size() == (kind == AreaKind::Rect ? 4u : kind == AreaKind::Circle ? 3u : 0u));
    for (const std::string &text : texts)
        ReadNumber(text);
    try {
        const std::vector<std::int32_t> values = ReadCoords(line, kind);
        FUZZ_REQUIRE(values.size() == texts.size());
        for (std::size_t i = 0; i < values.size(); ++i)
            FUZZ_REQUIRE(TryStrToInt(texts[i]) == values[i]);
    } catch (const ConvertError &) {
    } catch (const PolygonError &) {
        FUZZ_REQUIRE(kind == AreaKind::Poly && (texts.size() % 2 != 0 || texts.size() < 6));
    }
    for (const std::string &value : {ReadHref(line), ReadAlt(line)})
        FUZZ_REQUIRE(value.find('"') == std::string::npos && line.find(value) != std::string::npos);
    try {
        ReadImageLine(line);
    } catch (const ConvertError &) {
    }
}

// A link or ALT text as a dialog would write it. With a double quote or "=" in it, a value could
// end in a key such as `BORDER=` and the line would no longer read back, as the line format says.
std::string FieldText(FuzzedDataProvider &input)
{
    std::string text = input.ConsumeRandomLengthString(40);
    for (char &c : text) {
        if (c == '"' || c == '=')
            c = '_';
    }
    return text;
}

void WriteAndReadBack(FuzzedDataProvider &input)
{
    const auto x0 = input.ConsumeIntegral<std::int32_t>();
    const auto y0 = input.ConsumeIntegral<std::int32_t>();
    const auto x1 = input.ConsumeIntegral<std::int32_t>();
    const auto y1 = input.ConsumeIntegral<std::int32_t>();
    const std::string href = FieldText(input);
    const std::string alt = FieldText(input);

    const std::string rect = RectAreaLine(IntToStr(x0), IntToStr(y0), IntToStr(x1), IntToStr(y1), href, alt);
    FUZZ_REQUIRE(GetAreaKind(rect) == AreaKind::Rect);
    FUZZ_REQUIRE(ReadCoords(rect, AreaKind::Rect) == (std::vector<std::int32_t>{x0, y0, x1, y1}));
    FUZZ_REQUIRE(ReadHref(rect) == href);

    const std::string circle = CircleAreaLine(IntToStr(x0), IntToStr(y0), IntToStr(x1), href, alt);
    FUZZ_REQUIRE(GetAreaKind(circle) == AreaKind::Circle);
    FUZZ_REQUIRE(ReadCoords(circle, AreaKind::Circle) == (std::vector<std::int32_t>{x0, y0, x1}));
    FUZZ_REQUIRE(ReadHref(circle) == href);

    const std::vector<Point> points{{x0, y0}, {x1, y1}, {y0, x1}};
    const std::string poly = PolyAreaLine(PolygonCoordsText(points), href, alt);
    FUZZ_REQUIRE(GetAreaKind(poly) == AreaKind::Poly);
    FUZZ_REQUIRE(ReadAreaRegion(poly)->points == points);
    FUZZ_REQUIRE(ReadAlt(DefaultAreaLine(href, alt)) == alt);

    const std::string image = ImageLine(href, alt, IntToStr(y1), "1", "1", href);
    FUZZ_REQUIRE(ReadImageLine(image).border == y1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string line(reinterpret_cast<const char *>(data), size);
    ReadNumber(line);
    ReadLine(line);
    FuzzedDataProvider input(data, size);
    WriteAndReadBack(input);
    return 0;
}
