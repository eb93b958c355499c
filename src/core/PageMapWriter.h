#pragma once
// The map written back into an HTML page: the page's map of the same name is replaced, or the map
// is put after the page's <img> of the picture, which is given a usemap naming it. Every other byte
// of the page stays as it was. The page is read by the same tag reader as ReadPageMaps, so both
// agree on what a tag, a comment and a script are. Works on bytes: the caller hands the lines in
// the page's encoding.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vemo {

// Why a page is not written.
enum class PageExportRefusal {
    MapNameEmpty,      // a map without a name can be neither found in the page nor used
    MapNameRepeated,   // the page has more than one map of the map's name: which one is meant?
    NoPictureImage,    // no map of that name and no <img> whose src names the picture
    PictureImagesDiffer, // several <img> of the picture with different usemap values
};

enum class PageEditKind {
    MapReplaced,    // the page's map of that name gave way to the map's lines
    MapInserted,    // the map's lines were put after the picture's <img>
    UsemapAdded,    // the <img> was given a usemap attribute
    UsemapReplaced, // the <img>'s usemap value now names the map
    ScriptAdded,    // the responsive script element was put in
};

// One change of the page: the bytes [at, at + removed) of the old page became inserted bytes.
struct PageEdit {
    PageEditKind kind = PageEditKind::MapInserted;
    std::size_t at = 0;
    std::size_t removed = 0;
    std::size_t inserted = 0;
    // 1-based lines of the new page where what was written starts and ends (a line break written
    // before or after it aside), and of the old page where the removed bytes stood (0 when none).
    int firstLine = 0;
    int lastLine = 0;
    int oldFirstLine = 0;
    int oldLastLine = 0;
};

struct PageExport {
    std::optional<PageExportRefusal> refusal; // set: page is empty and no edit was made
    std::string page;
    std::vector<PageEdit> edits; // in page order, never overlapping
};

struct MapForPage {
    // The editor's lines: the image line, the map start line, the area lines and the end line.
    // The map start line through the end line go into the page, one line each; lines after the
    // end line (a side file's blank lines at its end) do not.
    const std::vector<std::string> &lines;
    std::string_view pictureFileName; // anything up to a last '/' is passed over
    std::string_view mapName;         // as between the quotes of the map start line's name
};

// The page with the map in it. A page with exactly one <map> of exactly the map's name (its name,
// or its id when the name is missing or empty, as ReadPageMaps takes it) has that map replaced,
// from its "<map" to the end of its "</map>" (a map left open ends after its last area, or after
// its start tag when it has none). Otherwise the map goes after the <img> whose src names the
// picture (several such images are all given the usemap, the map follows the first, when their
// usemap values agree). The lines are joined with the page's own line break (the first it has: CR
// LF, LF or CR; LF for a page of one line) and each indented as the line it follows. With
// addResponsiveScript, a page that does not hold kResponsiveScriptMark gets ResponsiveScriptElement()
// on a line of its own before its </body>, else at its end.
PageExport ExportMapToPage(std::string_view page, const MapForPage &map, bool addResponsiveScript = false);

// The line break a page uses, as above.
std::string_view PageLineBreak(std::string_view page);

// The value of the attribute of that lower-case name in the tag that starts the text (one of the
// editor's lines), as written between its quotes; nothing when it has none.
std::optional<std::string> AttributeValueOfTag(std::string_view tag, std::string_view lowerName);

// The tag with that attribute's value replaced as in a page (quotes kept, every other byte as it
// was); nothing when the tag has no such attribute. The value must hold no double quote.
std::optional<std::string> WithAttributeValue(std::string_view tag, std::string_view lowerName, std::string_view value);

} // namespace vemo
