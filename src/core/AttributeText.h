#pragma once
// How a value typed into a dialog field goes between the double quotes of an attribute in a
// map line, and how a value read from a line is shown in a field again.
#include <string>
#include <string_view>

namespace vemo {

// The attribute bytes for a typed value: each double quote becomes "&quot;", so it cannot end
// the attribute early, and each line break (CR LF, CR or LF) and each NUL becomes one space, so
// a pasted text cannot split the line. Every other byte stays: entities the user typed are kept
// as typed, and no trail byte of UTF-8 or Shift-JIS is a quote, CR, LF or NUL.
std::string AttributeFromTyped(std::string_view typed);

// How a character that the map's encoding has no code for is written: "&#233;" for é. A browser
// shows the character itself, and the reference is the same in every encoding.
std::string CharacterReference(char32_t code);

// The text a field shows for a value read from a line: "&quot;" becomes a double quote again;
// everything else, other entities included, is shown as stored.
std::string TypedFromAttribute(std::string_view value);

} // namespace vemo
