#include <gtest/gtest.h>

#include "core/TestPage.h"

#include <string>
#include <vector>

namespace vemo {
namespace {

const std::string kHead = "<HTML><HEAD><TITLE>Vemo Test</TITLE></HEAD><BODY><CENTER>\r\n"
                          "<FONT SIZE=+3>TEST THIS IMAGE MAP !</FONT><P>\r\n";
const std::string kSourceStart = "<P><TABLE BORDER=3><TR><TD BGCOLOR=\"#D1D6B3\"><PRE>";
const std::string kTail = "</PRE><P></TD></TR><CAPTION ALIGN=BOTTOM>MAP SOURCE</CAPTION></TABLE>\r\n"
                          "</CENTER></BODY></HTML>\r\n";

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
    EXPECT_EQ(TestPageText(lines), kHead + written + kSourceStart + shown + kTail);
}

TEST(TestPage, AnEmptyMapLeavesOnlyTheFrame)
{
    EXPECT_EQ(TestPageText({}), kHead + kSourceStart + kTail);
}

} // namespace
} // namespace vemo
