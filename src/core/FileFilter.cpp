#include "core/FileFilter.h"

#include "core/AsciiText.h"

namespace vemo {

namespace {

std::vector<std::string> Split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

std::string LowerAscii(std::string text)
{
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

} // namespace

std::vector<std::string> ToDialogFilters(const std::string &filter)
{
    const std::vector<std::string> parts = Split(filter, '|');
    std::vector<std::string> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns;
        for (const std::string &pattern : Split(parts[i + 1], ';')) {
            for (const std::string &variant : {LowerAscii(pattern), UpperAscii(pattern)}) {
                if (!patterns.empty())
                    patterns += ' ';
                patterns += variant;
            }
        }
        filters.push_back(parts[i] + " (" + patterns + ")");
    }
    return filters;
}

} // namespace vemo
