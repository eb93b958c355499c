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

// Where the line at index goes when it moves one line up (step -1) or down (+1) among the
// lines that may be deleted; -1 when it cannot move that way. The browser takes the first
// area that holds a point, so the order of the area lines matters.
int MovedLineIndex(int index, int step, int count);

} // namespace vemo
