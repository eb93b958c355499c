// Writing on a full or read-only disk: each file the editor writes keeps its previous content
// whole, no temporary file is left behind, and the user is told.
#include <QDir>

#include <map>

#include "EditorFixture.h"
#include "ModalAnswerer.h"
#include "OpenedUrls.h"
#include "TestPictures.h"
#include "TinyDisk.h"
#include "desktop/MessageDialogs.h"
#include "imagelib/SafeSaveFile.h"

namespace {

class FullDiskTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        if (disk.Refused())
            GTEST_SKIP() << "needs a tmpfs mount, which this process may not make: " << disk.Problem().toStdString();
        ASSERT_TRUE(disk.Mounted()) << disk.Problem().toStdString();
    }

    // Fills the disk and notes every file on it, to compare with after the failed write.
    [[nodiscard]] bool FillDisk(std::size_t leaveFree = 0)
    {
        if (!disk.Fill(leaveFree))
            return false;
        before = Files();
        return true;
    }

    std::map<QString, QByteArray> Files() const
    {
        std::map<QString, QByteArray> files;
        const QDir::Filters everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        for (const QString &name : QDir(disk.Folder()).entryList(everything))
            files[name] = name == "filler" ? QByteArray() : testpics::ReadBytes(disk.Path(name));
        return files;
    }

    TinyDisk disk;
    std::map<QString, QByteArray> before;
};

TEST_F(FullDiskTest, AWriteThatDoesNotFitLeavesTheOldFileWhole)
{
    ASSERT_TRUE(testpics::WriteBytes(disk.Path("old.txt"), "old content"));
    // No room at all, and room for only part of the new content.
    for (const std::size_t leaveFree : {std::size_t{0}, std::size_t{8192}}) {
        SCOPED_TRACE(leaveFree);
        ASSERT_TRUE(FillDisk(leaveFree));
        EXPECT_FALSE(SafeSaveFile::Replace(disk.Path("old.txt"), QByteArray(20000, 'n')));
        EXPECT_EQ(Files(), before);
    }
}

TEST_F(FullDiskTest, FailedSaveKeepsTheSideFileAndTheMapModified)
{
    ASSERT_TRUE(testpics::MakePicture(disk.Path("pic.gif"), 30, 20));
    ASSERT_TRUE(testpics::WriteBytes(disk.Path("pic.vmo"), "<IMG SRC=\"pic.gif\">\r\n<MAP NAME=\"pic\">\r\n</MAP>\r\n"));
    Start();
    Main().OpenPictureFile(disk.Path("pic.gif"));
    Document().ReplaceLine(1, "<MAP NAME=\"changed\">");
    ASSERT_TRUE(FillDisk());

    ModalAnswerer answerer;
    Action(Main(), "saveAction")->trigger();
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].text, "Cannot write " + disk.Path("pic.vmo") + ".");
    EXPECT_TRUE(Document().Modified());
    EXPECT_EQ(Files(), before);
}

TEST_F(FullDiskTest, FailedSettingsWriteAtCloseKeepsTheSettingsFile)
{
    environment.programPath = disk.Path("vemo-editor");
    ASSERT_TRUE(testpics::WriteBytes(disk.Path("vemo-editor.INI"), "[MAIN]\r\nLEFT=7\r\n"));
    Start();
    Main().show();
    ASSERT_TRUE(FillDisk());

    ModalAnswerer answerer;
    EXPECT_TRUE(Main().close());
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].text, disk.Path("vemo-editor.INI") + " に書き込めません.");
    EXPECT_EQ(Files(), before);
}

TEST_F(FullDiskTest, AJpegThatDoesNotFitIsReportedAndOpensNothing)
{
    ASSERT_TRUE(testpics::MakePicture(disk.Path("photo.bmp"), 40, 30));
    Start();
    ASSERT_TRUE(FillDisk());

    ModalAnswerer answerer;
    RunGuarded(&Main(), [&] { Main().OpenPictureFile(disk.Path("photo.bmp")); });
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_TRUE(answerer.Seen()[0].text.contains(disk.Path("photo.jpg"))) << answerer.Seen()[0].text.toStdString();
    EXPECT_EQ(Files(), before);
    EXPECT_EQ(Document().PicturePath(), "");
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(editor->View().isVisible());
    EXPECT_FALSE(Action(Main(), "saveAction")->isEnabled());
}

TEST_F(FullDiskTest, ATestPageThatDoesNotFitIsReportedAndNotOpened)
{
    ASSERT_TRUE(testpics::MakePicture(disk.Path("pic.gif"), 30, 20));
    Start();
    Main().OpenPictureFile(disk.Path("pic.gif"));
    ASSERT_TRUE(FillDisk());

    OpenedUrls opened;
    ModalAnswerer answerer;
    Action(Main(), "testAction")->trigger();
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].text, "Cannot write " + disk.Path("$$TEMP$$.HTML") + ".");
    EXPECT_TRUE(opened.Urls().isEmpty());
    EXPECT_EQ(Files(), before);
}

TEST_F(FullDiskTest, AReadOnlyFolderRefusesEveryWriteAndLosesNothing)
{
    ASSERT_TRUE(testpics::MakePicture(disk.Path("photo.bmp"), 30, 20));
    ASSERT_TRUE(testpics::MakePicture(disk.Path("pic.gif"), 30, 20));
    ASSERT_TRUE(testpics::WriteBytes(disk.Path("pic.vmo"), "<IMG>\r\n<MAP>\r\n</MAP>\r\n"));
    Start();
    ASSERT_TRUE(disk.MakeReadOnly());
    before = Files();
    OpenedUrls opened;

    {
        SCOPED_TRACE("the JPEG beside a BMP");
        ModalAnswerer answerer;
        RunGuarded(&Main(), [&] { Main().OpenPictureFile(disk.Path("photo.bmp")); });
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_TRUE(answerer.Seen()[0].text.contains(disk.Path("photo.jpg")));
        EXPECT_EQ(List()->count(), 0);
    }

    Main().OpenPictureFile(disk.Path("pic.gif"));
    ASSERT_EQ(List()->count(), 3);
    Document().ReplaceLine(1, "<MAP NAME=\"changed\">");
    const struct {
        QAction *command;
        const char *file;
    } writes[] = {{Action(Main(), "saveAction"), "pic.vmo"}, {Action(Main(), "testAction"), "$$TEMP$$.HTML"}};
    for (const auto &write : writes) {
        SCOPED_TRACE(write.file);
        ModalAnswerer answerer;
        write.command->trigger();
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_EQ(answerer.Seen()[0].text, "Cannot write " + disk.Path(write.file) + ".");
    }
    EXPECT_TRUE(Document().Modified());
    EXPECT_TRUE(opened.Urls().isEmpty());
    EXPECT_EQ(Files(), before);
}

} // namespace
