#pragma once
// What start-up takes from the system: the program's path, its arguments, the user's
// configuration folder, the interface language and the screen's resolution. Tests build their own.
#include <QString>
#include <QStringList>

struct StartupEnvironment {
    QString programPath;
    QStringList arguments; // without the program itself
    QString userConfigFolder; // for the settings when the program's folder is not writable
    // The interface language as a locale name ("ja", "de_DE"); its translation is used when there is one.
    QString language = QStringLiteral("en");
    // Where the translations are: the program's own resources; tests name their own folder.
    QString translationsFolder = QStringLiteral(":/i18n");
    int logicalDpi = 96;

    static StartupEnvironment FromSystem();
};

// True exactly when the system's locale is Japanese.
bool IsJapaneseSystemLocale();

// The language the interface speaks: Japanese exactly when the system's locale is Japanese,
// else the system locale's own language.
QString SystemInterfaceLanguage();

// True when `language` names Japanese, which also chooses Japanese faces for the texts the user types.
bool IsJapanese(const QString &language);
