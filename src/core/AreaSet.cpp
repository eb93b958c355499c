#include "core/AreaSet.h"

#include <algorithm>

namespace vemo {

AreaSet::AreaSet(const std::vector<std::string> &lines)
{
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (std::optional<AreaRegion> region = ReadAreaRegion(lines[index])) {
            lines_.push_back(static_cast<int>(index));
            regions_.push_back(std::move(*region));
        }
    }
    Index();
}

AreaSet::AreaSet(std::vector<AreaRegion> regions) : regions_(std::move(regions))
{
    for (std::size_t index = 0; index < regions_.size(); ++index)
        lines_.push_back(static_cast<int>(index));
    Index();
}

void AreaSet::Index()
{
    std::vector<BoxIndex::Bounds> boxes;
    boxes.reserve(regions_.size());
    for (const AreaRegion &region : regions_) {
        const Box &box = region.box;
        boxes.push_back({box.left, box.top, std::int64_t{box.left} + box.width - 1, std::int64_t{box.top} + box.height - 1});
    }
    index_ = BoxIndex(std::move(boxes));
}

const AreaRegion *AreaSet::OnLine(int line) const
{
    const auto found = std::lower_bound(lines_.begin(), lines_.end(), line);
    if (found == lines_.end() || *found != line)
        return nullptr;
    return &regions_[static_cast<std::size_t>(found - lines_.begin())];
}

std::optional<std::size_t> AreaSet::AreaAt(std::int32_t x, std::int32_t y) const
{
    return index_.FirstHolding(x, y, regions_.size(),
                               [&](std::size_t position) { return RegionHoldsPixel(regions_[position], x, y); });
}

} // namespace vemo
