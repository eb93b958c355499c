#include <gtest/gtest.h>

#include "core/IntConv.h"
#include "core/MapCheck.h"
#include "core/MapLines.h"

#include <limits>
#include <string>
#include <vector>

namespace vemo {
namespace {

using K = FindingKind;
constexpr long long kMax = std::numeric_limits<std::int32_t>::max();
constexpr long long kMin = std::numeric_limits<std::int32_t>::min();

std::string Rect(long long x0, long long y0, long long x1, long long y1)
{
    return RectAreaLine(DecimalText(x0), DecimalText(y0), DecimalText(x1), DecimalText(y1), {"a.htm", "A"});
}

std::string Circle(long long x, long long y, long long r)
{
    return CircleAreaLine(DecimalText(x), DecimalText(y), DecimalText(r), {"a.htm", "A"});
}

std::string Poly(const std::string &coords)
{
    return PolyAreaLine(coords, {"a.htm", "A"});
}

// A new map of a 100 x 50 picture with the given area lines from line 2 on.
std::vector<std::string> Map(const std::vector<std::string> &areas, const std::string &name = "p")
{
    std::vector<std::string> lines = NewMapLines("p.gif", 100, 50, name);
    lines.insert(lines.end() - 1, areas.begin(), areas.end());
    return lines;
}

struct CheckCase {
    const char *name;
    std::vector<std::string> lines;
    std::vector<Finding> expected;
};

class CheckedMap : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckedMap, GivesExactlyItsFindings)
{
    EXPECT_EQ(CheckMap(GetParam().lines, 100, 50), GetParam().expected);
}

const std::string kBadRect = R"(<AREA SHAPE="RECT" COORDS="1,2,3,4 " HREF="a.htm" ALT="A">)";

INSTANTIATE_TEST_SUITE_P(
    MapCheck, CheckedMap,
    ::testing::Values(
        // Overlaps are fine, the picture's edge pixels are inside, and an area without a link needs no ALT.
        CheckCase{"Clean", Map({Rect(0, 0, 49, 49), CircleAreaLine("75", "25", "25", {"", ""}), Rect(40, 10, 99, 20)}),
                  {}},
        CheckCase{"Unreadable", Map({kBadRect, kBadRect, CircleAreaLine("1", "2147483648", "3", {"a.htm", ""})}),
                  {{2, K::UnreadableCoordinates}, {3, K::UnreadableCoordinates}, {4, K::UnreadableCoordinates},
                   {4, K::MissingAlt}}},
        // Corners are taken as read: swapped ones would hide the last rectangle.
        CheckCase{"Empty", Map({Rect(99, 0, 0, 49), Rect(99, 0, 0, 49), Rect(0, 20, 99, 19), Circle(9, 9, 0),
                                Rect(10, 10, 10, 10)}),
                  {{2, K::EmptyArea}, {3, K::EmptyArea}, {4, K::EmptyArea}, {5, K::EmptyArea}}},
        CheckCase{"RectOffPicture", Map({Rect(100, 0, 120, 10), Rect(0, 50, 10, 60), Rect(99, 49, 120, 60),
                                         Rect(-1, 0, 99, 49)}),
                  {{2, K::OutsidePicture}, {3, K::OutsidePicture}, {4, K::PartlyOutsidePicture},
                   {5, K::PartlyOutsidePicture}}},
        // The last circle's bounding square clips the picture's corner pixel, which the circle misses.
        CheckCase{"CircleOffPicture", Map({Circle(24, 25, 25), Circle(105, 25, 6), Circle(105, 25, 7),
                                           Circle(105, 55, 7)}),
                  {{3, K::OutsidePicture}, {4, K::PartlyOutsidePicture}, {5, K::OutsidePicture}}},
        // The earliest match is named; a duplicate (hex 10 included) is not also reported hidden.
        CheckCase{"InsideRect",
                  Map({Rect(10, 10, 40, 40), Rect(10, 10, 40, 40), R"(<AREA SHAPE="RECT" COORDS="$A,10,40,40">)",
                       Rect(11, 10, 40, 40), Circle(25, 25, 16), Circle(25, 25, 17), Circle(25, 25, 16)}),
                  {{3, K::DuplicateArea, 2}, {4, K::DuplicateArea, 2}, {5, K::HiddenArea, 2}, {6, K::HiddenArea, 2},
                   {8, K::DuplicateArea, 6}}},
        // The last rectangle's corners lie exactly r from the centre, so the circle does not cover them.
        CheckCase{"InsideCircle", Map({Circle(60, 25, 20), Circle(65, 25, 15), Circle(66, 25, 15),
                                       Rect(46, 11, 74, 39), Rect(48, 9, 72, 41)}),
                  {{3, K::HiddenArea, 2}, {5, K::HiddenArea, 2}}},
        CheckCase{"MissingAlt",
                  Map({RectAreaLine("0", "0", "9", "9", {"a", ""}), R"(<AREA SHAPE="RECT" COORDS="10,0,19,9" HREF="b">)",
                       RectAreaLine("20", "0", "29", "9", {"", ""}), RectAreaLine("30", "0", "39", "9", {"", "C"})}),
                  {{2, K::MissingAlt}, {3, K::MissingAlt}}},
        // An ALT text names every link to its address; an area without HREF carries no ALT or TARGET,
        // while HREF="" (a link still to be written) is a link.
        CheckCase{"AltAndTargetNeedALink",
                  Map({RectAreaLine("0", "0", "9", "9", {"a.htm", ""}), Rect(10, 0, 19, 9),
                       RectAreaLine("20", "0", "29", "9", {"b.htm", "", "Tip"}),
                       R"(<AREA SHAPE="RECT" COORDS="30,0,39,9" ALT="x">)",
                       R"(<area shape="rect" coords="40,0,49,9" nohref alt="" target="_top">)",
                       RectAreaLine("50", "0", "59", "9", {"", "", "", "_blank"}),
                       RectAreaLine("60", "0", "69", "9", {"c.htm", ""}),
                       R"(<AREA SHAPE="RECT" COORDS="70,0,79,9 " HREF="c.htm" ALT="C">)"}),
                  {{4, K::MissingAlt}, {5, K::AltWithoutLink}, {6, K::AltWithoutLink}, {6, K::TargetWithoutLink},
                   {8, K::MissingAlt}, {9, K::UnreadableCoordinates}}},
        // Browsers match USEMAP to NAME exactly.
        CheckCase{"UsemapMustNameTheMap", {ImageLine("p.gif", "", "0", "100", "50", "P"), MapStartLine("p"), "</MAP>"},
                  {{0, K::UsemapMismatch}}},
        CheckCase{"Html5UsemapWithoutHash", {R"(<img src="p.gif" alt="" width="100" height="50" usemap="p">)", "<map name=\"p\">"},
                  {{0, K::UsemapMismatch}}},
        CheckCase{"Html5MapClean", NewMapLines("p.gif", 100, 50, "p", MapStyle::Html5), {}},
        CheckCase{"MapNameWithSpace", Map({}, "my map"), {{1, K::BadMapName}}},
        CheckCase{"UnreadableWidthNoMapName", {ImageLine("p.gif", "", "0", "1OO", "50", "p"), "<MAP>", "</MAP>"},
                  {{0, K::ImageSizeMismatch}, {1, K::BadMapName}}},
        CheckCase{"ImageLineOnly", {ImageLine("p.gif", "", "0", "100", "51", "p")}, {{0, K::ImageSizeMismatch}}},
        CheckCase{"NoLines", {}, {}},
        // Lines 0 and 1 are never areas, even where GetAreaKind sees RECT; a size never written is no mismatch.
        CheckCase{"Garbage", {R"(<IMG SRC="dirrect.gif">)", "\x95\x5C", R"(<AREA SHAPE="RECT" CO)", "", "</MAP>"},
                  {{1, K::BadMapName}, {2, K::UnreadableCoordinates}}},
        CheckCase{"HugeCoordinates", Map({Circle(kMin, kMin, kMax), Rect(kMin, kMin, kMax, kMax), Circle(0, 0, kMax),
                                          Circle(kMax, kMax, kMax)}),
                  {{2, K::OutsidePicture}, {3, K::PartlyOutsidePicture}, {4, K::PartlyOutsidePicture},
                   {4, K::HiddenArea, 3}, {5, K::OutsidePicture}}},
        // An L in the picture; one reaching past its right edge; a bowtie; one drawn back on itself;
        // the same L again; a triangle in a circle and one in a rectangle; nothing hides behind a polygon.
        CheckCase{"Polygons",
                  Map({Poly("0,0,20,0,20,10,10,10,10,20,0,20"), Poly("90,0,120,0,90,10"), Poly("30,0,40,10,40,0,30,10"),
                       Poly("0,0,5,5,0,0"), Poly("0,0,20,0,20,10,10,10,10,20,0,20"), Circle(60, 25, 20),
                       Poly("55,20,65,20,60,30"), Rect(0, 30, 30, 49), Poly("1,31,9,31,5,39"), Rect(11, 11, 12, 12),
                       Poly("1,2,3,4,5"), Poly("1,2,3,4")}),
                  {{3, K::PartlyOutsidePicture}, {4, K::CrossingEdges}, {5, K::TooFewPoints}, {6, K::DuplicateArea, 2},
                   {8, K::HiddenArea, 7}, {10, K::HiddenArea, 9}, {12, K::UnreadableCoordinates}, {13, K::TooFewPoints}}},
        // A default area hides every area after it; one that is last, or an unreadable line after it, is fine.
        CheckCase{"DefaultNotLast",
                  Map({DefaultAreaLine({"d.htm", ""}), Rect(0, 0, 9, 9), DefaultAreaLine({"", ""}), "<!-- note -->",
                       DefaultAreaLine({"e.htm", "E"})}),
                  {{2, K::MissingAlt}, {2, K::DefaultNotLast}, {4, K::DefaultNotLast}}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace vemo
