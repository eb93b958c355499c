#include "core/BoxIndex.h"

#include <algorithm>

namespace vemo {

namespace {

// A box over more cells than this is kept apart, so a few huge boxes cannot blow the grid up.
constexpr std::int64_t kMostCellsPerBox = 64;
// Boxes scattered far apart make cells larger rather than the grid ever larger.
constexpr std::int64_t kMostCellsAcross = 1024;

bool IsEmpty(const BoxIndex::Bounds &box)
{
    return box.right < box.left || box.bottom < box.top;
}

bool Meet(const BoxIndex::Bounds &a, const BoxIndex::Bounds &b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

std::int64_t Median(std::vector<std::int64_t> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

BoxIndex::BoxIndex(std::vector<Bounds> boxes) : boxes_(std::move(boxes))
{
    std::vector<std::int64_t> widths, heights;
    Bounds extent{};
    for (const Bounds &box : boxes_) {
        if (IsEmpty(box))
            continue;
        widths.push_back(box.right - box.left + 1);
        heights.push_back(box.bottom - box.top + 1);
        extent = widths.size() == 1 ? box
                                    : Bounds{std::min(extent.left, box.left), std::min(extent.top, box.top),
                                             std::max(extent.right, box.right), std::max(extent.bottom, box.bottom)};
    }
    if (widths.empty())
        return;
    cellWidth_ = std::max(Median(widths), (extent.right - extent.left) / kMostCellsAcross + 1);
    cellHeight_ = std::max(Median(heights), (extent.bottom - extent.top) / kMostCellsAcross + 1);
    originX_ = extent.left;
    originY_ = extent.top;
    const auto cellOf = [](std::int64_t at, std::int64_t origin, std::int64_t cell) { return (at - origin) / cell; };
    columns_ = cellOf(extent.right, originX_, cellWidth_) + 1;
    rows_ = cellOf(extent.bottom, originY_, cellHeight_) + 1;

    // Counted first, then filed, so that each cell's boxes lie together in ascending order.
    std::vector<std::uint32_t> counts(static_cast<std::size_t>(columns_ * rows_) + 1, 0);
    const auto forEachCell = [&](const Bounds &box, auto action) {
        const std::int64_t column0 = cellOf(box.left, originX_, cellWidth_), column1 = cellOf(box.right, originX_, cellWidth_);
        const std::int64_t row0 = cellOf(box.top, originY_, cellHeight_), row1 = cellOf(box.bottom, originY_, cellHeight_);
        for (std::int64_t row = row0; row <= row1; ++row) {
            for (std::int64_t column = column0; column <= column1; ++column)
                action(static_cast<std::size_t>(row * columns_ + column));
        }
    };
    const auto isLarge = [&](const Bounds &box) {
        const std::int64_t columns = cellOf(box.right, originX_, cellWidth_) - cellOf(box.left, originX_, cellWidth_) + 1;
        const std::int64_t rows = cellOf(box.bottom, originY_, cellHeight_) - cellOf(box.top, originY_, cellHeight_) + 1;
        return columns > kMostCellsPerBox / rows;
    };
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        const Bounds &box = boxes_[index];
        if (IsEmpty(box))
            continue;
        if (isLarge(box))
            large_.push_back(index);
        else
            forEachCell(box, [&](std::size_t cell) { ++counts[cell + 1]; });
    }
    for (std::size_t cell = 1; cell < counts.size(); ++cell)
        counts[cell] += counts[cell - 1];
    cellStart_ = counts;
    filed_.resize(counts.back());
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        const Bounds &box = boxes_[index];
        if (!IsEmpty(box) && !isLarge(box))
            forEachCell(box, [&](std::size_t cell) { filed_[counts[cell]++] = static_cast<std::uint32_t>(index); });
    }
}

std::vector<std::size_t> BoxIndex::Meeting(const Bounds &area) const
{
    std::vector<std::size_t> found;
    if (IsEmpty(area))
        return found;
    for (const std::size_t index : large_) {
        if (Meet(boxes_[index], area))
            found.push_back(index);
    }
    if (columns_ > 0) {
        const auto cellOf = [](std::int64_t at, std::int64_t origin, std::int64_t cell, std::int64_t count) {
            if (at < origin)
                return std::int64_t{-1};
            return std::min((at - origin) / cell, count);
        };
        const std::int64_t column0 = std::max<std::int64_t>(0, cellOf(area.left, originX_, cellWidth_, columns_));
        const std::int64_t column1 = std::min(columns_ - 1, cellOf(area.right, originX_, cellWidth_, columns_));
        const std::int64_t row0 = std::max<std::int64_t>(0, cellOf(area.top, originY_, cellHeight_, rows_));
        const std::int64_t row1 = std::min(rows_ - 1, cellOf(area.bottom, originY_, cellHeight_, rows_));
        for (std::int64_t row = row0; row <= row1; ++row) {
            const std::size_t first = static_cast<std::size_t>(row * columns_);
            for (std::size_t at = cellStart_[first + column0]; at < cellStart_[first + column1 + 1]; ++at) {
                if (Meet(boxes_[filed_[at]], area))
                    found.push_back(filed_[at]);
            }
        }
    }
    // A box over several cells is found in each of them.
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

std::optional<std::size_t> BoxIndex::CellOf(std::int64_t x, std::int64_t y) const
{
    if (columns_ == 0 || x < originX_ || y < originY_)
        return std::nullopt;
    const std::int64_t column = (x - originX_) / cellWidth_, row = (y - originY_) / cellHeight_;
    if (column >= columns_ || row >= rows_)
        return std::nullopt;
    return static_cast<std::size_t>(row * columns_ + column);
}

std::optional<std::size_t> BoxIndex::FirstHolding(std::int64_t x, std::int64_t y, std::size_t before,
                                                  const std::function<bool(std::size_t)> &test) const
{
    // The cell's boxes and the large ones, each in ascending order, taken in turn by the smaller.
    const std::optional<std::size_t> cell = CellOf(x, y);
    std::size_t inCell = cell ? cellStart_[*cell] : 0;
    const std::size_t cellEnd = cell ? cellStart_[*cell + 1] : 0;
    std::size_t inLarge = 0;
    const Bounds pixel{x, y, x, y};
    while (true) {
        const std::size_t fromCell = inCell < cellEnd ? filed_[inCell] : boxes_.size();
        const std::size_t fromLarge = inLarge < large_.size() ? large_[inLarge] : boxes_.size();
        const std::size_t index = std::min(fromCell, fromLarge);
        if (index >= std::min(before, boxes_.size()))
            return std::nullopt;
        (index == fromCell ? inCell : inLarge)++;
        if (Meet(boxes_[index], pixel) && test(index))
            return index;
    }
}

} // namespace vemo
