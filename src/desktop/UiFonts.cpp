#include "desktop/UiFonts.h"

#include <QLocale>

namespace {

QFont ProportionalFontFor(bool japaneseUI)
{
    if (!japaneseUI)
        return FontWithHint(QStringLiteral("Arial"), QFont::SansSerif);
    QFont font = FontWithHint(QStringLiteral("ＭＳ Ｐゴシック"), QFont::SansSerif);
    // Where the Windows face is missing, a Japanese gothic that free systems carry; a style hint
    // alone may land on a face without Japanese glyphs.
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic")});
    return font;
}

} // namespace

QFont FontWithHint(const QString &family, QFont::StyleHint hint)
{
    QFont font(family);
    font.setStyleHint(hint);
    return font;
}

QFont ProportionalUiFont()
{
    return ProportionalFontFor(QLocale().language() == QLocale::Japanese);
}

QFont ProportionalUiFont(bool japaneseUI)
{
    return ProportionalFontFor(japaneseUI);
}
