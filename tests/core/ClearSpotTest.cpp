#include <gtest/gtest.h>

#include "core/ClearSpot.h"

namespace vemo {
namespace {

TEST(ClearSpot, TheCornerWhenClearElseTheNearestClearPlaceInSight)
{
    const Box seen{100, 50, 400, 300};
    const struct {
        Box covered;
        Point expected;
    } cases[] = {
        {{0, 0, 0, 0}, {100, 50}},         // nothing in the way
        {{300, 200, 100, 100}, {100, 50}}, // in the way of nothing near the corner
        {{0, 0, 180, 120}, {100, 120}},    // over the corner: below it is nearer than beside it
        {{0, 0, 130, 300}, {130, 50}},     // a tall window: beside it
        {{0, 0, 600, 320}, {100, 320}},    // a wide one: below it, still in sight
        {{0, 0, 600, 400}, {100, 50}},     // nothing in sight is clear: the corner
        {{120, 60, 50, 50}, {100, 110}},   // a small one just inside: below it
    };
    for (const auto &c : cases)
        EXPECT_EQ(ClearSpot(seen, c.covered, 30, 30), c.expected) << c.covered.left << "," << c.covered.top;
}

} // namespace
} // namespace vemo
