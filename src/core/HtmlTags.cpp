#include "core/HtmlTags.h"

#include <array>
#include <utility>

namespace vemo {

namespace {

// Elements whose contents a browser takes as text, never as tags.
constexpr std::array<std::string_view, 8> kTextElements = {"script", "style",   "textarea", "title",
                                                           "xmp",    "iframe", "noembed",  "noframes"};

// Up to this many attributes a tag looks for a repeated name by going through them; past it a set
// keeps a tag with thousands of attributes from costing time in the square of their count.
constexpr std::size_t kFewAttributes = 16;

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsTextElement(std::string_view name)
{
    for (std::string_view element : kTextElements) {
        if (name == element)
            return true;
    }
    return false;
}

} // namespace

bool IsHtmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

const HtmlAttribute *HtmlTag::Find(std::string_view lowerName) const
{
    for (const HtmlAttribute &attribute : attributes) {
        if (attribute.name == lowerName)
            return &attribute;
    }
    return nullptr;
}

HtmlTagReader::HtmlTagReader(std::string_view page) : page_(page)
{
}

bool HtmlTagReader::Next(HtmlTag &tag)
{
    const std::size_t size = page_.size();
    while (pos_ < size) {
        const std::size_t open = page_.find('<', pos_);
        if (open == std::string_view::npos || open + 1 >= size)
            break;
        const char next = page_[open + 1];
        if (IsAsciiLetter(next) || (next == '/' && open + 2 < size && IsAsciiLetter(page_[open + 2]))) {
            tag.end = next == '/';
            tag.line = LineAt(open);
            tag.from = open;
            if (!ReadTag(open + (tag.end ? 2 : 1), tag))
                break;
            if (!tag.end && IsTextElement(tag.name))
                SkipTextOf(tag.name);
            return true;
        }
        std::size_t close = std::string_view::npos;
        if (page_.substr(open, 4) == "<!--") {
            // Searching from the first '-' also ends the empty comments "<!-->" and "<!--->".
            close = page_.find("-->", open + 2);
            if (close != std::string_view::npos)
                close += 2;
        } else if (next == '!' || next == '?' || next == '/') {
            // <!DOCTYPE ...>, <?xml ...?>, </> and the like: up to the next '>'.
            close = page_.find('>', open + 1);
        } else {
            // A '<' that opens nothing is text.
            pos_ = open + 1;
            continue;
        }
        if (close == std::string_view::npos)
            break;
        pos_ = close + 1;
    }
    pos_ = size;
    return false;
}

bool HtmlTagReader::ReadTag(std::size_t nameStart, HtmlTag &tag)
{
    const std::size_t size = page_.size();
    std::size_t at = nameStart;
    tag.name.clear();
    tag.attributes.clear();
    tag.attributesLeftOut = 0;
    // A fresh set rather than clear(), which would go over all the buckets a large tag left.
    if (!seen_.empty())
        seen_ = {};
    for (; at < size && !IsHtmlSpace(page_[at]) && page_[at] != '/' && page_[at] != '>'; ++at)
        tag.name += LowerAscii(page_[at]);

    while (true) {
        // A '/' between attributes, as in "<area ... />", means nothing here.
        while (at < size && (IsHtmlSpace(page_[at]) || page_[at] == '/'))
            ++at;
        if (at >= size)
            return false;
        if (page_[at] == '>') {
            pos_ = at + 1;
            tag.to = pos_;
            return true;
        }

        // A name runs up to white space, '/', '>' or '='; an '=' first in it belongs to it.
        const std::size_t attributeStart = at;
        std::string name(1, LowerAscii(page_[at++]));
        for (; at < size && !IsHtmlSpace(page_[at]) && page_[at] != '/' && page_[at] != '>' && page_[at] != '='; ++at)
            name += LowerAscii(page_[at]);
        std::size_t attributeEnd = at;
        while (at < size && IsHtmlSpace(page_[at]))
            ++at;

        std::string_view value;
        if (at < size && page_[at] == '=') {
            ++at;
            while (at < size && IsHtmlSpace(page_[at]))
                ++at;
            if (at >= size)
                return false;
            const char quote = page_[at];
            if (quote == '"' || quote == '\'') {
                const std::size_t close = page_.find(quote, at + 1);
                if (close == std::string_view::npos)
                    return false;
                value = page_.substr(at + 1, close - at - 1);
                at = close + 1;
                attributeEnd = at;
            } else {
                // Unquoted: up to white space or '>'; a '/' belongs to the value, as in browsers.
                const std::size_t start = at;
                while (at < size && !IsHtmlSpace(page_[at]) && page_[at] != '>')
                    ++at;
                value = page_.substr(start, at - start);
                attributeEnd = at;
            }
        }
        AddAttribute(tag, {std::move(name), value, attributeStart, attributeEnd});
    }
}

void HtmlTagReader::AddAttribute(HtmlTag &tag, HtmlAttribute attribute)
{
    if (tag.attributes.size() >= kMostTagAttributes) {
        ++tag.attributesLeftOut;
        return;
    }
    if (tag.attributes.size() < kFewAttributes) {
        if (tag.Find(attribute.name))
            return;
    } else {
        if (seen_.empty()) {
            for (const HtmlAttribute &attribute : tag.attributes)
                seen_.insert(attribute.name);
        }
        if (!seen_.insert(attribute.name).second)
            return;
    }
    tag.attributes.push_back(std::move(attribute));
}

void HtmlTagReader::SkipTextOf(std::string_view elementName)
{
    const std::size_t size = page_.size();
    for (std::size_t open = page_.find("</", pos_); open != std::string_view::npos; open = page_.find("</", open + 1)) {
        const std::size_t after = open + 2 + elementName.size();
        if (after > size)
            break;
        if (EqualsIgnoringAsciiCase(page_.substr(open + 2, elementName.size()), elementName)
            && (after == size || IsHtmlSpace(page_[after]) || page_[after] == '/' || page_[after] == '>')) {
            pos_ = open;
            return;
        }
    }
    pos_ = size;
}

int HtmlTagReader::LineAt(std::size_t at)
{
    // CR LF, LF and CR each end a line; the CR of a CR LF is not counted, its LF is.
    for (; counted_ < at; ++counted_) {
        const char c = page_[counted_];
        if (c == '\n' || (c == '\r' && (counted_ + 1 >= page_.size() || page_[counted_ + 1] != '\n')))
            ++line_;
    }
    return line_;
}

} // namespace vemo
