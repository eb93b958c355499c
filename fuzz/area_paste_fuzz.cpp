// The input as text pasted into a map, the first byte choosing the map's style and whether it has a
// default area: every line taken must read back as an area in the map's style, the default area
// only last and only when the map has none, and what was left out stays within its limits. The
// lines taken are then moved, duplicated and arranged in every way: each rewritten line must stay
// an area of its kind with the same texts.
#include "FuzzCheck.h"

#include "core/AreaArrange.h"
#include "core/AreaClipboard.h"
#include "core/AreaMoving.h"
#include "core/MapLayout.h"
#include "core/MapLines.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace vemo;

namespace {

constexpr int kPictureWidth = 100, kPictureHeight = 80;

void CheckRewritten(const std::vector<std::string> &given, const RewrittenLines &result)
{
    FUZZ_REQUIRE(result.lines.size() == given.size() && result.unread.size() <= given.size());
    for (std::size_t i = 0; i < given.size(); ++i) {
        if (result.lines[i] == given[i])
            continue;
        FUZZ_REQUIRE(GetAreaKind(result.lines[i]) == GetAreaKind(given[i]));
        FUZZ_REQUIRE(ReadAreaRegion(result.lines[i]).has_value());
        FUZZ_REQUIRE(ReadAreaTexts(result.lines[i]) == ReadAreaTexts(given[i]));
    }
}

void CheckPasted(const PastedAreas &pasted, const std::vector<std::string> &map, MapStyle style)
{
    FUZZ_REQUIRE(pasted.insertAt == NewAreaLineIndex(map));
    FUZZ_REQUIRE(pasted.notes.size() <= kMostMapNotes && pasted.notes.size() <= pasted.noteCount);
    FUZZ_REQUIRE(pasted.notAreas.size() <= kMostMapNotes && pasted.notAreas.size() <= pasted.notAreaCount);
    FUZZ_REQUIRE(!pasted.tooMany || pasted.lines.empty());
    int lastLine = 0;
    for (const NotAreaLine &line : pasted.notAreas) {
        FUZZ_REQUIRE(line.line > lastLine && line.text.size() <= kMostNoteDetailBytes);
        lastLine = line.line;
    }
    for (const ImportNote &note : pasted.notes)
        FUZZ_REQUIRE(note.pageLine >= 1);
    const bool mapHasDefault = LastDefaultAreaIndex(map) >= 0;
    for (std::size_t i = 0; i < pasted.lines.size(); ++i) {
        const std::string &line = pasted.lines[i];
        const AreaKind kind = GetAreaKind(line);
        FUZZ_REQUIRE(kind != AreaKind::None && !line.empty() && line.back() == '>');
        FUZZ_REQUIRE(line.rfind(style == MapStyle::Html5 ? "<area shape=\"" : "<AREA SHAPE=\"", 0) == 0);
        FUZZ_REQUIRE(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
        if (kind == AreaKind::Default)
            FUZZ_REQUIRE(!mapHasDefault && i + 1 == pasted.lines.size());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const MapStyle style = (data[0] & 1) != 0 ? MapStyle::Html5 : MapStyle::Classic;
    std::vector<std::string> map = NewMapLines("p.gif", kPictureWidth, kPictureHeight, "p", style);
    if ((data[0] & 2) != 0)
        map.insert(map.end() - 1, DefaultAreaLine({"d.htm", ""}, style));
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);

    const PastedAreas pasted = PasteAreas(text, map);
    CheckPasted(pasted, map, style);

    // Keep each run short: the lines are moved, duplicated and arranged a dozen times over.
    if (pasted.lines.size() > 200)
        return 0;
    const std::vector<std::string> &lines = pasted.lines;
    CheckRewritten(lines, MovedAreaLines(lines, 7, -3, kPictureWidth, kPictureHeight));
    for (int operation = 0; operation <= static_cast<int>(ArrangeOperation::DistributeDown); ++operation)
        CheckRewritten(lines, ArrangedAreaLines(lines, static_cast<ArrangeOperation>(operation), kPictureWidth,
                                                kPictureHeight));
    map.insert(map.begin() + pasted.insertAt, lines.begin(), lines.end());
    std::vector<int> all;
    for (int i = 0; i < static_cast<int>(map.size()); ++i)
        all.push_back(i);
    const DuplicatedAreas duplicated = DuplicateAreas(map, all, kPictureWidth, kPictureHeight);
    FUZZ_REQUIRE(duplicated.insertions.size() + duplicated.notCopied.size() == map.size());
    for (const LineInsertion &copy : duplicated.insertions)
        FUZZ_REQUIRE(ReadAreaRegion(copy.line).has_value());
    return 0;
}
