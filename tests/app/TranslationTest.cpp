// The interface speaks the language whose translation is found for it: what that translation
// lacks stays English, and a language without any translation is English throughout.
#include <QMenuBar>

#include "EditorFixture.h"
#include "ModalAnswerer.h"

namespace {

class TranslationTest : public EditorFixture {
protected:
    QStringList MenuTitles()
    {
        QStringList titles;
        for (const QAction *menu : Main().menuBar()->actions())
            titles << menu->text();
        return titles;
    }
    QStringList LoadFailureTexts()
    {
        ModalAnswerer answerer;
        Main().OpenPictureFile(dir.path()); // a folder is not a picture
        QStringList texts;
        for (const auto &seen : answerer.Seen())
            texts << seen.text;
        return texts;
    }
};

TEST_F(TranslationTest, APartialTranslationLeavesTheRestInEnglish)
{
    environment.language = "de_AT"; // found as vemo_de
    environment.translationsFolder = VEMO_TEST_TRANSLATIONS;
    Start();
    EXPECT_EQ(MenuTitles().mid(0, 3), (QStringList{"&Datei", "&Edit", "&Create"}));
    EXPECT_EQ(LoadFailureTexts(), QStringList{"Diese Bilddatei lässt sich nicht laden!"});
}

// Also run after the German one: its translation is gone with its editor.
TEST_F(TranslationTest, ALanguageWithoutTranslationIsEnglish)
{
    environment.language = "de";
    Start();
    EXPECT_EQ(MenuTitles().first(), "&File");
    EXPECT_EQ(LoadFailureTexts(), QStringList{"Cannot load this Graphic file!"});
}

} // namespace
