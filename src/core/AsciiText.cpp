#include "core/AsciiText.h"

namespace vemo {

std::string UpperAscii(std::string text)
{
    for (char &c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string TextBefore(const std::string &text, char stop)
{
    const std::size_t at = text.find(stop);
    return at == std::string::npos ? std::string() : text.substr(0, at);
}

} // namespace vemo
