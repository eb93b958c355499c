#include <gtest/gtest.h>

#include "core/TextEncoding.h"

#include <string>

namespace vemo {
namespace {

TEST(IsValidUtf8, TellsUtf8FromShiftJisAndBrokenBytes)
{
    const struct {
        std::string bytes;
        bool valid;
    } cases[] = {
        {"<MAP NAME=\"pic\">", true},
        {"\xe8\xa1\xa8 caf\xc3\xa9 \xf0\x9f\x98\x80", true}, // 表 café and an emoji
        {"\x95\x5C\x8E\xA6", false},                         // 表示 in Shift-JIS
        {"\x83\x5C\x8F\x5C", false},                         // ソ十 in Shift-JIS
        {"\xe8\xa1", false},                                 // cut short
        {"\xc0\xaf", false},                                 // ﾀｯ in Shift-JIS: an overlong "/"
        {"\xed\xa0\x80", false},                             // a surrogate
        {"\xf4\x90\x80\x80", false},                         // past U+10FFFF
        {"\x80", false},                                     // a stray continuation byte
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

} // namespace
} // namespace vemo
