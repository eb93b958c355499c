#include "core/PathRules.h"

namespace vemo {

bool IsShiftJisLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

namespace {

bool IsSeparator(char c, PathStyle style)
{
    return style == PathStyle::Posix ? c == '/' : (c == '\\' || c == ':');
}

// Byte index just past the last separator; 0 when there is none. Windows paths step over
// double-byte characters as a whole.
std::size_t FileNameStart(const std::string &path, PathStyle style)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (style == PathStyle::Windows && IsShiftJisLeadByte(static_cast<unsigned char>(path[i]))) {
            ++i;
            continue;
        }
        if (IsSeparator(path[i], style))
            start = i + 1;
    }
    return start;
}

// Byte index of the extension's "." in the file-name part, or npos. A "." can never be a
// Shift-JIS trail byte (those start at 0x40), so a plain search is safe in both styles.
std::size_t ExtensionStart(const std::string &path, PathStyle style)
{
    const std::size_t nameStart = FileNameStart(path, style);
    const std::size_t dot = path.rfind('.');
    return dot != std::string::npos && dot >= nameStart ? dot : std::string::npos;
}

} // namespace

PathStyle NativePathStyle()
{
#ifdef _WIN32
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

std::string FolderPart(const std::string &path, PathStyle style)
{
    return path.substr(0, FileNameStart(path, style));
}

std::string FileNamePart(const std::string &path, PathStyle style)
{
    return path.substr(FileNameStart(path, style));
}

std::string ExtensionPart(const std::string &path, PathStyle style)
{
    const std::size_t dot = ExtensionStart(path, style);
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string ChangeExtension(const std::string &path, const std::string &extension, PathStyle style)
{
    const std::size_t dot = ExtensionStart(path, style);
    return (dot == std::string::npos ? path : path.substr(0, dot)) + extension;
}

std::string FolderForDisplay(const std::string &path, PathStyle style)
{
    std::string folder = FolderPart(path, style);
    const bool isRoot = style == PathStyle::Posix
                            ? folder == "/"
                            : (folder == "\\" || (folder.size() == 3 && folder[1] == ':' && folder[2] == '\\'));
    if (!folder.empty() && !isRoot && folder.back() != ':')
        folder.pop_back();
    return folder;
}

std::string MapNameFromFileName(const std::string &fileName)
{
    return fileName.substr(0, fileName.find('.'));
}

std::string LinkBaseFolder(const std::string &path, PathStyle style)
{
    std::string folder = FolderPart(path, style);
    if (style == PathStyle::Windows) {
        for (std::size_t i = 0; i < folder.size(); ++i) {
            if (IsShiftJisLeadByte(static_cast<unsigned char>(folder[i])))
                ++i;
            else if (folder[i] == '\\')
                folder[i] = '/';
        }
    }
    return folder;
}

std::size_t WholeCharPrefixLength(const std::string &text, std::size_t maxBytes, PathStyle style)
{
    std::size_t length = 0;
    while (length < text.size()) {
        const auto lead = static_cast<unsigned char>(text[length]);
        std::size_t charBytes = 1;
        if (style == PathStyle::Windows) {
            charBytes = IsShiftJisLeadByte(lead) ? 2 : 1;
        } else if (lead >= 0xC0) {
            charBytes = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        }
        if (length + charBytes > maxBytes || length + charBytes > text.size())
            break;
        length += charBytes;
    }
    return length;
}

} // namespace vemo
