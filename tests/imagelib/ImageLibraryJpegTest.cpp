// Writing the last decoded picture as JPEG, and reading back which picture a JPEG came from.
#include "imagelib/ImageLibrary.h"
#include "imagelib/ImageLoadError.h"
#include "PictureBytes.h"
#include "TestPictures.h"
#include "TinyDisk.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using picturebytes::ColourNear;

namespace {

class ImageLibraryJpeg : public ::testing::Test
{
protected:
    QString Made(const QString &name, int width = 120, int height = 90, const QStringList &options = {})
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(testpics::MakePicture(path, width, height, options));
        return path;
    }

    static QImage Decoded(const QString &path)
    {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), "jpeg") << path.toStdString();
        return reader.read();
    }

    QTemporaryDir folder;
    ImageLibrary library;
};

TEST_F(ImageLibraryJpeg, WritesTheLastDecodedPictureAtTheGivenQuality)
{
    // A noisy picture, so that the quality setting shows in the file size.
    library.Load(Made("photo.bmp", 160, 120, {"-attenuate", "0.5", "+noise", "Gaussian"}), 1);
    const QString at75 = folder.filePath("q75.jpg");
    const QString at80 = folder.filePath("photo.jpg");
    const QString at100 = folder.filePath("q100.jpg");
    library.SaveAsJpeg(75, at75);
    library.SaveAsJpeg(80, at80);
    library.SaveAsJpeg(100, at100);

    const QImage written = Decoded(at80);
    ASSERT_EQ(written.size(), QSize(160, 120));
    EXPECT_TRUE(ColourNear(written, 10, 10, Qt::yellow, 80));
    EXPECT_LT(QFileInfo(at75).size(), QFileInfo(at80).size());
    EXPECT_LT(QFileInfo(at80).size(), QFileInfo(at100).size());
}

TEST_F(ImageLibraryJpeg, TransparencyIsFlattenedOntoWhite)
{
    const QString path = folder.filePath("clear.tga");
    ASSERT_TRUE(testpics::Convert({"-size", "40x20", "xc:none", "-fill", "red",
                                   "-draw", "rectangle 0,0 19,19", path}, path));
    library.Load(path, 1);
    library.SaveAsJpeg(80, folder.filePath("clear.jpg"));

    const QImage written = Decoded(folder.filePath("clear.jpg"));
    EXPECT_TRUE(ColourNear(written, 8, 10, Qt::red, 16));
    EXPECT_TRUE(ColourNear(written, 32, 10, Qt::white, 8));
}

TEST_F(ImageLibraryJpeg, WriteFailureNamesTheFileInTheChosenLanguage)
{
    library.Load(Made("pic.pcx"), 1);
    const QString unreachable = folder.filePath("no-such-folder/pic.jpg");

    try {
        library.SaveAsJpeg(80, unreachable);
        FAIL() << "a write into a missing folder reported success";
    } catch (const ImageLoadError &) {
        FAIL() << "a write failure must not look like a load failure";
    } catch (const std::runtime_error &error) {
        const QString text = QString::fromUtf8(error.what());
        EXPECT_TRUE(text.contains(unreachable)) << error.what();
        EXPECT_TRUE(text.startsWith(QStringLiteral("Cannot write"))) << error.what();
    }

    library.SetLanguage(QStringLiteral("Japanese"));
    try {
        library.SaveAsJpeg(80, unreachable);
        FAIL() << "a write into a missing folder reported success";
    } catch (const std::runtime_error &error) {
        const QString text = QString::fromUtf8(error.what());
        EXPECT_TRUE(text.contains(unreachable)) << error.what();
        EXPECT_TRUE(text.contains(QStringLiteral("書き込めませんでした"))) << error.what();
    }
}

TEST_F(ImageLibraryJpeg, NothingLoadedNothingWritten)
{
    const QString target = folder.filePath("never.jpg");
    EXPECT_THROW(library.SaveAsJpeg(80, target), std::runtime_error);
    EXPECT_FALSE(QFileInfo::exists(target));
}

// A full disk: root ignores permission bits, so only a real full file system shows
// that a failed write keeps the old JPEG whole and leaves no partial file behind.
TEST_F(ImageLibraryJpeg, FullDiskKeepsTheOldFileWhole)
{
    TinyDisk disk;
    if (disk.Refused())
        GTEST_SKIP() << "needs a tmpfs mount, which this process may not make: " << disk.Problem().toStdString();
    ASSERT_TRUE(disk.Mounted()) << disk.Problem().toStdString();

    const QString target = disk.Path("photo.jpg");
    ASSERT_TRUE(testpics::WriteBytes(target, "the earlier JPEG"));
    library.Load(Made("photo.bmp", 400, 300, {"+noise", "Random"}), 1);
    ASSERT_TRUE(disk.Fill(8192)); // room for the start of the JPEG only

    EXPECT_THROW(library.SaveAsJpeg(80, target), std::runtime_error);
    EXPECT_EQ(testpics::ReadBytes(target), QByteArray("the earlier JPEG"));
    EXPECT_EQ(QDir(disk.Folder()).entryList(QDir::Files), (QStringList{"filler", "photo.jpg"}));
}

TEST_F(ImageLibraryJpeg, MarkerTellsOwnConversionsApart)
{
    const QString source = Made("写真 1.bmp");
    library.Load(source, 1);
    const QString converted = folder.filePath("写真 1.jpg");
    library.SaveAsJpeg(80, converted);
    EXPECT_EQ(ImageLibrary::ConvertedFrom(converted), QStringLiteral("写真 1.bmp"));

    // A JPEG from elsewhere, a missing file and a non-JPEG carry no marker.
    const QString unrelated = Made("other.jpg");
    EXPECT_EQ(ImageLibrary::ConvertedFrom(unrelated), QString());
    EXPECT_EQ(ImageLibrary::ConvertedFrom(folder.filePath("missing.jpg")), QString());
    EXPECT_EQ(ImageLibrary::ConvertedFrom(source), QString());
}

} // namespace
