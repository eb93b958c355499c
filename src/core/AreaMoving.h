#pragma once
// Moving several areas together and duplicating them. Only the COORDS value of a line changes
// (AreaPlacement.h).
#include <string>
#include <vector>

#include "core/AreaPlacement.h"

namespace vemo {

// The areas moved together by (dx, dy) picture pixels on a picture of pictureWidth x
// pictureHeight. The step is cut for the group as one, at the first edge its combined extent
// meets, so that the areas keep their places against one another: a user moving a laid-out group
// expects the layout to survive, which clamping each area by itself would squeeze at the edge. A
// group already past an edge is never taken further past it. Lines that do not read stay as they
// were, are listed, and do not hold the others back.
RewrittenLines MovedAreaLines(const std::vector<std::string> &lines, int dx, int dy, int pictureWidth,
                              int pictureHeight);

// How far a duplicate lies from its original, right and down.
constexpr int kDuplicateOffset = 10;

// A copy of an area line for a map.
struct LineInsertion {
    int index = 0; // where it goes in the map as it stands after the insertions listed before it
    std::string line;
    friend bool operator==(const LineInsertion &, const LineInsertion &) = default;
};

struct DuplicatedAreas {
    std::vector<LineInsertion> insertions; // in the map's order, each copy right after its original
    // Selected lines that give no copy: outside the map, lines that hold the map together, a
    // default area (a map has one), lines whose coordinates do not read.
    std::vector<int> notCopied;
};

// A copy of each selected area line (indexes into mapLines, in any order, each once), placed right
// after its original and offset by kDuplicateOffset to the right and down, or to the left or up
// along an axis where that would leave the picture; an area too large for either keeps the
// larger of the two steps that stay inside (none when it fills that axis).
DuplicatedAreas DuplicateAreas(const std::vector<std::string> &mapLines, const std::vector<int> &selected,
                               int pictureWidth, int pictureHeight);

} // namespace vemo
