#pragma once
// How a value typed into a dialog field goes between the double quotes of an attribute in a
// map line, and how a value read from a line is shown in a field again.
#include <string>
#include <string_view>

#include "core/MapStyle.h"

namespace vemo {

// The attribute bytes for a typed value: each double quote becomes "&quot;", so it cannot end
// the attribute early, and each line break (CR LF, CR or LF) and each NUL becomes one space, so
// a pasted text cannot split the line. Every other byte stays: entities the user typed are kept
// as typed, and no trail byte of UTF-8 or Shift-JIS is a quote, CR, LF or NUL. In HTML5 a bare
// '&' that starts no character reference is written "&amp;", as that syntax asks; the references
// the user typed ("&amp;", "&#233;", "&eacute;") stay.
std::string AttributeFromTyped(std::string_view typed, MapStyle style = MapStyle::Classic);

// value with each '&' that starts no character reference written as "&amp;": a Classic value as
// an HTML5 line holds it.
std::string EscapeBareAmpersands(std::string_view value);

// How a character that the map's encoding has no code for is written: "&#233;" for é. A browser
// shows the character itself, and the reference is the same in every encoding.
std::string CharacterReference(char32_t code);

// The text a field shows for a value read from a line: "&quot;" becomes a double quote again, and
// in HTML5 "&amp;" an ampersand; everything else, other entities included, is shown as stored.
std::string TypedFromAttribute(std::string_view value, MapStyle style = MapStyle::Classic);

} // namespace vemo
