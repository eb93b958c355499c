// Aligning, sizing and spacing rectangles, circles and polygons together, on a 100 x 80 picture:
// only COORDS changes, whatever else a line holds.
#include <gtest/gtest.h>

#include "core/AreaArrange.h"

#include <string>
#include <vector>

namespace {

using vemo::ArrangeOperation;
using Op = ArrangeOperation;

// One line of each kind, each holding more than the writers make, in either style.
const std::string kRect = R"(<AREA SHAPE="RECT" COORDS="10,10,29,19" HREF="a.htm" ALT="A" TARGET="_top">)"; // 20 x 10
const std::string kCircle = R"(<AREA SHAPE="CIRCLE" COORDS="50,40,5" HREF="c.htm" ALT="C" data-note="1,2">)"; // 9 x 9
const std::string kPoly = R"(<area shape="poly" coords="60,60,80,60,70,75" href="p.htm" alt="">)"; // 21 x 16
const std::string kUnread = R"(<AREA SHAPE="RECT" COORDS="1,2,x,4" HREF="u.htm" ALT="">)";

// The line with the value after its first "coords=\"" (in either case) replaced.
std::string WithCoords(const std::string &line, const std::string &coords)
{
    std::size_t from = line.find("COORDS=\"");
    if (from == std::string::npos)
        from = line.find("coords=\"");
    from += 8;
    return line.substr(0, from) + coords + line.substr(line.find('"', from));
}

struct ArrangeCase {
    const char *name;
    Op operation;
    std::vector<std::string> lines;
    std::vector<std::string> coords; // the new COORDS of each line; empty where the line stays
    std::vector<std::size_t> unread;
};

TEST(AreaArrangeTest, RewritesOnlyTheCoordinatesOfEachArea)
{
    const std::vector<std::string> mixed{kRect, kCircle, kPoly, kUnread};
    const std::string atRightEdge = R"(<AREA SHAPE="RECT" COORDS="80,0,99,9" HREF="" ALT="">)";
    const std::string wide = R"(<AREA SHAPE="RECT" COORDS="0,50,39,59" HREF="" ALT="">)";
    const std::string nearCorner = R"(<AREA SHAPE="CIRCLE" COORDS="95,40,3" HREF="" ALT="">)";
    const std::string left = R"(<AREA SHAPE="RECT" COORDS="0,0,9,9" HREF="" ALT="">)";
    const std::string right = R"(<AREA SHAPE="RECT" COORDS="50,60,59,69" HREF="" ALT="">)";
    const std::string highPoly = WithCoords(kPoly, "60,20,80,20,70,35");
    const std::string smallCircle = R"(<AREA SHAPE="CIRCLE" COORDS="20,20,5" HREF="" ALT="">)";
    const ArrangeCase cases[] = {
        {"lefts", Op::AlignLefts, mixed, {"", "14,40,5", "10,60,30,60,20,75", ""}, {3}},
        {"rights", Op::AlignRights, mixed, {"", "25,40,5", "9,60,29,60,19,75", ""}, {3}},
        {"tops", Op::AlignTops, mixed, {"", "50,14,5", "60,10,80,10,70,25", ""}, {3}},
        {"bottoms", Op::AlignBottoms, mixed, {"", "50,15,5", "60,4,80,4,70,19", ""}, {3}},
        // The reference's centre lies between two pixels: the others' centres go to the one left of it.
        {"centre column", Op::AlignHorizontalCentres, mixed, {"", "19,40,5", "9,60,29,60,19,75", ""}, {3}},
        {"centre row", Op::AlignVerticalCentres, mixed, {"", "50,14,5", "60,7,80,7,70,22", ""}, {3}},
        // A circle takes the width as its diameter around its centre; a polygon is scaled.
        {"same width", Op::SameWidth, mixed, {"", "50,40,10", "60,60,79,60,70,75", ""}, {3}},
        {"same height", Op::SameHeight, mixed, {"", "", "60,60,80,60,70,69", ""}, {3}},
        {"same size: a circle takes the smaller side", Op::SameSize, mixed, {"", "", "60,60,79,60,70,69", ""}, {3}},
        {"aligned past the right edge comes back inside", Op::AlignLefts, {atRightEdge, wide}, {"", "60,50,99,59"}, {}},
        {"grown past the right edge comes back inside", Op::SameWidth, {atRightEdge, nearCorner}, {"", "90,40,10"}, {}},
        {"even gaps across, in order of left edges", Op::DistributeAcross, {right, smallCircle, left},
         {"", "29,20,5", ""}, {}},
        {"even gaps down", Op::DistributeDown, {left, highPoly, right}, {"", "60,27,80,27,70,42", ""}, {}},
        {"two areas are not distributed", Op::DistributeAcross, {left, right}, {"", ""}, {}},
        {"one area that reads changes nothing", Op::AlignLefts, {kUnread, kCircle}, {"", ""}, {0}},
    };
    for (const ArrangeCase &c : cases) {
        const vemo::RewrittenLines result = vemo::ArrangedAreaLines(c.lines, c.operation, 100, 80);
        ASSERT_EQ(result.lines.size(), c.lines.size()) << c.name;
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            const std::string expected = c.coords[i].empty() ? c.lines[i] : WithCoords(c.lines[i], c.coords[i]);
            EXPECT_EQ(result.lines[i], expected) << c.name << ", line " << i;
        }
        EXPECT_EQ(result.unread, c.unread) << c.name;
    }
}

} // namespace
