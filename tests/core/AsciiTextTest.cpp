#include <gtest/gtest.h>

#include "core/AsciiText.h"

#include <string>

namespace vemo {
namespace {

TEST(UpperAscii, ChangesOnlyTheLettersAToZ)
{
    // Bytes next to the letter ranges, and high bytes of UTF-8 and Shift-JIS, stay as they are.
    const std::string high = "\xe8\xa1\xa8\x95\x5C\xff";
    EXPECT_EQ(UpperAscii("`az{|}~@AZ[" + high), "`AZ{|}~@AZ[" + high);
    // Bytewise rules: a Shift-JIS trail byte equal to "a" is upper-cased too, and the length holds.
    EXPECT_EQ(UpperAscii("\x83\x61"), "\x83\x41");
}

TEST(TextBefore, CutsAtTheFirstStopAndIsEmptyWithoutOne)
{
    EXPECT_EQ(TextBefore(R"(a.htm" ALT="A">)", '"'), "a.htm");
    EXPECT_EQ(TextBefore("\"x", '"'), "");
    EXPECT_EQ(TextBefore("no stop", '"'), "");
}

} // namespace
} // namespace vemo
