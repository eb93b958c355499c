// The index must find exactly the boxes a look at every box finds, in ascending order, however
// the boxes lie: empty, huge, far apart, on negative coordinates or at the 32-bit limits.
#include "core/BoxIndex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>

namespace vemo {
namespace {

std::vector<std::size_t> MeetingByLooking(const std::vector<BoxIndex::Bounds> &boxes, const BoxIndex::Bounds &area)
{
    std::vector<std::size_t> found;
    for (std::size_t index = 0; index < boxes.size(); ++index) {
        const BoxIndex::Bounds &box = boxes[index];
        if (box.left <= box.right && box.top <= box.bottom && area.left <= area.right && area.top <= area.bottom
            && box.left <= area.right && area.left <= box.right && box.top <= area.bottom && area.top <= box.bottom)
            found.push_back(index);
    }
    return found;
}

TEST(BoxIndex, FindsWhatLookingAtEveryBoxFinds)
{
    std::mt19937 random(7);
    // Spans of the coordinates: a picture's pixels, and circles that reach past the 32-bit range.
    for (const std::int64_t span : {std::int64_t{60}, std::int64_t{4000}, std::int64_t{1} << 33}) {
        for (int round = 0; round < 40; ++round) {
            const auto at = [&] { return std::int64_t(random() % std::uint64_t(2 * span)) - span / 2; };
            const auto size = [&] {
                // Mostly small, some empty, some huge.
                switch (random() % 10) {
                case 0: return std::int64_t(-1);
                case 1: return span;
                default: return std::int64_t(random() % std::uint64_t(span / 20 + 1));
                }
            };
            std::vector<BoxIndex::Bounds> boxes(random() % 300);
            for (BoxIndex::Bounds &box : boxes) {
                box.left = at();
                box.top = at();
                box.right = box.left + size();
                box.bottom = box.top + size();
            }
            const BoxIndex index(boxes);
            for (int query = 0; query < 50; ++query) {
                BoxIndex::Bounds area{at(), at(), 0, 0};
                area.right = area.left + (query % 2 == 0 ? 0 : size());
                area.bottom = area.top + (query % 2 == 0 ? 0 : size());
                ASSERT_EQ(index.Meeting(area), MeetingByLooking(boxes, area)) << "span " << span << " round " << round;
                // The first holding the pixel that passes a test, among the first `before`.
                const std::size_t before = random() % (boxes.size() + 1);
                const auto test = [](std::size_t at) { return at % 3 != 1; };
                std::optional<std::size_t> expected;
                for (const std::size_t at : MeetingByLooking(boxes, {area.left, area.top, area.left, area.top})) {
                    if (at < before && test(at)) {
                        expected = at;
                        break;
                    }
                }
                ASSERT_EQ(index.FirstHolding(area.left, area.top, before, test), expected) << "span " << span;
            }
        }
    }
    EXPECT_TRUE(BoxIndex().Meeting({0, 0, 10, 10}).empty());
}

} // namespace
} // namespace vemo
