// Which lines hold the map together, and where new areas go, also in short side files.
#include <gtest/gtest.h>

#include "core/MapLayout.h"

namespace {

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

TEST(MapLayoutTest, NewAreasGoBeforeTheLastLine)
{
    EXPECT_EQ(vemo::NewAreaLineIndex(3), 2);
    EXPECT_EQ(vemo::NewAreaLineIndex(1), 0);
    EXPECT_EQ(vemo::NewAreaLineIndex(0), 0);
}

TEST(MapLayoutTest, AreaLinesMoveOnlyAmongAreaLines)
{
    // A map of six lines: the area lines are 2, 3 and 4.
    const struct {
        int index, step, expected;
    } cases[] = {{2, -1, -1}, {2, +1, 3}, {3, -1, 2}, {4, +1, -1}, {1, +1, -1}, {5, -1, -1}, {-1, +1, -1}, {9, -1, -1}};
    for (const auto &c : cases)
        EXPECT_EQ(vemo::MovedLineIndex(c.index, c.step, 6), c.expected) << c.index << " by " << c.step;
    EXPECT_EQ(vemo::MovedLineIndex(2, +1, 4), -1) << "a lone area line stays";
}

} // namespace
