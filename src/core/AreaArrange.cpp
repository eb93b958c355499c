#include "core/AreaArrange.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace vemo {

namespace {

struct ReadArea {
    std::size_t position = 0; // in the lines given
    PlacedArea area;
    Extent extent;
};

// Floor of a / b for b > 0, also for a negative a.
std::int64_t FloorDivide(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b != 0 && a < 0 ? 1 : 0);
}

// Twice the centre column and row of an extent, so that a centre between two pixels stays exact.
std::int64_t DoubleCentre(std::int64_t low, std::int64_t high)
{
    return low + high - 1;
}

// Where each area's extent starts along one axis after distributing: the first and last (by start)
// stay, the gaps between neighbours become equal, a remainder going to the later gaps.
void Distribute(std::vector<ReadArea> &areas, bool across)
{
    const auto low = [across](const Extent &e) { return across ? e.left : e.top; };
    const auto size = [across](const Extent &e) { return across ? e.Width() : e.Height(); };
    std::vector<ReadArea *> order;
    for (ReadArea &area : areas)
        order.push_back(&area);
    std::stable_sort(order.begin(), order.end(),
                     [&low](const ReadArea *a, const ReadArea *b) { return low(a->extent) < low(b->extent); });
    const Extent &first = order.front()->extent, &last = order.back()->extent;
    const std::int64_t sizes = std::accumulate(order.begin(), order.end(), std::int64_t{0},
                                               [&size](std::int64_t sum, const ReadArea *a) { return sum + size(a->extent); });
    const std::int64_t gaps = low(last) + size(last) - low(first) - sizes;
    const auto gapCount = static_cast<std::int64_t>(order.size() - 1);
    std::int64_t start = low(first);
    for (std::size_t i = 1; i + 1 < order.size(); ++i) {
        start += size(order[i - 1]->extent);
        const auto index = static_cast<std::int64_t>(i);
        const std::int64_t target = start + FloorDivide(gaps * index, gapCount);
        const std::int64_t step = target - low(order[i]->extent);
        order[i]->area = Translated(order[i]->area, across ? step : 0, across ? 0 : step);
    }
}

PlacedArea Aligned(const PlacedArea &area, const Extent &own, const Extent &reference, ArrangeOperation operation)
{
    std::int64_t dx = 0, dy = 0;
    switch (operation) {
    case ArrangeOperation::AlignLefts: dx = reference.left - own.left; break;
    case ArrangeOperation::AlignRights: dx = reference.right - own.right; break;
    case ArrangeOperation::AlignTops: dy = reference.top - own.top; break;
    case ArrangeOperation::AlignBottoms: dy = reference.bottom - own.bottom; break;
    case ArrangeOperation::AlignHorizontalCentres:
        dx = FloorDivide(DoubleCentre(reference.left, reference.right) - DoubleCentre(own.left, own.right), 2);
        break;
    case ArrangeOperation::AlignVerticalCentres:
        dy = FloorDivide(DoubleCentre(reference.top, reference.bottom) - DoubleCentre(own.top, own.bottom), 2);
        break;
    default: break;
    }
    return Translated(area, dx, dy);
}

PlacedArea SizedLike(const PlacedArea &area, const Extent &own, const Extent &reference, ArrangeOperation operation)
{
    const bool width = operation != ArrangeOperation::SameHeight;
    const bool height = operation != ArrangeOperation::SameWidth;
    if (area.kind == AreaKind::Circle) {
        // A round area has one size: the side asked for, or the smaller of both.
        const std::int64_t side = width && height ? std::min(reference.Width(), reference.Height())
                                  : width        ? reference.Width()
                                                 : reference.Height();
        return Resized(area, side, side);
    }
    return Resized(area, width ? reference.Width() : own.Width(), height ? reference.Height() : own.Height());
}

} // namespace

int AreasNeeded(ArrangeOperation operation)
{
    return operation == ArrangeOperation::DistributeAcross || operation == ArrangeOperation::DistributeDown ? 3 : 2;
}

RewrittenLines ArrangedAreaLines(const std::vector<std::string> &lines, ArrangeOperation operation, int pictureWidth,
                                 int pictureHeight)
{
    RewrittenLines result{lines, {}};
    std::vector<ReadArea> areas;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (std::optional<PlacedArea> area = ReadPlacedArea(lines[i])) {
            const Extent extent = ExtentOf(*area);
            areas.push_back({i, std::move(*area), extent});
        } else {
            result.unread.push_back(i);
        }
    }
    if (areas.size() < static_cast<std::size_t>(AreasNeeded(operation)))
        return result;

    const Extent reference = areas.front().extent;
    if (operation == ArrangeOperation::DistributeAcross || operation == ArrangeOperation::DistributeDown) {
        Distribute(areas, operation == ArrangeOperation::DistributeAcross);
    } else {
        const bool sizing = operation == ArrangeOperation::SameWidth || operation == ArrangeOperation::SameHeight ||
                            operation == ArrangeOperation::SameSize;
        for (ReadArea &read : areas) {
            read.area = sizing ? SizedLike(read.area, read.extent, reference, operation)
                               : Aligned(read.area, read.extent, reference, operation);
        }
    }

    for (ReadArea &read : areas) {
        const Extent now = ExtentOf(read.area);
        if (now == read.extent)
            continue; // an area that did not change keeps its line, also where it lies outside
        read.area = Translated(read.area, ShiftInside(now.left, now.right, pictureWidth),
                               ShiftInside(now.top, now.bottom, pictureHeight));
        if (std::optional<std::string> line = LineWithPlacement(lines[read.position], read.area))
            result.lines[read.position] = std::move(*line);
        else
            result.unread.push_back(read.position);
    }
    std::sort(result.unread.begin(), result.unread.end());
    return result;
}

} // namespace vemo
