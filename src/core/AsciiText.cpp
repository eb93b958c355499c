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
    return text.substr(0, text.find(stop));
}

} // namespace vemo
