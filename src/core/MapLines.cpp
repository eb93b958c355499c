#include "core/MapLines.h"

#include "core/AsciiText.h"
#include "core/HtmlTags.h"
#include "core/IntConv.h"
#include "core/PolygonGeometry.h"

#include <string_view>
#include <utility>

namespace vemo {

namespace {

// The shape word occupies characters 14 to 17 (1-based) of an area line.
constexpr std::size_t kShapeWordStart = 13;
constexpr std::size_t kShapeWordLength = 4;

// The text before the first separator; it and the separator leave `rest`.
// Without a separator the text is empty and `rest` stays whole.
std::string TakeBefore(std::string &rest, char separator)
{
    const std::size_t at = rest.find(separator);
    if (at == std::string::npos)
        return {};
    std::string taken = rest.substr(0, at);
    rest.erase(0, at + 1);
    return taken;
}

// Where the text after `key` (an attribute's name and what follows it, such as `HREF="`) starts in
// line, the key matched without regard to ASCII case. A key counts only where an attribute's name
// can start: after white space or right after a quoted value. Every quoted value (`="` up to the
// next double quote) is passed over whole, so a value holding ` alt="` or ending in `href=` is
// never taken for an attribute; a value never closed ends the search.
std::optional<std::size_t> FindAttributeValue(std::string_view line, std::string_view key)
{
    bool atNameStart = false;
    std::size_t at = 0;
    while (at < line.size()) {
        if (atNameStart && EqualsIgnoringAsciiCase(line.substr(at, key.size()), key))
            return at + key.size();
        if (line.compare(at, 2, "=\"") == 0) {
            const std::size_t close = line.find('"', at + 2);
            if (close == std::string_view::npos)
                return std::nullopt;
            at = close + 1;
            atNameStart = true;
            continue;
        }
        atNameStart = IsHtmlSpace(line[at]);
        ++at;
    }
    return std::nullopt;
}

// The value after `key` in line, up to the next double quote; empty when the key is absent or the
// value is never closed.
std::string ReadQuotedAttribute(const std::string &line, const std::string &key)
{
    const std::optional<std::size_t> value = FindAttributeValue(line, key);
    return value ? TextBefore(line.substr(*value), '"') : std::string();
}

// The value after `key` in line: up to the closing quote when it opens with one, else up to the
// next space or '>' or the line's end; nothing when the key is absent.
std::optional<std::string> ReadBareOrQuotedAttribute(const std::string &line, const std::string &key)
{
    const std::optional<std::size_t> value = FindAttributeValue(line, key);
    if (!value)
        return std::nullopt;
    const std::string rest = line.substr(*value);
    if (!rest.empty() && rest.front() == '"')
        return TextBefore(rest.substr(1), '"');
    return rest.substr(0, rest.find_first_of(" >"));
}

// The value after `key` in source (the line or its upper-cased copy), up to the next double quote.
// An absent key still drops key-length-minus-one bytes from the start, which is how lines without
// the key have always been read.
std::string AfterImageKey(const std::string &source, const std::string &key)
{
    const std::size_t drop = FindAttributeValue(source, key).value_or(key.size() - 1);
    const std::string tail = drop < source.size() ? source.substr(drop) : std::string();
    return TextBefore(tail, '"');
}

// Every comma-separated text of coords; one empty text for an empty coords.
std::vector<std::string> SplitAtCommas(const std::string &coords)
{
    std::vector<std::string> texts;
    std::size_t from = 0;
    for (std::size_t comma = coords.find(','); comma != std::string::npos; comma = coords.find(',', from)) {
        texts.push_back(coords.substr(from, comma - from));
        from = comma + 1;
    }
    texts.push_back(coords.substr(from));
    return texts;
}

std::vector<Point> PointsFromValues(const std::vector<std::int32_t> &values)
{
    if (values.size() % 2 != 0)
        throw PolygonError(PolygonError::Fault::OddCount);
    if (values.size() < 6)
        throw PolygonError(PolygonError::Fault::TooFewPoints);
    std::vector<Point> points;
    for (std::size_t i = 0; i < values.size(); i += 2)
        points.push_back({values[i], values[i + 1]});
    return points;
}

} // namespace

PolygonError::PolygonError(Fault fault)
    : std::runtime_error(fault == Fault::OddCount ? "A polygon's coordinates must come in x,y pairs"
                                                  : "A polygon needs at least three points"),
      fault_(fault)
{
}

std::string ImageLine(const std::string &file, const std::string &alt, const std::string &border,
                      const std::string &width, const std::string &height, const std::string &map, MapStyle style)
{
    if (style == MapStyle::Html5) {
        // HTML5 has no border attribute of its own; a border other than none is kept for browsers
        // that still draw it, and so that nothing is lost converting from Classic.
        const std::string borderText = border == "0" ? std::string() : " border=\"" + border + "\"";
        return "<img src=\"" + file + "\" alt=\"" + alt + "\"" + borderText + " width=\"" + width
               + "\" height=\"" + height + "\" usemap=\"#" + map + "\">";
    }
    return "<IMG SRC=\"" + file + "\" ALT=\"" + alt + "\" BORDER=\"" + border + "\" WIDTH=" + width
           + " HEIGHT=" + height + " USEMAP=\"#" + map + "\">";
}

std::string MapStartLine(const std::string &map, MapStyle style)
{
    return (style == MapStyle::Html5 ? "<map name=\"" : "<MAP NAME=\"") + map + "\">";
}

std::string MapEndLine(MapStyle style)
{
    return style == MapStyle::Html5 ? "</map>" : "</MAP>";
}

std::string AreaLine(AreaKind kind, const std::string &coords, const AreaTexts &texts, MapStyle style)
{
    const bool html5 = style == MapStyle::Html5;
    const auto attribute = [html5](const char *classicName, const char *html5Name, const std::string &value) {
        return std::string(" ") + (html5 ? html5Name : classicName) + "=\"" + value + "\"";
    };
    const char *shape = kind == AreaKind::Rect     ? (html5 ? "rect" : "RECT")
                        : kind == AreaKind::Circle ? (html5 ? "circle" : "CIRCLE")
                        : kind == AreaKind::Poly   ? (html5 ? "poly" : "POLY")
                                                   : (html5 ? "default" : "DEFAULT");
    std::string line = std::string(html5 ? "<area" : "<AREA") + attribute("SHAPE", "shape", shape);
    if (kind != AreaKind::Default)
        line += attribute("COORDS", "coords", coords);
    line += attribute("HREF", "href", texts.href) + attribute("ALT", "alt", texts.alt);
    if (!texts.title.empty())
        line += attribute("TITLE", "title", texts.title);
    if (!texts.target.empty())
        line += attribute("TARGET", "target", texts.target);
    return line + ">";
}

std::string RectAreaLine(const std::string &x0, const std::string &y0, const std::string &x1,
                         const std::string &y1, const AreaTexts &texts, MapStyle style)
{
    return AreaLine(AreaKind::Rect, x0 + "," + y0 + "," + x1 + "," + y1, texts, style);
}

std::string CircleAreaLine(const std::string &x, const std::string &y, const std::string &r, const AreaTexts &texts,
                           MapStyle style)
{
    return AreaLine(AreaKind::Circle, x + "," + y + "," + r, texts, style);
}

std::string PolyAreaLine(const std::string &coords, const AreaTexts &texts, MapStyle style)
{
    return AreaLine(AreaKind::Poly, coords, texts, style);
}

std::string DefaultAreaLine(const AreaTexts &texts, MapStyle style)
{
    return AreaLine(AreaKind::Default, {}, texts, style);
}

std::string PolygonCoordsText(const std::vector<Point> &points)
{
    std::string text;
    for (const Point &point : points)
        text += (text.empty() ? "" : ",") + DecimalText(point.x) + "," + DecimalText(point.y);
    return text;
}

std::vector<std::string> NewMapLines(const std::string &fileName, int width, int height,
                                     const std::string &mapName, MapStyle style)
{
    return {ImageLine(fileName, fileName, "0", DecimalText(width), DecimalText(height), mapName, style),
            MapStartLine(mapName, style), MapEndLine(style)};
}

AreaKind GetAreaKind(const std::string &line)
{
    const std::string word =
        line.size() > kShapeWordStart ? UpperAscii(line.substr(kShapeWordStart, kShapeWordLength)) : "";
    if (word == "RECT")
        return AreaKind::Rect;
    if (word == "CIRC")
        return AreaKind::Circle;
    if (word == "POLY")
        return AreaKind::Poly;
    if (word == "DEFA")
        return AreaKind::Default;
    return AreaKind::None;
}

std::vector<std::string> CoordTexts(const std::string &line, AreaKind kind)
{
    if (kind == AreaKind::None || kind == AreaKind::Default)
        return {};
    std::string rest = ReadQuotedAttribute(line, "COORDS=\"");
    if (kind == AreaKind::Poly)
        return SplitAtCommas(rest);
    const std::size_t count = kind == AreaKind::Rect ? 4 : 3;
    std::vector<std::string> texts;
    for (std::size_t i = 0; i + 1 < count; ++i)
        texts.push_back(TakeBefore(rest, ','));
    texts.push_back(rest);
    return texts;
}

std::vector<std::int32_t> ReadCoords(const std::string &line, AreaKind kind)
{
    std::vector<std::int32_t> values;
    for (const std::string &text : CoordTexts(line, kind))
        values.push_back(ParseInt32(text));
    if (kind == AreaKind::Poly)
        PointsFromValues(values);
    return values;
}

std::vector<Point> ReadPolygonPoints(const std::string &coords)
{
    std::vector<std::int32_t> values;
    for (const std::string &text : SplitAtCommas(coords))
        values.push_back(ParseInt32(text));
    return PointsFromValues(values);
}

std::vector<Point> ReadPolygon(const std::string &line)
{
    return PointsFromValues(ReadCoords(line, AreaKind::Poly));
}

std::optional<AreaRegion> ReadAreaRegion(const std::string &line)
{
    const AreaKind kind = GetAreaKind(line);
    std::vector<std::int32_t> values;
    for (const std::string &text : CoordTexts(line, kind)) {
        const std::optional<std::int32_t> value = TryParseInt32(text);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    if (kind == AreaKind::Rect)
        return AreaRegion{kind, BoxFromCorners({values[0], values[1], values[2], values[3]}), {}};
    if (kind == AreaKind::Circle)
        return AreaRegion{kind, BoxFromCircle({values[0], values[1], values[2]}), {}};
    if (kind == AreaKind::Poly && values.size() % 2 == 0 && values.size() >= 6) {
        std::vector<Point> points = PointsFromValues(values);
        const Box bounds = PolygonBounds(points);
        return AreaRegion{kind, bounds, std::move(points)};
    }
    return std::nullopt;
}

bool RegionHoldsPixel(const AreaRegion &region, std::int32_t x, std::int32_t y)
{
    if (region.kind == AreaKind::Poly)
        return PolygonHolds(region.points, x, y);
    return RegionHolds(region.box, region.kind == AreaKind::Circle, x, y);
}

std::string ReadHref(const std::string &line)
{
    return ReadQuotedAttribute(line, "HREF=\"");
}

std::string ReadAlt(const std::string &line)
{
    return ReadQuotedAttribute(line, "ALT=\"");
}

std::string ReadTitle(const std::string &line)
{
    return ReadQuotedAttribute(line, "TITLE=\"");
}

std::string ReadTarget(const std::string &line)
{
    return ReadQuotedAttribute(line, "TARGET=\"");
}

AreaTexts ReadAreaTexts(const std::string &line)
{
    return {ReadHref(line), ReadAlt(line), ReadTitle(line), ReadTarget(line)};
}

std::optional<std::string> ReadAttribute(const std::string &line, const std::string &name)
{
    const std::optional<std::size_t> value = FindAttributeValue(line, name + "=\"");
    if (!value)
        return std::nullopt;
    const std::size_t close = line.find('"', *value);
    if (close == std::string::npos)
        return std::nullopt;
    return line.substr(*value, close - *value);
}

std::string ReadMapName(const std::string &line)
{
    return ReadQuotedAttribute(line, "NAME=\"");
}

ImageLineValues ReadImageLine(const std::string &line)
{
    ImageLineValues values;
    const std::string upper = UpperAscii(line);
    const bool html5WithoutBorder = StyleOfLines({line}) == MapStyle::Html5 && !FindAttributeValue(upper, "BORDER=\"");
    values.border = html5WithoutBorder ? 0 : ParseInt32(AfterImageKey(upper, "BORDER=\""));
    values.alt = AfterImageKey(line, "ALT=\"");
    values.map = AfterImageKey(line, "USEMAP=\"#");
    return values;
}

ImageSizeTexts ReadImageSize(const std::string &line)
{
    return {ReadBareOrQuotedAttribute(line, "WIDTH="), ReadBareOrQuotedAttribute(line, "HEIGHT=")};
}

} // namespace vemo
