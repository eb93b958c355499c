#pragma once
// A check of a map for faults that a browser passes over in silence: areas whose coordinates do
// not read, that cover nothing, that lie off the picture or can never be clicked, links that a
// screen reader cannot name, ALT or TARGET on an area that links nowhere, a map name that no
// USEMAP can point to or that the image's USEMAP does not name, and an image line whose size is
// not the picture's.
//
// A link is an HREF attribute, even an empty one. An area with a link needs an ALT text unless
// another area of the map whose coordinates read (or a default area) links to the same address
// with one; an HREF="" with no ALT text is how a new area waits for its link and is not reported.
//
// The geometry is in picture pixels. A rectangle covers x0..x1 by y0..y1, both ends included, as
// read: x1 < x0 or y1 < y0 covers nothing. A circle covers the pixels closer than r to its centre,
// so its bounding square is x - r + 1 .. x + r - 1 (the box BoxFromCircle gives), and r <= 0
// covers nothing. The picture covers 0..width - 1 by 0..height - 1; a width or height of 0 or less
// covers no pixel.
//
// A later area is hidden behind an earlier one, which takes every click on it first, when it lies
// wholly inside it: a rectangle or circle in a rectangle when its rectangle or bounding square lies
// inside; a rectangle in a circle when the circle covers its four corners; a circle in a circle
// when the distance between the centres plus its radius is at most the earlier radius. A polygon
// counts by its bounds on the picture, lies in a rectangle when its bounds do and in a circle when
// the circle covers every vertex; nothing is taken as hidden behind a polygon.
#include <string>
#include <vector>

namespace vemo {

enum class FindingKind {
    UnreadableCoordinates, // an area line whose coordinates ParseInt32 refuses
    EmptyArea,             // an area that covers no pixel
    TooFewPoints,          // a polygon with fewer than three different points, which covers nothing
    CrossingEdges,         // a polygon whose edges cross or fold back on each other
    OutsidePicture,        // an area that covers no pixel of the picture
    PartlyOutsidePicture,  // an area that covers pixels both on and off the picture
    DuplicateArea,         // the same shape and coordinates as an earlier area
    HiddenArea,            // wholly inside an earlier area; a duplicate is not also reported hidden
    MissingAlt,            // an area with a link but no ALT text, which a screen reader cannot name
    BadMapName,            // the map start line's NAME is empty or holds white space
    ImageSizeMismatch,     // the image line's WIDTH or HEIGHT is not the picture's
    DefaultNotLast,        // a default area followed by another area, which it hides wholly
    AltWithoutLink,        // an area without HREF that has an ALT attribute, which HTML forbids
    TargetWithoutLink,     // an area without HREF that has a TARGET attribute, which HTML forbids
    UsemapMismatch,        // the image line has a USEMAP that is not "#" and the map's NAME, case and all
};

struct Finding {
    int line; // index of the line the finding is about
    FindingKind kind;
    int otherLine = -1; // the earliest such area line, for DuplicateArea and HiddenArea
    friend bool operator==(const Finding &, const Finding &) = default;
};

// Line 0 is checked as the image line and line 1 as the map start line; from line 2 on, every line
// GetAreaKind takes for an area is checked as one and every other line is skipped. Areas that do
// not read or cover nothing take no part in the picture, duplicate and hidden checks. An image
// line without a WIDTH or HEIGHT key is not a mismatch: the browser then uses the picture's size.
// A default area covers the whole picture: it is checked only for being last and for its ALT.
// Findings come in line order, and for one line in the order of FindingKind.
// Areas are compared only with areas near them, so a map of many areas is checked in about
// n log n time.
std::vector<Finding> CheckMap(const std::vector<std::string> &lines, int pictureWidth, int pictureHeight);

// The same findings as CheckMap by comparing every area with every earlier one and every
// polygon edge with every other: the plain reference that CheckMap is tested and measured against.
std::vector<Finding> CheckMapPairwise(const std::vector<std::string> &lines, int pictureWidth, int pictureHeight);

} // namespace vemo
