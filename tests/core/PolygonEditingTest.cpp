#include <gtest/gtest.h>

#include "core/PolygonEditing.h"

#include <climits>
#include <optional>
#include <vector>

namespace vemo {
namespace {

using Points = std::vector<Point>;

const Points kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};

TEST(PolygonEditing, MovesKeepThePolygonOnThePictureWithoutDeformingIt)
{
    const Points pastLeft{{-5, 0}, {10, 0}, {0, 10}};
    const struct {
        const char *name;
        Points points;
        int dx, dy;
        Points moved;
    } cases[] = {
        // On a 200 x 150 picture.
        {"StopsAtTheLeftEdge", {{10, 20}, {50, 20}, {30, 60}}, -30, 2, {{0, 22}, {40, 22}, {20, 62}}},
        {"PastAnEdgeGoesNoFurther", pastLeft, -3, 0, pastLeft},
        {"PastAnEdgeComesBackByTheStep", pastLeft, 3, 0, {{-2, 0}, {13, 0}, {3, 10}}},
        {"WiderThanThePicture", {{-5, 0}, {250, 0}, {0, 10}}, 1, 0, {{-5, 0}, {250, 0}, {0, 10}}},
        {"HugeSpan", {{INT32_MIN, 0}, {INT32_MAX, 0}, {0, 10}}, -1, 1, {{INT32_MIN, 1}, {INT32_MAX, 1}, {0, 11}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MovedPolygon(c.points, c.dx, c.dy, 200, 150), c.moved) << c.name;

    EXPECT_EQ(MovedVertex({10, 20}, -50, 200, 200, 150), (Point{0, 149}));
    EXPECT_EQ(MovedVertex({INT32_MAX, INT32_MIN}, INT_MAX, INT_MIN, 200, 150), (Point{199, 0}));
    EXPECT_EQ(MovedVertex({10, 20}, 1, 1, 0, 0), (Point{0, 0}));
}

TEST(PolygonEditing, FindsTheNearestEdgeWithinReach)
{
    const struct {
        const char *name;
        Points points;
        double x, y, reach;
        std::optional<std::size_t> edge;
    } cases[] = {
        {"OutsideAtTheReach", kSquare, 5, -2, 2, 0},
        {"BeyondTheReach", kSquare, 5, -2.5, 2, std::nullopt},
        {"ClosingEdge", kSquare, 0.5, 6, 1, 3},
        {"NearerOfTwo", kSquare, 9, 1.5, 2, 1},
        {"TieGoesToTheFirst", kSquare, 11, 11, 2, 1},
        {"PastTheEndOfAnEdge", {{0, 0}, {10, 0}, {10, 30}}, 13, 0, 2, std::nullopt},
        {"TwoPoints", {{0, 0}, {10, 0}}, 5, 1, 2, 0},
        {"OnePoint", {{0, 0}}, 0, 0, 2, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NearestEdge(c.points, c.x, c.y, c.reach), c.edge) << c.name;
}

TEST(PolygonEditing, AddsOnAnEdgeAndRemovesDownToThreeVertices)
{
    const struct {
        const char *name;
        Points edited, expected;
    } cases[] = {
        {"OnTheClosingEdge", WithVertexOnEdge(kSquare, 3, {0, 5}), {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 5}}},
        {"OnAnEndOfTheEdge", WithVertexOnEdge(kSquare, 0, {10, 0}), kSquare},
        {"NoSuchEdge", WithVertexOnEdge(kSquare, 4, {5, 5}), kSquare},
        {"RemovesTheLast", WithoutVertex(kSquare, 3), {{0, 0}, {10, 0}, {10, 10}}},
        {"KeepsThree", WithoutVertex({{0, 0}, {10, 0}, {0, 10}}, 1), {{0, 0}, {10, 0}, {0, 10}}},
        {"NoSuchVertex", WithoutVertex(kSquare, 4), kSquare},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.edited, c.expected) << c.name;
}

} // namespace
} // namespace vemo
