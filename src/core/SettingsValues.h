#pragma once
// How the values of the settings file are read and written.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/PathRules.h"

namespace vemo {

// The settings file's path: the program's path with its extension replaced by ".INI".
std::string SettingsFilePath(const std::string &programPath, PathStyle style);

// An integer setting: "0x"/"0X" before more text means hexadecimal; a text that does not convert
// gives the default.
std::int32_t ReadSettingInt(const std::string &text, std::int32_t fallback);

// A font face name as kept: at most 31 bytes, never cutting a character in two.
std::string KeptFontName(const std::string &name, PathStyle style);

// A stored font size as used: one that is not positive or too large to read a line in
// (a damaged or hand-edited file) gives the default.
int KeptFontSize(int stored, int fallback);

// The recent pictures after opening path: path first, no entry twice, at most kept entries.
// An empty path, or one holding a line break, cannot be kept in a settings line and changes nothing.
std::vector<std::string> RememberRecent(const std::vector<std::string> &recent, const std::string &path,
                                        std::size_t kept);

// The designed size of the main window scaled to the screen's pixels per inch.
int ScaleForDpi(int designed, int pixelsPerInch);

} // namespace vemo
