// The input as an HTML page whose image maps are taken into area lines: every line must read as an
// area of its kind with values that cannot break it, a map keeps one default area and that last,
// notes follow the page, and finding the map for a picture stays inside the maps read.
#include "FuzzCheck.h"

#include "core/MapLines.h"
#include "core/PageMapReader.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace vemo;

namespace {

bool FitsALine(const std::string &value)
{
    return value.find_first_of(std::string_view("\"\r\n\0", 4)) == std::string::npos;
}

void CheckMap(const PageMap &map)
{
    FUZZ_REQUIRE(map.pageLine >= 1 && FitsALine(map.name));
    bool malformed = false;
    int lastLine = map.pageLine;
    // A map gives a line for each area it counts, and a note shows no more than a short text.
    FUZZ_REQUIRE(map.TooLarge() ? map.lines.empty() && map.notes.empty() : map.areaCount == map.lines.size());
    FUZZ_REQUIRE(map.notes.size() <= kMostMapNotes && map.notes.size() <= map.noteCount);
    for (const ImportNote &note : map.notes) {
        FUZZ_REQUIRE(note.pageLine >= lastLine);
        FUZZ_REQUIRE(note.detail.size() <= kMostNoteDetailBytes);
        lastLine = note.pageLine;
        malformed = malformed || note.kind == ImportNoteKind::MalformedCoordinates;
    }
    for (std::size_t i = 0; i < map.lines.size(); ++i) {
        const std::string &line = map.lines[i];
        const AreaKind kind = GetAreaKind(line);
        const char *word = kind == AreaKind::Rect     ? "RECT\""
                           : kind == AreaKind::Circle ? "CIRCLE\""
                           : kind == AreaKind::Poly   ? "POLY\""
                                                      : "DEFAULT\"";
        FUZZ_REQUIRE(kind != AreaKind::None && line.rfind(std::string("<AREA SHAPE=\"") + word, 0) == 0);
        FUZZ_REQUIRE(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos && line.back() == '>');
        FUZZ_REQUIRE(ReadHref(line).find('"') == std::string::npos && ReadAlt(line).find('"') == std::string::npos);
        // Only the last line may be a default area; coordinates not told to be malformed read.
        if (kind == AreaKind::Default)
            FUZZ_REQUIRE(i + 1 == map.lines.size());
        else if (!malformed)
            FUZZ_REQUIRE(ReadAreaRegion(line).has_value());
    }
}

void CheckPictureMap(const PageMaps &page, std::string_view fileName)
{
    const std::optional<std::size_t> map = MapForPicture(page, fileName);
    FUZZ_REQUIRE(!map || *map < page.maps.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view page(reinterpret_cast<const char *>(data), size);
    const PageMaps read = ReadPageMaps(page);
    int lastLine = 1;
    for (const PageMap &map : read.maps) {
        FUZZ_REQUIRE(map.pageLine >= lastLine);
        lastLine = map.pageLine;
        CheckMap(map);
    }
    for (const PageImage &image : read.images) {
        FUZZ_REQUIRE(image.pageLine >= 1 && FitsALine(image.src) && FitsALine(image.usemap));
        CheckPictureMap(read, image.src);
        const std::size_t slash = image.src.find_last_of("/\\");
        CheckPictureMap(read, slash == std::string::npos ? image.src : image.src.substr(slash + 1));
    }
    CheckPictureMap(read, "a.gif");
    return 0;
}
