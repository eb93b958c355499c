#pragma once
// The areas of a map that have a region, read once from its lines and held in line order, with an
// index of their boxes: what the view outlines and what a click on the picture finds. A map may
// hold a hundred thousand areas; every window shares this one reading.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/BoxIndex.h"
#include "core/MapLines.h"

namespace vemo {

class AreaSet {
public:
    AreaSet() = default;
    // Every RECT, CIRCLE or POLY line whose coordinates read; other lines are skipped.
    explicit AreaSet(const std::vector<std::string> &lines);
    // These regions, as though each stood on the line of its position.
    explicit AreaSet(std::vector<AreaRegion> regions);

    std::size_t Size() const { return regions_.size(); }
    const std::vector<AreaRegion> &Regions() const { return regions_; }
    // The index of the line the area at position was read from.
    int Line(std::size_t position) const { return lines_[position]; }
    // The region read from line index, or nothing when that line has none.
    const AreaRegion *OnLine(int line) const;

    // The first area, in line order, that holds the picture pixel (x, y), as a browser takes it.
    std::optional<std::size_t> AreaAt(std::int32_t x, std::int32_t y) const;
    // The areas whose boxes meet area (picture pixels), in line order.
    std::vector<std::size_t> Meeting(const BoxIndex::Bounds &area) const { return index_.Meeting(area); }

private:
    void Index();

    std::vector<int> lines_;
    std::vector<AreaRegion> regions_;
    BoxIndex index_;
};

} // namespace vemo
