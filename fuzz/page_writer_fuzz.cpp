// The input as an HTML page that a map is written into: a refusal writes nothing; otherwise every
// byte outside the reported changes stays as it was, the page read back holds exactly one map of
// the name with the areas written, and a map put after the picture is the one its images use.
#include "FuzzCheck.h"

#include "core/PageMapReader.h"
#include "core/PageMapWriter.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace vemo;

namespace {

// Names a page can hold as they stand between quotes; one with a single quote, one in UTF-8.
constexpr std::string_view kNames[] = {"pic", "a b", "x'y", "\xe5\x9c\xb0\xe5\x9b\xb3"};

const std::vector<std::string> kAreas = {
    "<AREA SHAPE=\"RECT\" COORDS=\"1,2,30,40\" HREF=\"a.htm\" ALT=\"A &amp; B\">",
    "<AREA SHAPE=\"CIRCLE\" COORDS=\"50,50,9\" HREF=\"b.htm?x=<y>\" ALT=\"\">",
    "<AREA SHAPE=\"POLY\" COORDS=\"0,0,9,0,5,5\" HREF=\"\" ALT=\"p\">",
    "<AREA SHAPE=\"DEFAULT\" HREF=\"d.htm\" ALT=\"D\">",
};

// The map's lines for the name with the first `areas` of kAreas.
std::vector<std::string> MapLines(std::string_view name, std::size_t areas)
{
    std::vector<std::string> lines = {"<IMG SRC=\"pic.gif\" ALT=\"\" BORDER=\"0\" WIDTH=9 HEIGHT=9 USEMAP=\"#x\">",
                                      "<MAP NAME=\"" + std::string(name) + "\">"};
    lines.insert(lines.end(), kAreas.begin(), kAreas.begin() + static_cast<std::ptrdiff_t>(areas));
    lines.push_back("</MAP>");
    return lines;
}

void CheckUnchangedOutsideEdits(std::string_view page, const PageExport &written)
{
    std::size_t oldAt = 0;
    std::size_t newAt = 0;
    for (const PageEdit &edit : written.edits) {
        FUZZ_REQUIRE(edit.at >= oldAt && edit.at + edit.removed <= page.size());
        const std::size_t kept = edit.at - oldAt;
        FUZZ_REQUIRE(std::string_view(written.page).substr(newAt, kept) == page.substr(oldAt, kept));
        oldAt = edit.at + edit.removed;
        newAt += kept + edit.inserted;
    }
    FUZZ_REQUIRE(std::string_view(written.page).substr(newAt) == page.substr(oldAt));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t choice = data[0];
    const std::string_view page(reinterpret_cast<const char *>(data + 1), size - 1);
    const std::string_view name = kNames[choice % 4];
    const std::vector<std::string> lines = MapLines(name, (choice / 4) % (kAreas.size() + 1));
    const PageExport written = ExportMapToPage(page, {lines, "photos/pic.gif", name}, (choice & 0x80) != 0);

    if (written.refusal) {
        FUZZ_REQUIRE(written.page.empty() && written.edits.empty());
        return 0;
    }
    CheckUnchangedOutsideEdits(page, written);
    bool inserted = false;
    for (const PageEdit &edit : written.edits) {
        FUZZ_REQUIRE(edit.firstLine <= edit.lastLine);
        inserted = inserted || edit.kind == PageEditKind::MapInserted;
    }

    const PageMaps read = ReadPageMaps(written.page);
    if (read.tooManyMaps)
        return 0;
    std::size_t found = 0;
    std::size_t at = 0;
    for (std::size_t i = 0; i < read.maps.size(); ++i) {
        if (read.maps[i].name == name) {
            ++found;
            at = i;
        }
    }
    FUZZ_REQUIRE(found == 1);
    FUZZ_REQUIRE(read.maps[at].lines == std::vector<std::string>(lines.begin() + 2, lines.end() - 1));
    if (inserted)
        FUZZ_REQUIRE(MapForPicture(read, "pic.gif") == at);
    return 0;
}
