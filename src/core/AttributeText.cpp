#include "core/AttributeText.h"

#include <cstdint>

namespace vemo {

namespace {

constexpr std::string_view kQuoteEntity = "&quot;";
constexpr std::string_view kAmpersandEntity = "&amp;";

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c)
{
    return IsAsciiDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether text at `at` (an '&') starts a character reference: "&name;", "&#digits;" or
// "&#xhex;". A named one counts whatever its name, as browsers' tables change over time.
bool StartsCharacterReference(std::string_view text, std::size_t at)
{
    std::size_t end = at + 1;
    if (end < text.size() && text[end] == '#') {
        ++end;
        const bool hex = end < text.size() && (text[end] == 'x' || text[end] == 'X');
        if (hex)
            ++end;
        const std::size_t digits = end;
        while (end < text.size() && (hex ? IsHexDigit(text[end]) : IsAsciiDigit(text[end])))
            ++end;
        return end > digits && end < text.size() && text[end] == ';';
    }
    if (end >= text.size() || !IsAsciiLetter(text[end]))
        return false;
    while (end < text.size() && (IsAsciiLetter(text[end]) || IsAsciiDigit(text[end])))
        ++end;
    return end < text.size() && text[end] == ';';
}

} // namespace

std::string EscapeBareAmpersands(std::string_view value)
{
    std::string escaped;
    escaped.reserve(value.size());
    for (std::size_t at = 0; at < value.size(); ++at) {
        if (value[at] == '&' && !StartsCharacterReference(value, at))
            escaped += kAmpersandEntity;
        else
            escaped += value[at];
    }
    return escaped;
}

std::string AttributeFromTyped(std::string_view typed, MapStyle style)
{
    std::string value;
    value.reserve(typed.size());
    for (std::size_t at = 0; at < typed.size(); ++at) {
        const char c = typed[at];
        if (c == '"') {
            value += kQuoteEntity;
        } else if (c == '\r' || c == '\n' || c == '\0') {
            // A CR LF pair is one line break and so one space.
            if (c == '\r' && at + 1 < typed.size() && typed[at + 1] == '\n')
                ++at;
            value += ' ';
        } else {
            value += c;
        }
    }
    return style == MapStyle::Html5 ? EscapeBareAmpersands(value) : value;
}

std::string CharacterReference(char32_t code)
{
    return "&#" + std::to_string(static_cast<std::uint32_t>(code)) + ";";
}

std::string TypedFromAttribute(std::string_view value, MapStyle style)
{
    std::string typed;
    typed.reserve(value.size());
    std::size_t at = 0;
    while (at < value.size()) {
        if (value.substr(at, kQuoteEntity.size()) == kQuoteEntity) {
            typed += '"';
            at += kQuoteEntity.size();
        } else if (style == MapStyle::Html5 && value.substr(at, kAmpersandEntity.size()) == kAmpersandEntity) {
            typed += '&';
            at += kAmpersandEntity.size();
        } else {
            typed += value[at++];
        }
    }
    return typed;
}

} // namespace vemo
