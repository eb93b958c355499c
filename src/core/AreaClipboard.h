#pragma once
// Area lines through the clipboard: copied as the map's own lines, pasted from any text that
// holds <area> tags (this map's lines, another map's in either style, a page's fragment as the
// page writes them). Pasted tags are read by the page reader (PageMapReader.h), so they are taken
// exactly as Import Map from Page takes them, and written in the map's style. Works on bytes in
// the map's encoding: the caller transcodes the clipboard's text.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/PageMapReader.h"

namespace vemo {

// The selected lines (indexes into mapLines, in any order) that are area lines, in the map's
// order, each followed by CR LF as Copy to Clipboard writes lines. The image line, the map start
// line and the last line are left out: they would be no area in another map.
std::string AreaClipboardText(const std::vector<std::string> &mapLines, const std::vector<int> &selected);

// A line of the pasted text that holds something other than area tags.
struct NotAreaLine {
    int line = 0;      // 1-based line of the pasted text
    std::string text;  // that line, cut as an import note's detail is (kMostNoteDetailBytes)
    bool cut = false;
    friend bool operator==(const NotAreaLine &, const NotAreaLine &) = default;
};

struct PastedAreas {
    int insertAt = 0; // where the lines go in the map, together: NewAreaLineIndex
    std::vector<std::string> lines; // the areas in the text's order, a default area last
    // What the page reader changed or left out of the areas, as for an imported map; pageLine is
    // the line of the pasted text. The first kMostMapNotes, of noteCount in all.
    std::vector<ImportNote> notes;
    std::size_t noteCount = 0;
    // Lines with text, comments or tags other than <area>, <map> and </map>: the first
    // kMostMapNotes, of notAreaCount in all. An <area> on such a line is still taken.
    std::vector<NotAreaLine> notAreas;
    std::size_t notAreaCount = 0;
    bool tooMany = false; // more than kMostMapAreas areas: none is taken
};

// The areas of a pasted text for the map of mapLines, written in its style (StyleOfLines). A map
// keeps one default area: a pasted one is left out, with an ExtraDefault note, when the map has
// one, and otherwise goes last.
PastedAreas PasteAreas(std::string_view text, const std::vector<std::string> &mapLines);

} // namespace vemo
