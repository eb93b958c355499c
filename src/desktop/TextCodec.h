#pragma once
// The edge between a map's bytes and the texts the user reads and types, in the map's own
// encoding: UTF-8, Shift-JIS (decoded and encoded by Qt's ICU converters), or, for a side file
// that is neither, the system's 8-bit encoding as the bytes have always been shown; and in the
// map's style, which decides how a typed '&' goes into an attribute.
#include <QString>

#include <string>
#include <string_view>

#include "core/MapStyle.h"
#include "core/TextEncoding.h"

class TextCodec {
public:
    explicit TextCodec(vemo::TextEncoding encoding = vemo::TextEncoding::Utf8);

    // The codec for a side file's bytes: UTF-8 when they are valid UTF-8, else Shift-JIS when
    // they decode as Shift-JIS without a fault, else Unknown.
    static TextCodec ForSideFile(std::string_view bytes);

    vemo::TextEncoding Encoding() const { return encoding_; }
    vemo::MapStyle Style() const { return style_; }
    // This codec for a map written in style.
    TextCodec InStyle(vemo::MapStyle style) const;

    // The text for bytes, for showing and copying; bytes that do not decode show as
    // replacement characters.
    QString Text(std::string_view bytes) const;
    // The bytes for text that goes into a line. A character the encoding cannot hold becomes
    // an HTML character reference ("&#233;"), which a browser shows as the character itself.
    std::string Bytes(const QString &text) const;

    // A typed value as it goes into an attribute of a line, and an attribute value as a field
    // shows it, by the attribute rule of the codec's style (see core/AttributeText).
    std::string AttributeValue(const QString &typed) const;
    QString ShownValue(std::string_view stored) const;

private:
    vemo::TextEncoding encoding_;
    vemo::MapStyle style_ = vemo::MapStyle::Classic;
};
