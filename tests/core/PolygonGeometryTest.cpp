#include <gtest/gtest.h>

#include "core/PolygonGeometry.h"

#include <climits>
#include <vector>

namespace vemo {
namespace {

// A U opening upwards: the notch between its arms is outside.
const std::vector<Point> kU{{0, 0}, {30, 0}, {30, 90}, {60, 90}, {60, 0}, {90, 0}, {90, 100}, {0, 100}};

TEST(PolygonGeometry, HoldsThePixelsInsideAConcaveOutlineAndNotItsNotch)
{
    const struct {
        std::int32_t x, y;
        bool held;
    } cases[] = {
        {10, 50, true}, {80, 50, true}, {45, 95, true}, // both arms and the base
        {45, 50, false}, {45, 89, false},               // in the notch
        {-1, 50, false}, {95, 50, false}, {45, 101, false},
        {0, 50, true}, {30, 50, false}, // a left edge holds its pixels, a right edge does not
    };
    for (const auto &c : cases)
        EXPECT_EQ(PolygonHolds(kU, c.x, c.y), c.held) << c.x << "," << c.y;
    EXPECT_FALSE(PolygonHolds({{0, 0}, {10, 10}}, 5, 5));
    EXPECT_EQ(PolygonBounds(kU), (Box{0, 0, 91, 101}));
}

TEST(PolygonGeometry, HugeCoordinatesNeitherOverflowNorWrap)
{
    const std::vector<Point> huge{{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MAX},
                                  {INT32_MIN, INT32_MAX}};
    EXPECT_TRUE(PolygonHolds(huge, 0, 0));
    EXPECT_TRUE(PolygonHolds(huge, INT32_MAX - 1, INT32_MIN + 1));
    EXPECT_FALSE(EdgesCross(huge));
    EXPECT_TRUE(EdgesCross({{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}, {INT32_MAX, INT32_MIN},
                            {INT32_MIN, INT32_MAX}}));
    EXPECT_EQ(PolygonBounds(huge).left, INT32_MIN);
}

TEST(PolygonGeometry, FindsEdgesThatCrossAndCountsDistinctPoints)
{
    const struct {
        const char *name;
        std::vector<Point> points;
        bool cross;
        int distinct;
    } cases[] = {
        {"U", kU, false, 8},
        {"Triangle", {{0, 0}, {10, 0}, {0, 10}}, false, 3},
        {"Bowtie", {{0, 0}, {10, 10}, {10, 0}, {0, 10}}, true, 4},
        {"VertexOnAnotherEdge", {{0, 0}, {10, 0}, {10, 10}, {5, 0}}, true, 4},
        {"FoldsBack", {{0, 0}, {10, 0}, {5, 0}, {5, 5}}, true, 4},
        {"FlatTriangle", {{0, 0}, {5, 0}, {10, 0}}, true, 3},
        {"RepeatedPoint", {{0, 0}, {10, 0}, {10, 0}, {0, 10}}, false, 3},
        {"TwoPointsThrice", {{0, 0}, {5, 5}, {0, 0}}, false, 2}, // too few points, not crossing edges
    };
    for (const auto &c : cases) {
        EXPECT_EQ(EdgesCross(c.points), c.cross) << c.name;
        EXPECT_EQ(DistinctPointCount(c.points), c.distinct) << c.name;
    }
}

} // namespace
} // namespace vemo
