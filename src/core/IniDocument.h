#pragma once
// An INI text read and edited key by key. Sections and keys match without regard to ASCII case;
// editing a key keeps every other line of the text (comments, other sections) as it was.
#include <optional>
#include <string>
#include <vector>

namespace vemo {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(const std::string &text);

    // The key's value with surrounding blanks removed (and one pair of enclosing quotes);
    // nothing when the section or key is absent.
    std::optional<std::string> Value(const std::string &section, const std::string &key) const;

    // Sets the key, adding the section and the key where they are missing. A value that would not
    // read back as it is (blanks at either end, or enclosed in quotes of its own) is written in
    // double quotes, so Value gives back exactly what was set.
    void SetValue(const std::string &section, const std::string &key, const std::string &value);

    // The whole text, each line followed by CR LF.
    std::string Text() const;

private:
    // Index of the section's header line, or npos.
    std::size_t FindSection(const std::string &section) const;
    // Index just past the section's last non-blank line.
    std::size_t SectionEnd(std::size_t header) const;
    // Index of the key's line inside the section starting at header, or npos.
    std::size_t FindKey(std::size_t header, const std::string &key) const;

    std::vector<std::string> lines_;
};

} // namespace vemo
