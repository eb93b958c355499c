#include <gtest/gtest.h>

#include "core/HtmlTags.h"
#include "core/PageMapReader.h"

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vemo {

void PrintTo(const ImportNote &note, std::ostream *out)
{
    *out << "{line " << note.pageLine << ", kind " << static_cast<int>(note.kind) << ", \"" << note.detail << "\"}";
}

namespace {

using K = ImportNoteKind;
using Lines = std::vector<std::string>;

struct PageCase {
    const char *name;
    std::string page;
    std::vector<Lines> maps;        // each map's lines
    std::vector<ImportNote> notes;  // all maps' notes, one after the other
};

class PageReading : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageReading, GivesTheAreaLinesAndTellsEveryChange)
{
    const PageMaps read = ReadPageMaps(GetParam().page);
    std::vector<Lines> maps;
    std::vector<ImportNote> notes;
    for (const PageMap &map : read.maps) {
        maps.push_back(map.lines);
        notes.insert(notes.end(), map.notes.begin(), map.notes.end());
    }
    EXPECT_EQ(maps, GetParam().maps);
    EXPECT_EQ(notes, GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageReading,
    ::testing::Values(
        PageCase{"NamesInAnyCaseValuesQuotedOrNot",
                 R"(<MAP name=m><Area HREF="a.htm" coords='1,2,3,4' ALT=A SHAPE=Rect>)"
                 R"(<AREA alt="B" shape=circle coords=5,6,7 href=b.htm /><area shape="POLY" coords="0,0,9,0,9,9" href=c/></MAP>)",
                 {{R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a.htm" ALT="A">)",
                   R"(<AREA SHAPE="CIRCLE" COORDS="5,6,7" HREF="b.htm" ALT="B">)",
                   R"(<AREA SHAPE="POLY" COORDS="0,0,9,0,9,9" HREF="c/" ALT="">)"}},
                 {}},
        PageCase{"FirstOfARepeatedAttributeCounts",
                 "<map name=m><area href=a href=b shape=circle shape=rect coords=1,2,3 title=x TITLE=y></map>",
                 {{R"(<AREA SHAPE="CIRCLE" COORDS="1,2,3" HREF="a" ALT="" TITLE="x">)"}},
                 {}},
        PageCase{"ValuesKeepReferencesAndCannotBreakTheLine",
                 "<map name=m><area coords=1,2,3,4 href=\"a.cgi?x=1&amp;y=2\" alt='say \"hi\" &#x27;\r\nto\nall'>"
                 "<area coords=1,2,3,4 href alt></map>",
                 {{R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a.cgi?x=1&amp;y=2" ALT="say &quot;hi&quot; &#x27; to all">)",
                   R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="" ALT="">)"}},
                 {}},
        PageCase{"ShapeNames",
                 "<map name=m><area shape=rectangle coords=1,2,3,4 href=a><area shape=CIRC coords=1,2,3 href=b>"
                 "<area shape=Polygon coords=1,2,3,4,5,6 href=c><area shape=' triangle' coords=1,2,3,4 href=d>"
                 "<area coords=1,2,3,4 href=e><area shape=default coords=1,2,3 href=f></map>",
                 {{R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a" ALT="">)",
                   R"(<AREA SHAPE="CIRCLE" COORDS="1,2,3" HREF="b" ALT="">)",
                   R"(<AREA SHAPE="POLY" COORDS="1,2,3,4,5,6" HREF="c" ALT="">)",
                   R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="d" ALT="">)",
                   R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="e" ALT="">)",
                   R"(<AREA SHAPE="DEFAULT" HREF="f" ALT="">)"}},
                 {{1, K::UnknownShape, " triangle"}}},
        PageCase{"CoordinateSeparatorsPercentsAndFractions",
                 "<map name=m><area coords=\" 10, 20 ,30\t\n40 \" href=a><area coords=\"10%,+20%,30.9,-0.5\" href=b>"
                 "<area shape=circle coords=\"1.0,2.,007\" href=c></map>",
                 {{R"(<AREA SHAPE="RECT" COORDS="10,20,30,40" HREF="a" ALT="">)",
                   R"(<AREA SHAPE="RECT" COORDS="10,20,30,0" HREF="b" ALT="">)",
                   R"(<AREA SHAPE="CIRCLE" COORDS="1,2,7" HREF="c" ALT="">)"}},
                 {{2, K::PercentCoordinates, "10%,+20%,30.9,-0.5"}, {2, K::FractionalCoordinates, "10%,+20%,30.9,-0.5"}}},
        PageCase{"MalformedCoordinatesAreKeptAsWritten",
                 "<map name=m><area coords='1, 2 3' href=a><area coords=1,2,3,4,5% href=b>"
                 "<area shape=circle coords='a,b,1\"' href=c><area shape=poly coords=1,2,3,4,5,6,7 href=d>"
                 "<area shape=poly coords=1,2,3,4 href=e><area href=f><area coords=1,,2,3 href=g>"
                 "<area coords=0,0,1,2147483648 href=h></map>",
                 {{R"(<AREA SHAPE="RECT" COORDS="1,2,3," HREF="a" ALT="">)",
                   R"(<AREA SHAPE="RECT" COORDS="1,2,3,4,5%" HREF="b" ALT="">)",
                   R"(<AREA SHAPE="CIRCLE" COORDS="a,b,1&quot;" HREF="c" ALT="">)",
                   R"(<AREA SHAPE="POLY" COORDS="1,2,3,4,5,6,7" HREF="d" ALT="">)",
                   R"(<AREA SHAPE="POLY" COORDS="1,2,3,4" HREF="e" ALT="">)",
                   R"(<AREA SHAPE="RECT" COORDS=",,," HREF="f" ALT="">)",
                   R"(<AREA SHAPE="RECT" COORDS="1,,2,3" HREF="g" ALT="">)",
                   R"(<AREA SHAPE="RECT" COORDS="0,0,1,2147483648" HREF="h" ALT="">)"}},
                 {{1, K::MalformedCoordinates, "1, 2 3"}, {1, K::MalformedCoordinates, "1,2,3,4,5%"},
                  {1, K::MalformedCoordinates, "a,b,1\""}, {1, K::MalformedCoordinates, "1,2,3,4,5,6,7"},
                  {1, K::MalformedCoordinates, "1,2,3,4"}, {1, K::MalformedCoordinates, ""},
                  {1, K::MalformedCoordinates, "1,,2,3"}, {1, K::MalformedCoordinates, "0,0,1,2147483648"}}},
        PageCase{"OneDefaultAreaKeptLast",
                 "<map name=m>\n<area shape=default title=t>\n<area coords=1,2,3,4 href=a>\n"
                 "<area shape=default href=x>\n</map><map name=n><area shape=default href=d><area shape=default></map>",
                 {{R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a" ALT="">)", R"(<AREA SHAPE="DEFAULT" HREF="" ALT="" TITLE="t">)"},
                  {R"(<AREA SHAPE="DEFAULT" HREF="d" ALT="">)"}},
                 {{2, K::MissingHref, ""}, {2, K::DefaultMovedLast, ""},
                  {4, K::ExtraDefault, ""}, {5, K::ExtraDefault, ""}}},
        PageCase{"LostAttributesAreTold",
                 "<map name=m><area coords=1,2,3,4 nohref id=i onclick=\"go()\" Target=_blank class=c></map>",
                 {{R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="" ALT="" TARGET="_blank">)"}},
                 {{1, K::MissingHref, ""}, {1, K::DroppedAttribute, "nohref"}, {1, K::DroppedAttribute, "id"},
                  {1, K::DroppedAttribute, "onclick"}, {1, K::DroppedAttribute, "class"}}},
        PageCase{"CommentsAndScriptsHideTheirTags",
                 "<!DOCTYPE html><map name=m><!-- <area coords=1,2,3,4 href=no> -->"
                 "<script>if (a<b) w('<area coords=1,2,3,4 href=no>')</SCRIPT ><style>/*<area>*/</style>"
                 "<!--><area coords=5,6,7,8 href=yes></map>",
                 {{R"(<AREA SHAPE="RECT" COORDS="5,6,7,8" HREF="yes" ALT="">)"}},
                 {}},
        PageCase{"AMapEndsAtTheNextMapAndAreasOutsideAreNone",
                 "<area coords=1,2,3,4 href=out><map name=a><area coords=1,2,3,4 href=x><map name=b>"
                 "<area coords=5,6,7,8 href=y></map><area coords=0,0,1,1 href=after>",
                 {{R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="x" ALT="">)"},
                  {R"(<AREA SHAPE="RECT" COORDS="5,6,7,8" HREF="y" ALT="">)"}},
                 {}},
        PageCase{"PageEndingInsideATag", "<map name=a><area coords=1,2,3,4 href=x><area coords=\"5,6",
                 {{R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="x" ALT="">)"}}, {}},
        PageCase{"PageEndingInsideAComment", "<map name=a><area coords=1,2,3,4 href=x><!-- <area href=y>",
                 {{R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="x" ALT="">)"}}, {}},
        PageCase{"LinesEndInCrLfCrOrLf",
                 "<html>\r\n<map name=a>\r<area\ncoords=1,2,3,4\r\n>\n<area shape=circle coords=1,2 href=x>",
                 {{R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="" ALT="">)",
                   R"(<AREA SHAPE="CIRCLE" COORDS="1,2," HREF="x" ALT="">)"}},
                 {{3, K::MissingHref, ""}, {6, K::MalformedCoordinates, "1,2"}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PageMapReader, NamesImagesAndLinesOfMaps)
{
    const PageMaps read = ReadPageMaps("<img src=\"pics/Photo.GIF\" usemap=\"#nav\" alt=x>\n<img src=a.gif>\n"
                                       "<MAP ID=byid>\n</map><map name='' id=x></map>\r\n<map name='n\"1' id=o>");
    ASSERT_EQ(read.maps.size(), 3u);
    EXPECT_EQ(read.maps[0].name, "byid");
    EXPECT_EQ(read.maps[1].name, "x");
    EXPECT_EQ(read.maps[2].name, "n&quot;1");
    EXPECT_EQ(read.maps[2].pageLine, 5);
    ASSERT_EQ(read.images.size(), 1u);
    EXPECT_EQ(read.images[0].src, "pics/Photo.GIF");
    EXPECT_EQ(read.images[0].usemap, "#nav");
    EXPECT_EQ(read.images[0].pageLine, 1);
}

TEST(PageMapReader, ShiftJisValuesPassThroughByteForByte)
{
    // 0x5C, the second byte of 表, is '\': no escape, and the quote after it still ends the value.
    const PageMaps read = ReadPageMaps("<map name=\"\x95\x5C\"><area coords=1,2,3,4 href=\"\x95\x5C.htm\" "
                                       "alt=\"\x95\x5C\x8E\xA6\"><area coords=1,2,3,4 href=x alt='\x8E\xA6\x95\x5C'></map>");
    ASSERT_EQ(read.maps.size(), 1u);
    EXPECT_EQ(read.maps[0].name, "\x95\x5C");
    EXPECT_EQ(read.maps[0].lines, (Lines{"<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"\x95\x5C.htm\" ALT=\"\x95\x5C\x8E\xA6\">",
                                         "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"x\" ALT=\"\x8E\xA6\x95\x5C\">"}));
    EXPECT_TRUE(read.maps[0].notes.empty());
}

struct CutCase {
    const char *name;
    std::string shape; // an unknown shape name, told in a note
    std::size_t kept;  // bytes of it the note keeps
};

class NoteCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(NoteCut, KeepsWholeCharactersOfALongText)
{
    const std::string &shape = GetParam().shape;
    const PageMaps read = ReadPageMaps("<map name=m><area shape=\"" + shape + "\" coords=1,2,3,4 href=a></map>");
    ASSERT_EQ(read.maps.size(), 1u);
    ASSERT_EQ(read.maps[0].notes.size(), 1u);
    const ImportNote &note = read.maps[0].notes[0];
    EXPECT_EQ(note.detail, shape.substr(0, GetParam().kept));
    EXPECT_EQ(note.detailCut, GetParam().kept < shape.size());
}

std::string Repeated(std::string_view piece, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Byte 200 of "x" and 表 after 表 falls inside a character in both encodings: 199 bytes are kept.
INSTANTIATE_TEST_SUITE_P(
    Details, NoteCut,
    ::testing::Values(CutCase{"AtTheLimit", std::string(kMostNoteDetailBytes, 'x'), kMostNoteDetailBytes},
                      CutCase{"PastTheLimit", std::string(kMostNoteDetailBytes + 1, 'x'), kMostNoteDetailBytes},
                      CutCase{"Utf8", "x" + Repeated("\xE8\xA1\xA8", 100), 199},
                      CutCase{"ShiftJisWithBackslashSecondBytes", "x" + Repeated("\x95\x5C", 150), 199}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PageMapReader, CountsAMapPastTheAreaLimitWithoutReadingIt)
{
    const std::string atLimit = "<map name=full>" + Repeated("<area>", kMostMapAreas) + "</map>";
    const std::string page = atLimit + "<map name=over>" + Repeated("<area>", kMostMapAreas + 1) + "</map>";

    const PageMaps listed = ReadPageMaps(page, kNoMap);
    ASSERT_EQ(listed.maps.size(), 2u);
    EXPECT_EQ(listed.maps[0].areaCount, kMostMapAreas);
    EXPECT_EQ(listed.maps[1].areaCount, kMostMapAreas + 1);
    EXPECT_FALSE(listed.maps[0].TooLarge());
    EXPECT_TRUE(listed.maps[1].TooLarge());
    EXPECT_TRUE(listed.maps[0].lines.empty() && listed.maps[0].notes.empty());

    const PageMaps first = ReadPageMaps(page, 0);
    EXPECT_EQ(first.maps[0].lines.size(), kMostMapAreas);
    EXPECT_EQ(first.maps[0].noteCount, 2 * kMostMapAreas); // no coordinates, no link
    EXPECT_EQ(first.maps[0].notes.size(), kMostMapNotes);
    EXPECT_TRUE(first.maps[1].lines.empty());
    EXPECT_TRUE(ReadPageMaps(page).maps[1].lines.empty());
}

TEST(PageMapReader, AttributesPastTheMostATagKeepsAreLeftOutAndTold)
{
    std::string page = "<map name=m><area coords=1,2,3,4 href=a.htm";
    for (std::size_t i = 2; i < kMostTagAttributes; ++i)
        page += " x" + std::to_string(i);
    const PageMaps read = ReadPageMaps(page + " alt=late title=t></map>");
    ASSERT_EQ(read.maps.size(), 1u);
    EXPECT_EQ(read.maps[0].lines, Lines{R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a.htm" ALT="">)"});
    EXPECT_EQ(read.maps[0].notes.back(), (ImportNote{1, K::AttributesLeftOut, "2"}));
    EXPECT_EQ(read.maps[0].noteCount, kMostTagAttributes - 2 + 1);
}

TEST(PageMapReader, KeepsTheFirstMapsAndImagesOfAPageOfMany)
{
    const PageMaps maps = ReadPageMaps(Repeated("<map>", kMostPageMaps) + "<map name=more><area>");
    EXPECT_TRUE(maps.tooManyMaps);
    EXPECT_EQ(maps.maps.size(), kMostPageMaps);
    const PageMaps images = ReadPageMaps(Repeated("<img usemap=#m>", kMostPageMaps + 1) + "<map name=m>");
    EXPECT_TRUE(images.tooManyMaps);
    EXPECT_EQ(images.images.size(), kMostPageMaps);
    EXPECT_FALSE(ReadPageMaps(Repeated("<map><img usemap=#m>", kMostPageMaps)).tooManyMaps);
}

TEST(PageMapReader, ReadsALargePageInOnePass)
{
    // One area with a long polygon and thousands of attributes, then many ordinary areas.
    std::string page = "<map name=big><area shape=poly coords=\"1";
    for (int i = 0; i < 200000; ++i)
        page += ",1";
    page += "\"";
    for (int i = 0; i < 100000; ++i)
        page += " a" + std::to_string(i % 50000);
    page += ">";
    for (int i = 0; i < 150000; ++i)
        page += "<area shape=rect coords=\"1,2,3,4\" href=\"a.htm\" class=t>\n";
    page += "</map><!-- <map name=lost>";

    const auto start = std::chrono::steady_clock::now();
    const PageMaps read = ReadPageMaps(page);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(read.maps.size(), 1u);
    EXPECT_EQ(read.maps[0].lines.size(), 150001u);
    // Malformed, no href, the a... kept beside shape and coords, the rest left out, the classes.
    EXPECT_EQ(read.maps[0].noteCount, 1 + 1 + (kMostTagAttributes - 2) + 1 + 150000u);
    EXPECT_EQ(read.maps[0].notes.size(), kMostMapNotes);
    EXPECT_LT(took.count(), 10.0) << "a page of " << page.size() << " bytes";
}

struct PictureCase {
    const char *name;
    std::string page;
    std::string picture;
    std::optional<std::size_t> map;
};

class PictureMap : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureMap, FindsTheMapTheImagesUse)
{
    EXPECT_EQ(MapForPicture(ReadPageMaps(GetParam().page), GetParam().picture), GetParam().map);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PictureMap,
    ::testing::Values(
        PictureCase{"InAFolder", "<map name=x></map><map name=m></map><img src=img/a.gif usemap=#m>", "a.gif", 1},
        PictureCase{"FileNameInAnyCase", "<map name=m></map><img src=IMG/A.Gif usemap=#m>", "/home/u/a.GIF", 0},
        PictureCase{"QueryAndBackslash", "<map name=m></map><img src='img\\a.gif?v=2#top' usemap=#m>", "a.gif", 0},
        PictureCase{"LongerFileName", "<map name=m></map><img src=img/ba.gif usemap=#m>", "a.gif", std::nullopt},
        PictureCase{"ExactMapNameFirst", "<map name=M></map><map name=m></map><img src=a.gif usemap=#m>", "a.gif", 1},
        PictureCase{"MapNameInAnyCase", "<map name=x></map><map name=Nav></map><img src=a.gif usemap=#nav>", "a.gif", 1},
        PictureCase{"ImagesUseDifferentMaps",
                    "<map name=m></map><map name=x></map><img src=a.gif usemap=#m><img src=b/a.gif usemap=#x>", "a.gif",
                    std::nullopt},
        PictureCase{"ImagesUseOneMap", "<map name=m></map><img src=a.gif usemap=#m><img src=a.gif usemap=#M>", "a.gif", 0},
        PictureCase{"MapMissing", "<map name=m></map><img src=a.gif usemap=#none>", "a.gif", std::nullopt},
        PictureCase{"AMissingMapIsPassedOver", "<img src=a.gif usemap=#no><img src=a.gif usemap=#m><map name=m>",
                    "a.gif", 0},
        PictureCase{"UsemapWithoutHash", "<map name=m></map><img src=a.gif usemap=m>", "a.gif", std::nullopt},
        PictureCase{"ShiftJisBackslashByte", "<map name=m></map><img src=\"\xE7\x5C\\\x95\x5C.gif\" usemap=#m>",
                    "\x95\x5C.gif", 0}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace vemo
