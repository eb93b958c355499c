// The input as a settings file: every setting read the way start-up reads it, then written back
// the way closing writes it. Writing must keep the other lines and give back what was written.
#include "FuzzCheck.h"

#include "core/IniDocument.h"
#include "core/MapFile.h"
#include "core/SettingsValues.h"

#include <cstdint>
#include <string>

using namespace vemo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    IniDocument settings(bytes);

    for (const char *key : {"LEFT", "TOP", "FONTSIZE"}) {
        const std::string text = settings.Value("MAIN", key).value_or("");
        ReadSettingInt(text, 7);
        KeptFontSize(ReadSettingInt(text, 10), 10);
    }
    const std::string faceName = settings.Value("MAIN", "FONTNAME").value_or("");
    for (const PathStyle style : {PathStyle::Posix, PathStyle::Windows}) {
        const std::string kept = KeptFontName(faceName, style);
        FUZZ_REQUIRE(kept.size() <= 31 && faceName.compare(0, kept.size(), kept) == 0);
        SettingsFilePath(faceName, style);
    }

    // The values the program writes: numbers, and texts such as a face name or a path that hold no
    // line end but may have blanks at their ends or quotes around them.
    const std::vector<std::string> before = SplitMapFileText(settings.Text());
    std::string written = bytes.substr(0, 40);
    for (char &c : written) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    settings.SetValue("MAIN", "LEFT", "-12");
    settings.SetValue("main", "FontName", written);
    const IniDocument reread(settings.Text());
    FUZZ_REQUIRE(reread.Value("MAIN", "LEFT") == "-12");
    FUZZ_REQUIRE(reread.Value("MAIN", "FONTNAME") == written);
    // Writing changes or adds lines; it never drops one.
    FUZZ_REQUIRE(SplitMapFileText(reread.Text()).size() >= before.size());
    return 0;
}
