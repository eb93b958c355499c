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

} // namespace
} // namespace vemo
