#include <gtest/gtest.h>

#include "core/ViewPlacement.h"

namespace vemo {
namespace {

TEST(ViewPlacement, TheViewKeepsTheMainWindowInSightWhereTheScreenAllows)
{
    const Box screen{0, 0, 1280, 1024};
    const Box mainAtOrigin{0, 0, 530, 370};
    struct Case { const char *what; Box main; int width, height; Box placed; };
    const Case cases[] = {
        {"small, centred clear of it", mainAtOrigin, 336, 238, {472, 393, 336, 238}},
        {"fits whole beside it, top edges lined up", mainAtOrigin, 700, 900, {530, 0, 700, 900}},
        {"too large: the side keeping the largest area", mainAtOrigin, 4016, 3051, {0, 370, 1280, 654}},
        {"no room to its right: to its left", {750, 100, 530, 370}, 700, 900, {50, 100, 700, 900}},
        {"only its part on the screen counts", {-400, 0, 530, 370}, 4016, 3051, {130, 0, 1150, 1024}},
        {"too little room beside it: its corner stays in sight", {0, 0, 1200, 900}, 4016, 3051,
         {48, 0, 1232, 1024}},
        {"maximised: its corner stays in sight", screen, 4016, 3051, {48, 0, 1232, 1024}},
        {"off the screen: no obstacle", {2000, 0, 530, 370}, 4016, 3051, screen},
        {"no main window", {}, 336, 238, {472, 393, 336, 238}},
    };
    for (const Case &c : cases) {
        const Box placed = PlaceView(screen, c.main, c.width, c.height);
        EXPECT_EQ(placed, c.placed) << c.what << ": " << placed.left << "," << placed.top << " " << placed.width
                                    << "x" << placed.height;
    }
}

} // namespace
} // namespace vemo
