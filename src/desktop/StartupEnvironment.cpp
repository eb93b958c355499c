#include "desktop/StartupEnvironment.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

StartupEnvironment StartupEnvironment::FromSystem()
{
    StartupEnvironment environment;
    environment.programPath = QCoreApplication::applicationFilePath();
    environment.arguments = QCoreApplication::arguments().mid(1);
    environment.userConfigFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    environment.language = SystemInterfaceLanguage();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        environment.logicalDpi = static_cast<int>(screen->logicalDotsPerInch());
    return environment;
}

bool IsJapaneseSystemLocale()
{
#ifdef Q_OS_WIN
    // Windows keeps the system locale as a hexadecimal language id; Japanese is 0411.
    const QSettings locale(QStringLiteral("HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Nls\\Locale"),
                           QSettings::NativeFormat);
    return locale.value(QStringLiteral("Default")).toString() == QStringLiteral("00000411");
#else
    return QLocale::system().language() == QLocale::Japanese;
#endif
}

QString SystemInterfaceLanguage()
{
    if (IsJapaneseSystemLocale())
        return QStringLiteral("ja");
    const QString system = QLocale::system().name();
    return IsJapanese(system) ? QStringLiteral("en") : system;
}

bool IsJapanese(const QString &language)
{
    return QLocale(language).language() == QLocale::Japanese;
}
