#include <gtest/gtest.h>

#include "core/AttributeText.h"
#include "core/MapLines.h"

#include <string>

namespace vemo {
namespace {

TEST(AttributeText, QuotesAndLineBreaksNeverLeaveTheAttribute)
{
    const struct {
        std::string typed;
        std::string stored;
        std::string shownAgain; // in the field, when the line is opened again
    } cases[] = {
        {R"(Say "Hi" & <b> café)", "Say &quot;Hi&quot; & <b> café", R"(Say "Hi" & <b> café)"},
        {"Menu\r\nBar", "Menu Bar", "Menu Bar"},
        {"a\rb\nc\n\rd", "a b c  d", "a b c  d"},
        {std::string("a\0b", 3), "a b", "a b"},
        // The user's own entities stay as typed; only the quote entity is shown as its character.
        {"&amp;&quot;&#34;&QUOT;", "&amp;&quot;&#34;&QUOT;", "&amp;\"&#34;&QUOT;"},
        // Shift-JIS trail bytes 0x5C (表, ソ, 十) are no quote or line break.
        {"\x95\x5C\x83\x5C\x8F\x5C", "\x95\x5C\x83\x5C\x8F\x5C", "\x95\x5C\x83\x5C\x8F\x5C"},
        {"", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string stored = AttributeFromTyped(c.typed);
        EXPECT_EQ(stored, c.stored);
        // The line reads the whole value back.
        EXPECT_EQ(ReadAlt(RectAreaLine("1", "2", "3", "4", {stored, stored})), stored);
        EXPECT_EQ(TypedFromAttribute(stored), c.shownAgain);
    }
}

} // namespace
} // namespace vemo
