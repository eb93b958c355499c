#include <gtest/gtest.h>

#include "core/IntConv.h"
#include "core/MapCheck.h"
#include "core/MapLines.h"
#include "core/PolygonGeometry.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// The indexed checks against the plain pairwise ones on many small random maps and polygons. The
// coordinates are drawn from a small range, so that areas repeat, nest, touch and overlap and
// polygon edges touch, run along each other and cross far more often than by chance.
namespace vemo {
namespace {

class RandomShapes {
public:
    explicit RandomShapes(std::uint32_t seed) : engine_(seed) {}

    long long Between(long long low, long long high)
    {
        return std::uniform_int_distribution<long long>(low, high)(engine_);
    }

    // A coordinate, now and then a huge one, so that some areas cover the whole grid.
    long long Coordinate()
    {
        return Between(0, 19) == 0 ? Between(-3000000000LL / 2, 3000000000LL / 2) / 2 : Between(-2, 12);
    }

    // Vertices on a 7 x 7 lattice; now and then spread over the whole 32-bit range.
    std::vector<Point> Polygon(int most)
    {
        const long long step = Between(0, 3) == 0 ? 600000000 : 1;
        const long long shift = step == 1 ? 0 : -2000000000;
        std::vector<Point> points(static_cast<std::size_t>(Between(3, most)));
        for (Point &point : points)
            point = {static_cast<std::int32_t>(shift + step * Between(0, 6)),
                     static_cast<std::int32_t>(shift + step * Between(0, 6))};
        return points;
    }

    std::string AreaLine()
    {
        const auto text = [&] { return DecimalText(Coordinate()); };
        switch (Between(0, 3)) {
        case 0:
        case 1: {
            // Corners near each other, so that most rectangles cover something.
            const long long x = Coordinate(), y = Coordinate();
            return RectAreaLine(DecimalText(x), DecimalText(y), DecimalText(x + Between(-1, 8)), DecimalText(y + Between(-1, 8)),
                                {"a.htm", "A"});
        }
        case 2:
            return CircleAreaLine(text(), text(), DecimalText(Between(0, 9)), {"a.htm", "A"});
        default: {
            std::string coords;
            for (const Point &point : Polygon(6))
                coords += (coords.empty() ? "" : ",") + DecimalText(point.x) + "," + DecimalText(point.y);
            return PolyAreaLine(coords, {"a.htm", "A"});
        }
        }
    }

private:
    std::mt19937 engine_;
};

TEST(MapCheckOracle, RandomMapsGiveThePairwiseFindings)
{
    RandomShapes random(20261208);
    int hidden = 0, duplicates = 0;
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> lines = NewMapLines("p.gif", 10, 10, "p");
        const long long count = random.Between(1, 12);
        for (long long area = 0; area < count; ++area) {
            // Now and then an earlier area again.
            const bool again = area > 0 && random.Between(0, 4) == 0;
            const std::string line = again ? lines[static_cast<std::size_t>(random.Between(2, area + 1))] : random.AreaLine();
            lines.insert(lines.end() - 1, line);
        }
        const std::vector<Finding> expected = CheckMapPairwise(lines, 10, 10);
        ASSERT_EQ(CheckMap(lines, 10, 10), expected) << "round " << round;
        for (const Finding &finding : expected) {
            hidden += finding.kind == FindingKind::HiddenArea ? 1 : 0;
            duplicates += finding.kind == FindingKind::DuplicateArea ? 1 : 0;
        }
    }
    EXPECT_GT(hidden, 500) << duplicates;
    EXPECT_GT(duplicates, 1000) << hidden;
}

TEST(MapCheckOracle, RandomPolygonsCrossAsByPairs)
{
    RandomShapes random(7);
    int crossing = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::vector<Point> points = random.Polygon(round % 2 == 0 ? 5 : 12);
        const bool expected = EdgesCrossPairwise(points);
        ASSERT_EQ(EdgesCross(points), expected) << "round " << round;
        crossing += expected ? 1 : 0;
    }
    // Both answers must be common for the comparison to mean anything.
    EXPECT_GT(crossing, 2000);
    EXPECT_LT(crossing, 18000);
}

} // namespace
} // namespace vemo
