#pragma once
// The image maps of an existing HTML page, taken into the editor's own lines: each <area> of a
// <map> becomes one line of MapLines.h, and whatever those lines cannot hold as the page had it is
// told in a note, so that nothing is lost without the user hearing of it. Works on the page's
// bytes (UTF-8 or Shift-JIS alike) and copies values byte for byte; the caller transcodes lines.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vemo {

enum class ImportNoteKind {
    // An attribute an area line cannot hold (title, target, on..., id, class, style, nohref, ...)
    // was left out. detail: its name as written, A to Z lower-cased.
    DroppedAttribute,
    // The area has no href: it is written with HREF="", which links to the page itself.
    MissingHref,
    // A coordinate was given in percent; the number is kept without the '%'. detail: the coords.
    PercentCoordinates,
    // A coordinate had a fraction other than zero; it is cut towards zero (10.7 is 10, -0.5 is 0).
    // detail: the coords.
    FractionalCoordinates,
    // The coordinates make no area of this shape: a wrong count (a rectangle takes 4, a circle 3,
    // a polygon an even count of at least 6), a text that is no number, or none at all. They are
    // kept as written, commas between, for the user to mend. detail: the coords as written.
    MalformedCoordinates,
    // A shape name that is none of rect, rectangle, circ, circle, poly, polygon, default (in any
    // case, white space around it aside): the area is taken as a rectangle, as browsers take it.
    // detail: the name as written.
    UnknownShape,
    // A second (third, ...) default area of one map was left out: a map holds at most one.
    ExtraDefault,
    // The default area was followed by other areas: it is moved to the end, where the editor keeps
    // it. The note's line is the default area's.
    DefaultMovedLast,
};

struct ImportNote {
    int pageLine = 0; // 1-based line of the page where the area's tag starts
    ImportNoteKind kind = ImportNoteKind::DroppedAttribute;
    std::string detail; // as told above for each kind; empty for the others
    friend bool operator==(const ImportNote &, const ImportNote &) = default;
};

// Every value below is the page's bytes made fit for a line by AttributeFromTyped: a double quote
// becomes "&quot;", a line break or NUL a space; character references stay as written.
struct PageMap {
    std::string name;               // the map's name attribute, or its id when the name is missing or empty
    int pageLine = 0;               // 1-based line where <map> starts
    std::vector<std::string> lines; // the area lines in page order; the one default area last
    std::vector<ImportNote> notes;  // in page order; an area's own in the order shape, coordinates,
                                    // href, dropped attributes
};

// An <img> with a usemap attribute, anywhere in the page.
struct PageImage {
    std::string src;
    std::string usemap; // as written, "#name" in a sound page
    int pageLine = 0;
};

struct PageMaps {
    std::vector<PageMap> maps; // in page order
    std::vector<PageImage> images;
};

// Reads every <map> of the page with its <area> tags. Tag and attribute names are read in any
// case and attributes in any order; of a repeated attribute the first counts, as in browsers.
// Values may be in double quotes, single quotes or none. A missing or empty shape is a rectangle.
// Coordinates may be separated by commas, white space or both; a default area's are ignored.
// Comments and the text of script and style are passed over. A map without </map> ends at the
// next <map> or the page's end; an area outside any map is no area. A page ending inside a tag or
// comment ends the reading there. Every area of a map gives a line except a second default area,
// and each change is a note. Time grows in step with the page's size.
PageMaps ReadPageMaps(std::string_view page);

// The map that the page's images use for a picture of this file name (anything up to a last '/'
// is passed over). An image counts when its src, up to a '?' or '#', ends in that file name,
// right after a '/' or '\' or as the whole src, ASCII case-insensitive; the name is matched at
// the end rather than cut at the last '\' because a Shift-JIS character's second byte can be '\'.
// Its usemap names the map after the '#': the first map of exactly that name, else the first of
// that name in ASCII case-insensitive comparison. Images whose map is not in the page are passed
// over. Nothing when no image counts, when those that count use different maps, or when none of
// their maps is in the page.
std::optional<std::size_t> MapForPicture(const PageMaps &page, std::string_view pictureFileName);

} // namespace vemo
