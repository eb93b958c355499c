#pragma once
// Arranging two or more areas against one another: aligning their edges or centres, giving them
// one size, spacing them evenly. Only the COORDS value of a line changes (AreaPlacement.h).
#include <string>
#include <vector>

#include "core/AreaPlacement.h"

namespace vemo {

enum class ArrangeOperation {
    // Edges and centres go to the reference's (the first area given that reads), as the first
    // selected control is the one the others follow in form designers; the reference stays put.
    // Every area moves whole: a circle keeps its radius and a polygon its shape.
    AlignLefts,
    AlignRights,
    AlignTops,
    AlignBottoms,
    AlignHorizontalCentres, // one centre column: the areas stand above one another
    AlignVerticalCentres,   // one centre row: the areas stand side by side
    // The reference's width, height or both, each area keeping its left and top (Resized in
    // AreaPlacement.h): a circle, which stays round, takes the reference's width, height or smaller
    // side as its diameter around its own centre; a polygon is scaled.
    SameWidth,
    SameHeight,
    SameSize,
    // The leftmost and the rightmost (by left edge), or the topmost and the lowest (by top edge),
    // stay; the others move so that the gaps between neighbours are equal. Needs three areas.
    DistributeAcross,
    DistributeDown,
};

// How many areas that read the operation needs to change anything: three to distribute, else two.
int AreasNeeded(ArrangeOperation operation);

// The lines after the operation, in the order given, on a picture of pictureWidth x pictureHeight:
// each area that moves or grows is then shifted as little as needed to lie inside the picture (one
// wider than the picture is put at its left or top). Lines that do not read are left as they were
// and listed; with fewer areas that read than AreasNeeded nothing changes.
RewrittenLines ArrangedAreaLines(const std::vector<std::string> &lines, ArrangeOperation operation, int pictureWidth,
                                 int pictureHeight);

} // namespace vemo
