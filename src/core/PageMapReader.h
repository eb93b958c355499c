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

#include "core/MapStyle.h"

namespace vemo {

enum class ImportNoteKind {
    // An attribute an area line cannot hold (on..., id, class, style, nohref, ...)
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
    // The tag had more attributes than a tag keeps (kMostTagAttributes): the rest were not read,
    // whatever they were. detail: how many, in digits.
    AttributesLeftOut,
};

// A note's detail holds at most this many bytes of the page's text; a longer text is cut on a
// character boundary and the note says so, for the report to show a line, not a whole page.
constexpr std::size_t kMostNoteDetailBytes = 200;

// How many bytes of text a note keeps: all of a short text, else the most whole characters that
// fit in kMostNoteDetailBytes. A Shift-JIS second byte can look like any ASCII letter, so its
// characters are counted from the start; a UTF-8 text only needs its continuation bytes passed.
std::size_t NoteDetailLength(std::string_view text, bool utf8);

// The most notes a map keeps; noteCount tells how many there were in all.
constexpr std::size_t kMostMapNotes = 1000;

// The most areas a map may have to be imported: past it a map is counted, not read, and the
// editor refuses it (its list and view are not made for millions of lines).
constexpr std::size_t kMostMapAreas = 250000;

struct ImportNote {
    int pageLine = 0; // 1-based line of the page where the area's tag starts
    ImportNoteKind kind = ImportNoteKind::DroppedAttribute;
    std::string detail;       // as told above for each kind; empty for the others
    bool detailCut = false;   // the text was longer than kMostNoteDetailBytes and detail is its start
    friend bool operator==(const ImportNote &, const ImportNote &) = default;
};

// Every value below is the page's bytes made fit for a line by AttributeFromTyped in the lines'
// style: a double quote becomes "&quot;", a line break or NUL a space, in HTML5 a bare '&' "&amp;";
// character references stay as written.
struct PageMap {
    std::string name;               // the map's name attribute, or its id when the name is missing or empty
    int pageLine = 0;               // 1-based line where <map> starts
    std::vector<std::string> lines; // the area lines in page order; the one default area last
    std::vector<ImportNote> notes;  // in page order, the first kMostMapNotes; an area's own in the
                                    // order shape, coordinates, href, dropped attributes
    std::size_t noteCount = 0;      // every note, also those past kMostMapNotes
    // Every line the map's areas give. Past kMostMapAreas no more lines or notes are made: the map
    // is then TooLarge() and its lines and notes are empty, as they are for a map not read.
    std::size_t areaCount = 0;

    bool TooLarge() const { return areaCount > kMostMapAreas; }
};

// An <img> with a usemap attribute, anywhere in the page.
struct PageImage {
    std::string src;
    std::string usemap; // as written, "#name" in a sound page
    int pageLine = 0;
    std::string alt;
};

// The most maps, and the most images with a usemap, of a page that are kept: a page of nothing but
// <map> or <img usemap> tags would otherwise take some ten to twenty times its size.
constexpr std::size_t kMostPageMaps = 10000;

struct PageMaps {
    std::vector<PageMap> maps;     // in page order, the first kMostPageMaps
    std::vector<PageImage> images; // in page order, the first kMostPageMaps
    bool tooManyMaps = false;      // the page has more maps, or more such images, than kMostPageMaps
};

// For ReadPageMaps: make the lines of every map, or of none (names, places and counts only).
constexpr std::size_t kEveryMap = static_cast<std::size_t>(-1);
constexpr std::size_t kNoMap = kEveryMap - 1;

// Reads every <map> of the page with its <area> tags. Tag and attribute names are read in any
// case and attributes in any order; of a repeated attribute the first counts, as in browsers.
// Values may be in double quotes, single quotes or none. A missing or empty shape is a rectangle.
// Coordinates may be separated by commas, white space or both; a default area's are ignored.
// Comments and the text of script and style are passed over. A map without </map> ends at the
// next <map> or the page's end; an area outside any map is no area. A page ending inside a tag or
// comment ends the reading there. Every area of a map gives a line except a second default area,
// and each change is a note. Time grows in step with the page's size; so does memory, with no
// more than kMostMapAreas lines and their notes for a map. Details are cut on a character
// boundary of UTF-8 when the page is valid UTF-8, else of Shift-JIS. Lines and notes are made for
// the map at the place mapToRead in the page's maps, or all of them, or none: a caller that takes
// one map reads the page twice rather than hold the lines of every map at once. The lines keep
// each area's href, alt, title and target, and are written in style.
PageMaps ReadPageMaps(std::string_view page, std::size_t mapToRead = kEveryMap, MapStyle style = MapStyle::Classic);

// The map that the page's images use for a picture of this file name (anything up to a last '/'
// is passed over). An image counts when its src, up to a '?' or '#', ends in that file name,
// right after a '/' or '\' or as the whole src, ASCII case-insensitive; the name is matched at
// the end rather than cut at the last '\' because a Shift-JIS character's second byte can be '\'.
// Its usemap names the map after the '#': the first map of exactly that name, else the first of
// that name in ASCII case-insensitive comparison. Images whose map is not in the page are passed
// over. Nothing when no image counts, when those that count use different maps, or when none of
// their maps is in the page.
std::optional<std::size_t> MapForPicture(const PageMaps &page, std::string_view pictureFileName);

// Whether an image's src names the picture of this file name, as MapForPicture matches them.
bool SourceNamesPicture(std::string_view src, std::string_view pictureFileName);

} // namespace vemo
