#include "core/SvgOverlay.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/HtmlTags.h"
#include "core/MapLines.h"
#include "core/TextEncoding.h"

namespace vemo {

namespace {

// Whether code is a character XML allows in a document.
bool IsXmlCharacter(std::uint32_t code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

// The length of the XML reference ("&amp;", "&#233;", "&#xE9;") at text[at], an '&'; 0 when none
// starts there. HTML's other named entities are no XML references: an XML reader refuses them.
std::size_t XmlReferenceLength(std::string_view text, std::size_t at)
{
    // No reference XML accepts is longer than "&#x10FFFF;" or "&#1114111;".
    const std::string_view rest = text.substr(at + 1, 10);
    const std::size_t semicolon = rest.find(';');
    if (semicolon == std::string_view::npos)
        return 0;
    const std::string_view name = rest.substr(0, semicolon);
    for (const std::string_view predefined : {"amp", "lt", "gt", "quot", "apos"}) {
        if (name == predefined)
            return name.size() + 2;
    }
    if (name.size() < 2 || name[0] != '#')
        return 0;
    const bool hex = name[1] == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty())
        return 0;
    std::uint32_t code = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return 0;
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
    }
    return IsXmlCharacter(code) ? name.size() + 2 : 0;
}

// A map value as the text of an SVG attribute or element. The value's own references stay, so a
// browser shows it as it shows the map's area.
std::string XmlText(std::string_view value)
{
    // Bytes that are not UTF-8 would make the file unreadable as XML.
    const bool utf8 = IsValidUtf8(value);
    std::string text;
    text.reserve(value.size());
    for (std::size_t at = 0; at < value.size(); ++at) {
        const unsigned char c = static_cast<unsigned char>(value[at]);
        if (c == '&') {
            const std::size_t reference = XmlReferenceLength(value, at);
            text += reference ? value.substr(at, reference) : "&amp;";
            at += reference ? reference - 1 : 0;
        } else if (c == '<') {
            text += "&lt;";
        } else if (c == '>') {
            text += "&gt;";
        } else if (c == '"') {
            text += "&quot;";
        } else if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            text += ' ';
        } else if (!utf8 && c >= 0x80) {
            text += '?';
        } else if (value.substr(at, 3) == "\xEF\xBF\xBE" || value.substr(at, 3) == "\xEF\xBF\xBF") {
            // U+FFFE and U+FFFF are UTF-8 but no XML characters.
            text += "\xEF\xBF\xBD";
            at += 2;
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}

std::string Number(std::int64_t value)
{
    return std::to_string(value);
}

// The SRC of the map's image line; empty when the map has none.
std::string PictureSource(const std::vector<std::string> &lines)
{
    for (const std::string &line : lines) {
        HtmlTagReader reader(line);
        HtmlTag tag;
        if (reader.Next(tag) && !tag.end && tag.name == "img") {
            const HtmlAttribute *source = tag.Find("src");
            return source ? std::string(source->value) : std::string();
        }
    }
    return {};
}

// The shape element of an area line's region, as a browser lays the region over the picture.
std::string ShapeElement(const std::string &line, const AreaRegion &region, int width, int height)
{
    if (region.kind == AreaKind::Default)
        return "<rect x=\"0\" y=\"0\" width=\"" + Number(width) + "\" height=\"" + Number(height) + "\"/>";
    if (region.kind == AreaKind::Poly) {
        std::string points;
        for (const Point &point : region.points)
            points += (points.empty() ? "" : " ") + Number(point.x) + "," + Number(point.y);
        return "<polygon points=\"" + points + "\"/>";
    }
    const std::vector<std::int32_t> c = ReadCoords(line, region.kind);
    if (region.kind == AreaKind::Circle) {
        return "<circle cx=\"" + Number(c[0]) + "\" cy=\"" + Number(c[1]) + "\" r=\"" +
               Number(c[2] < 0 ? 0 : c[2]) + "\"/>";
    }
    // A rectangle's corners may be given in either order.
    const std::int64_t x0 = c[0], y0 = c[1], x1 = c[2], y1 = c[3];
    return "<rect x=\"" + Number(std::min(x0, x1)) + "\" y=\"" + Number(std::min(y0, y1)) + "\" width=\"" +
           Number(x1 > x0 ? x1 - x0 : x0 - x1) + "\" height=\"" + Number(y1 > y0 ? y1 - y0 : y0 - y1) + "\"/>";
}

std::string LinkElement(const std::string &line, const AreaRegion &region, int width, int height)
{
    const std::string alt = ReadAlt(line);
    const std::string target = ReadTarget(line);
    std::string title = ReadTitle(line);
    if (title.empty())
        title = alt;
    std::string link = "<a href=\"" + XmlText(ReadHref(line)) + "\"";
    if (!target.empty())
        link += " target=\"" + XmlText(target) + "\"";
    if (!alt.empty())
        link += " aria-label=\"" + XmlText(alt) + "\"";
    link += ">";
    if (!title.empty())
        link += "<title>" + XmlText(title) + "</title>";
    return link + ShapeElement(line, region, width, height) + "</a>\n";
}

} // namespace

std::string SvgOverlayText(const std::vector<std::string> &lines, int width, int height)
{
    const std::string size = Number(width) + "\" height=\"" + Number(height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
                      Number(width) + " " + Number(height) + "\">\n";
    // The areas are clear until the mouse or the keyboard is on one; a clear fill still takes clicks.
    svg += "<style>a>*{fill:#fff;fill-opacity:0}a:hover>*,a:focus>*{fill-opacity:0.25;stroke:#f00;stroke-width:2;"
           "vector-effect:non-scaling-stroke}</style>\n";
    svg += "<image href=\"" + XmlText(PictureSource(lines)) + "\" width=\"" + size + "\"/>\n";
    // The default area first, so that every other area lies over it and takes its clicks.
    for (const std::string &line : lines) {
        if (GetAreaKind(line) == AreaKind::Default)
            svg += LinkElement(line, AreaRegion{AreaKind::Default, {}, {}}, width, height);
    }
    for (const std::string &line : lines) {
        if (const std::optional<AreaRegion> region = ReadAreaRegion(line))
            svg += LinkElement(line, *region, width, height);
    }
    return svg + "</svg>\n";
}

} // namespace vemo
