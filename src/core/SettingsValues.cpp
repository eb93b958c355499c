#include "core/SettingsValues.h"

#include <algorithm>

#include "core/IntConv.h"

namespace vemo {

std::string SettingsFilePath(const std::string &programPath, PathStyle style)
{
    return ChangeExtension(programPath, ".INI", style);
}

std::int32_t ReadSettingInt(const std::string &text, std::int32_t fallback)
{
    std::string number = text;
    if (number.size() > 2 && number[0] == '0' && (number[1] == 'x' || number[1] == 'X'))
        number.replace(0, 2, "$");
    return TryParseInt32(number).value_or(fallback);
}

std::string KeptFontName(const std::string &name, PathStyle style)
{
    constexpr std::size_t kMaxFaceNameBytes = 31;
    return name.substr(0, WholeCharPrefixLength(name, kMaxFaceNameBytes, style));
}

int ScaleForDpi(int designed, int pixelsPerInch)
{
    return static_cast<int>(static_cast<long long>(pixelsPerInch) * designed / 96);
}

int KeptFontSize(int stored, int fallback)
{
    constexpr int kLargestFontSize = 72;
    return stored >= 1 && stored <= kLargestFontSize ? stored : fallback;
}

std::vector<std::string> RememberRecent(const std::vector<std::string> &recent, const std::string &path,
                                        std::size_t kept)
{
    if (path.empty() || path.find_first_of("\r\n") != std::string::npos)
        return recent;
    std::vector<std::string> remembered{path};
    for (const std::string &entry : recent) {
        if (remembered.size() >= kept)
            break;
        if (entry != path)
            remembered.push_back(entry);
    }
    remembered.resize(std::min(remembered.size(), kept));
    return remembered;
}

} // namespace vemo
