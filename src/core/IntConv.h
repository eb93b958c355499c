#pragma once
// The one number reader of the editor: strict conversion of a text to a signed 32-bit integer.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace vemo {

// Raised when a text does not convert; what() is the user-facing message naming the text.
class ConvertError : public std::runtime_error {
public:
    explicit ConvertError(const std::string &text);
    const std::string &Text() const { return text_; }

private:
    std::string text_;
};

// Leading spaces, an optional sign, then base-10 digits or "$" and base-16 digits, and nothing after.
std::optional<std::int32_t> TryParseInt32(const std::string &text);

// As TryParseInt32, but a text that does not convert raises ConvertError.
std::int32_t ParseInt32(const std::string &text);

// Base-10 digits with a minus sign when negative.
std::string DecimalText(long long value);

} // namespace vemo
