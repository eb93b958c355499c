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

} // namespace
