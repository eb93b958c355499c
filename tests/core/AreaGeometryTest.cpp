#include <gtest/gtest.h>

#include "core/AreaGeometry.h"

#include <limits>

namespace vemo {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(AreaGeometry, BoxesFromCornersAndCircles)
{
    EXPECT_EQ(BoxFromCorners({10, 20, 110, 70}), (Box{10, 20, 101, 51}));
    EXPECT_EQ(BoxFromCorners({10, 20, 59, 69}), (Box{10, 20, 50, 50}));
    EXPECT_EQ(CornersFromBox({10, 20, 50, 50}), (RectCorners{10, 20, 59, 69}));
    EXPECT_EQ(CornersFromBox({10, 20, 50, 30}), (RectCorners{10, 20, 59, 49}));
    EXPECT_EQ(BoxFromCircle({100, 100, 50}), (Box{51, 51, 99, 99}));
    EXPECT_EQ(BoxFromCircle({50, 40, 10}), (Box{41, 31, 19, 19}));
    EXPECT_EQ(BoxFromCircle({24, 24, 25}), (Box{0, 0, 49, 49}));
    EXPECT_EQ(BoxFromCircle({5, 5, 0}), (Box{6, 6, -1, -1}));
    // Typed extremes saturate instead of wrapping around.
    EXPECT_EQ(BoxFromCorners({kMin, kMin, kMax, kMax}), (Box{kMin, kMin, kMax, kMax}));
    EXPECT_EQ(BoxFromCorners({kMax, 0, kMin, 0}), (Box{kMax, 0, kMin, 1}));
    EXPECT_EQ(CornersFromBox({kMax, kMin, kMax, kMin}), (RectCorners{kMax, kMin, kMax, kMin}));
    EXPECT_EQ(BoxFromCircle({kMin, kMax, kMax}), (Box{kMin, 1, kMax, kMax}));
}

TEST(AreaGeometry, SquaresToCircles)
{
    EXPECT_EQ(SquaredBox({5, 5, 40, 25}), (Box{5, 5, 25, 25}));
    EXPECT_EQ(SquaredBox({10, 20, 50, 30}), (Box{10, 20, 30, 30}));
    struct Case {
        Box square;
        CircleArea view, dialog;
    };
    const Case cases[] = {
        {{5, 5, 25, 25}, {17, 17, 13}, {17, 17, 12}},
        {{0, 0, 49, 49}, {24, 24, 25}, {24, 24, 24}},
        {{0, 0, 50, 50}, {24, 24, 25}, {25, 25, 25}},
        {{10, 20, 30, 30}, {24, 34, 15}, {25, 35, 15}},
        {{41, 31, 19, 19}, {50, 40, 10}, {50, 40, 9}},
        {{kMax, kMax, kMax, kMax}, {kMax, kMax, 1 << 30}, {kMax, kMax, kMax / 2}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.square.width);
        EXPECT_EQ(CircleFromSquare(c.square), c.view);
        EXPECT_EQ(CircleFromRectSquare(c.square), c.dialog);
    }
}

TEST(AreaGeometry, RegionsHoldThePixelsABrowserGivesThem)
{
    const Box rect{10, 20, 101, 51};  // corners 10,20 to 110,70
    const Box circle{51, 51, 99, 99}; // centre 100,100, radius 50
    const Box huge{kMin, kMin, kMax, kMax};
    const std::int32_t hugeCentre = kMin + (1 << 30) - 1;
    const struct {
        Box box;
        bool circle;
        std::int32_t x, y;
        bool held;
    } cases[] = {
        {rect, false, 10, 20, true},    {rect, false, 110, 70, true},   {rect, false, 111, 70, false},
        {rect, false, 110, 71, false},  {circle, false, 51, 51, true},  {circle, true, 51, 51, false},
        {circle, true, 100, 51, true},  {circle, true, 135, 135, true}, {circle, true, 136, 136, false},
        {{6, 6, -1, -1}, true, 5, 5, false}, // radius 0
        {huge, true, hugeCentre, hugeCentre, true},
        {huge, true, kMin, kMin, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RegionHolds(c.box, c.circle, c.x, c.y), c.held) << c.box.width << " " << c.x << "," << c.y;
}

TEST(AreaGeometry, ArrowKeyStepsStayInsideThePicture)
{
    constexpr auto Move = NudgeTarget::Position;
    constexpr auto Edges = NudgeTarget::FarEdges;
    const struct {
        Box box;
        int dx, dy;
        NudgeTarget target;
        bool round;
        Box nudged;
    } cases[] = {
        // On a 200 x 150 picture.
        {{10, 20, 50, 50}, 1, 0, Move, false, {11, 20, 50, 50}},
        {{4, 20, 50, 50}, -10, 0, Move, false, {0, 20, 50, 50}},
        {{10, 95, 50, 50}, 0, 10, Move, true, {10, 100, 50, 50}},
        // Already past an edge: stepping back in goes by the step, stepping out goes nowhere.
        {{-20, 0, 50, 50}, 1, 0, Move, false, {-19, 0, 50, 50}},
        {{-20, 0, 50, 50}, -1, 0, Move, false, {-20, 0, 50, 50}},
        {{0, 0, 250, 50}, 1, 0, Move, false, {0, 0, 250, 50}},
        {{kMax - 5, 0, 10, 10}, 1, 0, Move, false, {kMax - 5, 0, 10, 10}},
        {{10, 20, 50, 50}, 0, -10, Edges, false, {10, 20, 50, 40}},
        {{10, 20, 5, 5}, -10, 0, Edges, false, {10, 20, 1, 5}},
        {{180, 20, 10, 10}, 10, 0, Edges, false, {180, 20, 20, 10}},
        // A circle's square changes as a whole, up to the nearer picture edge.
        {{10, 20, 49, 49}, 0, 10, Edges, true, {10, 20, 59, 59}},
        {{10, 101, 49, 49}, 1, 0, Edges, true, {10, 101, 49, 49}},
        {{10, 20, 49, 40}, 1, 0, Edges, true, {10, 20, 41, 41}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(NudgedBox(c.box, c.dx, c.dy, c.target, c.round, 200, 150), c.nudged)
            << c.box.left << "," << c.box.top << " by " << c.dx << "," << c.dy;
    }
}

} // namespace
} // namespace vemo
