#pragma once
// The side file that keeps a picture's map: the lines in order, each followed by CR LF.
#include <string>
#include <vector>

namespace vemo {

// The side file's bytes for the given lines: every line, the last one too, ends with CR LF.
std::string JoinMapFileLines(const std::vector<std::string> &lines);

// Splits a side file's bytes into lines. A line ends at CR, LF or CR LF; a last line without an
// end still counts; empty lines are kept; NUL bytes stay in their
// line, so a damaged file comes back whole when it is saved.
std::vector<std::string> SplitMapFileText(const std::string &text);

// The extension of side files.
inline constexpr const char *kMapFileExtension = ".vmo";

} // namespace vemo
