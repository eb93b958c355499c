#include "core/IniDocument.h"

#include "core/AsciiText.h"
#include "core/MapFile.h"

namespace vemo {

namespace {

constexpr std::size_t kNone = std::string::npos;

std::string Trimmed(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == kNone)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool IsHeader(const std::string &line)
{
    const std::string trimmed = Trimmed(line);
    return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
}

std::string HeaderName(const std::string &line)
{
    const std::string trimmed = Trimmed(line);
    return Trimmed(trimmed.substr(1, trimmed.size() - 2));
}

// The value a key's line holds after its '=': blanks at either end removed, then one pair of
// enclosing quotes.
std::string ValueFromText(const std::string &text)
{
    std::string value = Trimmed(text);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

bool SameName(const std::string &a, const std::string &b)
{
    return UpperAscii(a) == UpperAscii(b);
}

} // namespace

IniDocument::IniDocument(const std::string &text) : lines_(SplitMapFileText(text)) {}

std::size_t IniDocument::FindSection(const std::string &section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (IsHeader(lines_[i]) && SameName(HeaderName(lines_[i]), section))
            return i;
    }
    return kNone;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const
{
    std::size_t end = header + 1;
    for (std::size_t i = header + 1; i < lines_.size() && !IsHeader(lines_[i]); ++i) {
        if (!Trimmed(lines_[i]).empty())
            end = i + 1;
    }
    return end;
}

std::size_t IniDocument::FindKey(std::size_t header, const std::string &key) const
{
    for (std::size_t i = header + 1; i < lines_.size() && !IsHeader(lines_[i]); ++i) {
        const std::size_t equals = lines_[i].find('=');
        if (equals != kNone && SameName(Trimmed(lines_[i].substr(0, equals)), key))
            return i;
    }
    return kNone;
}

std::optional<std::string> IniDocument::Value(const std::string &section, const std::string &key) const
{
    const std::size_t header = FindSection(section);
    if (header == kNone)
        return std::nullopt;
    const std::size_t line = FindKey(header, key);
    if (line == kNone)
        return std::nullopt;
    return ValueFromText(lines_[line].substr(lines_[line].find('=') + 1));
}

void IniDocument::SetValue(const std::string &section, const std::string &key, const std::string &value)
{
    // Quotes keep the blanks at a value's ends and its own enclosing quotes; any other value is
    // written bare, as it always was.
    const std::string entry = key + "=" + (ValueFromText(value) == value ? value : "\"" + value + "\"");
    std::size_t header = FindSection(section);
    if (header == kNone) {
        lines_.push_back("[" + section + "]");
        lines_.push_back(entry);
        return;
    }
    const std::size_t line = FindKey(header, key);
    if (line != kNone)
        lines_[line] = entry;
    else
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)), entry);
}

std::string IniDocument::Text() const
{
    return JoinMapFileLines(lines_);
}

} // namespace vemo
