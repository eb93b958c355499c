#include <gtest/gtest.h>

#include "core/AreaSet.h"
#include "core/AttributeText.h"
#include "core/IntConv.h"
#include "core/MapLines.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vemo {
namespace {

using Coords = std::vector<std::int32_t>;

TEST(MapLineWriters, NewMapAndAreaLinesHaveTheExactText)
{
    EXPECT_EQ(NewMapLines("photo.gif", 320, 200, "photo"),
              (std::vector<std::string>{
                  R"(<IMG SRC="photo.gif" ALT="photo.gif" BORDER="0" WIDTH=320 HEIGHT=200 USEMAP="#photo">)",
                  R"(<MAP NAME="photo">)", "</MAP>"}));
    EXPECT_EQ(RectAreaLine("10", "20", "59", "69", {"a.htm", "A"}),
              R"(<AREA SHAPE="RECT" COORDS="10,20,59,69" HREF="a.htm" ALT="A">)");
    EXPECT_EQ(CircleAreaLine("100", "80", "30", {"", ""}), R"(<AREA SHAPE="CIRCLE" COORDS="100,80,30" HREF="" ALT="">)");
    EXPECT_EQ(PolyAreaLine(PolygonCoordsText({{0, 0}, {90, 0}, {-5, 2147483647}}), {"p.htm", "P"}),
              R"(<AREA SHAPE="POLY" COORDS="0,0,90,0,-5,2147483647" HREF="p.htm" ALT="P">)");
    EXPECT_EQ(DefaultAreaLine({"rest.htm", "Rest"}), R"(<AREA SHAPE="DEFAULT" HREF="rest.htm" ALT="Rest">)");
}

TEST(MapLineWriters, ValuesAreInsertedUnchanged)
{
    EXPECT_EQ(ImageLine("a\"b.gif", "", "x", "-1", "", ""),
              R"(<IMG SRC="a"b.gif" ALT="" BORDER="x" WIDTH=-1 HEIGHT= USEMAP="#">)");
    EXPECT_EQ(MapStartLine(" m "), R"(<MAP NAME=" m ">)");
}

struct KindCase {
    const char *name;
    std::string line;
    AreaKind kind;
};

class AreaKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(AreaKindTest, LooksOnlyAtCharactersFourteenToSeventeen)
{
    EXPECT_EQ(GetAreaKind(GetParam().line), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AreaKindTest,
    ::testing::Values(
        KindCase{"Rect", R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="" ALT="">)", AreaKind::Rect},
        KindCase{"Circle", R"(<AREA SHAPE="CIRCLE" COORDS="1,2,3" HREF="" ALT="">)", AreaKind::Circle},
        KindCase{"LowerCase", R"(<area shape="rect" coords="1,2,3,4" href="" alt="">)", AreaKind::Rect},
        KindCase{"MixedCase", R"(<Area Shape="Circ")", AreaKind::Circle},
        KindCase{"Poly", R"(<AREA SHAPE="POLY" COORDS="1,2,3,4,5,6" HREF="" ALT="">)", AreaKind::Poly},
        KindCase{"Default", R"(<area shape="default" href="" alt="">)", AreaKind::Default},
        KindCase{"MapEnd", "</MAP>", AreaKind::None},
        KindCase{"Empty", "", AreaKind::None},
        KindCase{"EndsInsideWord", R"(<AREA SHAPE="REC)", AreaKind::None},
        KindCase{"EndsAfterWord", R"(<AREA SHAPE="RECT)", AreaKind::Rect},
        KindCase{"TwoSpacesAfterArea", R"(<AREA  SHAPE="RECT" COORDS="1,2,3,4" HREF="" ALT="">)", AreaKind::None},
        KindCase{"MapStart", R"(<MAP NAME="photo">)", AreaKind::None},
        KindCase{"ImageNamedRect", R"(<IMG SRC="dirrect.gif" ALT="" BORDER="0">)", AreaKind::Rect},
        KindCase{"MapNamedCirc", R"(<MAP NAME="xxCircle">)", AreaKind::Circle},
        KindCase{"ShiftJisBytesAround", "\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95\x5C\x95" "RECT\x95\x5C",
                 AreaKind::Rect}),
    [](const auto &info) { return std::string(info.param.name); });

struct CoordCase {
    const char *name;
    std::string line;
    AreaKind kind;
    Coords expected;
};

class CoordReader : public ::testing::TestWithParam<CoordCase> {};

TEST_P(CoordReader, ReadsTheCoordinates)
{
    EXPECT_EQ(ReadCoords(GetParam().line, GetParam().kind), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CoordReader,
    ::testing::Values(
        CoordCase{"Rect", R"(<AREA SHAPE="RECT" COORDS="10,20,59,69" HREF="a.htm" ALT="A">)", AreaKind::Rect,
                  {10, 20, 59, 69}},
        CoordCase{"Circle", R"(<AREA SHAPE="CIRCLE" COORDS="100,80,30" HREF="" ALT="">)", AreaKind::Circle,
                  {100, 80, 30}},
        CoordCase{"LowerCase", R"(<area shape="circle" coords="5,6,7" href="x" alt="y">)", AreaKind::Circle,
                  {5, 6, 7}},
        CoordCase{"SpacesAfterCommas", R"(<AREA SHAPE="RECT" COORDS="1, 2,   3, 4" HREF="" ALT="">)", AreaKind::Rect,
                  {1, 2, 3, 4}},
        CoordCase{"HexAndSigns", R"(<AREA SHAPE="RECT" COORDS="$1F,-5,+7,$a" HREF="" ALT="">)", AreaKind::Rect,
                  {31, -5, 7, 10}},
        CoordCase{"Extremes", R"(<AREA SHAPE="RECT" COORDS="2147483647,-2147483648,$7FFFFFFF,0">)", AreaKind::Rect,
                  {2147483647, INT32_MIN, 2147483647, 0}},
        CoordCase{"CommaInHrefAfterCoords", R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a,b" ALT="">)",
                  AreaKind::Rect, {1, 2, 3, 4}},
        // COORDS is read where it stands, not at a fixed place.
        CoordCase{"ShiftedBySpace", R"(<AREA  SHAPE="RECT" COORDS="10,20,30,40" HREF="" ALT="">)", AreaKind::Rect,
                  {10, 20, 30, 40}},
        CoordCase{"AfterHref", R"(<area shape="circle" href="x" coords="5,6,7">)", AreaKind::Circle, {5, 6, 7}},
        CoordCase{"EndsAtClosingQuote", R"(<AREA SHAPE="CIRCLE" COORDS="1,2,3")", AreaKind::Circle, {1, 2, 3}}),
    [](const auto &info) { return std::string(info.param.name); });

struct BadCoordCase {
    const char *name;
    std::string line;
    AreaKind kind;
    std::vector<std::string> texts; // what the reader cuts out, in order
    std::string failing;            // the first text that does not convert
};

class CoordReaderFailure : public ::testing::TestWithParam<BadCoordCase> {};

TEST_P(CoordReaderFailure, CutsTheTextsAndStopsAtTheFirstBadOne)
{
    const BadCoordCase &c = GetParam();
    EXPECT_EQ(CoordTexts(c.line, c.kind), c.texts);
    try {
        ReadCoords(c.line, c.kind);
        FAIL() << "expected a conversion failure";
    } catch (const ConvertError &error) {
        EXPECT_EQ(error.Text(), c.failing);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CoordReaderFailure,
    ::testing::Values(
        BadCoordCase{"SpaceBeforeComma", R"(<AREA SHAPE="RECT" COORDS="1 ,2,3,4" HREF="" ALT="">)", AreaKind::Rect,
                     {"1 ", "2", "3", "4"}, "1 "},
        BadCoordCase{"SpaceBeforeQuote", R"(<AREA SHAPE="RECT" COORDS="1,2,3,4 " HREF="" ALT="">)", AreaKind::Rect,
                     {"1", "2", "3", "4 "}, "4 "},
        BadCoordCase{"Overflow", R"(<AREA SHAPE="CIRCLE" COORDS="1,2147483648,3" HREF="" ALT="">)",
                     AreaKind::Circle, {"1", "2147483648", "3"}, "2147483648"},
        BadCoordCase{"HexOverflow", R"(<AREA SHAPE="CIRCLE" COORDS="$80000000,1,1">)", AreaKind::Circle,
                     {"$80000000", "1", "1"}, "$80000000"},
        // Too few commas: the missing separators give empty texts and take nothing away.
        BadCoordCase{"TooFewCommas", R"(<AREA SHAPE="RECT" COORDS="1,2" HREF="" ALT="">)", AreaKind::Rect,
                     {"1", "", "", "2"}, ""},
        BadCoordCase{"NeverClosed", R"(<AREA SHAPE="CIRCLE" COORDS="1,2,3)", AreaKind::Circle, {"", "", ""}, ""},
        BadCoordCase{"CommaInLastText", R"(<AREA SHAPE="CIRCLE" COORDS="1,2,3,4" HREF="">)", AreaKind::Circle,
                     {"1", "2", "3,4"}, "3,4"},
        BadCoordCase{"ShorterThanStart", R"(<AREA SHAPE="RECT" CO)", AreaKind::Rect, {"", "", "", ""}, ""},
        BadCoordCase{"OneByteAfterStart", R"(<AREA SHAPE="CIRCLE" COORDS="1)", AreaKind::Circle, {"", "", ""}, ""},
        BadCoordCase{"ImageNamedRect", R"(<IMG SRC="dirrect.gif" ALT="" BORDER="0">)", AreaKind::Rect,
                     {"", "", "", ""}, ""},
        BadCoordCase{"ShiftJisValue", "<AREA SHAPE=\"RECT\" COORDS=\"1,\x82\x51,3,4\" HREF=\"\" ALT=\"\">",
                     AreaKind::Rect, {"1", "\x82\x51", "3", "4"}, "\x82\x51"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CoordReader, NotAnAreaGivesNoTexts)
{
    EXPECT_TRUE(CoordTexts("</MAP>", AreaKind::None).empty());
    EXPECT_TRUE(CoordTexts(DefaultAreaLine({"a", "b"}), AreaKind::Default).empty());
}

// A polygon written by the editor reads back as the same points; a coordinates text that reads but
// makes no polygon, or does not read, fails with the reason.
TEST(PolygonReader, ReadsWhatIsWrittenAndNamesWhatMakesNoPolygon)
{
    enum class Outcome { Reads, OddCount, TooFewPoints, NotANumber };
    const struct {
        std::string coords;
        Outcome outcome;
    } cases[] = {
        {"10,10,90,10,90,90,50,90,50,50,10,50", Outcome::Reads},
        {"-2147483648,0,2147483647,0,0,$10", Outcome::Reads},
        {"0,0,5,5,0,0", Outcome::Reads}, // a repeated point still reads; the map check reports it
        {"1,2,3,4,5", Outcome::OddCount},
        {"1,2,3,4", Outcome::TooFewPoints},
        {"", Outcome::NotANumber},
        {"1,2,3,4,5,x", Outcome::NotANumber},
        {"1,2,3,4,5,6,", Outcome::NotANumber},
        {"1 2,3,4,5,6", Outcome::NotANumber},
    };
    for (const auto &c : cases) {
        const std::string line = PolyAreaLine(c.coords, {"", ""});
        EXPECT_EQ(GetAreaKind(line), AreaKind::Poly);
        try {
            const std::vector<Point> points = ReadPolygonPoints(c.coords);
            EXPECT_EQ(c.outcome, Outcome::Reads) << c.coords;
            EXPECT_EQ(ReadPolygonPoints(PolygonCoordsText(points)), points) << c.coords;
            EXPECT_EQ(ReadPolygon(line), points) << c.coords;
            EXPECT_EQ(ReadAreaRegion(line)->points, points) << c.coords;
        } catch (const PolygonError &error) {
            EXPECT_EQ(c.outcome, error.Which() == PolygonError::Fault::OddCount ? Outcome::OddCount
                                                                                 : Outcome::TooFewPoints)
                << c.coords;
            EXPECT_THROW(ReadPolygon(line), PolygonError) << c.coords;
            EXPECT_FALSE(ReadAreaRegion(line)) << c.coords;
        } catch (const ConvertError &) {
            EXPECT_EQ(c.outcome, Outcome::NotANumber) << c.coords;
            EXPECT_THROW(ReadPolygon(line), ConvertError) << c.coords;
            EXPECT_FALSE(ReadAreaRegion(line)) << c.coords;
        }
    }
}

TEST(AreaRegionReader, GivesTheKindAndBoxOfAnAreaThatReads)
{
    const std::pair<std::string, std::optional<AreaRegion>> cases[] = {
        {R"(<AREA SHAPE="RECT" COORDS="10,20,110,70" HREF="" ALT="">)", AreaRegion{AreaKind::Rect, {10, 20, 101, 51}, {}}},
        {R"(<area shape="circle" coords="100,100,50" href="" alt="">)", AreaRegion{AreaKind::Circle, {51, 51, 99, 99}, {}}},
        // Covers no pixel, but reads.
        {R"(<AREA SHAPE="CIRCLE" COORDS="5,5,0" HREF="" ALT="">)", AreaRegion{AreaKind::Circle, {6, 6, -1, -1}, {}}},
        {R"(<AREA SHAPE="POLY" COORDS="10,0,20,30,0,5" HREF="" ALT="">)",
         AreaRegion{AreaKind::Poly, {0, 0, 21, 31}, {{10, 0}, {20, 30}, {0, 5}}}},
        {R"(<AREA SHAPE="RECT" COORDS="1,2,3,x" HREF="" ALT="">)", std::nullopt},
        {R"(<AREA SHAPE="DEFAULT" HREF="" ALT="">)", std::nullopt},
        {R"(<IMG SRC="dirrect.gif" ALT="" BORDER="0">)", std::nullopt},
        {"</MAP>", std::nullopt},
    };
    std::vector<std::string> lines;
    for (const auto &[line, region] : cases) {
        EXPECT_EQ(ReadAreaRegion(line), region) << line;
        lines.push_back(line);
    }
    // The map's shared reading finds the same region on each line, and nothing on the others.
    const AreaSet areas(lines);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const AreaRegion *onLine = areas.OnLine(static_cast<int>(index));
        EXPECT_EQ(onLine ? std::optional<AreaRegion>(*onLine) : std::nullopt, cases[index].second) << lines[index];
    }
    EXPECT_EQ(areas.OnLine(-1), nullptr);
}

struct AttributeCase {
    const char *name;
    std::string line;
    std::string href;
    std::string alt;
    std::string mapName = {};
};

class AttributeReader : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(AttributeReader, ReadsHrefAltAndMapName)
{
    EXPECT_EQ(ReadHref(GetParam().line), GetParam().href);
    EXPECT_EQ(ReadAlt(GetParam().line), GetParam().alt);
    EXPECT_EQ(ReadMapName(GetParam().line), GetParam().mapName);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AttributeReader,
    ::testing::Values(
        AttributeCase{"Plain", R"(<AREA SHAPE="RECT" COORDS="10,20,59,69" HREF="a.htm" ALT="A">)", "a.htm", "A"},
        AttributeCase{"Empty", R"(<AREA SHAPE="CIRCLE" COORDS="100,80,30" HREF="" ALT="">)", "", ""},
        AttributeCase{"LowerCaseKeepsCase", R"(<area shape="rect" coords="1,2,3,4" href="Dir/Page.htm" alt="Top">)",
                      "Dir/Page.htm", "Top"},
        AttributeCase{"Utf8Values",
                      "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"\xe8\xa1\xa8.htm\" ALT=\"\xe5\x86\x99\xe7\x9c\x9f\">",
                      "\xe8\xa1\xa8.htm", "\xe5\x86\x99\xe7\x9c\x9f"},
        // Shift-JIS bytes such as 0x5C and 0x61 ("a") after a lead byte pass through unchanged.
        AttributeCase{"ShiftJisValues",
                      "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"\x95\x5C.htm\" ALT=\"\x83\x61\x83\x4E\">",
                      "\x95\x5C.htm", "\x83\x61\x83\x4E"},
        AttributeCase{"HrefEndingInAltEquals", R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="calt=" ALT="A">)",
                      "calt=", "A"},
        AttributeCase{"NoSpaceAfterQuotedValue", R"(<AREA SHAPE="RECT" COORDS="1,2,3,4"HREF="h"ALT="a">)", "h", "a"},
        AttributeCase{"TabBeforeKey", "<AREA SHAPE=\"RECT\"\tHREF=\"h\"\tALT=\"a\">", "h", "a"},
        AttributeCase{"KeyInsideName", R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" XHREF="x" HREF="h" DATA-ALT="y">)", "h",
                      ""},
        AttributeCase{"QuoteInValue", R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="say "hi"" ALT="a"b">)", "say ",
                      "a"},
        AttributeCase{"NoKeys", R"(<AREA SHAPE="RECT" COORDS="1,2,3,4">)", "", ""},
        AttributeCase{"NoClosingQuote", R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a.htm)", "", ""},
        AttributeCase{"KeyAtEnd", R"(HREF=")", "", ""},
        AttributeCase{"SpaceBeforeEquals", R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF ="a" ALT= "b">)", "", ""},
        AttributeCase{"MapStartKeepsSpaces", R"(<map name=" Nav Bar ">)", "", "", " Nav Bar "}),
    [](const auto &info) { return std::string(info.param.name); });

// Typed values that hold other attributes' keys: each template's line, written through the
// attribute rule as the dialogs write it, must give every value back exactly.
struct HostileCase {
    const char *name;
    std::vector<std::string> coords; // x0, y0, x1, y1 as typed
    std::string href, alt, map;
};

class TypedValuesReadBack : public ::testing::TestWithParam<HostileCase> {};

TEST_P(TypedValuesReadBack, EveryTemplateGivesEveryValueBack)
{
    std::vector<std::string> c;
    for (const std::string &typed : GetParam().coords)
        c.push_back(AttributeFromTyped(typed));
    const std::string href = AttributeFromTyped(GetParam().href);
    const std::string alt = AttributeFromTyped(GetParam().alt);
    const std::string map = AttributeFromTyped(GetParam().map);

    const std::string rect = RectAreaLine(c[0], c[1], c[2], c[3], {href, alt});
    const std::string circle = CircleAreaLine(c[0], c[1], c[2], {href, alt});
    const std::string poly = PolyAreaLine(c[0] + "," + c[1] + "," + c[2] + "," + c[3], {href, alt});
    EXPECT_EQ(CoordTexts(rect, AreaKind::Rect), c);
    EXPECT_EQ(CoordTexts(circle, AreaKind::Circle), std::vector<std::string>(c.begin(), c.begin() + 3));
    EXPECT_EQ(CoordTexts(poly, AreaKind::Poly), c);
    for (const std::string &line : {rect, circle, poly, DefaultAreaLine({href, alt})}) {
        EXPECT_EQ(ReadHref(line), href) << line;
        EXPECT_EQ(ReadAlt(line), alt) << line;
    }

    const std::string image = ImageLine(href, alt, "7", "320", "200", map);
    const ImageLineValues values = ReadImageLine(image);
    EXPECT_EQ(values.border, 7) << image;
    EXPECT_EQ(values.alt, alt) << image;
    EXPECT_EQ(values.map, map) << image;
    EXPECT_EQ(ReadImageSize(image).width, "320") << image;
    EXPECT_EQ(ReadImageSize(image).height, "200") << image;
    EXPECT_EQ(ReadMapName(MapStartLine(map)), map);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, TypedValuesReadBack,
    ::testing::Values(
        HostileCase{"QueryEndingInAltEquals", {"1", "2", "3", "4"}, "find.cgi?alt=", "Real", "m"},
        HostileCase{"HrefHoldsSpacedAlt", {"1", "2", "3", "4"}, "a.htm alt=\"x\" ALT=", "Real", "m"},
        HostileCase{"AltHoldsHrefAndCoords", {"1", "2", "3", "4"}, "a.htm", " HREF=\"b.htm\" COORDS=\"9,9,9\"", "m"},
        HostileCase{"CoordsEndingInHref", {"1", "2", "3", "4href="}, "a.htm", "A", "m"},
        HostileCase{"CoordsHoldingAlt", {"1 alt=", "\talt=\"", "3", "4"}, "a.htm", "A", "m"},
        HostileCase{"ImageKeysInsideAlt", {"1", "2", "3", "4"}, "a.gif",
                    " NAME=\"x\" USEMAP=\"#y\" BORDER=\"9\" WIDTH=5 HEIGHT=6", "real map"},
        HostileCase{"MapNameHoldingKeys", {"1", "2", "3", "4"}, "src= name=", "usemap=\"#", "x\" NAME=\"y"},
        HostileCase{"EntitiesAndLineBreaks", {"1", "2", "3", "4"}, "a&quot;b", "x\r\nALT=\"y", "m"},
        HostileCase{"ShiftJisAndUtf8", {"1", "2", "3", "4"}, "\x95\x5C alt=.htm", "\x83\x61\x83\x4E href=",
                    "\xe5\x86\x99\xe7\x9c\x9f"},
        HostileCase{"EmptyValues", {"", "", "", ""}, "", "", ""}),
    [](const auto &info) { return std::string(info.param.name); });

struct ImageCase {
    const char *name;
    std::string line;
    std::int32_t border;
    std::string alt;
    std::string map;
    std::optional<std::string> width = {}, height = {};
};

class ImageLineReader : public ::testing::TestWithParam<ImageCase> {};

TEST_P(ImageLineReader, ReadsBorderAltMapAndSize)
{
    const ImageLineValues values = ReadImageLine(GetParam().line);
    EXPECT_EQ(values.border, GetParam().border);
    EXPECT_EQ(values.alt, GetParam().alt);
    EXPECT_EQ(values.map, GetParam().map);
    const ImageSizeTexts size = ReadImageSize(GetParam().line);
    EXPECT_EQ(size.width, GetParam().width);
    EXPECT_EQ(size.height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ImageLineReader,
    ::testing::Values(
        ImageCase{"Written", R"(<IMG SRC="photo.gif" ALT="photo.gif" BORDER="0" WIDTH=320 HEIGHT=200 USEMAP="#photo">)",
                  0, "photo.gif", "photo", "320", "200"},
        ImageCase{"LowerCaseKeepsCase", R"(<img src="a.gif" alt="Nice Pic" border="$1f" width=1 height=1 usemap="#Map1">)",
                  31, "Nice Pic", "Map1", "1", "1"},
        ImageCase{"BorderWithLeadingSpace", R"(<IMG SRC="a.gif" ALT="" BORDER=" -2" USEMAP="#">)", -2, "", ""},
        ImageCase{"Utf8AndShiftJis",
                  "<IMG SRC=\"a.gif\" ALT=\"\xe5\x86\x99\xe7\x9c\x9f\" BORDER=\"1\" USEMAP=\"#\x95\x5C\">", 1,
                  "\xe5\x86\x99\xe7\x9c\x9f", "\x95\x5C"},
        // Without ALT=" the reader drops four bytes and takes what comes before the next quote.
        ImageCase{"NoAlt", R"(<IMG SRC="a.gif" BORDER="2" WIDTH=1 HEIGHT=1 USEMAP="#m">)", 2, " SRC=", "m", "1", "1"},
        // Without USEMAP="# it drops eight bytes.
        ImageCase{"NoUsemap", R"(<IMG SRC="a.gif" ALT="x" BORDER="3">)", 3, "x", "="},
        // A raw quote in the file name ends it early; the ALT after it is still the one read.
        ImageCase{"AltInsideSrc", R"(<IMG SRC="xALT="y" ALT="z" BORDER="0" USEMAP="#m">)", 0, "z", "m"},
        // A quoted size, a bare one ended by the tag's '>', and BORDERWIDTH= not taken for WIDTH=.
        ImageCase{"QuotedSizeAtTagEnd",
                  R"(<IMG SRC="a.gif" ALT="" BORDER="0" USEMAP="#m" BORDERWIDTH=9 WIDTH="64" HEIGHT=48>)", 0, "", "m",
                  "64", "48"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ImageLineReader, BadOrMissingBorderFailsTheConversion)
{
    // Without BORDER=" seven bytes are dropped: "<IMG SR" leaves C=, which does not convert.
    const std::string noBorder = R"(<IMG SRC="a.gif" ALT="a.gif" WIDTH=1 HEIGHT=1 USEMAP="#a">)";
    try {
        ReadImageLine(noBorder);
        FAIL() << "expected a conversion failure";
    } catch (const ConvertError &error) {
        EXPECT_EQ(error.Text(), "C=");
    }
    // The BORDER text is taken from the upper-cased line.
    try {
        ReadImageLine(R"(<IMG SRC="a.gif" ALT="" border="1px" USEMAP="#a">)");
        FAIL() << "expected a conversion failure";
    } catch (const ConvertError &error) {
        EXPECT_EQ(error.Text(), "1PX");
    }
    EXPECT_THROW(ReadImageLine(R"(<IMG BORDER="2147483648">)"), ConvertError);
    EXPECT_THROW(ReadImageLine(""), ConvertError);
    // A value never closed by its quote reads as empty, as in the area line readers.
    EXPECT_THROW(ReadImageLine(R"(<IMG BORDER="1)"), ConvertError);
    EXPECT_THROW(ReadImageLine("</MAP>"), ConvertError);
}

} // namespace
} // namespace vemo
