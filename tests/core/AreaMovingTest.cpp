// Moving areas together and duplicating them at the edges of a 100 x 80 picture.
#include <gtest/gtest.h>

#include "core/AreaMoving.h"
#include "core/MapLines.h"

#include <string>
#include <vector>

namespace {

std::string Rect(const std::string &coords)
{
    return R"(<AREA SHAPE="RECT" COORDS=")" + coords + R"(" HREF="r.htm" ALT="R" TITLE="t">)";
}

std::string Circle(const std::string &coords)
{
    return R"(<area shape="circle" coords=")" + coords + R"(" href="c.htm" alt="" data-x="1">)";
}

std::string Poly(const std::string &coords)
{
    return R"(<AREA SHAPE="POLY" COORDS=")" + coords + R"(" HREF="p.htm" ALT="P">)";
}

const std::string kUnread = Rect("1,2,3");

TEST(AreaMovingTest, AGroupStopsAtTheEdgeAsOne)
{
    const std::vector<std::string> group{Rect("10,10,29,19"), Circle("50,40,5")}; // together 10..54 x 10..44
    const struct {
        const char *name;
        std::vector<std::string> lines;
        int dx, dy;
        std::vector<std::string> moved;
        std::vector<std::size_t> unread;
    } cases[] = {
        {"inside", group, 5, 5, {Rect("15,15,34,24"), Circle("55,45,5")}, {}},
        {"stopped at the right edge, layout kept", group, 60, 0, {Rect("55,10,74,19"), Circle("95,40,5")}, {}},
        {"stopped at the left and top edges", group, -20, -20, {Rect("0,0,19,9"), Circle("40,30,5")}, {}},
        {"already past the right edge: not further", {Rect("90,0,109,9")}, 5, 0, {Rect("90,0,109,9")}, {}},
        {"already past the right edge: back by the step", {Rect("90,0,109,9")}, -5, 0, {Rect("85,0,104,9")}, {}},
        {"a line that does not read holds no one back", {kUnread, Poly("90,70,99,70,95,79")}, 0, 5,
         {kUnread, Poly("90,70,99,70,95,79")}, {0}},
        {"nor counts in the group", {kUnread, Poly("0,0,9,0,5,9")}, 3, 3, {kUnread, Poly("3,3,12,3,8,12")}, {0}},
    };
    for (const auto &c : cases) {
        const vemo::RewrittenLines result = vemo::MovedAreaLines(c.lines, c.dx, c.dy, 100, 80);
        EXPECT_EQ(result.lines, c.moved) << c.name;
        EXPECT_EQ(result.unread, c.unread) << c.name;
    }
}

TEST(AreaMovingTest, DuplicatesFollowTheirOriginalsOffsetInsideThePicture)
{
    std::vector<std::string> map = vemo::NewMapLines("p.gif", 100, 80, "p");
    map.insert(map.begin() + 2, {Rect("10,10,29,19"), Circle("95,75,3"), Poly("0,0,99,0,50,9"),
                                 vemo::DefaultAreaLine({"d.htm", ""}), kUnread});
    // Lines 2 to 6: inside, in the lower right corner, as wide as the picture, the default area, unread.
    const vemo::DuplicatedAreas duplicated = vemo::DuplicateAreas(map, {4, 2, 3, 5, 0, 2, 6, 7, 42}, 100, 80);
    const std::vector<vemo::LineInsertion> expected{
        {3, Rect("20,20,39,29")},
        {5, Circle("85,65,3")},        // back left and up: right and down would leave the picture
        {7, Poly("0,10,99,10,50,19")}, // no room either way across: only down
    };
    EXPECT_EQ(duplicated.insertions, expected);
    EXPECT_EQ(duplicated.notCopied, (std::vector<int>{0, 5, 6, 7, 42}));
}

} // namespace
