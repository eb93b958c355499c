#pragma once
// Boxes filed in a grid, so that those meeting a small area (a repainted band, a pixel under the
// mouse, the corner of another area) are found without looking at every one: a map may hold a
// hundred thousand areas.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace vemo {

class BoxIndex {
public:
    // Inclusive corners, as far out as an area's coordinates and a circle's radius reach (well
    // within 64 bits); a box whose right is left of its left (or bottom above its top) is empty
    // and never found.
    struct Bounds {
        std::int64_t left = 0, top = 0, right = -1, bottom = -1;
    };

    BoxIndex() = default;
    explicit BoxIndex(std::vector<Bounds> boxes);

    // The positions (in the list given) of the boxes that share at least one pixel with area, in
    // ascending order.
    std::vector<std::size_t> Meeting(const Bounds &area) const;

    // The first of the first `before` boxes, in the order given, that holds the pixel (x, y) and
    // passes test; nothing when none does. Boxes are tried in order and no further than the first
    // that passes, so many boxes on the same pixel cost no more than the ones tried.
    std::optional<std::size_t> FirstHolding(std::int64_t x, std::int64_t y, std::size_t before,
                                            const std::function<bool(std::size_t)> &test) const;

private:
    // The cell holding (x, y), as a position in cellStart_; nothing outside the grid.
    std::optional<std::size_t> CellOf(std::int64_t x, std::int64_t y) const;

    std::vector<Bounds> boxes_;
    // Cells are about as large as a typical box, and there are at most so many along each axis.
    std::int64_t originX_ = 0, originY_ = 0, cellWidth_ = 1, cellHeight_ = 1, columns_ = 0, rows_ = 0;
    std::vector<std::uint32_t> cellStart_; // where each cell's boxes begin in filed_, row by row
    std::vector<std::uint32_t> filed_;     // the boxes of each cell, in ascending order
    std::vector<std::size_t> large_;       // boxes over too many cells, tried for every area
};

} // namespace vemo
