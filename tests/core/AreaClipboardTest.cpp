// Area lines copied and pasted: from this map, another in the other style, a page, and text that
// holds no area.
#include <gtest/gtest.h>

#include "core/AreaClipboard.h"
#include "core/MapLines.h"

#include <ostream>
#include <string>
#include <vector>

namespace vemo {

// Defined with the page reader's tests.
void PrintTo(const ImportNote &note, std::ostream *out);

void PrintTo(const NotAreaLine &line, std::ostream *out)
{
    *out << "{line " << line.line << ", \"" << line.text << "\"}";
}

namespace {

using Lines = std::vector<std::string>;
using K = ImportNoteKind;

const std::string kClassicRect = R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a.htm" ALT="A">)";
const std::string kClassicCircle = R"(<AREA SHAPE="CIRCLE" COORDS="5,6,7" HREF="b.htm" ALT="B" TITLE="t">)";

Lines Map(MapStyle style, bool withDefault)
{
    Lines map = NewMapLines("p.gif", 100, 80, "p", style);
    map.insert(map.begin() + 2, RectAreaLine("0", "0", "9", "9", {"x.htm", ""}, style));
    if (withDefault)
        map.insert(map.end() - 1, DefaultAreaLine({"d.htm", ""}, style));
    return map;
}

TEST(AreaClipboardTest, CopiesTheSelectedAreaLinesInMapOrder)
{
    const Lines map{"<IMG>", "<MAP>", kClassicRect, kClassicCircle, "</MAP>"};
    EXPECT_EQ(AreaClipboardText(map, {3, 0, 2, 4, 3}), kClassicRect + "\r\n" + kClassicCircle + "\r\n");
}

TEST(AreaClipboardTest, PastesAreasInTheMapsStyleAndTellsWhatItLeftOut)
{
    const struct {
        const char *name;
        std::string text;
        Lines map;
        int insertAt;
        Lines lines;
        std::vector<ImportNote> notes;
        std::vector<NotAreaLine> notAreas;
    } cases[] = {
        {"copied from a Classic map", kClassicRect + "\r\n" + kClassicCircle + "\r\n", Map(MapStyle::Classic, false), 3,
         {kClassicRect, kClassicCircle}, {}, {}},
        {"into an HTML5 map, before its default area", kClassicRect + kClassicCircle, Map(MapStyle::Html5, true), 3,
         {R"(<area shape="rect" coords="1,2,3,4" href="a.htm" alt="A">)",
          R"(<area shape="circle" coords="5,6,7" href="b.htm" alt="B" title="t">)"},
         {}, {}},
        {"a page's fragment, when the map has its default area",
         "<map name=\"nav\">\n  <area shape=polygon coords=\"0 0, 9 0, 9 9\" href='c.htm' onclick=\"x()\">\n"
         "  <AREA shape=default href=d.htm>\n</map>\n",
         Map(MapStyle::Classic, true), 3, {R"(<AREA SHAPE="POLY" COORDS="0,0,9,0,9,9" HREF="c.htm" ALT="">)"},
         {{2, K::DroppedAttribute, "onclick"}, {3, K::ExtraDefault, ""}}, {}},
        {"a default area into a map without one goes last", "<area shape=default href=d.htm><area coords=1,2,3,4 href=a>",
         Map(MapStyle::Classic, false), 3,
         {R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a" ALT="">)", R"(<AREA SHAPE="DEFAULT" HREF="d.htm" ALT="">)"},
         {{1, K::DefaultMovedLast, ""}}, {}},
        {"no area at all", "hello\n\n<p>text</p>\n<!-- <area coords=1,2,3,4> -->", Map(MapStyle::Classic, false), 3, {}, {},
         {{1, "hello"}, {3, "<p>text</p>"}, {4, "<!-- <area coords=1,2,3,4> -->"}}},
        {"areas among other lines",
         "<IMG SRC=\"x.gif\" USEMAP=\"#x\">\r<MAP NAME=\"x\">\r" + kClassicRect + "\r</MAP>\rsee <area shape=circle coords=1,2,3 href=b>",
         Map(MapStyle::Classic, false), 3,
         {kClassicRect, R"(<AREA SHAPE="CIRCLE" COORDS="1,2,3" HREF="b" ALT="">)"}, {},
         {{1, R"(<IMG SRC="x.gif" USEMAP="#x">)"}, {5, "see <area shape=circle coords=1,2,3 href=b>"}}},
    };
    for (const auto &c : cases) {
        const PastedAreas pasted = PasteAreas(c.text, c.map);
        EXPECT_EQ(pasted.insertAt, c.insertAt) << c.name;
        EXPECT_EQ(pasted.lines, c.lines) << c.name;
        EXPECT_EQ(pasted.notes, c.notes) << c.name;
        EXPECT_EQ(pasted.noteCount, c.notes.size()) << c.name;
        EXPECT_EQ(pasted.notAreas, c.notAreas) << c.name;
        EXPECT_EQ(pasted.notAreaCount, c.notAreas.size()) << c.name;
        EXPECT_FALSE(pasted.tooMany) << c.name;
    }
}

} // namespace
} // namespace vemo
