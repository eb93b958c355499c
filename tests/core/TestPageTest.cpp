#include <gtest/gtest.h>

#include "core/TestPage.h"

#include "core/ResponsiveScript.h"

#include <string>
#include <vector>

namespace vemo {
namespace {

const std::string kHead = "<HTML><HEAD><TITLE>Vemo Test</TITLE></HEAD><BODY><CENTER>\r\n"
                          "<FONT SIZE=+3>TEST THIS IMAGE MAP !</FONT><P>\r\n";
const std::string kHoverLine = "<DIV ID=\"vemo-hover\">&nbsp;</DIV>\r\n";
const std::string kSourceStart = "<P><TABLE BORDER=3><TR><TD BGCOLOR=\"#D1D6B3\"><PRE>";
const std::string kSourceEnd = "</PRE><P></TD></TR><CAPTION ALIGN=BOTTOM>MAP SOURCE</CAPTION></TABLE>\r\n";
const std::string kTail = "</CENTER></BODY></HTML>\r\n";

// The page without its script line, which stands between the source table and the tail.
std::string WithoutScript(const std::string &page)
{
    const std::size_t start = page.find("<SCRIPT>");
    const std::size_t end = page.find("</SCRIPT>\r\n", start);
    if (start == std::string::npos || end == std::string::npos)
        return page;
    return page.substr(0, start) + page.substr(end + 11);
}

TEST(TestPage, WritesTheMapAndShowsEveryLineEscaped)
{
    const std::vector<std::string> lines = {
        R"(<IMG SRC="p.gif" USEMAP="#p">)",
        R"(<MAP NAME="p">)",
        R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a.cgi?x=1&y=2" ALT="B &amp; C">)",
        "",
        "<AREA SHAPE=\"CIRC\" COORDS=\"5,6,7\" HREF=\"\x95\x5C.htm\" ALT=\"\x95\x5C\x8E\xA6 \xe8\xa1\xa8\">",
        "</MAP>",
    };
    const std::string written = lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n\r\n" + lines[4] + "\r\n" +
                                lines[5] + "\r\n";
    const std::string shown =
        "&ltIMG SRC=&quotp.gif&quot USEMAP=&quot#p&quot&gt\r\n"
        "&ltMAP NAME=&quotp&quot&gt\r\n"
        "&ltAREA SHAPE=&quotRECT&quot COORDS=&quot1,2,3,4&quot HREF=&quota.cgi?x=1&ampy=2&quot "
        "ALT=&quotB &ampamp; C&quot&gt\r\n"
        "\r\n"
        "&ltAREA SHAPE=&quotCIRC&quot COORDS=&quot5,6,7&quot HREF=&quot\x95\x5C.htm&quot "
        "ALT=&quot\x95\x5C\x8E\xA6 \xe8\xa1\xa8&quot&gt\r\n"
        "&lt/MAP&gt\r\n";
    EXPECT_EQ(WithoutScript(TestPageText(lines)), kHead + written + kHoverLine + kSourceStart + shown + kSourceEnd + kTail);
}

TEST(TestPage, AnEmptyMapLeavesOnlyTheFrame)
{
    EXPECT_EQ(WithoutScript(TestPageText({})), kHead + kHoverLine + kSourceStart + kSourceEnd + kTail);
}

std::size_t Count(const std::string &text, const std::string &part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(TestPage, HeadFollowsTheStyleAndResponsiveAddsTheScriptOnceWithTheHalfWidthCheck)
{
    const std::vector<std::string> classic = {R"(<IMG SRC="p.gif" USEMAP="#p">)", R"(<MAP NAME="p">)", "</MAP>"};
    const std::vector<std::string> html5 = {R"(<img src="p.png" usemap="#p">)", R"(<map name="p">)", "</map>"};
    const struct {
        const std::vector<std::string> &lines;
        bool responsive;
        std::string head;
        std::string shownImage; // the first line as the source table shows it
    } cases[] = {
        {classic, false, kHead, "&ltIMG SRC=&quotp.gif&quot"},
        {classic, true, kHead, "&ltIMG SRC=&quotp.gif&quot"},
        {html5, false, "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\"><title>", "&lt;img src=&quot;p.png&quot;"},
        {html5, true, "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\"><title>", "&lt;img src=&quot;p.png&quot;"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.lines[0] + (c.responsive ? " responsive" : ""));
        const std::string page = TestPageText(c.lines, c.responsive);
        EXPECT_EQ(page.substr(0, c.head.size()), c.head);
        EXPECT_EQ(Count(page, c.shownImage), 1u);
        EXPECT_EQ(Count(page, kResponsiveScriptMark), c.responsive ? 1u : 0u);
        EXPECT_EQ(Count(page, "\"vemo-half-hover\""), c.responsive ? 1u : 0u);
        EXPECT_EQ(Count(page, "\"vemo-hover\""), 1u);
    }
}

} // namespace
} // namespace vemo
