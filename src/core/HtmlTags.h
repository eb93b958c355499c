#pragma once
// The tags of an HTML page the editor did not write, one by one, split as a browser splits them:
// names in any case, attributes quoted, unquoted or bare, comments and the text of script and
// style left out. Works on bytes: every byte the syntax looks at is ASCII, and none of them is a
// second byte of a Shift-JIS character, so UTF-8 and Shift-JIS pages read alike.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vemo {

// Space, tab, LF, FF or CR: the white space between attributes and around coordinates.
bool IsHtmlSpace(char c);

// Whether the texts are the same with A to Z and a to z taken as the same; other bytes must match.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

struct HtmlAttribute {
    std::string name;       // as written with A to Z lower-cased
    std::string_view value; // the page's bytes between the quotes; empty for a bare attribute
    // Where the attribute stands in the page: its name's first byte, and just past its last byte
    // (the closing quote, the unquoted value's end, or a bare attribute's name's end).
    std::size_t from = 0;
    std::size_t to = 0;
};

// The most attributes a tag keeps; a tag of millions would otherwise take many times its size.
constexpr std::size_t kMostTagAttributes = 1000;

struct HtmlTag {
    std::string name; // as written with A to Z lower-cased
    bool end = false; // </name>
    int line = 0;     // 1-based line of the page where the tag's '<' stands
    std::size_t from = 0; // byte position of the tag's '<'
    std::size_t to = 0;   // byte position just past its '>'
    // In the page's order; of attributes with the same name only the first, as browsers keep it;
    // at most kMostTagAttributes.
    std::vector<HtmlAttribute> attributes;
    std::size_t attributesLeftOut = 0; // attributes past those kept, not read further

    // The attribute of that lower-case name; nothing when the tag has none.
    const HtmlAttribute *Find(std::string_view lowerName) const;
};

class HtmlTagReader {
public:
    explicit HtmlTagReader(std::string_view page);

    // Fills tag with the next start or end tag and says whether there was one. Text, comments,
    // <!DOCTYPE ...>, <?...> and the contents of script, style, textarea, title and the like are
    // passed over. The reading ends at the page's end, also when the page ends inside a tag or a
    // comment: such a tag is left out, as a browser leaves it out.
    bool Next(HtmlTag &tag);

private:
    bool ReadTag(std::size_t nameStart, HtmlTag &tag);
    void AddAttribute(HtmlTag &tag, HtmlAttribute attribute);
    void SkipTextOf(std::string_view elementName);
    int LineAt(std::size_t at);

    std::string_view page_;
    std::size_t pos_ = 0;
    std::size_t counted_ = 0; // line breaks before this position are counted in line_
    int line_ = 1;
    std::unordered_set<std::string> seen_; // names of a tag with many attributes
};

} // namespace vemo
