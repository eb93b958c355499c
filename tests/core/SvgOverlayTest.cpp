#include <gtest/gtest.h>

#include "core/SvgOverlay.h"

#include <string>
#include <vector>

namespace vemo {
namespace {

TEST(SvgOverlay, PictureThenDefaultAreaThenEveryAreaThatReadsInLineOrder)
{
    const std::vector<std::string> lines = {
        R"(<IMG SRC="pics/p q.gif" ALT="p" BORDER="0" WIDTH=200 HEIGHT=100 USEMAP="#p">)",
        R"(<MAP NAME="p">)",
        R"(<AREA SHAPE="RECT" COORDS="59,49,10,10" HREF="a.htm" ALT="A" TITLE="Ta" TARGET="_top">)",
        R"(<AREA SHAPE="CIRCLE" COORDS="150,50,30" HREF="b.htm" ALT="">)",
        R"(<AREA SHAPE="RECT" COORDS="1,2,x,4" HREF="unread.htm" ALT="">)",
        R"(<AREA SHAPE="POLY" COORDS="62,55,75,55,75,85" HREF="c.htm" ALT="C">)",
        R"(<AREA SHAPE="DEFAULT" HREF="d.htm" ALT="D">)",
        "</MAP>",
    };
    EXPECT_EQ(SvgOverlayText(lines, 200, 100),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 200 100\">\n"
              "<style>a>*{fill:#fff;fill-opacity:0}a:hover>*,a:focus>*{fill-opacity:0.25;stroke:#f00;stroke-width:2;"
              "vector-effect:non-scaling-stroke}</style>\n"
              "<image href=\"pics/p q.gif\" width=\"200\" height=\"100\"/>\n"
              "<a href=\"d.htm\" aria-label=\"D\"><title>D</title><rect x=\"0\" y=\"0\" width=\"200\" height=\"100\"/></a>\n"
              "<a href=\"a.htm\" target=\"_top\" aria-label=\"A\"><title>Ta</title>"
              "<rect x=\"10\" y=\"10\" width=\"49\" height=\"39\"/></a>\n"
              "<a href=\"b.htm\"><circle cx=\"150\" cy=\"50\" r=\"30\"/></a>\n"
              "<a href=\"c.htm\" aria-label=\"C\"><title>C</title><polygon points=\"62,55 75,55 75,85\"/></a>\n"
              "</svg>\n");
}

TEST(SvgOverlay, NoValueLeavesItsAttributeOrElementOrSpoilsTheXml)
{
    const auto area = [](const std::string &href, const std::string &title) {
        return "<AREA SHAPE=\"RECT\" COORDS=\"0,0,1,1\" HREF=\"" + href + "\" ALT=\"a\" TITLE=\"" + title + "\">";
    };
    const struct {
        std::string value;
        std::string written;
    } cases[] = {
        {"a.cgi?x=1&y=2&lt=3", "a.cgi?x=1&amp;y=2&amp;lt=3"},
        {"B &amp; C &lt;&gt;&quot;&apos;", "B &amp; C &lt;&gt;&quot;&apos;"},
        {"&#233;&#xE9;&#x10FFFF;", "&#233;&#xE9;&#x10FFFF;"},
        {"&#0;&#xD800;&#X41;&eacute;&#;&", "&amp;#0;&amp;#xD800;&amp;#X41;&amp;eacute;&amp;#;&amp;"},
        {"</title><script>x</script>", "&lt;/title&gt;&lt;script&gt;x&lt;/script&gt;"},
        {std::string("a\0b\x01\x1F\tc", 7), "a b  \tc"},
        {"\x95\x5C\x8E\xA6", "?\\??"},
        {"\xE8\xA1\xA8\xEF\xBF\xBF", "\xE8\xA1\xA8\xEF\xBF\xBD"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        const std::string svg = SvgOverlayText({area(c.value, c.value)}, 2, 2);
        EXPECT_NE(svg.find("<a href=\"" + c.written + "\""), std::string::npos) << svg;
        EXPECT_NE(svg.find("<title>" + c.written + "</title>"), std::string::npos) << svg;
    }
}

} // namespace
} // namespace vemo
