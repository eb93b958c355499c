#pragma once
// The interface in the user's language: the program's texts are written in English and looked up
// in the translation for the language while this object lives. Qt's own dialogs (file chooser,
// font and colour choosers) follow from Qt's translations where the system has them.
#include <QLocale>
#include <QString>
#include <QTranslator>

class InterfaceTranslation {
public:
    // Installs "vemo_<language>.qm" from `folder` ("vemo_de_AT" falls back to "vemo_de") and makes
    // the language the default locale; with no such file the English texts stay.
    InterfaceTranslation(const QString &language, const QString &folder);
    ~InterfaceTranslation();
    InterfaceTranslation(const InterfaceTranslation &) = delete;
    InterfaceTranslation &operator=(const InterfaceTranslation &) = delete;

    bool Loaded() const { return loaded_; }

private:
    QTranslator programTexts_;
    QTranslator qtTexts_;
    bool loaded_ = false;
    bool qtLoaded_ = false;
    QLocale previousDefault_;
};
