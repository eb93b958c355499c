#include "core/RelativeLink.h"

namespace vemo {

namespace {

// Index of the first folder separator at or after from, or npos. Only "\" (Windows) or "/"
// (POSIX) counts here: a drive's ":" stays inside its segment. Windows text is stepped a
// whole character at a time so that a Shift-JIS trail byte equal to "\" is not a separator.
std::size_t FindSeparator(const std::string &folder, std::size_t from, PathStyle style)
{
    const char separator = style == PathStyle::Windows ? '\\' : '/';
    for (std::size_t i = from; i < folder.size(); ++i) {
        if (style == PathStyle::Windows && IsShiftJisLeadByte(static_cast<unsigned char>(folder[i])))
            ++i;
        else if (folder[i] == separator)
            return i;
    }
    return std::string::npos;
}

// End of the segment starting at from: just past its separator, or the end of the text when
// none is left. Always beyond from while from is inside the text, so a scan always advances.
std::size_t SegmentEnd(const std::string &folder, std::size_t from, PathStyle style)
{
    const std::size_t separator = FindSeparator(folder, from, style);
    return separator == std::string::npos ? folder.size() : separator + 1;
}

} // namespace

std::string MakeRelativeLink(const std::string &target, const std::string &base, PathStyle style)
{
    const std::string targetFolder = FolderPart(target, style);
    const std::string baseFolder = FolderPart(base, style);

    std::size_t targetAt = 0;
    std::size_t baseAt = 0;
    while (targetAt < targetFolder.size() && baseAt < baseFolder.size()) {
        const std::size_t targetEnd = SegmentEnd(targetFolder, targetAt, style);
        const std::size_t baseEnd = SegmentEnd(baseFolder, baseAt, style);
        if (targetFolder.compare(targetAt, targetEnd - targetAt, baseFolder, baseAt, baseEnd - baseAt) != 0)
            break;
        targetAt = targetEnd;
        baseAt = baseEnd;
    }

    std::string link;
    for (std::size_t i = FindSeparator(baseFolder, baseAt, style); i != std::string::npos;
         i = FindSeparator(baseFolder, i + 1, style))
        link += "../";

    std::string rest = targetFolder.substr(targetAt);
    for (std::size_t i = FindSeparator(rest, 0, style); i != std::string::npos; i = FindSeparator(rest, i + 1, style))
        rest[i] = '/';
    return link + rest + FileNamePart(target, style);
}

} // namespace vemo
