// Two paths from the input, the chosen file and the picture, made into a link in both path styles.
#include "FuzzCheck.h"

#include "core/PathRules.h"
#include "core/RelativeLink.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

using namespace vemo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string target = input.ConsumeRandomLengthString(256);
    const std::string base = input.ConsumeRandomLengthString(256);

    for (const PathStyle style : {PathStyle::Posix, PathStyle::Windows}) {
        MakeRelativeLink(target, base, style);
        // A file in the picture's own folder is linked by its name alone.
        const std::string name = FileNamePart(target, style);
        FUZZ_REQUIRE(MakeRelativeLink(FolderPart(base, style) + name, base, style) == name);

        LinkBaseFolder(base, style);
        FolderForDisplay(base, style);
        ChangeExtension(base, ".jpg", style);
    }
    return 0;
}
