// Which lines hold the map together, and where new areas go, also in short side files.
#include <gtest/gtest.h>

#include "core/MapLayout.h"
#include "core/MapLines.h"

#include <string>
#include <vector>

namespace {

// count lines: the image and map start lines, rectangles, the map end line; with a default area
// in place of the last rectangle when asked.
std::vector<std::string> Lines(int count, bool endsWithDefault = false)
{
    std::vector<std::string> lines(static_cast<std::size_t>(count), vemo::RectAreaLine("0", "0", "9", "9", {"", ""}));
    if (endsWithDefault && count >= 4)
        lines[static_cast<std::size_t>(count - 2)] = vemo::DefaultAreaLine({"", ""});
    return lines;
}

TEST(MapLayoutTest, OnlyLinesBetweenTheMapStartAndTheLastCanBeDeleted)
{
    const struct {
        int count;
        std::vector<int> deletable;
    } cases[] = {{5, {2, 3}}, {4, {2}}, {3, {}}, {2, {}}, {1, {}}, {0, {}}};
    for (const auto &c : cases) {
        std::vector<int> deletable;
        for (int index = -1; index <= c.count; ++index) {
            if (!vemo::IsProtectedLine(index, c.count))
                deletable.push_back(index);
        }
        EXPECT_EQ(deletable, c.deletable) << c.count << " lines";
    }
}

TEST(MapLayoutTest, NewAreasGoBeforeTheLastLineAndBeforeADefaultAreaThere)
{
    EXPECT_EQ(vemo::NewAreaLineIndex(Lines(3)), 2);
    EXPECT_EQ(vemo::NewAreaLineIndex(Lines(1)), 0);
    EXPECT_EQ(vemo::NewAreaLineIndex(Lines(0)), 0);
    EXPECT_EQ(vemo::NewAreaLineIndex(Lines(5, true)), 3);
    EXPECT_EQ(vemo::LastDefaultAreaIndex(Lines(5, true)), 3);
    // A default area elsewhere is the map check's concern, not a place for new lines.
    std::vector<std::string> early = Lines(5);
    early[2] = vemo::DefaultAreaLine({"", ""});
    EXPECT_EQ(vemo::NewAreaLineIndex(early), 4);
}

TEST(MapLayoutTest, AreaLinesMoveOnlyAmongAreaLines)
{
    // A map of six lines: the area lines are 2, 3 and 4.
    const struct {
        int index, step, expected;
    } cases[] = {{2, -1, -1}, {2, +1, 3}, {3, -1, 2}, {4, +1, -1}, {1, +1, -1}, {5, -1, -1}, {-1, +1, -1}, {9, -1, -1}};
    for (const auto &c : cases)
        EXPECT_EQ(vemo::MovedLineIndex(c.index, c.step, Lines(6)), c.expected) << c.index << " by " << c.step;
    EXPECT_EQ(vemo::MovedLineIndex(2, +1, Lines(4)), -1) << "a lone area line stays";
    // With a default area as line 4, it stays where it is and nothing takes its place.
    EXPECT_EQ(vemo::MovedLineIndex(3, +1, Lines(6, true)), -1);
    EXPECT_EQ(vemo::MovedLineIndex(4, -1, Lines(6, true)), -1);
    EXPECT_EQ(vemo::MovedLineIndex(3, -1, Lines(6, true)), 2);
}

} // namespace
