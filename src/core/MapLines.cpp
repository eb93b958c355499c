#include "core/MapLines.h"

#include "core/AsciiText.h"
#include "core/IntConv.h"

namespace vemo {

namespace {

// Where the coordinates start, 0-based: right after `<AREA SHAPE="RECT" COORDS="` (27 bytes)
// or `<AREA SHAPE="CIRCLE" COORDS="` (29 bytes).
constexpr std::size_t kRectCoordsStart = 27;
constexpr std::size_t kCircleCoordsStart = 29;
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

// The value after `key` in line, up to the next double quote; empty when the key is absent.
std::string ReadQuotedAttribute(const std::string &line, const std::string &key)
{
    const std::size_t at = UpperAscii(line).find(key);
    if (at == std::string::npos)
        return {};
    return TextBefore(line.substr(at + key.size()), '"');
}

// The value after `key` in line: up to the closing quote when it opens with one, else up to the
// next space or '>' or the line's end; nothing when the key is absent.
std::optional<std::string> ReadBareOrQuotedAttribute(const std::string &line, const std::string &key)
{
    const std::size_t at = UpperAscii(line).find(key);
    if (at == std::string::npos)
        return std::nullopt;
    const std::string rest = line.substr(at + key.size());
    if (!rest.empty() && rest.front() == '"')
        return TextBefore(rest.substr(1), '"');
    return rest.substr(0, rest.find_first_of(" >"));
}

// Drops everything up to and including `key`; an absent key still drops key-length-minus-one
// bytes from the start, which is how lines without the key have always been read.
std::string AfterImageKey(const std::string &source, const std::string &upper, const std::string &key)
{
    const std::size_t at = upper.find(key);
    const std::size_t drop = at == std::string::npos ? key.size() - 1 : at + key.size();
    const std::string tail = drop < source.size() ? source.substr(drop) : std::string();
    return TextBefore(tail, '"');
}

} // namespace

std::string ImageLine(const std::string &file, const std::string &alt, const std::string &border,
                      const std::string &width, const std::string &height, const std::string &map)
{
    return "<IMG SRC=\"" + file + "\" ALT=\"" + alt + "\" BORDER=\"" + border + "\" WIDTH=" + width
           + " HEIGHT=" + height + " USEMAP=\"#" + map + "\">";
}

std::string MapStartLine(const std::string &map)
{
    return "<MAP NAME=\"" + map + "\">";
}

std::string MapEndLine()
{
    return "</MAP>";
}

std::string RectAreaLine(const std::string &x0, const std::string &y0, const std::string &x1,
                         const std::string &y1, const std::string &href, const std::string &alt)
{
    return "<AREA SHAPE=\"RECT\" COORDS=\"" + x0 + "," + y0 + "," + x1 + "," + y1 + "\" HREF=\"" + href
           + "\" ALT=\"" + alt + "\">";
}

std::string CircleAreaLine(const std::string &x, const std::string &y, const std::string &r,
                           const std::string &href, const std::string &alt)
{
    return "<AREA SHAPE=\"CIRCLE\" COORDS=\"" + x + "," + y + "," + r + "\" HREF=\"" + href + "\" ALT=\""
           + alt + "\">";
}

std::vector<std::string> NewMapLines(const std::string &fileName, int width, int height,
                                     const std::string &mapName)
{
    return {ImageLine(fileName, fileName, "0", IntToStr(width), IntToStr(height), mapName),
            MapStartLine(mapName), MapEndLine()};
}

AreaKind GetAreaKind(const std::string &line)
{
    const std::string word =
        line.size() > kShapeWordStart ? UpperAscii(line.substr(kShapeWordStart, kShapeWordLength)) : "";
    if (word == "RECT")
        return AreaKind::Rect;
    if (word == "CIRC")
        return AreaKind::Circle;
    return AreaKind::None;
}

std::vector<std::string> CoordTexts(const std::string &line, AreaKind kind)
{
    if (kind == AreaKind::None)
        return {};
    const std::size_t start = kind == AreaKind::Rect ? kRectCoordsStart : kCircleCoordsStart;
    const std::size_t count = kind == AreaKind::Rect ? 4 : 3;
    // From the first coordinate up to, not including, the line's last character.
    std::string rest = line.size() > start + 1 ? line.substr(start, line.size() - start - 1) : std::string();

    std::vector<std::string> texts;
    for (std::size_t i = 0; i + 1 < count; ++i)
        texts.push_back(TakeBefore(rest, ','));
    texts.push_back(TakeBefore(rest, '"'));
    return texts;
}

std::vector<std::int32_t> ReadCoords(const std::string &line, AreaKind kind)
{
    std::vector<std::int32_t> values;
    for (const std::string &text : CoordTexts(line, kind))
        values.push_back(StrToInt(text));
    return values;
}

std::optional<AreaRegion> ReadAreaRegion(const std::string &line)
{
    const AreaKind kind = GetAreaKind(line);
    std::vector<std::int32_t> values;
    for (const std::string &text : CoordTexts(line, kind)) {
        const std::optional<std::int32_t> value = TryStrToInt(text);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    if (kind == AreaKind::Rect)
        return AreaRegion{kind, BoxFromCorners({values[0], values[1], values[2], values[3]})};
    if (kind == AreaKind::Circle)
        return AreaRegion{kind, BoxFromCircle({values[0], values[1], values[2]})};
    return std::nullopt;
}

std::string ReadHref(const std::string &line)
{
    return ReadQuotedAttribute(line, "HREF=\"");
}

std::string ReadAlt(const std::string &line)
{
    return ReadQuotedAttribute(line, "ALT=\"");
}

std::string ReadMapName(const std::string &line)
{
    return ReadQuotedAttribute(line, "NAME=\"");
}

ImageLineValues ReadImageLine(const std::string &line)
{
    const std::string upper = UpperAscii(line);
    ImageLineValues values;
    values.border = StrToInt(AfterImageKey(upper, upper, "BORDER=\""));
    values.alt = AfterImageKey(line, upper, "ALT=\"");
    values.map = AfterImageKey(line, upper, "USEMAP=\"#");
    return values;
}

ImageSizeTexts ReadImageSize(const std::string &line)
{
    return {ReadBareOrQuotedAttribute(line, " WIDTH="), ReadBareOrQuotedAttribute(line, " HEIGHT=")};
}

} // namespace vemo
