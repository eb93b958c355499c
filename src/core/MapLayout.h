#pragma once
// Where the lines of a map stand: the image line first, then the map start line, the area
// lines, and the map end line last. A damaged side file may hold fewer lines; the same rules
// then apply to what is there.
namespace vemo {

// Lines 0 and 1 and the last line hold the map together; they are never deleted.
// An index outside the list is protected too: there is nothing to delete.
bool IsProtectedLine(int index, int count);

// Where a new area line goes: before the last line, or at the start of an empty list.
int NewAreaLineIndex(int count);

} // namespace vemo
