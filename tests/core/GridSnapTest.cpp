// Snapping to a grid inside the picture, whose far edge is a line too.
#include <gtest/gtest.h>

#include "core/GridSnap.h"

namespace {

TEST(GridSnapTest, ValuesGoToTheNearestLineInsideThePicture)
{
    const struct {
        int value, grid, limit, snapped;
    } cases[] = {
        {4, 10, 100, 0},   {5, 10, 100, 10},   {7, 10, 100, 10}, {98, 10, 105, 100}, {103, 10, 105, 105},
        {-5, 10, 100, 0},  {150, 10, 100, 100}, {7, 1, 100, 7},   {-5, 0, 100, -5},   {2147483647, 7, 2147483647, 2147483647},
    };
    for (const auto &c : cases)
        EXPECT_EQ(vemo::SnappedToGrid(c.value, c.grid, c.limit), c.snapped) << c.value << " on " << c.grid;
    EXPECT_EQ(vemo::SnappedPoint({14, 16}, 10, 100, 100), (vemo::Point{10, 20}));
}

TEST(GridSnapTest, BoxesKeepAtLeastOneGridOrTheirSize)
{
    using vemo::Box;
    const struct {
        Box box;
        int picture;
        Box corners, position;
    } cases[] = {
        {{3, 4, 14, 9}, 100, {0, 0, 20, 10}, {0, 0, 14, 9}},
        {{11, 11, 2, 2}, 100, {10, 10, 10, 10}, {10, 10, 2, 2}},
        {{93, 93, 1, 1}, 95, {85, 85, 10, 10}, {94, 94, 1, 1}},
        {{88, 0, 20, 20}, 100, {90, 0, 10, 20}, {80, 0, 20, 20}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(vemo::SnappedBoxCorners(c.box, 10, c.picture, c.picture), c.corners) << c.box.left;
        EXPECT_EQ(vemo::SnappedBoxPosition(c.box, 10, c.picture, c.picture), c.position) << c.box.left;
    }
    EXPECT_EQ(vemo::SnappedBoxCorners({3, 4, 14, 9}, 1, 100, 100), (Box{3, 4, 14, 9}));
}

} // namespace
