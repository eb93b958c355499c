#pragma once
// File chooser filters written as "Name|*.A;*.B|Name2|*.C" turned into the "Name (*.a *.A)" form
// of Qt's file dialogs. Each pattern is offered in lower and upper case, so the filter matches
// on file systems that tell case apart.
#include <string>
#include <vector>

namespace vemo {

std::vector<std::string> ToDialogFilters(const std::string &filter);

} // namespace vemo
