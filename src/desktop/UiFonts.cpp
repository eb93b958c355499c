#include "desktop/UiFonts.h"

#include <QLocale>

QFont FontWithHint(const QString &family, QFont::StyleHint hint)
{
    QFont font(family);
    font.setStyleHint(hint);
    return font;
}

QFont ProportionalUiFont()
{
    if (QLocale().language() != QLocale::Japanese)
        return FontWithHint(QStringLiteral("Arial"), QFont::SansSerif);
    QFont font = FontWithHint(QStringLiteral("ＭＳ Ｐゴシック"), QFont::SansSerif);
    // Where the Windows face is missing, a Japanese gothic that free systems carry; a style hint
    // alone may land on a face without Japanese glyphs.
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic")});
    return font;
}
