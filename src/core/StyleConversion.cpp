#include "core/StyleConversion.h"

#include "core/AttributeText.h"
#include "core/MapLines.h"

#include <optional>

namespace vemo {

namespace {

// The style a line's own tag name is written in, or nothing for a line no writer makes.
std::optional<MapStyle> StyleOfLine(const std::string &line)
{
    for (const char *html5 : {"<img ", "<map ", "</map>", "<area "}) {
        if (line.starts_with(html5))
            return MapStyle::Html5;
    }
    for (const char *classic : {"<IMG ", "<MAP ", "</MAP>", "<AREA "}) {
        if (line.starts_with(classic))
            return MapStyle::Classic;
    }
    return std::nullopt;
}

// A value carried into style: HTML5 asks for a bare '&' to be written "&amp;".
std::string Carried(const std::string &value, MapStyle style)
{
    return style == MapStyle::Html5 ? EscapeBareAmpersands(value) : value;
}

// The line written by its writer from the values read from it, in style with each value carried
// by carry; nothing when a value the writer needs is missing.
template <typename Carry>
std::optional<std::string> Rewritten(const std::string &line, MapStyle style, Carry carry)
{
    if (line == MapEndLine(MapStyle::Classic) || line == MapEndLine(MapStyle::Html5))
        return MapEndLine(style);
    if (line.starts_with("<MAP ") || line.starts_with("<map ")) {
        const std::optional<std::string> name = ReadAttribute(line, "NAME");
        return name ? std::optional(MapStartLine(carry(*name), style)) : std::nullopt;
    }
    if (line.starts_with("<IMG ") || line.starts_with("<img ")) {
        const std::optional<std::string> src = ReadAttribute(line, "SRC");
        const std::optional<std::string> alt = ReadAttribute(line, "ALT");
        const std::optional<std::string> usemap = ReadAttribute(line, "USEMAP");
        const ImageSizeTexts size = ReadImageSize(line);
        if (!src || !alt || !usemap || !usemap->starts_with('#') || !size.width || !size.height)
            return std::nullopt;
        const std::string border = ReadAttribute(line, "BORDER").value_or("0");
        return ImageLine(carry(*src), carry(*alt), border, *size.width, *size.height, carry(usemap->substr(1)), style);
    }
    const AreaKind kind = GetAreaKind(line);
    const std::optional<std::string> coords = ReadAttribute(line, "COORDS");
    if (kind == AreaKind::None || (kind != AreaKind::Default && !coords))
        return std::nullopt;
    const AreaTexts texts = ReadAreaTexts(line);
    return AreaLine(kind, coords.value_or(""),
                    {carry(texts.href), carry(texts.alt), carry(texts.title), carry(texts.target)}, style);
}

} // namespace

std::string LineInStyle(const std::string &line, MapStyle style)
{
    const std::optional<MapStyle> own = StyleOfLine(line);
    if (!own || *own == style)
        return line;
    // Written again in its own style, the line must come out the same: then the values read
    // are all it holds.
    const auto asRead = [](const std::string &value) { return value; };
    if (Rewritten(line, *own, asRead) != line)
        return line;
    return Rewritten(line, style, [style](const std::string &value) { return Carried(value, style); }).value_or(line);
}

std::vector<std::string> LinesInStyle(const std::vector<std::string> &lines, MapStyle style)
{
    std::vector<std::string> converted;
    converted.reserve(lines.size());
    for (const std::string &line : lines)
        converted.push_back(LineInStyle(line, style));
    return converted;
}

} // namespace vemo
