#include "imagelib/RegionOutline.h"

#include "imagelib/ColourRegion.h"

#include <algorithm>
#include <utility>

namespace {

// Right, down, left, up: each turn to the right is the next one.
constexpr int kStepX[4] = {1, 0, -1, 0};
constexpr int kStepY[4] = {0, 1, 0, -1};

// The pixels ahead of corner (x, y) when arriving heading d: the one on the left hand and the one
// on the right hand (y grows downwards).
std::pair<vemo::Point, vemo::Point> PixelsAhead(int x, int y, int d)
{
    switch (d) {
    case 0:
        return {{x, y - 1}, {x, y}};
    case 1:
        return {{x, y}, {x - 1, y}};
    case 2:
        return {{x - 1, y}, {x - 1, y - 1}};
    default:
        return {{x - 1, y - 1}, {x, y - 1}};
    }
}

// Follows the edge with the region on the right hand, turning right where the pixel ahead on the
// right is outside and left where both ahead are inside; a pixel met only at a corner counts as
// outside, so the outline is that of the part joined side by side to its start.
std::vector<vemo::Point> FollowEdge(const ColourRegion &region)
{
    const QRect bounds = region.Bounds();
    int startX = bounds.left();
    while (!region.Holds(startX, bounds.top()))
        ++startX;
    // The top-left pixel of the region has its top edge on the outer outline, heading right.
    const int startY = bounds.top();
    std::vector<vemo::Point> turns;
    int x = startX, y = startY, d = 0;
    do {
        x += kStepX[d];
        y += kStepY[d];
        const auto [left, right] = PixelsAhead(x, y, d);
        int next = d;
        if (!region.Holds(right.x, right.y))
            next = (d + 1) % 4;
        else if (region.Holds(left.x, left.y))
            next = (d + 3) % 4;
        if (next != d)
            turns.push_back({x, y});
        d = next;
    } while (x != startX || y != startY || d != 0);
    // The start is a turn (from up to right) and was recorded on arrival; the list begins there.
    std::rotate(turns.begin(), turns.end() - 1, turns.end());
    return turns;
}

} // namespace

std::vector<vemo::Point> RegionOutline(ColourRegion &region)
{
    for (;;) {
        std::vector<vemo::Point> turns = FollowEdge(region);
        std::vector<vemo::Point> sorted = turns;
        std::sort(sorted.begin(), sorted.end(), [](const vemo::Point &a, const vemo::Point &b) {
            return a.y != b.y ? a.y < b.y : a.x < b.x;
        });
        bool joined = false;
        for (std::size_t i = 1; i < sorted.size(); ++i) {
            if (!(sorted[i] == sorted[i - 1]))
                continue;
            // A corner passed twice has the region on one diagonal and not the other: take the
            // nearer-coloured of the other two pixels. Every round takes pixels of the picture
            // into the region, so the rounds end.
            const int x = sorted[i].x, y = sorted[i].y;
            const bool falling = region.Holds(x - 1, y - 1);
            const vemo::Point first = falling ? vemo::Point{x, y - 1} : vemo::Point{x - 1, y - 1};
            const vemo::Point second = falling ? vemo::Point{x - 1, y} : vemo::Point{x, y};
            const vemo::Point taken = region.Distance(first.x, first.y) <= region.Distance(second.x, second.y) ? first : second;
            if (!region.Holds(taken.x, taken.y)) {
                region.Add(taken.x, taken.y);
                joined = true;
            }
        }
        if (!joined)
            return turns;
    }
}
