// The input as the map's lines, made into the browser test page: every line is written once as
// it is and once shown as text, where no byte may open or close a tag or an attribute value.
#include "FuzzCheck.h"

#include "core/MapFile.h"
#include "core/TestPage.h"

#include <cstdint>
#include <string>

using namespace vemo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string> lines = SplitMapFileText(std::string(reinterpret_cast<const char *>(data), size));
    const std::string page = TestPageText(lines);

    const std::string preStart = "<PRE>";
    const std::string preEnd = "</PRE>";
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
