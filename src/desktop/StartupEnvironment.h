#pragma once
// What start-up takes from the system: the program's path, its arguments, the user's
// configuration folder, the interface language and the screen's resolution. Tests build their own.
#include <QString>
#include <QStringList>

struct StartupEnvironment {
    QString programPath;
    QStringList arguments; // without the program itself
    QString userConfigFolder; // for the settings when the program's folder is not writable
    bool japanese = false;
    int logicalDpi = 96;

    static StartupEnvironment FromSystem();
};

// True exactly when the system's locale is Japanese.
bool IsJapaneseSystemLocale();
