// Ways to open a picture besides Open Graphic: the File menu's recent pictures (the latest first,
// kept across runs, an entry whose file is gone taken off with a message) and a dropped file.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "EditorFixture.h"
#include "ModalAnswerer.h"
#include "TestPictures.h"
#include "editor/RecentPictureMenu.h"

namespace {

class OpeningConventionsTest : public EditorFixture {
protected:
    QStringList EntryTexts()
    {
        QStringList texts;
        for (QAction *entry : Named<RecentPictureMenu>(Main(), "recentPictures")->Entries())
            texts << entry->text();
        return texts;
    }
};

TEST_F(OpeningConventionsTest, OpenedPicturesAreListedKeptAndDroppedWhenGone)
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

    Named<RecentPictureMenu>(Main(), "recentPictures")->Entries()[0]->trigger();
    EXPECT_EQ(Document().PicturePath(), Path("a.gif"));

    ASSERT_TRUE(QFile::remove(Path("b.gif")));
    ModalAnswerer answerer;
    Named<RecentPictureMenu>(Main(), "recentPictures")->Entries()[1]->trigger();
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].text, Path("b.gif") + " is no longer there; it is taken off the list.");
    EXPECT_EQ(EntryTexts(), QStringList{"&1 " + Path("a.gif")});
    EXPECT_EQ(Document().PicturePath(), Path("a.gif")) << "the open map stays";
}

TEST_F(OpeningConventionsTest, AFileDroppedOnEitherWindowOpensAfterTheSaveQuestion)
{
    ASSERT_TRUE(testpics::MakePicture(Path("a.gif"), 8, 8));
    ASSERT_TRUE(testpics::MakePicture(Path("b.gif"), 8, 8));
    ASSERT_TRUE(testpics::WriteBytes(Path("notes.txt"), "not a picture"));
    Start();
    Main().OpenPictureFile(Path("a.gif"));
    const auto drop = [](QWidget *target, const QString &path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QTest::qWait(20); // the drop opens once it is over
    };

    Document().MarkModified();
    {
        ModalAnswerer answerer({"いいえ(&N)"});
        drop(&editor->View(), Path("b.gif"));
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_EQ(answerer.Seen()[0].text, "This image map is changed!!\r\nDo you save now?");
    }
    EXPECT_EQ(Document().PicturePath(), Path("b.gif"));

    ModalAnswerer answerer;
    drop(&Main(), Path("notes.txt"));
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].text, "Cannot load this Graphic file!");
}

} // namespace
