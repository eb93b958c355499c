#include "editor/EditorSettings.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "core/GridSnap.h"
#include "core/IntConv.h"
#include "core/PathRules.h"
#include "core/SettingsValues.h"
#include "desktop/LocalText.h"
#include "desktop/SettingsFile.h"
#include "desktop/UiFonts.h"

namespace {

constexpr const char *kMainSection = "MAIN";
// The recent pictures, as FILE1 (the latest) to FILE8.
constexpr const char *kRecentSection = "RECENT";
constexpr const char *kDefaultListFont = "ＭＳ ゴシック";
constexpr int kDefaultListFontSize = 10;
// The STYLE value of the HTML5 output style; any other value, or none, is Classic.
constexpr const char *kHtml5StyleName = "HTML5";

const vemo::PathStyle kPaths = vemo::NativePathStyle();

// The trace settings: a tolerance is a colour difference of 0 to 255; an outline may stray from
// 0 (the pixels' own edges) to kLargestTraceDistance picture pixels.
constexpr int kLargestTraceTolerance = 255;
constexpr double kLargestTraceDistance = 100.0;

// A stored distance such as "1" or "1.5"; anything else, or a value out of range, gives fallback.
double ReadTraceDistance(const std::string &text, double fallback)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || value < 0
        || value > kLargestTraceDistance)
        return fallback;
    return value;
}

std::string DistanceText(double distance)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, distance);
    return std::string(text, result.ptr);
}

std::string RecentKey(int index)
{
    return "FILE" + vemo::DecimalText(index + 1);
}

} // namespace

EditorSettings::EditorSettings(QString path) : path_(std::move(path)) {}

EditorSettings::Values EditorSettings::Read() const
{
    const SettingsFile settings(path_);
    auto readInt = [&](const char *key, int fallback) {
        return vemo::ReadSettingInt(settings.Read(kMainSection, key).value_or(""), fallback);
    };
    Values values;
    values.windowPosition = QPoint(readInt("LEFT", 0), readInt("TOP", 0));

    values.listFont = FontWithHint(QString::fromUtf8(kDefaultListFont), QFont::Monospace);
    const std::string faceName = vemo::KeptFontName(settings.Read(kMainSection, "FONTNAME").value_or(""), kPaths);
    if (!faceName.empty())
        values.listFont.setFamily(Text(faceName));
    values.listFont.setPointSize(
        vemo::KeptFontSize(readInt("FONTSIZE", kDefaultListFontSize), kDefaultListFontSize));

    values.keepPngAndWebp = readInt("KEEPPNG", 0) != 0;
    values.responsiveOutput = readInt("RESPONSIVE", 0) != 0;
    const int tolerance = readInt("TOLERANCE", kDefaultTraceTolerance);
    values.traceTolerance = tolerance >= 0 && tolerance <= kLargestTraceTolerance ? tolerance : kDefaultTraceTolerance;
    values.traceDistance = ReadTraceDistance(settings.Read(kMainSection, "SIMPLIFY").value_or(""), kDefaultTraceDistance);
    values.grid = readInt("GRID", 0) != 0;
    const int gridSize = readInt("GRIDSIZE", kDefaultGridSize);
    values.gridSize = gridSize >= vemo::kSmallestGridSize && gridSize <= kLargestGridSize ? gridSize : kDefaultGridSize;
    values.outputStyle = settings.Read(kMainSection, "STYLE").value_or("") == kHtml5StyleName ? vemo::MapStyle::Html5
                                                                                              : vemo::MapStyle::Classic;

    for (int i = 0; i < kRecentPictures; ++i) {
        // A path is read whole: cut at the length other text values keep, it would name another file.
        const std::string path = settings.ReadWhole(kRecentSection, RecentKey(i)).value_or("");
        if (!path.empty())
            values.recentPictures << Text(path);
    }
    return values;
}

void EditorSettings::Write(const Values &values, bool japanese) const
{
    SettingsFile settings(path_);
    settings.Write(kMainSection, "LEFT", vemo::DecimalText(values.windowPosition.x()));
    settings.Write(kMainSection, "TOP", vemo::DecimalText(values.windowPosition.y()));
    settings.Write(kMainSection, "FONTNAME", Bytes(values.listFont.family()));
    settings.Write(kMainSection, "FONTSIZE", vemo::DecimalText(values.listFont.pointSize()));
    settings.Write(kMainSection, "JAPAN", japanese ? "1" : "0");
    // An option is written once it differs from its default, or where the file names it already:
    // the file of a program that never changed it stays as it was.
    auto writeOption = [&](const char *key, const std::string &value, bool isDefault) {
        if (!isDefault || settings.Read(kMainSection, key))
            settings.Write(kMainSection, key, value);
    };
    writeOption("KEEPPNG", values.keepPngAndWebp ? "1" : "0", !values.keepPngAndWebp);
    writeOption("RESPONSIVE", values.responsiveOutput ? "1" : "0", !values.responsiveOutput);
    writeOption("TOLERANCE", vemo::DecimalText(values.traceTolerance), values.traceTolerance == kDefaultTraceTolerance);
    writeOption("SIMPLIFY", DistanceText(values.traceDistance), values.traceDistance == kDefaultTraceDistance);
    writeOption("GRID", values.grid ? "1" : "0", !values.grid);
    writeOption("GRIDSIZE", vemo::DecimalText(values.gridSize), values.gridSize == kDefaultGridSize);
    const bool html5 = values.outputStyle == vemo::MapStyle::Html5;
    writeOption("STYLE", html5 ? kHtml5StyleName : "CLASSIC", !html5);
    // Entries past the list are emptied only where they were kept before: a program that never
    // opened a picture leaves the file without the section.
    for (int i = 0; i < kRecentPictures; ++i) {
        if (i < values.recentPictures.size() || settings.Read(kRecentSection, RecentKey(i)))
            settings.Write(kRecentSection, RecentKey(i), Bytes(values.recentPictures.value(i)));
    }
}
