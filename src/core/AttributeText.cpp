#include "core/AttributeText.h"

#include <cstdint>

namespace vemo {

namespace {

constexpr std::string_view kQuoteEntity = "&quot;";

} // namespace

std::string AttributeFromTyped(std::string_view typed)
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
    return value;
}

std::string CharacterReference(char32_t code)
{
    return "&#" + std::to_string(static_cast<std::uint32_t>(code)) + ";";
}

std::string TypedFromAttribute(std::string_view value)
{
    std::string typed;
    typed.reserve(value.size());
    std::size_t at = 0;
    while (at < value.size()) {
        if (value.substr(at, kQuoteEntity.size()) == kQuoteEntity) {
            typed += '"';
            at += kQuoteEntity.size();
        } else {
            typed += value[at++];
        }
    }
    return typed;
}

} // namespace vemo
