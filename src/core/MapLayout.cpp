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

} // namespace vemo
