#pragma once
// A user message in its two languages; the one shown follows the interface language.
#include <QString>

struct UiText {
    const char *japanese; // UTF-8
    const char *english;

    QString In(bool japaneseUI) const { return QString::fromUtf8(japaneseUI ? japanese : english); }
};
