#include "core/PageMapReader.h"

#include "core/AttributeText.h"
#include "core/HtmlTags.h"
#include "core/IntConv.h"
#include "core/MapLines.h"
#include "core/TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <utility>

namespace vemo {

namespace {

enum class Shape { Rect, Circle, Poly, Default };

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsHtmlSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsHtmlSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string ValueOf(const HtmlTag &tag, std::string_view name, MapStyle style = MapStyle::Classic)
{
    const HtmlAttribute *attribute = tag.Find(name);
    return attribute ? AttributeFromTyped(attribute->value, style) : std::string();
}

bool IsShiftJisLeadByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

ImportNote Note(int pageLine, ImportNoteKind kind, std::string_view text, bool utf8)
{
    const std::size_t length = NoteDetailLength(text, utf8);
    return {pageLine, kind, std::string(text.substr(0, length)), length < text.size()};
}

// The shape an area's shape value names; nothing for a name browsers do not know.
std::optional<Shape> ShapeNamed(std::string_view name)
{
    for (const auto &[word, shape] : {std::pair{"rect", Shape::Rect}, {"rectangle", Shape::Rect},
                                      {"circ", Shape::Circle}, {"circle", Shape::Circle}, {"poly", Shape::Poly},
                                      {"polygon", Shape::Poly}, {"default", Shape::Default}}) {
        if (EqualsIgnoringAsciiCase(name, word))
            return shape;
    }
    return std::nullopt;
}

// The texts of a coordinate list one by one, split at commas, white space or both. Two commas with
// nothing but white space between leave an empty text between them, and so does a comma first or
// last. Nothing is copied: a coordinate list can be most of the page.
class CoordinateTexts {
public:
    explicit CoordinateTexts(std::string_view coords) : coords_(Trimmed(coords)) {}

    bool Next(std::string_view &text)
    {
        if (emptyLast_) {
            emptyLast_ = false;
            text = {};
            return true;
        }
        if (at_ >= coords_.size())
            return false;
        const std::size_t start = at_;
        while (at_ < coords_.size() && !IsHtmlSpace(coords_[at_]) && coords_[at_] != ',')
            ++at_;
        text = coords_.substr(start, at_ - start);
        SkipSpace();
        if (at_ < coords_.size() && coords_[at_] == ',') {
            ++at_;
            SkipSpace();
            emptyLast_ = at_ == coords_.size();
        }
        return true;
    }

private:
    void SkipSpace()
    {
        while (at_ < coords_.size() && IsHtmlSpace(coords_[at_]))
            ++at_;
    }

    std::string_view coords_;
    std::size_t at_ = 0;
    bool emptyLast_ = false;
};

struct Coordinate {
    std::int32_t value = 0;
    bool percent = false;
    bool fraction = false; // a fraction other than zero was cut off
};

// An optional sign, digits with an optional fraction ("10", "10.5", ".5", "10."), an optional '%'.
// Nothing for any other text or a number outside the editor's 32-bit range.
std::optional<Coordinate> ReadCoordinate(std::string_view text)
{
    Coordinate coordinate;
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++at;
    constexpr long long kBeyondRange = 1LL << 32;
    long long magnitude = 0;
    std::size_t digits = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++digits)
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), kBeyondRange);
    if (at < text.size() && text[at] == '.') {
        for (++at; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++digits)
            coordinate.fraction = coordinate.fraction || text[at] != '0';
    }
    if (at < text.size() && text[at] == '%') {
        coordinate.percent = true;
        ++at;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (digits == 0 || at != text.size() || value < std::numeric_limits<std::int32_t>::min()
        || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    coordinate.value = static_cast<std::int32_t>(value);
    return coordinate;
}

// Puts each coordinate text in its slot of an area line writer: missing ones stay empty, extra ones
// are joined to the last with commas, so that the line shows every text in its place.
class SlotFiller {
public:
    explicit SlotFiller(std::size_t slots) : texts_(slots) {}

    void Add(std::string_view text)
    {
        if (added_ < texts_.size())
            texts_[added_] = text;
        else
            (texts_.back() += ',') += text;
        ++added_;
    }

    std::vector<std::string> Take() { return std::move(texts_); }

private:
    std::vector<std::string> texts_;
    std::size_t added_ = 0;
};

struct AreaCoords {
    std::vector<std::string> texts; // for the line writer: one for each slot, or one for a polygon
    std::vector<ImportNote> notes;
};

// An area's coordinates as its line writer takes them: the numbers when they make the shape, else
// the texts as written; with the notes on what the line shows otherwise than the page.
AreaCoords ReadAreaCoords(Shape shape, const HtmlAttribute *attribute, int pageLine, bool utf8)
{
    const std::string_view written = attribute ? attribute->value : std::string_view();
    std::size_t count = 0;
    std::string_view text;
    for (CoordinateTexts texts(written); texts.Next(text);)
        ++count;
    const std::size_t slots = shape == Shape::Rect ? 4 : shape == Shape::Circle ? 3 : 1;
    bool fits = shape == Shape::Poly ? count >= 6 && count % 2 == 0 : count == slots;

    AreaCoords coords;
    SlotFiller numbers(slots);
    bool percent = false;
    bool fraction = false;
    for (CoordinateTexts texts(written); fits && texts.Next(text);) {
        const std::optional<Coordinate> coordinate = ReadCoordinate(text);
        fits = coordinate.has_value();
        if (fits) {
            numbers.Add(DecimalText(coordinate->value));
            percent = percent || coordinate->percent;
            fraction = fraction || coordinate->fraction;
        }
    }
    if (fits) {
        if (percent)
            coords.notes.push_back(Note(pageLine, ImportNoteKind::PercentCoordinates, written, utf8));
        if (fraction)
            coords.notes.push_back(Note(pageLine, ImportNoteKind::FractionalCoordinates, written, utf8));
    } else {
        numbers = SlotFiller(slots);
        for (CoordinateTexts texts(written); texts.Next(text);)
            numbers.Add(AttributeFromTyped(text));
        coords.notes.push_back(Note(pageLine, ImportNoteKind::MalformedCoordinates, written, utf8));
    }
    coords.texts = numbers.Take();
    return coords;
}

// A map while its areas are read: the default area waits to be written last.
struct OpenMap {
    bool utf8 = true; // the page's details are cut as UTF-8, else as Shift-JIS
    bool makeLines = true; // false: the areas are only counted
    MapStyle style = MapStyle::Classic; // the style the lines are written in
    PageMap map;
    bool hasDefault = false;
    std::optional<std::string> defaultLine;
    int defaultPageLine = 0;
    std::size_t defaultNotesEnd = 0; // where the default area's notes end in map.notes
    bool areaAfterDefault = false;

    void Start(const HtmlTag &tag, bool makeMapLines)
    {
        makeLines = makeMapLines;
        map = PageMap();
        hasDefault = false;
        defaultLine.reset();
        defaultPageLine = 0;
        defaultNotesEnd = 0;
        areaAfterDefault = false;
        const std::string name = ValueOf(tag, "name");
        map.name = name.empty() ? ValueOf(tag, "id") : name;
        map.pageLine = tag.line;
    }

    PageMap Finish()
    {
        if (map.TooLarge()) {
            map.lines = {};
            map.notes = {};
        } else if (defaultLine) {
            map.lines.push_back(std::move(*defaultLine));
            if (areaAfterDefault) {
                ++map.noteCount;
                if (defaultNotesEnd < kMostMapNotes) {
                    const auto at = map.notes.begin() + static_cast<std::ptrdiff_t>(defaultNotesEnd);
                    map.notes.insert(at, {defaultPageLine, ImportNoteKind::DefaultMovedLast, {}});
                    if (map.notes.size() > kMostMapNotes)
                        map.notes.pop_back();
                }
            }
        }
        return std::move(map);
    }

    void AddNote(ImportNote note)
    {
        if (++map.noteCount <= kMostMapNotes)
            map.notes.push_back(std::move(note));
    }

    void AddArea(const HtmlTag &tag)
    {
        const HtmlAttribute *shapeAttribute = tag.Find("shape");
        const std::string_view shapeName = shapeAttribute ? Trimmed(shapeAttribute->value) : std::string_view();
        std::optional<Shape> shape = shapeName.empty() ? Shape::Rect : ShapeNamed(shapeName);
        if (shape == Shape::Default && hasDefault) {
            if (makeLines && !map.TooLarge())
                AddNote({tag.line, ImportNoteKind::ExtraDefault, {}});
            return;
        }
        hasDefault = hasDefault || shape == Shape::Default;
        if (++map.areaCount > kMostMapAreas || !makeLines)
            return;
        areaAfterDefault = areaAfterDefault || defaultLine.has_value();
        if (!shape) {
            AddNote(Note(tag.line, ImportNoteKind::UnknownShape, shapeAttribute->value, utf8));
            shape = Shape::Rect;
        }

        AreaCoords coords;
        if (shape != Shape::Default) {
            coords = ReadAreaCoords(*shape, tag.Find("coords"), tag.line, utf8);
            for (ImportNote &note : coords.notes)
                AddNote(std::move(note));
        }
        const AreaTexts texts{ValueOf(tag, "href", style), ValueOf(tag, "alt", style), ValueOf(tag, "title", style),
                              ValueOf(tag, "target", style)};
        if (!tag.Find("href"))
            AddNote({tag.line, ImportNoteKind::MissingHref, {}});
        for (const HtmlAttribute &attribute : tag.attributes) {
            if (attribute.name != "shape" && attribute.name != "coords" && attribute.name != "href"
                && attribute.name != "alt" && attribute.name != "title" && attribute.name != "target")
                AddNote(Note(tag.line, ImportNoteKind::DroppedAttribute, attribute.name, utf8));
        }
        if (tag.attributesLeftOut > 0)
            AddNote({tag.line, ImportNoteKind::AttributesLeftOut, DecimalText(static_cast<long long>(tag.attributesLeftOut))});

        const std::vector<std::string> &c = coords.texts;
        switch (*shape) {
        case Shape::Rect:
            map.lines.push_back(RectAreaLine(c[0], c[1], c[2], c[3], texts, style));
            break;
        case Shape::Circle:
            map.lines.push_back(CircleAreaLine(c[0], c[1], c[2], texts, style));
            break;
        case Shape::Poly:
            map.lines.push_back(PolyAreaLine(c[0], texts, style));
            break;
        case Shape::Default:
            defaultLine = DefaultAreaLine(texts, style);
            defaultPageLine = tag.line;
            defaultNotesEnd = map.notes.size();
            break;
        }
    }
};

// The map name a usemap value refers to: what follows its first '#', without surrounding white
// space; nothing without a '#'.
std::optional<std::string_view> UsemapName(std::string_view usemap)
{
    const std::size_t hash = usemap.find('#');
    if (hash == std::string_view::npos)
        return std::nullopt;
    return Trimmed(usemap.substr(hash + 1));
}

// The maps of a page by name, for looking up many images in one pass: the first map of each exact
// name, and the first of each name with A to Z lower-cased.
class MapIndex {
public:
    explicit MapIndex(const PageMaps &page)
    {
        for (std::size_t i = page.maps.size(); i-- > 0;) {
            const std::string &name = page.maps[i].name;
            if (!name.empty()) {
                exact_[name] = i;
                folded_[LowerAsciiText(name)] = i;
            }
        }
    }

    // The first map of exactly that name, else the first of that name in any ASCII case.
    std::optional<std::size_t> Find(std::string_view name) const
    {
        if (const auto found = exact_.find(std::string(name)); found != exact_.end())
            return found->second;
        if (const auto found = folded_.find(LowerAsciiText(name)); found != folded_.end())
            return found->second;
        return std::nullopt;
    }

private:
    static std::string LowerAsciiText(std::string_view text)
    {
        std::string lower(text);
        for (char &c : lower)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        return lower;
    }

    std::unordered_map<std::string, std::size_t> exact_;
    std::unordered_map<std::string, std::size_t> folded_;
};

// Whether src names the file: its path (up to a '?' or '#') ends in fileName right after a folder
// separator, or is fileName.
bool SourceIsFile(std::string_view src, std::string_view fileName)
{
    const std::string_view path = src.substr(0, src.find_first_of("?#"));
    if (fileName.empty() || path.size() < fileName.size())
        return false;
    const std::size_t start = path.size() - fileName.size();
    return EqualsIgnoringAsciiCase(path.substr(start), fileName)
           && (start == 0 || path[start - 1] == '/' || path[start - 1] == '\\');
}

// The picture's file name without anything up to a last '/'.
std::string_view PictureFileNameOnly(std::string_view pictureFileName)
{
    const std::size_t slash = pictureFileName.rfind('/');
    return slash == std::string_view::npos ? pictureFileName : pictureFileName.substr(slash + 1);
}

} // namespace

std::size_t NoteDetailLength(std::string_view text, bool utf8)
{
    if (text.size() <= kMostNoteDetailBytes)
        return text.size();
    std::size_t length = kMostNoteDetailBytes;
    if (utf8) {
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            --length;
        return length;
    }
    length = 0;
    while (true) {
        const std::size_t next = length + (IsShiftJisLeadByte(text[length]) ? 2 : 1);
        if (next > kMostNoteDetailBytes)
            return length;
        length = next;
    }
}

PageMaps ReadPageMaps(std::string_view page, std::size_t mapToRead, MapStyle style)
{
    PageMaps result;
    OpenMap open;
    open.utf8 = IsValidUtf8(page);
    open.style = style;
    bool inMap = false;
    const auto keepMap = [&] {
        if (result.maps.size() < kMostPageMaps)
            result.maps.push_back(open.Finish());
        else
            result.tooManyMaps = true;
    };
    HtmlTagReader reader(page);
    HtmlTag tag;
    while (reader.Next(tag)) {
        if (tag.name == "map") {
            if (inMap)
                keepMap();
            inMap = !tag.end;
            if (inMap)
                open.Start(tag, (mapToRead == kEveryMap || mapToRead == result.maps.size())
                                    && result.maps.size() < kMostPageMaps);
        } else if (tag.end) {
            continue;
        } else if (tag.name == "area" && inMap) {
            open.AddArea(tag);
        } else if (tag.name == "img" && tag.Find("usemap")) {
            if (result.images.size() < kMostPageMaps)
                result.images.push_back({ValueOf(tag, "src"), ValueOf(tag, "usemap"), tag.line, ValueOf(tag, "alt")});
            else
                result.tooManyMaps = true;
        }
    }
    if (inMap)
        keepMap();
    return result;
}

std::optional<std::size_t> MapForPicture(const PageMaps &page, std::string_view pictureFileName)
{
    const std::string_view fileName = PictureFileNameOnly(pictureFileName);
    std::optional<MapIndex> maps;
    std::optional<std::size_t> found;
    for (const PageImage &image : page.images) {
        const std::optional<std::string_view> name = UsemapName(image.usemap);
        if (!name || !SourceIsFile(image.src, fileName))
            continue;
        if (!maps)
            maps.emplace(page);
        const std::optional<std::size_t> map = maps->Find(*name);
        if (!map)
            continue;
        if (found && *found != *map)
            return std::nullopt;
        found = map;
    }
    return found;
}

bool SourceNamesPicture(std::string_view src, std::string_view pictureFileName)
{
    return SourceIsFile(src, PictureFileNameOnly(pictureFileName));
}

} // namespace vemo
