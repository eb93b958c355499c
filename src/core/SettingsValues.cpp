#include "core/SettingsValues.h"

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
    return TryStrToInt(number).value_or(fallback);
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

} // namespace vemo
