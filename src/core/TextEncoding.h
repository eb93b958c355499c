#pragma once
// The encodings a map's lines can be held in, and the byte test that tells UTF-8 apart.
#include <string_view>

namespace vemo {

enum class TextEncoding {
    Utf8,     // new maps, and side files whose bytes are valid UTF-8
    ShiftJis, // side files written on Japanese Windows (code page 932)
    Unknown,  // neither: shown as well as it decodes, every unchanged byte kept
};

// True when bytes are well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing above U+10FFFF. Plain ASCII is UTF-8.
bool IsValidUtf8(std::string_view bytes);

} // namespace vemo
