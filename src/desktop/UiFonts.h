#pragma once
// The fonts the windows name. Fonts named after Windows faces may be missing on other systems;
// a style hint keeps the look of the fallback close to the intended face.
#include <QFont>

QFont FontWithHint(const QString &family, QFont::StyleHint hint);

// The proportional face of status bars and of the texts the user types in the area dialogs:
// a Japanese gothic in a Japanese interface (the default locale is Japanese), else Arial.
QFont ProportionalUiFont();
