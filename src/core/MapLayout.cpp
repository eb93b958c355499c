#include "core/MapLayout.h"

namespace vemo {

bool IsProtectedLine(int index, int count)
{
    return index <= 1 || index >= count - 1;
}

int NewAreaLineIndex(int count)
{
    return count > 0 ? count - 1 : 0;
}

int MovedLineIndex(int index, int step, int count)
{
    const int target = index + step;
    return IsProtectedLine(index, count) || IsProtectedLine(target, count) ? -1 : target;
}

} // namespace vemo
