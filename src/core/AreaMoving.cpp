#include "core/AreaMoving.h"

#include "core/MapLayout.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace vemo {

namespace {

// The duplicate's step along one axis for the range [low, high) on a picture of limit pixels.
std::int64_t DuplicateStep(std::int64_t low, std::int64_t high, std::int64_t limit)
{
    const std::int64_t forward = StepInside(low, high, kDuplicateOffset, limit);
    if (forward == kDuplicateOffset)
        return forward;
    const std::int64_t back = StepInside(low, high, -kDuplicateOffset, limit);
    return std::abs(back) > forward ? back : forward;
}

} // namespace

RewrittenLines MovedAreaLines(const std::vector<std::string> &lines, int dx, int dy, int pictureWidth,
                              int pictureHeight)
{
    RewrittenLines result{lines, {}};
    std::vector<std::pair<std::size_t, PlacedArea>> areas;
    std::optional<Extent> group;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::optional<PlacedArea> area = ReadPlacedArea(lines[i]);
        if (!area) {
            result.unread.push_back(i);
            continue;
        }
        const Extent extent = ExtentOf(*area);
        group = group ? Extent{std::min(group->left, extent.left), std::min(group->top, extent.top),
                               std::max(group->right, extent.right), std::max(group->bottom, extent.bottom)}
                      : extent;
        areas.emplace_back(i, std::move(*area));
    }
    if (!group)
        return result;
    const std::int64_t stepX = StepInside(group->left, group->right, dx, pictureWidth);
    const std::int64_t stepY = StepInside(group->top, group->bottom, dy, pictureHeight);
    if (stepX == 0 && stepY == 0)
        return result;
    for (const auto &[position, area] : areas) {
        if (std::optional<std::string> line = LineWithPlacement(lines[position], Translated(area, stepX, stepY)))
            result.lines[position] = std::move(*line);
        else
            result.unread.push_back(position);
    }
    std::sort(result.unread.begin(), result.unread.end());
    return result;
}

DuplicatedAreas DuplicateAreas(const std::vector<std::string> &mapLines, const std::vector<int> &selected,
                               int pictureWidth, int pictureHeight)
{
    std::vector<int> ordered = selected;
    std::sort(ordered.begin(), ordered.end());
    ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
    const int count = static_cast<int>(mapLines.size());
    DuplicatedAreas result;
    for (const int index : ordered) {
        std::optional<PlacedArea> area;
        if (!IsProtectedLine(index, count))
            area = ReadPlacedArea(mapLines[static_cast<std::size_t>(index)]);
        std::optional<std::string> copy;
        if (area) {
            const Extent extent = ExtentOf(*area);
            copy = LineWithPlacement(mapLines[static_cast<std::size_t>(index)],
                                     Translated(*area, DuplicateStep(extent.left, extent.right, pictureWidth),
                                                DuplicateStep(extent.top, extent.bottom, pictureHeight)));
        }
        if (!copy) {
            result.notCopied.push_back(index);
            continue;
        }
        const int copiesBefore = static_cast<int>(result.insertions.size());
        result.insertions.push_back({index + 1 + copiesBefore, std::move(*copy)});
    }
    return result;
}

} // namespace vemo
