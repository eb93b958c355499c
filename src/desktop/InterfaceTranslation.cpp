#include "desktop/InterfaceTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

InterfaceTranslation::InterfaceTranslation(const QString &language, const QString &folder)
{
    const QLocale locale(language);
    QLocale::setDefault(locale);
    loaded_ = programTexts_.load(QStringLiteral("vemo_") + language, folder) &&
              QCoreApplication::installTranslator(&programTexts_);
    // Only with the program's own translation, so an English interface keeps English Qt dialogs.
    if (loaded_)
        qtLoaded_ = qtTexts_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                    QCoreApplication::installTranslator(&qtTexts_);
}

InterfaceTranslation::~InterfaceTranslation()
{
    if (qtLoaded_)
        QCoreApplication::removeTranslator(&qtTexts_);
    if (loaded_)
        QCoreApplication::removeTranslator(&programTexts_);
    QLocale::setDefault(previousDefault_);
}
