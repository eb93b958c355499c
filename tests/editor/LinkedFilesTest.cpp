// Links and odd entries beside the picture: the test page is never written through a link nor
// over anything but a plain file, only this run's unchanged pages are removed at the end, and the
// side file and the JPEG follow a link the user made.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include <sys/stat.h>

#include "EditorFixture.h"
#include "ModalAnswerer.h"
#include "OpenedUrls.h"
#include "TestPictures.h"

namespace {

const QString kPage = QStringLiteral("$$TEMP$$.HTML");

class LinkedFilesTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        Start();
    }
    // Opens a small GIF in folder (made if needed).
    void OpenPictureIn(const QString &folder)
    {
        ASSERT_TRUE(QDir(dir.path()).mkpath(folder));
        ASSERT_TRUE(testpics::MakePicture(Path(folder + "/pic.gif"), 20, 10));
        Main().OpenPictureFile(Path(folder + "/pic.gif"));
        ASSERT_EQ(List()->count(), 3);
    }
};

TEST_F(LinkedFilesTest, TestNeverWritesThroughALinkNorOverAnythingButAPlainFile)
{
    const struct {
        const char *what;
        std::function<bool(const QString &page)> plant;
    } cases[] = {
        {"a link to the user's file", [&](const QString &page) { return QFile::link(Path("victim.txt"), page); }},
        {"a link to nothing yet", [&](const QString &page) { return QFile::link(Path("made.html"), page); }},
        {"a named pipe", [](const QString &page) { return mkfifo(QFile::encodeName(page).constData(), 0644) == 0; }},
    };
    ASSERT_TRUE(testpics::WriteBytes(Path("victim.txt"), "the user's own text"));
    OpenedUrls opened;
    int folder = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        OpenPictureIn(QString::number(++folder));
        const QString page = Path(QString::number(folder) + "/" + kPage);
        ASSERT_TRUE(c.plant(page));
        const QFileInfo planted(page);

        ModalAnswerer answerer;
        Action(Main(), "testAction")->trigger();
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_EQ(answerer.Seen()[0].text, "Cannot write " + page + ": it is a link or not a regular file.");
        EXPECT_TRUE(opened.Urls().isEmpty());
        const QFileInfo after(page);
        EXPECT_EQ(after.isSymLink(), planted.isSymLink());
        EXPECT_EQ(after.isFile(), planted.isFile());
    }
    EXPECT_EQ(testpics::ReadBytes(Path("victim.txt")), "the user's own text");
    EXPECT_FALSE(QFileInfo::exists(Path("made.html")));
}

TEST_F(LinkedFilesTest, ClosingRemovesOnlyThePagesThisRunWroteThatStillHoldWhatItWrote)
{
    OpenedUrls opened;
    OpenPictureIn("tested");
    Action(Main(), "testAction")->trigger();
    OpenPictureIn("changed");
    Action(Main(), "testAction")->trigger();
    ASSERT_TRUE(testpics::WriteBytes(Path("changed/" + kPage), "the user's page now"));
    OpenPictureIn("users");
    ASSERT_TRUE(testpics::WriteBytes(Path("users/" + kPage), "the user's own page"));

    EXPECT_TRUE(Main().close());
    EXPECT_FALSE(QFileInfo::exists(Path("tested/" + kPage))) << "a page written beside an earlier picture";
    EXPECT_EQ(testpics::ReadBytes(Path("changed/" + kPage)), "the user's page now");
    EXPECT_EQ(testpics::ReadBytes(Path("users/" + kPage)), "the user's own page");
}

TEST_F(LinkedFilesTest, SideFileAndJpegFollowALinkTheUserMade)
{
    // The file the link points to is replaced, and the link stays where it was.
    ASSERT_TRUE(QDir(dir.path()).mkpath("kept"));
    ASSERT_TRUE(testpics::WriteBytes(Path("kept/pic.vmo"), "<IMG>\n<MAP>\n</MAP>\n"));
    ASSERT_TRUE(QFile::link(Path("kept/pic.vmo"), Path("pic.vmo")));
    ASSERT_TRUE(testpics::MakePicture(Path("pic.gif"), 20, 10));
    Main().OpenPictureFile(Path("pic.gif"));
    Action(Main(), "saveAction")->trigger();
    EXPECT_TRUE(QFileInfo(Path("pic.vmo")).isSymLink());
    EXPECT_EQ(testpics::ReadBytes(Path("kept/pic.vmo")), "<IMG>\r\n<MAP>\r\n</MAP>\r\n");

    ASSERT_TRUE(testpics::WriteBytes(Path("kept/photo.jpg"), "not yet a picture"));
    ASSERT_TRUE(QFile::link(Path("kept/photo.jpg"), Path("photo.jpg")));
    ASSERT_TRUE(testpics::MakePicture(Path("photo.bmp"), 20, 10));
    ModalAnswerer replace({"はい(&Y)"});
    Main().OpenPictureFile(Path("photo.bmp"));
    ASSERT_EQ(replace.Seen().size(), 1) << "the JPEG there is not one of ours";
    EXPECT_TRUE(QFileInfo(Path("photo.jpg")).isSymLink());
    EXPECT_TRUE(testpics::ReadBytes(Path("kept/photo.jpg")).startsWith("\xff\xd8"));
}

} // namespace
