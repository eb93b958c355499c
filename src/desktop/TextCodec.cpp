#include "desktop/TextCodec.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringEncoder>

#include "core/AttributeText.h"

namespace {

// ICU's name; its table is code page 932, with the NEC and IBM extensions Windows writes.
constexpr const char *kShiftJisName = "Shift_JIS";
// Each call converts a whole text: a sequence cut off at its end is a fault, not held over.
constexpr QStringConverter::Flags kWhole = QStringConverter::Flag::Stateless;

QByteArrayView View(std::string_view bytes)
{
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ShiftJisBytes(const QString &text)
{
    QStringEncoder whole(kShiftJisName, kWhole);
    const QByteArray encoded = whole(text);
    if (!whole.hasError())
        return encoded.toStdString();
    // Some character has no Shift-JIS code: go character by character and write those as
    // references, so nothing the user typed is lost.
    std::string bytes;
    for (qsizetype at = 0; at < text.size();) {
        const bool pair = text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const char32_t code = pair ? QChar::surrogateToUcs4(text.at(at), text.at(at + 1)) : text.at(at).unicode();
        QStringEncoder single(kShiftJisName, kWhole);
        const QByteArray one = single(QStringView(text).mid(at, length));
        if (single.hasError())
            bytes += vemo::CharacterReference(code);
        else
            bytes += one.toStdString();
        at += length;
    }
    return bytes;
}

} // namespace

TextCodec::TextCodec(vemo::TextEncoding encoding) : encoding_(encoding) {}

TextCodec TextCodec::InStyle(vemo::MapStyle style) const
{
    TextCodec styled = *this;
    styled.style_ = style;
    return styled;
}

TextCodec TextCodec::ForSideFile(std::string_view bytes)
{
    if (vemo::IsValidUtf8(bytes))
        return TextCodec(vemo::TextEncoding::Utf8);
    QStringDecoder decoder(kShiftJisName, kWhole);
    // A Qt built without ICU has no Shift-JIS converter: such a file is shown as it always was.
    if (!decoder.isValid())
        return TextCodec(vemo::TextEncoding::Unknown);
    // The decoder works when its result is taken as a string; only then is a fault known.
    const QString decoded = decoder(View(bytes));
    return TextCodec(decoder.hasError() ? vemo::TextEncoding::Unknown : vemo::TextEncoding::ShiftJis);
}

QString TextCodec::Text(std::string_view bytes) const
{
    switch (encoding_) {
    case vemo::TextEncoding::Utf8:
        return QString::fromUtf8(View(bytes));
    case vemo::TextEncoding::ShiftJis: {
        QStringDecoder decoder(kShiftJisName, kWhole);
        return decoder(View(bytes));
    }
    case vemo::TextEncoding::Unknown:
        break;
    }
    return QString::fromLocal8Bit(View(bytes));
}

std::string TextCodec::Bytes(const QString &text) const
{
    switch (encoding_) {
    case vemo::TextEncoding::Utf8:
        return text.toUtf8().toStdString();
    case vemo::TextEncoding::ShiftJis:
        return ShiftJisBytes(text);
    case vemo::TextEncoding::Unknown:
        break;
    }
    return text.toLocal8Bit().toStdString();
}

std::string TextCodec::AttributeValue(const QString &typed) const
{
    return vemo::AttributeFromTyped(Bytes(typed), style_);
}

QString TextCodec::ShownValue(std::string_view stored) const
{
    return Text(vemo::TypedFromAttribute(stored, style_));
}
