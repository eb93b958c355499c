// The box typed coordinates stand for, with the texts of unfinished typing.
#include <gtest/gtest.h>

#include "core/AreaFields.h"

namespace {

using vemo::Box;

TEST(AreaFieldsTest, RectangleFieldsThatDoNotConvertCountAsZeroForWhatTheyGive)
{
    const struct {
        const char *x0, *y0, *x1, *y1;
        Box box;
    } cases[] = {
        {"10", "20", "59", "69", {10, 20, 50, 50}},
        {"12a", "0", "49", "49", {0, 0, 50, 50}},
        {"10", "", "59", "69", {10, 0, 50, 70}},
        {"10", "20", "", "69", {10, 20, 0, 50}},  // no right edge: no width, not an edge at 0
        {"10", "20", "59", "abc", {10, 20, 50, 0}},
        {" $A", "+2", "9", "2", {10, 2, 0, 1}},
        {"-2147483648", "0", "2147483647", "0", {INT32_MIN, 0, INT32_MAX, 1}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(vemo::TypedRectBox(c.x0, c.y0, c.x1, c.y1), c.box) << c.x0 << " " << c.y0 << " " << c.x1 << " " << c.y1;
}

TEST(AreaFieldsTest, CircleFieldsFailOneByOne)
{
    const struct {
        const char *x, *y, *r;
        Box box;
    } cases[] = {
        {"50", "40", "10", {41, 31, 19, 19}},
        {"x", "40", "10", {-9, 31, 19, 19}},
        {"50", "40", "", {51, 41, -1, -1}},
        {"24", "24", "25", {0, 0, 49, 49}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(vemo::TypedCircleBox(c.x, c.y, c.r), c.box) << c.x << " " << c.y << " " << c.r;
}

} // namespace
