#include "core/MapLayout.h"

#include "core/MapLines.h"

namespace vemo {

bool IsProtectedLine(int index, int count)
{
    return index <= 1 || index >= count - 1;
}

int LastDefaultAreaIndex(const std::vector<std::string> &lines)
{
    const int index = static_cast<int>(lines.size()) - 2;
    return index >= 2 && GetAreaKind(lines[static_cast<std::size_t>(index)]) == AreaKind::Default ? index : -1;
}

int NewAreaLineIndex(const std::vector<std::string> &lines)
{
    const int count = static_cast<int>(lines.size());
    const int defaultArea = LastDefaultAreaIndex(lines);
    return defaultArea >= 0 ? defaultArea : count > 0 ? count - 1 : 0;
}

int MovedLineIndex(int index, int step, const std::vector<std::string> &lines)
{
    const int count = static_cast<int>(lines.size());
    const int target = index + step;
    const int defaultArea = LastDefaultAreaIndex(lines);
    if (IsProtectedLine(index, count) || IsProtectedLine(target, count) || index == defaultArea || target == defaultArea)
        return -1;
    return target;
}

} // namespace vemo
