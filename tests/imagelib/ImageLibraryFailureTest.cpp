// Pictures that cannot be decoded: each one throws ImageLoadError and leaves
// no picture behind for the JPEG writer.
#include "imagelib/ImageLibrary.h"
#include "imagelib/ImageLoadError.h"
#include "PictureBytes.h"
#include "TestPictures.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using picturebytes::Le16;
using picturebytes::Le32;

namespace {

class ImageLibraryFailures : public ::testing::Test
{
protected:
    QString Write(const QString &name, const QByteArray &bytes) { return picturebytes::WriteInto(folder, name, bytes); }

    QString Made(const QString &name)
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(testpics::MakePicture(path, 64, 48));
        return path;
    }

    // A decoder that set out to fill a huge claimed picture would run into the tests' time limit.
    void ExpectLoadFailure(const QString &path)
    {
        EXPECT_THROW(library.Load(path, 1), ImageLoadError) << path.toStdString();
    }

    QTemporaryDir folder;
    ImageLibrary library;
};

TEST_F(ImageLibraryFailures, NothingToDecode)
{
    ExpectLoadFailure(folder.filePath("missing.gif"));
    ExpectLoadFailure(folder.path());
    ExpectLoadFailure(Write("empty.gif", {}));
    ExpectLoadFailure(Write("text.gif", "This is not a picture at all.\r\n"));
    ExpectLoadFailure(Write("text.txt", "Neither is this: GraphicsMagick would draw it as text.\n"));
    ExpectLoadFailure(Write("script.tga", "%!PS-Adobe-3.0\n0 0 moveto showpage\n"));
}

// Cut inside the header, at a quarter, or short of the very last byte of picture data:
// decoders would fill the rest in, so the user would get half a picture as a whole one.
TEST_F(ImageLibraryFailures, TruncatedPictures)
{
    for (const QString name : {"cut.gif", "cut.jpg", "cut.bmp", "cut.pcx", "cut.tga"}) {
        const QByteArray whole = testpics::ReadBytes(Made(QStringLiteral("whole-") + name));
        ASSERT_FALSE(whole.isEmpty());
        ExpectLoadFailure(Write(QStringLiteral("head-") + name, whole.left(10)));
        ExpectLoadFailure(Write(QStringLiteral("quarter-") + name, whole.left(whole.size() / 4)));
        ExpectLoadFailure(Write(QStringLiteral("most-") + name, whole.left(whole.size() * 3 / 4)));
    }
}

TEST_F(ImageLibraryFailures, GifAndJpegCutAnywhereInTheirDataAreRefused)
{
    const QByteArray gif = testpics::ReadBytes(Made("whole.gif"));
    const QByteArray progressive = [this] {
        const QString path = folder.filePath("progressive.jpg");
        EXPECT_TRUE(testpics::MakePicture(path, 64, 48, {"-interlace", "Plane"}));
        return testpics::ReadBytes(path);
    }();
    ASSERT_FALSE(gif.isEmpty());
    ASSERT_FALSE(progressive.isEmpty());
    // Without the GIF trailer the picture is still whole; one byte less is not.
    ExpectLoadFailure(Write("gif-2.gif", gif.left(gif.size() - 2)));
    ExpectLoadFailure(Write("jpeg-2.jpg", progressive.left(progressive.size() - 2)));
    ExpectLoadFailure(Write("jpeg-half.jpg", progressive.left(progressive.size() / 2)));
}

TEST_F(ImageLibraryFailures, CompletePicturesWithOddEndsStillOpen)
{
    const QByteArray gif = testpics::ReadBytes(Made("whole.gif"));
    const QByteArray jpeg = testpics::ReadBytes(Made("whole.jpg"));
    ASSERT_EQ(gif.back(), '\x3B');
    // Some writers leave the GIF trailer out; some cameras append data after a JPEG's end.
    EXPECT_EQ(library.Load(Write("no-trailer.gif", gif.chopped(1)), 1).size(), QSize(64, 48));
    EXPECT_EQ(library.Load(Write("appended.jpg", jpeg + QByteArray(300, '\x42')), 1).size(), QSize(64, 48));
    EXPECT_EQ(library.Load(Write("appended.gif", gif + "trailing"), 1).size(), QSize(64, 48));
}

TEST_F(ImageLibraryFailures, CorruptPictures)
{
    // A valid signature followed by noise.
    QByteArray noise;
    for (int i = 0; i < 2000; ++i)
        noise.append(char((i * 73 + 11) & 0xFF));
    ExpectLoadFailure(Write("noise.gif", "GIF89a" + noise));
    ExpectLoadFailure(Write("noise.jpg", "\xFF\xD8\xFF\xE0" + noise));
    ExpectLoadFailure(Write("noise.bmp", "BM" + noise));
    ExpectLoadFailure(Write("noise.pcx", "\x0A\x05\x01\x08" + noise));
}

// Headers that claim 60000 x 60000 pixels over a few bytes of data.
TEST_F(ImageLibraryFailures, HugeClaimedDimensionsFailFast)
{
    const quint32 huge = 60000;
    const QByteArray filler(256, '\x55');

    ExpectLoadFailure(Write("huge.bmp", picturebytes::Bmp(huge, huge, 24, 0, {}, filler)));
    ExpectLoadFailure(Write("huge8.bmp", picturebytes::Bmp(huge, huge, 8, 0, QByteArray(1024, '\0'), filler)));
    ExpectLoadFailure(Write("huge-rle.bmp", picturebytes::Bmp(huge, huge, 8, 1, QByteArray(1024, '\0'), filler)));
    ExpectLoadFailure(Write("huge.tga", picturebytes::Tga24(huge, huge, false, filler)));
    // The largest header values at once: their row size times height leaves 64 bits.
    ExpectLoadFailure(Write("widest.bmp", picturebytes::Bmp(0x7FFFFFFF, 0x7FFFFFFF, 0xFFFF, 0, {}, filler)));

    QByteArray pcx = QByteArray("\x0A\x05\x01\x08", 4) + Le16(0) + Le16(0) + Le16(huge - 1) + Le16(huge - 1)
                     + Le16(72) + Le16(72) + QByteArray(48, '\0') + QByteArray(1, '\0') + QByteArray(1, '\3')
                     + Le16(huge) + Le16(1);
    pcx += QByteArray(128 - pcx.size(), '\0') + filler;
    ExpectLoadFailure(Write("huge.pcx", pcx));

    QByteArray gif = QByteArray("GIF89a") + Le16(huge) + Le16(huge) + QByteArray("\x00\x00\x00", 3)
                     + QByteArray(",", 1) + Le32(0) + Le16(huge) + Le16(huge) + QByteArray("\x00\x08", 2) + filler;
    ExpectLoadFailure(Write("huge.gif", gif));
}

TEST_F(ImageLibraryFailures, SideLongerThanTheLimitIsRefused)
{
    // One row of red pixels, padded to a multiple of four bytes.
    const int width = ImageLibrary::kMaxSide + 1;
    QByteArray row;
    for (int x = 0; x < width; ++x)
        row.append("\x00\x00\xFF", 3);
    row.append(QByteArray((4 - row.size() % 4) % 4, '\0'));
    ExpectLoadFailure(Write("long.bmp", picturebytes::Bmp(width, 1, 24, 0, {}, row)));
}

TEST_F(ImageLibraryFailures, FailedLoadForgetsThePreviousPicture)
{
    library.Load(Made("good.bmp"), 1);
    ExpectLoadFailure(Write("bad.bmp", "BM"));

    const QString jpeg = folder.filePath("good.jpg");
    EXPECT_THROW(library.SaveAsJpeg(80, jpeg), std::runtime_error);
    EXPECT_FALSE(QFileInfo::exists(jpeg));
}

} // namespace
