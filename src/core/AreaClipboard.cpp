#include "core/AreaClipboard.h"

#include "core/HtmlTags.h"
#include "core/MapLayout.h"
#include "core/MapLines.h"
#include "core/MapStyle.h"
#include "core/PathRules.h"
#include "core/TextEncoding.h"

#include <algorithm>
#include <optional>

namespace vemo {

namespace {

// Where each line of a text starts; a line ends at CR, LF or CR LF.
std::vector<std::size_t> LineStarts(std::string_view text)
{
    std::vector<std::size_t> starts{0};
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' || (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n')))
            starts.push_back(at + 1);
    }
    return starts;
}

// The lines of the pasted text that hold something other than area tags, in order, once each.
class NotAreaLines {
public:
    explicit NotAreaLines(std::string_view text) : text_(text), starts_(LineStarts(text)), utf8_(IsValidUtf8(text)) {}

    // Every line on which [from, to) holds more than white space.
    void MarkText(std::size_t from, std::size_t to)
    {
        for (std::size_t at = from; at < to; ++at) {
            if (IsHtmlSpace(text_[at]))
                continue;
            const std::size_t line = LineIndexAt(at);
            Mark(line);
            if (line + 1 >= starts_.size())
                return;
            at = starts_[line + 1] - 1;
        }
    }

    void MarkTag(const HtmlTag &tag) { Mark(LineIndexAt(tag.from)); }

    void MoveInto(PastedAreas &pasted) const
    {
        pasted.notAreas = kept_;
        pasted.notAreaCount = count_;
    }

private:
    std::size_t LineIndexAt(std::size_t at) const
    {
        return static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), at) - starts_.begin()) - 1;
    }

    void Mark(std::size_t line)
    {
        if (lastMarked_ && *lastMarked_ >= line)
            return;
        lastMarked_ = line;
        ++count_;
        if (kept_.size() >= kMostMapNotes)
            return;
        const std::size_t end = line + 1 < starts_.size() ? starts_[line + 1] : text_.size();
        std::string_view shown = text_.substr(starts_[line], end - starts_[line]);
        while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r'))
            shown.remove_suffix(1);
        const std::size_t length = NoteDetailLength(shown, utf8_);
        kept_.push_back({static_cast<int>(line + 1), std::string(shown.substr(0, length)), length < shown.size()});
    }

    std::string_view text_;
    std::vector<std::size_t> starts_;
    bool utf8_;
    std::optional<std::size_t> lastMarked_;
    std::vector<NotAreaLine> kept_;
    std::size_t count_ = 0;
};

bool IsDefaultShape(const HtmlTag &tag)
{
    const HtmlAttribute *shape = tag.Find("shape");
    if (!shape)
        return false;
    std::string_view name = shape->value;
    while (!name.empty() && IsHtmlSpace(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && IsHtmlSpace(name.back()))
        name.remove_suffix(1);
    return EqualsIgnoringAsciiCase(name, "default");
}

} // namespace

std::string AreaClipboardText(const std::vector<std::string> &mapLines, const std::vector<int> &selected)
{
    std::vector<int> ordered = selected;
    std::sort(ordered.begin(), ordered.end());
    ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
    std::string text;
    for (const int index : ordered) {
        if (!IsProtectedLine(index, static_cast<int>(mapLines.size())))
            text += mapLines[static_cast<std::size_t>(index)] + "\r\n";
    }
    return text;
}

PastedAreas PasteAreas(std::string_view text, const std::vector<std::string> &mapLines)
{
    // The area tags go into one map of a page of their own, one tag a line, so that every area is
    // read whatever maps the text opened or closed, and each page line tells the pasted line.
    std::string page = "<map>";
    std::vector<int> pastedLineOfArea;
    std::optional<int> firstDefaultLine;
    NotAreaLines notAreas(text);
    HtmlTagReader reader(text);
    HtmlTag tag;
    std::size_t previousEnd = 0;
    while (reader.Next(tag)) {
        notAreas.MarkText(previousEnd, tag.from);
        previousEnd = tag.to;
        if (tag.name == "area" && !tag.end) {
            std::string area(text.substr(tag.from, tag.to - tag.from));
            std::replace_if(area.begin(), area.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
            page += '\n' + area;
            pastedLineOfArea.push_back(tag.line);
            if (!firstDefaultLine && IsDefaultShape(tag))
                firstDefaultLine = tag.line;
        } else if (tag.name != "map") {
            notAreas.MarkTag(tag);
        }
    }
    notAreas.MarkText(previousEnd, text.size());
    page += "\n</map>";

    PastedAreas pasted;
    pasted.insertAt = NewAreaLineIndex(mapLines);
    notAreas.MoveInto(pasted);
    PageMaps read = ReadPageMaps(page, 0, StyleOfLines(mapLines));
    PageMap &map = read.maps.front();
    if (map.TooLarge()) {
        pasted.tooMany = true;
        return pasted;
    }
    pasted.lines = std::move(map.lines);
    pasted.notes = std::move(map.notes);
    pasted.noteCount = map.noteCount;
    for (ImportNote &note : pasted.notes)
        note.pageLine = pastedLineOfArea[static_cast<std::size_t>(note.pageLine - 2)];
    if (firstDefaultLine && LastDefaultAreaIndex(mapLines) >= 0 && !pasted.lines.empty() &&
        GetAreaKind(pasted.lines.back()) == AreaKind::Default) {
        pasted.lines.pop_back();
        if (pasted.notes.size() < kMostMapNotes)
            pasted.notes.push_back({*firstDefaultLine, ImportNoteKind::ExtraDefault, {}});
        ++pasted.noteCount;
    }
    return pasted;
}

} // namespace vemo
