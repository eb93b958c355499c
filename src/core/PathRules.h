#pragma once
// Folder, file-name and extension rules for byte-string paths.
// POSIX paths separate folders with "/". Windows paths use "\" and ":" and are scanned with
// the double-byte rules of Shift-JIS, so a trail byte is never taken for a separator.
#include <string>

namespace vemo {

enum class PathStyle { Posix, Windows };

// Whether c starts a double-byte Shift-JIS character; the byte after it may be any value,
// "\" included.
bool IsShiftJisLeadByte(unsigned char c);

// The style of the system the program runs on.
PathStyle NativePathStyle();

// Everything up to and including the last separator; empty when there is none.
std::string FolderPart(const std::string &path, PathStyle style);

// What follows the last separator.
std::string FileNamePart(const std::string &path, PathStyle style);

// From the last "." after the last separator, the "." included; empty when there is none.
std::string ExtensionPart(const std::string &path, PathStyle style);

// The path with its extension replaced by (or, without one, followed by) extension.
std::string ChangeExtension(const std::string &path, const std::string &extension, PathStyle style);

// The folder without its final separator, except for a root such as "/" or "C:\".
std::string FolderForDisplay(const std::string &path, PathStyle style);

// A map's default name: the file name cut before its first ".".
std::string MapNameFromFileName(const std::string &fileName);

// The folder as a link base: the folder part with every "\" turned into "/".
std::string LinkBaseFolder(const std::string &path, PathStyle style);

// The byte length of the longest prefix of text not longer than maxBytes that does not cut
// a character in two (UTF-8 for POSIX, Shift-JIS for Windows).
std::size_t WholeCharPrefixLength(const std::string &text, std::size_t maxBytes, PathStyle style);

} // namespace vemo
