#include "resizeframe/OutlineGeometry.h"

#include <gtest/gtest.h>

namespace {

const EdgeRect Square50{100, 100, 150, 150};

TEST(OutlineGeometry, InsetIsHalfTheLineWidthTruncated)
{
    EXPECT_EQ(OutlineInset(1), 0);
    EXPECT_EQ(OutlineInset(2), 1);
    EXPECT_EQ(OutlineInset(3), 1);
    EXPECT_EQ(OutlineInset(4), 2);

    const auto v = OutlineVertices({10, 20, 40, 60}, 4);
    EXPECT_EQ(v[0], QPoint(12, 22));
    EXPECT_EQ(v[1], QPoint(12, 58));
    EXPECT_EQ(v[2], QPoint(38, 58));
    EXPECT_EQ(v[3], QPoint(38, 22));
    EXPECT_EQ(v[4], v[0]);
}

TEST(OutlineGeometry, MoveKeepsTheControlSize)
{
    // A stale outline size is replaced by the control's.
    const EdgeRect moved = MovedOutline({10, 10, 99, 99}, QPoint(-4, 7), QSize(30, 20));
    EXPECT_EQ(moved, (EdgeRect{6, 17, 36, 37}));
}

TEST(OutlineGeometry, EachHandleMovesOnlyItsEdges)
{
    const QPoint d(5, 7);
    const QSize start(50, 50);
    const EdgeRect expected[HandleCount] = {
        {105, 107, 150, 150}, {105, 100, 150, 150}, {105, 100, 150, 157}, {100, 100, 150, 157},
        {100, 100, 155, 157}, {100, 100, 155, 150}, {100, 107, 155, 150}, {100, 107, 150, 150},
    };
    for (int handle = 0; handle < HandleCount; ++handle)
        EXPECT_EQ(ResizedOutline(Square50, handle, d, CornerFollowsPointer, start), expected[handle]) << "handle " << handle;
    EXPECT_EQ(ResizedOutline(Square50, 8, d, CornerFollowsPointer, start), Square50);
    EXPECT_EQ(ResizedOutline(Square50, -1, d, CornerFollowsPointer, start), Square50);
}

TEST(OutlineGeometry, EqualRatioScalesByTheMeanStretchFromTheFixedCorner)
{
    // 50 x 50, handle 4 by (10, 0): r = (1.2 + 1.0) / 2 = 1.1.
    EXPECT_EQ(ResizedOutline(Square50, 4, QPoint(10, 0), CornerKeepsRatio, QSize(50, 50)), (EdgeRect{100, 100, 155, 155}));
    // 40 x 20, handle 0 by 8 left: 44 x 22 anchored at the bottom-right corner.
    EXPECT_EQ(ResizedOutline({0, 0, 40, 20}, 0, QPoint(-8, 0), CornerKeepsRatio, QSize(40, 20)),
              (EdgeRect{-4, -2, 40, 20}));
    // Handles 2 and 6 keep the top-right and bottom-left corners.
    EXPECT_EQ(ResizedOutline(Square50, 2, QPoint(-10, 0), CornerKeepsRatio, QSize(50, 50)), (EdgeRect{95, 100, 150, 155}));
    EXPECT_EQ(ResizedOutline(Square50, 6, QPoint(0, -10), CornerKeepsRatio, QSize(50, 50)), (EdgeRect{100, 95, 155, 150}));
}

TEST(OutlineGeometry, EqualRatioLeavesEdgeHandlesFree)
{
    EXPECT_EQ(ResizedOutline(Square50, 3, QPoint(0, 10), CornerKeepsRatio, QSize(50, 50)), (EdgeRect{100, 100, 150, 160}));
    EXPECT_EQ(ResizedOutline(Square50, 1, QPoint(5, 7), CornerKeepsRatio, QSize(50, 50)), (EdgeRect{105, 100, 150, 150}));
}

TEST(OutlineGeometry, EqualRatioExactHalvesFollowTheHandle)
{
    // 49 x 49, handle 4 one pixel right: r * 49 = 49.5 exactly, and grows.
    EXPECT_EQ(ResizedOutline({0, 0, 49, 49}, 4, QPoint(1, 0), CornerKeepsRatio, QSize(49, 49)), (EdgeRect{0, 0, 50, 50}));
    // One pixel back: 49.5 again, now shrinking.
    EXPECT_EQ(ResizedOutline({0, 0, 50, 50}, 4, QPoint(-1, 0), CornerKeepsRatio, QSize(49, 49)), (EdgeRect{0, 0, 49, 49}));
}

TEST(OutlineGeometry, EqualRatioSlowDragNeitherStallsNorDrifts)
{
    // Every one-pixel step of a square lands on a half.
    EdgeRect r = Square50;
    for (int step = 0; step < 10; ++step)
        r = ResizedOutline(r, 4, QPoint(1, 0), CornerKeepsRatio, QSize(50, 50));
    EXPECT_EQ(r, (EdgeRect{100, 100, 160, 160}));
    for (int step = 0; step < 10; ++step)
        r = ResizedOutline(r, 4, QPoint(-1, 0), CornerKeepsRatio, QSize(50, 50));
    EXPECT_EQ(r, Square50);
}

TEST(OutlineGeometry, RoundedQuotientIsExact)
{
    EXPECT_EQ(RoundedQuotient(98, 3, 0), 33);
    EXPECT_EQ(RoundedQuotient(-98, 3, 0), -33);
    EXPECT_EQ(RoundedQuotient(100, 3, 0), 33);
    EXPECT_EQ(RoundedQuotient(99, 2, 49), 50);
    EXPECT_EQ(RoundedQuotient(99, 2, 50), 49);
    EXPECT_EQ(RoundedQuotient(-3, 2, 0), -2);
    EXPECT_EQ(RoundedQuotient(-3, 2, -2), -1);
}

TEST(OutlineGeometry, EqualRatioWithoutARatioResizesFreely)
{
    EXPECT_EQ(ResizedOutline({0, 0, 0, 20}, 4, QPoint(6, 3), CornerKeepsRatio, QSize(0, 20)), (EdgeRect{0, 0, 6, 23}));
    EXPECT_EQ(ResizedOutline({0, 0, 20, 0}, 0, QPoint(6, 3), CornerKeepsRatio, QSize(20, 0)), (EdgeRect{6, 3, 20, 0}));
}

TEST(OutlineGeometry, NormaliseSwapsCrossedEdgesOnly)
{
    // Handle 0 of a 20 x 20 control dragged 30 right: Left = old Left + 20, width 10.
    const EdgeRect crossed = ResizedOutline({10, 10, 30, 30}, 0, QPoint(30, 0), CornerFollowsPointer, QSize(20, 20));
    EXPECT_EQ(NormalisedOutline(crossed), (EdgeRect{30, 10, 40, 30}));
    EXPECT_EQ(NormalisedOutline({5, 9, 5, 2}), (EdgeRect{5, 2, 5, 9}));
    EXPECT_EQ(NormalisedOutline({1, 2, 3, 4}), (EdgeRect{1, 2, 3, 4}));
}

TEST(OutlineGeometry, HandlesStraddleTheFirstAndLastPixelOfEachEdge)
{
    const QRect bounds(20, 30, 40, 21);
    const QPoint expected[HandleCount] = {{18, 28}, {18, 38}, {18, 48}, {37, 48},
                                          {57, 48}, {57, 38}, {57, 28}, {37, 28}};
    for (int handle = 0; handle < HandleCount; ++handle)
        EXPECT_EQ(HandleTopLeft(handle, bounds, 5), expected[handle]) << "handle " << handle;
}

TEST(OutlineGeometry, ClampKeepsPointsInsideTheArea)
{
    const QRect area(100, 50, 200, 100); // x 100..299, y 50..149
    EXPECT_EQ(ClampedToRect(QPoint(150, 60), area), QPoint(150, 60));
    EXPECT_EQ(ClampedToRect(QPoint(-5, 500), area), QPoint(100, 149));
    EXPECT_EQ(ClampedToRect(QPoint(300, 49), area), QPoint(299, 50));
}

} // namespace
