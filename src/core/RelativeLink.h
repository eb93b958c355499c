#pragma once
// The link from a picture's page to a chosen file, relative to the picture's folder.
#include <string>

#include "core/PathRules.h"

namespace vemo {

// The target's path as seen from the folder of base: the leading folder segments the two
// share (compared byte for byte, case-sensitively) are dropped, every folder level left in
// base's folder becomes "../", and the rest of the target's folder follows with "/" between
// its names, then the target's file name. Built even when the two share nothing.
std::string MakeRelativeLink(const std::string &target, const std::string &base, PathStyle style);

} // namespace vemo
