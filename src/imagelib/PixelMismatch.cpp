#include "imagelib/PixelMismatch.h"

#include <algorithm>
#include <utility>

namespace {

// The smallest whole number not below num / den, for den > 0.
std::int64_t CeilingOfQuotient(std::int64_t num, std::int64_t den)
{
    return num >= 0 ? (num + den - 1) / den : -(-num / den);
}

// Each row's crossings as (row, first pixel right of or on the crossing). In a row, a point
// holds when an odd number of crossings lie strictly to its right, so a pixel is held between a
// crossing's first pixel and the next crossing's.
void AddCrossings(const std::vector<vemo::Point> &polygon, std::vector<std::pair<std::int64_t, std::int64_t>> &crossings)
{
    if (polygon.size() < 3)
        return;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const vemo::Point &a = polygon[j], &b = polygon[i];
        if (a.y == b.y)
            continue;
        const std::int64_t run = std::int64_t{b.x} - a.x, rise = std::int64_t{b.y} - a.y;
        // An edge crosses the rows from its lower end up to, not including, its upper end.
        for (std::int64_t y = std::min(a.y, b.y); y < std::max(a.y, b.y); ++y) {
            std::int64_t num = (y - a.y) * run, den = rise;
            if (den < 0) {
                num = -num;
                den = -den;
            }
            crossings.push_back({y, a.x + CeilingOfQuotient(num, den)});
        }
    }
}

} // namespace

std::int64_t PixelMismatch(const std::vector<vemo::Point> &first, const std::vector<vemo::Point> &second)
{
    // The pixels held by just one of the two are those held by an odd number of all crossings
    // of both, taken together: in each row, between the first and second, the third and fourth...
    std::vector<std::pair<std::int64_t, std::int64_t>> crossings;
    AddCrossings(first, crossings);
    AddCrossings(second, crossings);
    std::sort(crossings.begin(), crossings.end());
    std::int64_t mismatch = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
        mismatch += crossings[i + 1].second - crossings[i].second;
    return mismatch;
}
