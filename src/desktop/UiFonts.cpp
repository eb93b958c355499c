#include "desktop/UiFonts.h"

QFont FontWithHint(const QString &family, QFont::StyleHint hint)
{
    QFont font(family);
    font.setStyleHint(hint);
    return font;
}

QFont ProportionalUiFont(bool japaneseUI)
{
    return FontWithHint(japaneseUI ? QStringLiteral("ＭＳ Ｐゴシック") : QStringLiteral("Arial"), QFont::SansSerif);
}
