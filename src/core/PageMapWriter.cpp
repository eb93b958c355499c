#include "core/PageMapWriter.h"

#include "core/AttributeText.h"
#include "core/HtmlTags.h"
#include "core/PageMapReader.h"
#include "core/ResponsiveScript.h"

#include <algorithm>
#include <utility>

namespace vemo {

namespace {

// A change still to be made, with the part of its text that the report gives lines for.
struct PlannedEdit {
    PageEditKind kind;
    std::size_t at;
    std::size_t removed;
    std::string text;
    std::size_t contentBegin = 0;
    std::size_t contentEnd = text.size();
};

// Where a <map> of the map's name stands in the page.
struct MapExtent {
    std::size_t start = 0;
    std::size_t end = 0;
};

// An <img> of the picture, with what a usemap change needs of it.
struct PictureImage {
    std::size_t tagStart = 0;
    std::size_t tagEnd = 0;
    std::size_t attributesEnd = 0; // just past the attribute that ends last, or the name
    std::size_t nameEnd = 0;       // just past the tag's name
    bool upperCaseNames = false;   // every letter of its attribute names is written in upper case
    std::optional<HtmlAttribute> usemap; // name, value and places, as the reader gives them
    std::string usemapValue;             // compared across images of the picture
};

std::string ValueOf(const HtmlTag &tag, std::string_view name)
{
    const HtmlAttribute *attribute = tag.Find(name);
    return attribute ? AttributeFromTyped(attribute->value) : std::string();
}

bool IsLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

std::size_t LineStart(std::string_view page, std::size_t at)
{
    while (at > 0 && !IsLineBreak(page[at - 1]))
        --at;
    return at;
}

// The spaces and tabs that start the line holding the byte at `at`, up to `at`.
std::string_view IndentAt(std::string_view page, std::size_t at)
{
    const std::size_t start = LineStart(page, at);
    std::size_t end = start;
    while (end < at && (page[end] == ' ' || page[end] == '\t'))
        ++end;
    return page.substr(start, end - start);
}

// Counts lines as the tag reader does (CR LF, LF and CR each end one), for positions asked in order.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) : text_(text) {}

    int LineAt(std::size_t at)
    {
        for (; counted_ < at; ++counted_) {
            const char c = text_[counted_];
            if (c == '\n' || (c == '\r' && (counted_ + 1 >= text_.size() || text_[counted_ + 1] != '\n')))
                ++line_;
        }
        return line_;
    }

private:
    std::string_view text_;
    std::size_t counted_ = 0;
    int line_ = 1;
};

// Whether the tag's attribute names are written in upper case: every letter of them, at least one.
bool UpperCaseNames(std::string_view page, const HtmlTag &tag)
{
    bool anyLetter = false;
    for (const HtmlAttribute &attribute : tag.attributes) {
        for (const char c : page.substr(attribute.from, attribute.name.size())) {
            if (c >= 'a' && c <= 'z')
                return false;
            anyLetter = anyLetter || (c >= 'A' && c <= 'Z');
        }
    }
    return anyLetter;
}

PictureImage ImageOf(std::string_view page, const HtmlTag &tag)
{
    PictureImage image;
    image.tagStart = tag.from;
    image.tagEnd = tag.to;
    image.nameEnd = tag.from + 1 + tag.name.size();
    image.attributesEnd = image.nameEnd;
    for (const HtmlAttribute &attribute : tag.attributes)
        image.attributesEnd = std::max(image.attributesEnd, attribute.to);
    image.upperCaseNames = UpperCaseNames(page, tag);
    if (const HtmlAttribute *usemap = tag.Find("usemap")) {
        image.usemap = *usemap;
        image.usemapValue = AttributeFromTyped(usemap->value);
    }
    return image;
}

// The change that gives the attribute the value, changing only that attribute's bytes: a quoted
// value keeps its quotes (a single-quoted one, unless the value holds a single quote), an unquoted
// or missing value is given double quotes.
PlannedEdit ValueEdit(std::string_view page, const HtmlAttribute &attribute, std::string_view value)
{
    const std::string quoted = '"' + std::string(value) + '"';
    if (attribute.value.data() == nullptr) // bare, as in <img usemap>
        return {PageEditKind::UsemapReplaced, attribute.to, 0, '=' + quoted};
    const auto valueStart = static_cast<std::size_t>(attribute.value.data() - page.data());
    const std::size_t valueEnd = valueStart + attribute.value.size();
    if (valueEnd == attribute.to) // unquoted
        return {PageEditKind::UsemapReplaced, valueStart, attribute.value.size(), quoted};
    if (page[valueEnd] == '"' || value.find('\'') == std::string_view::npos)
        return {PageEditKind::UsemapReplaced, valueStart, attribute.value.size(), std::string(value)};
    return {PageEditKind::UsemapReplaced, valueStart - 1, attribute.value.size() + 2, quoted};
}

// The change that makes the image's usemap name the map: its value replaced as above, or, for an
// image without the attribute, the attribute added after its last one.
PlannedEdit UsemapEdit(std::string_view page, const PictureImage &image, std::string_view mapName)
{
    const std::string reference = "#" + std::string(mapName);
    if (image.usemap)
        return ValueEdit(page, *image.usemap, reference);
    const char *name = image.upperCaseNames ? " USEMAP=\"" : " usemap=\"";
    // After the last attribute, unless that one ends in "=" with its value missing: there the new
    // attribute would be read as its value, so it goes right after the tag's name.
    std::size_t at = image.attributesEnd;
    std::size_t before = at;
    while (before > image.nameEnd && IsHtmlSpace(page[before - 1]))
        --before;
    if (page[before - 1] == '=')
        at = image.nameEnd;
    return {PageEditKind::UsemapAdded, at, 0, name + reference + '"'};
}

// What the page holds that the export needs, read in one pass of the tag reader.
struct PageOutline {
    std::vector<MapExtent> namedMaps;     // the maps of the map's name
    std::vector<PictureImage> images;     // the <img> tags of the picture
    std::optional<std::size_t> bodyEnd;   // where the first </body> starts
    // The page ends in text: no '<' after its last tag, so nothing added at the end can be read
    // as part of a tag or comment the page left open.
    bool endsInText = true;
};

PageOutline ReadOutline(std::string_view page, const MapForPage &map)
{
    PageOutline outline;
    HtmlTagReader reader(page);
    HtmlTag tag;
    std::optional<MapExtent> open; // the map being read, when it has the map's name
    bool inMap = false;
    const auto closeMap = [&] {
        if (open)
            outline.namedMaps.push_back(*open);
        open.reset();
    };
    std::size_t lastTagEnd = 0;
    while (reader.Next(tag)) {
        lastTagEnd = tag.to;
        if (tag.name == "map") {
            // As ReadPageMaps: a <map> ends an open one, a </map> ends it, a stray </map> is nothing.
            if (tag.end && open)
                open->end = tag.to;
            if (inMap)
                closeMap();
            inMap = !tag.end;
            if (inMap) {
                const std::string name = ValueOf(tag, "name");
                if ((name.empty() ? ValueOf(tag, "id") : name) == map.mapName)
                    open = MapExtent{tag.from, tag.to};
            }
        } else if (tag.end) {
            if (tag.name == "body" && !outline.bodyEnd)
                outline.bodyEnd = tag.from;
        } else if (tag.name == "area") {
            if (open)
                open->end = tag.to;
        } else if (tag.name == "img" && SourceNamesPicture(ValueOf(tag, "src"), map.pictureFileName)) {
            outline.images.push_back(ImageOf(page, tag));
        }
    }
    closeMap();
    outline.endsInText = page.find('<', lastTagEnd) == std::string_view::npos;
    return outline;
}

// Past the map's end line: the last line after the first two that is "</map>" in any case, white
// space around it aside; past the last line when none is. Blank lines a side file ends with stay
// out of the page.
std::size_t MapLinesEnd(const std::vector<std::string> &lines)
{
    for (std::size_t i = lines.size(); i-- > 2;) {
        std::string_view line = lines[i];
        while (!line.empty() && IsHtmlSpace(line.front()))
            line.remove_prefix(1);
        while (!line.empty() && IsHtmlSpace(line.back()))
            line.remove_suffix(1);
        if (EqualsIgnoringAsciiCase(line, "</map>"))
            return i + 1;
    }
    return lines.size();
}

// The map's lines from its start line to its end line, each after a line break and the indent
// but the first.
std::string JoinedMapLines(const std::vector<std::string> &lines, std::string_view lineBreak, std::string_view indent)
{
    std::string joined;
    const std::size_t end = MapLinesEnd(lines);
    for (std::size_t i = 1; i < end; ++i) {
        if (i > 1)
            (joined += lineBreak) += indent;
        joined += lines[i];
    }
    return joined;
}

// Where the map's lines went: the written bytes start at `at` (the replaced map's end, or the
// picture's end where they follow it), on a line indented by `indent`.
struct MapPlace {
    std::size_t at;
    std::string_view indent;
};

// The responsive script on a line of its own before </body>, or after the page's last line; on
// the line of </body> when something stands before it there. A page without </body> whose end is
// not in text gets it on the line after the map instead, where it cannot join a tag left open.
PlannedEdit ScriptEdit(std::string_view page, const PageOutline &outline, const MapPlace &afterMap,
                       const std::optional<MapExtent> &replaced, std::string_view lineBreak)
{
    const std::string script = ResponsiveScriptElement();
    if (!outline.bodyEnd && !outline.endsInText) {
        const std::size_t leading = lineBreak.size() + afterMap.indent.size();
        return {PageEditKind::ScriptAdded, afterMap.at, 0, std::string(lineBreak) + std::string(afterMap.indent) + script,
                leading};
    }
    if (!outline.bodyEnd) {
        const std::string before = !page.empty() && !IsLineBreak(page.back()) ? std::string(lineBreak) : std::string();
        std::string text = before + script + std::string(lineBreak);
        return {PageEditKind::ScriptAdded, page.size(), 0, std::move(text), before.size(), before.size() + script.size()};
    }
    const std::size_t at = *outline.bodyEnd;
    if (replaced && replaced->start < at && at < replaced->end)
        return {PageEditKind::ScriptAdded, replaced->end, 0, script};
    const std::string_view indent = IndentAt(page, at);
    const std::size_t lineStart = LineStart(page, at);
    if (lineStart + indent.size() != at)
        return {PageEditKind::ScriptAdded, at, 0, script};
    std::string text = std::string(indent) + script + std::string(lineBreak);
    return {PageEditKind::ScriptAdded, lineStart, 0, std::move(text), indent.size(), indent.size() + script.size()};
}

// Makes the changes, in page order, and reports where each went in the old and in the new page.
PageExport Apply(std::string_view page, std::vector<PlannedEdit> planned)
{
    std::stable_sort(planned.begin(), planned.end(),
                     [](const PlannedEdit &a, const PlannedEdit &b) { return a.at < b.at; });
    PageExport result;
    std::size_t written = 0;
    for (const PlannedEdit &edit : planned)
        written += edit.text.size();
    result.page.reserve(page.size() + written);
    std::vector<std::size_t> newStarts;
    std::size_t copied = 0;
    for (const PlannedEdit &edit : planned) {
        result.page.append(page.substr(copied, edit.at - copied));
        newStarts.push_back(result.page.size());
        result.page += edit.text;
        copied = edit.at + edit.removed;
    }
    result.page.append(page.substr(copied));

    LineCounter oldLines(page);
    LineCounter newLines(result.page);
    for (std::size_t i = 0; i < planned.size(); ++i) {
        const PlannedEdit &edit = planned[i];
        PageEdit &reported = result.edits.emplace_back();
        reported.kind = edit.kind;
        reported.at = edit.at;
        reported.removed = edit.removed;
        reported.inserted = edit.text.size();
        if (edit.removed > 0) {
            reported.oldFirstLine = oldLines.LineAt(edit.at);
            reported.oldLastLine = oldLines.LineAt(edit.at + edit.removed - 1);
        }
        if (edit.contentEnd > edit.contentBegin) {
            reported.firstLine = newLines.LineAt(newStarts[i] + edit.contentBegin);
            reported.lastLine = newLines.LineAt(newStarts[i] + edit.contentEnd - 1);
        }
    }
    return result;
}

} // namespace

std::string_view PageLineBreak(std::string_view page)
{
    const std::size_t at = page.find_first_of("\r\n");
    if (at == std::string_view::npos || page[at] == '\n')
        return "\n";
    return at + 1 < page.size() && page[at + 1] == '\n' ? std::string_view("\r\n") : std::string_view("\r");
}

PageExport ExportMapToPage(std::string_view page, const MapForPage &map, bool addResponsiveScript)
{
    PageExport refused;
    if (map.mapName.empty()) {
        refused.refusal = PageExportRefusal::MapNameEmpty;
        return refused;
    }
    const PageOutline outline = ReadOutline(page, map);
    const std::string_view lineBreak = PageLineBreak(page);
    std::vector<PlannedEdit> planned;
    std::optional<MapExtent> replaced;
    MapPlace afterMap{};
    if (outline.namedMaps.size() > 1) {
        refused.refusal = PageExportRefusal::MapNameRepeated;
        return refused;
    }
    if (outline.namedMaps.size() == 1) {
        replaced = outline.namedMaps.front();
        const std::string_view indent = IndentAt(page, replaced->start);
        afterMap = {replaced->end, indent};
        planned.push_back({PageEditKind::MapReplaced, replaced->start, replaced->end - replaced->start,
                           JoinedMapLines(map.lines, lineBreak, indent)});
    } else {
        if (outline.images.empty()) {
            refused.refusal = PageExportRefusal::NoPictureImage;
            return refused;
        }
        const PictureImage &first = outline.images.front();
        for (const PictureImage &image : outline.images) {
            if (image.usemap.has_value() != first.usemap.has_value() || image.usemapValue != first.usemapValue) {
                refused.refusal = PageExportRefusal::PictureImagesDiffer;
                return refused;
            }
        }
        const std::string_view indent = IndentAt(page, first.tagStart);
        std::string text = JoinedMapLines(map.lines, lineBreak, indent);
        if (!text.empty())
            text.insert(0, std::string(lineBreak) + std::string(indent));
        const std::size_t leading = lineBreak.size() + indent.size();
        afterMap = {first.tagEnd, indent};
        planned.push_back({PageEditKind::MapInserted, first.tagEnd, 0, std::move(text), leading});
        for (const PictureImage &image : outline.images)
            planned.push_back(UsemapEdit(page, image, map.mapName));
    }
    if (addResponsiveScript && page.find(kResponsiveScriptMark) == std::string_view::npos)
        planned.push_back(ScriptEdit(page, outline, afterMap, replaced, lineBreak));
    return Apply(page, std::move(planned));
}

namespace {

// The attribute of that lower-case name of the start tag that opens tag; nothing when tag opens
// with no start tag or the tag has no such attribute. It points into tag.
std::optional<HtmlAttribute> AttributeOfTag(std::string_view tag, std::string_view lowerName)
{
    HtmlTagReader reader(tag);
    HtmlTag read;
    if (!reader.Next(read) || read.end)
        return std::nullopt;
    const HtmlAttribute *attribute = read.Find(lowerName);
    if (!attribute)
        return std::nullopt;
    return *attribute;
}

} // namespace

std::optional<std::string> AttributeValueOfTag(std::string_view tag, std::string_view lowerName)
{
    const std::optional<HtmlAttribute> attribute = AttributeOfTag(tag, lowerName);
    if (!attribute)
        return std::nullopt;
    return std::string(attribute->value);
}

std::optional<std::string> WithAttributeValue(std::string_view tag, std::string_view lowerName, std::string_view value)
{
    const std::optional<HtmlAttribute> attribute = AttributeOfTag(tag, lowerName);
    if (!attribute)
        return std::nullopt;
    const PlannedEdit edit = ValueEdit(tag, *attribute, value);
    return std::string(tag.substr(0, edit.at)) + edit.text + std::string(tag.substr(edit.at + edit.removed));
}

} // namespace vemo
