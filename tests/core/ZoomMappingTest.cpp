#include <gtest/gtest.h>

#include "core/ZoomMapping.h"

#include <limits>

namespace vemo {
namespace {

TEST(ZoomMapping, StepsGoThroughTheFixedZoomsAndStopAtTheEnds)
{
    struct Case { double from; int direction; double to; };
    const Case cases[] = {
        {1.0, +1, 2.0}, {1.0, -1, 0.5}, {0.25, -1, 0.25}, {8.0, +1, 8.0}, {0.5, +1, 1.0},
        // A fitted zoom between steps goes to the nearest step in the chosen direction.
        {0.3125, +1, 0.5}, {0.3125, -1, 0.25}, {3.0, +1, 4.0}, {3.0, -1, 2.0},
        // A fitted zoom beyond the ends comes back to them.
        {0.1, +1, 0.25}, {0.1, -1, 0.1},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(SteppedZoom(c.from, c.direction), c.to) << c.from << " " << c.direction;
    EXPECT_DOUBLE_EQ(FittingZoom(4000, 3000, 1264, 950), 0.316);
    EXPECT_DOUBLE_EQ(FittingZoom(100, 50, 1000, 1000), 8.0);
}

TEST(ZoomMapping, PictureBoxesComeBackExactlyAtAndAbove100Percent)
{
    const Box boxes[] = {{0, 0, 50, 50}, {10, 20, 101, 51}, {1999, 1499, 1, 1}, {7, 3, 333, 17}};
    for (const double zoom : {1.0, 2.0, 4.0, 8.0, 1.37, 3.3}) {
        for (const Box &box : boxes)
            EXPECT_EQ(ToPictureBox(ToDisplayBox(box, zoom), zoom), box) << zoom;
    }
    // Boxes side by side stay side by side on the display, at any zoom.
    for (const double zoom : {0.25, 0.3, 0.5, 1.37}) {
        const Box left = ToDisplayBox({0, 0, 7, 5}, zoom), right = ToDisplayBox({7, 0, 9, 5}, zoom);
        EXPECT_EQ(left.left + left.width, right.left) << zoom;
    }
}

TEST(ZoomMapping, DisplayPixelsAndPicturePixels)
{
    // At 200 % a display pixel is half a picture pixel; at 50 % it is two.
    EXPECT_EQ(ToPictureBox({20, 40, 101, 51}, 2.0), (Box{10, 20, 51, 26}));
    EXPECT_EQ(ToPictureBox({21, 40, 100, 50}, 2.0), (Box{11, 20, 50, 25}));
    EXPECT_EQ(ToPictureBox({5, 6, 25, 25}, 0.5), (Box{10, 12, 50, 50}));
    // Below 100 % an odd coordinate has no display pixel of its own.
    EXPECT_EQ(ToDisplayBox({11, 13, 49, 49}, 0.5), (Box{6, 7, 24, 24}));
    // A shape dragged to a sliver still stands for at least one picture pixel.
    EXPECT_EQ(ToPictureBox({3, 3, 1, 1}, 8.0), (Box{0, 0, 1, 1}));
    // An empty or inverted typed box stays empty on the display, so nothing is drawn for it.
    EXPECT_EQ(ToDisplayBox({51, 41, -1, -1}, 2.0), (Box{102, 82, -2, -2}));
    // Typed extremes saturate instead of overflowing.
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(ToDisplayBox({kMax, 0, kMax, 1}, 8.0).left, kMax);
    // The position panel names the picture pixel under any display pixel of it.
    for (const auto &[display, zoom, picture] : {std::tuple{0, 2.0, 0}, {1, 2.0, 0}, {3, 2.0, 1}, {799, 8.0, 99},
                                                 {5, 0.5, 10}, {7, 0.25, 28}, {120, 1.0, 120}})
        EXPECT_EQ(PicturePixel(display, zoom), picture) << display << " at " << zoom;
}

TEST(ZoomMapping, ADragRoundsOnlyWhatItMoved)
{
    const Box boxes[] = {{100, 70, 61, 61}, {7, 3, 50, 49}, {0, 0, 1, 1}};
    // Display edges moved by a drag: left, top, right, bottom (0 where the drag left the edge).
    struct Drag { int left, top, right, bottom; };
    const Drag resizes[] = {{5, 0, 0, 0}, {0, -3, 0, 0}, {0, 0, 7, 0}, {0, 0, 0, -2}, {4, 4, 0, 0}, {0, 0, 9, 9}};
    for (const double zoom : {0.25, 0.33, 0.5, 2.0, 8.0}) {
        for (const Box &box : boxes) {
            SCOPED_TRACE(testing::Message() << zoom << " " << box.left << "," << box.top);
            const Box shown = ToDisplayBox(box, zoom);
            // A move keeps the size whatever the rounding, and moves by whole picture pixels.
            for (const auto &[dx, dy] : {std::pair{1, 0}, std::pair{0, -1}, std::pair{13, 7}, std::pair{-5, 3}}) {
                const Box moved = DraggedBox(box, shown, {shown.left + dx, shown.top + dy, shown.width, shown.height}, zoom);
                EXPECT_EQ(moved.width, box.width);
                EXPECT_EQ(moved.height, box.height);
                EXPECT_NEAR(moved.left - box.left, dx / zoom, 0.5 + 1e-9);
            }
            EXPECT_EQ(DraggedBox(box, shown, shown, zoom), box);
            // A resize keeps every edge it did not move.
            for (const Drag &drag : resizes) {
                const Box after{shown.left + drag.left, shown.top + drag.top,
                                shown.width - drag.left + drag.right, shown.height - drag.top + drag.bottom};
                if (after.width <= 0 || after.height <= 0 || box.width == 1)
                    continue; // a box turned inside out, or cut below one pixel, keeps no edges
                const Box resized = DraggedBox(box, shown, after, zoom);
                if (drag.left == 0) {
                    EXPECT_EQ(resized.left, box.left);
                }
                if (drag.top == 0) {
                    EXPECT_EQ(resized.top, box.top);
                }
                if (drag.right == 0) {
                    EXPECT_EQ(resized.left + resized.width, box.left + box.width);
                }
                if (drag.bottom == 0) {
                    EXPECT_EQ(resized.top + resized.height, box.top + box.height);
                }
            }
        }
    }
}

} // namespace
} // namespace vemo
