#include "core/MapStyle.h"

namespace vemo {

MapStyle StyleOfLines(const std::vector<std::string> &lines)
{
    return !lines.empty() && lines.front().starts_with("<img") ? MapStyle::Html5 : MapStyle::Classic;
}

} // namespace vemo
