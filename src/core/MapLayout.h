#pragma once
// Where the lines of a map stand: the image line first, then the map start line, the area
// lines, and the map end line last. A default area, which takes the clicks no other area takes,
// is kept as the last area line. A damaged side file may hold fewer lines; the same rules then
// apply to what is there.
#include <string>
#include <vector>

namespace vemo {

// Lines 0 and 1 and the last line hold the map together; they are never deleted.
// An index outside the list is protected too: there is nothing to delete.
bool IsProtectedLine(int index, int count);

// The index of the map's default area when it is the last area line; -1 when it has none there.
int LastDefaultAreaIndex(const std::vector<std::string> &lines);

// Where a new area line goes: before the last line, or before a default area that stands there;
// at the start of an empty list.
int NewAreaLineIndex(const std::vector<std::string> &lines);

// Where the line at index goes when it moves one line up (step -1) or down (+1) among the
// lines that may be deleted; -1 when it cannot move that way. The browser takes the first
// area that holds a point, so the order of the area lines matters. A default area that is last
// stays last, and no line moves past it.
int MovedLineIndex(int index, int step, const std::vector<std::string> &lines);

} // namespace vemo
