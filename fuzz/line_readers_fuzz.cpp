// The input as one map line, through the strict number reader and every reader of map lines;
// then values taken from the input, written as the dialogs write them, go into every kind of line
// and must read back exactly.
#include "FuzzCheck.h"

#include "core/AttributeText.h"
#include "core/IntConv.h"
#include "core/MapLines.h"
#include "core/StyleConversion.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace vemo;

namespace {

void ReadNumber(const std::string &text)
{
    const auto value = TryParseInt32(text);
    if (value) {
        FUZZ_REQUIRE(ParseInt32(text) == *value);
        FUZZ_REQUIRE(TryParseInt32(DecimalText(*value)) == value);
        return;
    }
    try {
        ParseInt32(text);
        FUZZ_REQUIRE(!"ParseInt32 accepted what TryParseInt32 refused");
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
            FUZZ_REQUIRE(TryParseInt32(texts[i]) == values[i]);
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

// A text typed into a dialog field, written as the dialogs write it: a double quote as &quot;, a
// line break as a space. Keys of other attributes inside it must not mislead any reader.
std::string FieldText(FuzzedDataProvider &input)
{
    return AttributeFromTyped(input.ConsumeRandomLengthString(40));
}

// A typed coordinate: any text without the comma that separates coordinates.
std::string CoordinateText(FuzzedDataProvider &input)
{
    std::string text = FieldText(input);
    for (char &c : text) {
        if (c == ',')
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
    // In HTML5 a value holds no bare '&', as the dialogs write it.
    const MapStyle style = input.ConsumeBool() ? MapStyle::Html5 : MapStyle::Classic;
    const auto field = [&] {
        const std::string text = FieldText(input);
        return style == MapStyle::Html5 ? EscapeBareAmpersands(text) : text;
    };
    const std::string href = field();
    const std::string alt = field();
    const std::string map = field();
    const AreaTexts texts{href, alt, field(), field()};
    const std::vector<std::string> typed{CoordinateText(input), CoordinateText(input), CoordinateText(input),
                                         CoordinateText(input)};

    const std::string rect = RectAreaLine(DecimalText(x0), DecimalText(y0), DecimalText(x1), DecimalText(y1), texts, style);
    FUZZ_REQUIRE(GetAreaKind(rect) == AreaKind::Rect);
    FUZZ_REQUIRE(ReadCoords(rect, AreaKind::Rect) == (std::vector<std::int32_t>{x0, y0, x1, y1}));

    const std::string circle = CircleAreaLine(DecimalText(x0), DecimalText(y0), DecimalText(x1), texts, style);
    FUZZ_REQUIRE(GetAreaKind(circle) == AreaKind::Circle);
    FUZZ_REQUIRE(ReadCoords(circle, AreaKind::Circle) == (std::vector<std::int32_t>{x0, y0, x1}));

    const std::vector<Point> points{{x0, y0}, {x1, y1}, {y0, x1}};
    const std::string poly = PolyAreaLine(PolygonCoordsText(points), texts, style);
    FUZZ_REQUIRE(GetAreaKind(poly) == AreaKind::Poly);
    FUZZ_REQUIRE(ReadAreaRegion(poly)->points == points);

    const std::string typedRect = RectAreaLine(typed[0], typed[1], typed[2], typed[3], texts, style);
    const std::string typedCircle = CircleAreaLine(typed[0], typed[1], typed[2], texts, style);
    const std::string typedPoly = PolyAreaLine(typed[0] + "," + typed[1] + "," + typed[2] + "," + typed[3], texts, style);
    FUZZ_REQUIRE(CoordTexts(typedRect, AreaKind::Rect) == typed);
    FUZZ_REQUIRE(CoordTexts(typedCircle, AreaKind::Circle) == std::vector<std::string>(typed.begin(), typed.end() - 1));
    FUZZ_REQUIRE(CoordTexts(typedPoly, AreaKind::Poly) == typed);

    for (const std::string &line : {rect, circle, poly, typedRect, typedCircle, typedPoly, DefaultAreaLine(texts, style)}) {
        FUZZ_REQUIRE(ReadAreaTexts(line) == texts);
        // Converted, a line keeps its kind and texts (a bare '&' written as HTML5 asks), and an
        // HTML5 line comes back from Classic as it was.
        const std::string html5 = LineInStyle(line, MapStyle::Html5);
        FUZZ_REQUIRE(GetAreaKind(html5) == GetAreaKind(line));
        FUZZ_REQUIRE(ReadAreaTexts(html5) == (AreaTexts{EscapeBareAmpersands(texts.href), EscapeBareAmpersands(texts.alt),
                                                        EscapeBareAmpersands(texts.title),
                                                        EscapeBareAmpersands(texts.target)}));
        if (style == MapStyle::Html5)
            FUZZ_REQUIRE(LineInStyle(LineInStyle(line, MapStyle::Classic), MapStyle::Html5) == line);
    }

    const std::string image = ImageLine(href, alt, DecimalText(y1), DecimalText(x0), DecimalText(x1), map, style);
    const ImageLineValues values = ReadImageLine(image);
    FUZZ_REQUIRE(values.border == y1 && values.alt == alt && values.map == map);
    const ImageSizeTexts size = ReadImageSize(image);
    FUZZ_REQUIRE(size.width == DecimalText(x0) && size.height == DecimalText(x1));
    FUZZ_REQUIRE(ReadMapName(MapStartLine(map, style)) == map);
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
