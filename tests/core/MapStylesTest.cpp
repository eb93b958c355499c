#include <gtest/gtest.h>

#include "core/AttributeText.h"
#include "core/MapLines.h"
#include "core/StyleConversion.h"

#include <string>
#include <vector>

namespace vemo {
namespace {

constexpr MapStyle kClassic = MapStyle::Classic;
constexpr MapStyle kHtml5 = MapStyle::Html5;

// An area typed into a dialog, the exact line it makes, and what the line gives back.
struct RoundTrip {
    MapStyle style;
    AreaKind kind;
    std::string coords;
    AreaTexts typed;
    std::string line;
    AreaTexts shownAgain; // in the fields, when the line is opened again
};

TEST(MapStyles, EveryAreaLineIsWrittenExactlyAndReadBack)
{
    const AreaTexts plain{"a.htm", "A"};
    const RoundTrip cases[] = {
        {kClassic, AreaKind::Rect, "1,2,3,4", plain, R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a.htm" ALT="A">)", plain},
        {kHtml5, AreaKind::Rect, "1,2,3,4", plain, R"(<area shape="rect" coords="1,2,3,4" href="a.htm" alt="A">)", plain},
        {kClassic, AreaKind::Circle, "5,6,7", {"a.htm", "A", "Tip", "_blank"},
         R"(<AREA SHAPE="CIRCLE" COORDS="5,6,7" HREF="a.htm" ALT="A" TITLE="Tip" TARGET="_blank">)",
         {"a.htm", "A", "Tip", "_blank"}},
        {kHtml5, AreaKind::Circle, "5,6,7", {"a.htm", "A", "", "_top"},
         R"(<area shape="circle" coords="5,6,7" href="a.htm" alt="A" target="_top">)", {"a.htm", "A", "", "_top"}},
        {kHtml5, AreaKind::Poly, "0,0,9,0,9,9", {"", "", "Only a title"},
         R"(<area shape="poly" coords="0,0,9,0,9,9" href="" alt="" title="Only a title">)", {"", "", "Only a title"}},
        {kClassic, AreaKind::Default, "", {"rest.htm", "Rest", "", "frame one"},
         R"(<AREA SHAPE="DEFAULT" HREF="rest.htm" ALT="Rest" TARGET="frame one">)", {"rest.htm", "Rest", "", "frame one"}},
        {kHtml5, AreaKind::Default, "", plain, R"(<area shape="default" href="a.htm" alt="A">)", plain},
        // Classic keeps a bare '&' as typed; HTML5 writes it "&amp;" and shows it as '&' again.
        // References the user typed stay in both, and a quote is "&quot;" in both.
        {kClassic, AreaKind::Rect, "1,2,3,4", {"q?a=1&b=2", "R&D", "&eacute;t&#233;", "\"x\""},
         R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="q?a=1&b=2" ALT="R&D" TITLE="&eacute;t&#233;" TARGET="&quot;x&quot;">)",
         {"q?a=1&b=2", "R&D", "&eacute;t&#233;", "\"x\""}},
        {kHtml5, AreaKind::Rect, "1,2,3,4", {"q?a=1&b=2", "R&amp;D & more", "&eacute;t&#233;&#xE9;&", "\"x\""},
         R"(<area shape="rect" coords="1,2,3,4" href="q?a=1&amp;b=2" alt="R&amp;D &amp; more" title="&eacute;t&#233;&#xE9;&amp;" target="&quot;x&quot;">)",
         {"q?a=1&b=2", "R&D & more", "&eacute;t&#233;&#xE9;&", "\"x\""}},
        // An '&' that only looks like the start of a reference is bare.
        {kHtml5, AreaKind::Circle, "1,2,3", {"&#;&#x;&1;&a", "&;"},
         R"(<area shape="circle" coords="1,2,3" href="&amp;#;&amp;#x;&amp;1;&amp;a" alt="&amp;;">)",
         {"&#;&#x;&1;&a", "&;"}},
    };
    for (const RoundTrip &c : cases) {
        SCOPED_TRACE(c.line);
        const auto stored = [&](const std::string &typed) { return AttributeFromTyped(typed, c.style); };
        const AreaTexts texts{stored(c.typed.href), stored(c.typed.alt), stored(c.typed.title), stored(c.typed.target)};
        const std::string line = AreaLine(c.kind, c.coords, texts, c.style);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(GetAreaKind(line), c.kind);
        EXPECT_EQ(ReadAttribute(line, "COORDS").value_or(""), c.coords);
        EXPECT_EQ(ReadAreaTexts(line), texts);
        const AreaTexts read = ReadAreaTexts(line);
        const auto shown = [&](const std::string &value) { return TypedFromAttribute(value, c.style); };
        EXPECT_EQ((AreaTexts{shown(read.href), shown(read.alt), shown(read.title), shown(read.target)}), c.shownAgain);
    }
}

TEST(MapStyles, NewHtml5MapReadsAsItsOwnStyle)
{
    const std::vector<std::string> lines = NewMapLines("photo.png", 320, 200, "photo", kHtml5);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         R"(<img src="photo.png" alt="photo.png" width="320" height="200" usemap="#photo">)",
                         R"(<map name="photo">)", "</map>"}));
    EXPECT_EQ(StyleOfLines(lines), kHtml5);
    const ImageLineValues values = ReadImageLine(lines[0]);
    EXPECT_EQ(values.border, 0);
    EXPECT_EQ(values.alt, "photo.png");
    EXPECT_EQ(values.map, "photo");
    EXPECT_EQ(ReadImageSize(lines[0]).width, "320");
    EXPECT_EQ(ReadImageSize(lines[0]).height, "200");
    EXPECT_EQ(ReadImageLine(ImageLine("p.gif", "", "3", "1", "1", "p", kHtml5)).border, 3);
}

TEST(MapStyles, AMapConvertedBothWaysComesBackTheSame)
{
    const std::vector<std::string> classic = {
        R"(<IMG SRC="a b.gif" ALT="Caf&eacute;" BORDER="2" WIDTH=320 HEIGHT=200 USEMAP="#a b">)",
        R"(<MAP NAME="a b">)",
        R"(<AREA SHAPE="RECT" COORDS="10,20,30,40" HREF="x.htm?a=1&amp;b=2" ALT="X" TITLE="T" TARGET="_blank">)",
        R"(<AREA SHAPE="CIRCLE" COORDS="1,2,$A" HREF="" ALT="">)", // coordinates kept as written
        R"(<AREA SHAPE="POLY" COORDS="0,0,9,0,9" HREF="p.htm" ALT="&#233;">)",
        R"L(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="h.htm" ALT="h" onclick="go()">)L", // kept: not ours to rewrite
        R"(<AREA SHAPE="RECT" COORDS="1,2,3,4)",                                      // kept: never closed
        "<!-- a note -->",
        R"(<AREA SHAPE="DEFAULT" HREF="d.htm" ALT="D" TITLE="Rest">)",
        "</MAP>",
        ""};
    const std::vector<std::string> html5 = {
        R"(<img src="a b.gif" alt="Caf&eacute;" border="2" width="320" height="200" usemap="#a b">)",
        R"(<map name="a b">)",
        R"(<area shape="rect" coords="10,20,30,40" href="x.htm?a=1&amp;b=2" alt="X" title="T" target="_blank">)",
        R"(<area shape="circle" coords="1,2,$A" href="" alt="">)",
        R"(<area shape="poly" coords="0,0,9,0,9" href="p.htm" alt="&#233;">)",
        classic[5],
        classic[6],
        classic[7],
        R"(<area shape="default" href="d.htm" alt="D" title="Rest">)",
        "</map>",
        ""};
    EXPECT_EQ(LinesInStyle(classic, kHtml5), html5);
    EXPECT_EQ(LinesInStyle(html5, kClassic), classic);
    EXPECT_EQ(LinesInStyle(classic, kClassic), classic);
    EXPECT_EQ(StyleOfLines(LinesInStyle(NewMapLines("p.gif", 1, 1, "p"), kHtml5)), kHtml5);
    // A bare '&' of a Classic line is written as HTML5 asks, and stays so going back.
    const std::string bare = R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a?b&c" ALT="R&D">)";
    EXPECT_EQ(LineInStyle(bare, kHtml5), R"(<area shape="rect" coords="1,2,3,4" href="a?b&amp;c" alt="R&amp;D">)");
    EXPECT_EQ(LineInStyle(LineInStyle(bare, kHtml5), kClassic),
              R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a?b&amp;c" ALT="R&amp;D">)");
}

} // namespace
} // namespace vemo
