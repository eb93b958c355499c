// Feeds arbitrary bytes, as a side file and as a settings file, through every reader of the
// text core. Only crashes and sanitizer reports count; conversion failures are expected.
#include "core/IniDocument.h"
#include "core/IntConv.h"
#include "core/MapFile.h"
#include "core/MapLines.h"
#include "core/PathRules.h"
#include "core/SettingsValues.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace vemo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);

    for (const std::string &line : SplitMapFileText(bytes)) {
        const AreaKind kind = GetAreaKind(line);
        try {
            ReadCoords(line, kind);
        } catch (const ConvertError &) {
        }
        ReadHref(line);
        ReadAlt(line);
        try {
            ReadImageLine(line);
        } catch (const ConvertError &) {
        }
        for (const PathStyle style : {PathStyle::Posix, PathStyle::Windows}) {
            FolderForDisplay(line, style);
            ChangeExtension(line, ".jpg", style);
            LinkBaseFolder(line, style);
            KeptFontName(line, style);
        }
        ReadSettingInt(line, 7);
    }

    IniDocument settings(bytes);
    settings.Value("MAIN", "LEFT");
    settings.SetValue("MAIN", "FONTNAME", bytes.substr(0, 40));
    IniDocument(settings.Text()).Value("main", "fontname");
    return 0;
}
