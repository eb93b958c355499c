#include "core/IntConv.h"

#include <limits>

namespace vemo {

ConvertError::ConvertError(const std::string &text)
    : std::runtime_error("'" + text + "' は整数ではありません"), text_(text)
{
}

static int DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    return value < base ? value : -1;
}

std::optional<std::int32_t> TryParseInt32(const std::string &text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    }
    if (pos == text.size())
        return std::nullopt;

    // Accumulate in 64 bits and stop as soon as the magnitude leaves the 32-bit range.
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<std::int32_t>::min())
                                     : std::numeric_limits<std::int32_t>::max();
    long long magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t ParseInt32(const std::string &text)
{
    if (const auto value = TryParseInt32(text))
        return *value;
    throw ConvertError(text);
}

std::string DecimalText(long long value)
{
    return std::to_string(value);
}

} // namespace vemo
