// The File menu's recent pictures: the latest first, kept across runs in the settings file, and
// an entry whose file is gone taken off with a message.
#include <QAction>
#include <QFile>

#include "EditorFixture.h"
#include "ModalAnswerer.h"
#include "TestPictures.h"
#include "editor/RecentPictureMenu.h"

namespace {

class RecentPicturesTest : public EditorFixture {
protected:
    QStringList EntryTexts()
    {
        QStringList texts;
        for (QAction *entry : Main().recentPictures->Entries())
            texts << entry->text();
        return texts;
    }
};

TEST_F(RecentPicturesTest, OpenedPicturesAreListedKeptAndDroppedWhenGone)
{
    ASSERT_TRUE(testpics::MakePicture(Path("a.gif"), 8, 8));
    ASSERT_TRUE(testpics::MakePicture(Path("b.gif"), 8, 8));
    Start();
    for (const char *name : {"a.gif", "b.gif", "a.gif"})
        Main().OpenPictureFile(Path(name));
    EXPECT_EQ(EntryTexts(), (QStringList{"&1 " + Path("a.gif"), "&2 " + Path("b.gif")}));

    ASSERT_TRUE(Main().close());
    Start(); // a new run reads them from the settings file
    ASSERT_EQ(EntryTexts(), (QStringList{"&1 " + Path("a.gif"), "&2 " + Path("b.gif")}));

    Main().recentPictures->Entries()[0]->trigger();
    EXPECT_EQ(Document().PicturePath(), Path("a.gif"));

    ASSERT_TRUE(QFile::remove(Path("b.gif")));
    ModalAnswerer answerer;
    Main().recentPictures->Entries()[1]->trigger();
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].text, Path("b.gif") + " is no longer there; it is taken off the list.");
    EXPECT_EQ(EntryTexts(), QStringList{"&1 " + Path("a.gif")});
    EXPECT_EQ(Document().PicturePath(), Path("a.gif")) << "the open map stays";
}

} // namespace
