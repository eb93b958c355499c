#pragma once
// Byte-string helpers that keep byte positions valid across case changes.
#include <string>

namespace vemo {

// Upper-cases a to z only; every other byte and the length stay as they are,
// so a position found in the copy holds for the original.
std::string UpperAscii(std::string text);

// The text before the first occurrence of stop; empty when stop is absent.
std::string TextBefore(const std::string &text, char stop);

} // namespace vemo
