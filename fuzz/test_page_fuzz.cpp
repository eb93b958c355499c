// The input as the map's lines, made into the browser test page: every line is written once as
// it is and once shown as text, where no byte may open or close a tag or an attribute value.
#include "FuzzCheck.h"

#include "core/MapFile.h"
#include "core/MapStyle.h"
#include "core/TestPage.h"

#include <cstdint>
#include <string>

using namespace vemo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string> lines = SplitMapFileText(std::string(reinterpret_cast<const char *>(data), size));
    // The last input byte, when odd, asks for the page of the responsive option too.
    const bool responsive = size > 0 && (data[size - 1] & 1) != 0;
    const std::string page = TestPageText(lines, responsive);

    const bool html5 = StyleOfLines(lines) == MapStyle::Html5;
    const std::string preStart = html5 ? "<pre>" : "<PRE>";
    const std::string preEnd = html5 ? "</pre>" : "</PRE>";
    const std::size_t shownStart = page.rfind(preStart);
    const std::size_t shownEnd = page.rfind(preEnd);
    FUZZ_REQUIRE(shownStart != std::string::npos && shownEnd != std::string::npos && shownStart < shownEnd);
    const std::string shown = page.substr(shownStart + preStart.size(), shownEnd - shownStart - preStart.size());
    FUZZ_REQUIRE(shown.find_first_of("<>\"") == std::string::npos);
    FUZZ_REQUIRE(SplitMapFileText(shown).size() == lines.size());

    const std::string written = JoinMapFileLines(lines);
    FUZZ_REQUIRE(page.find(written) != std::string::npos);
    return 0;
}
