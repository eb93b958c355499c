// Opening real pictures of every format the open dialog offers, made with ImageMagick.
#include "imagelib/ImageLibrary.h"
#include "PictureBytes.h"
#include "TestPictures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using picturebytes::ColourNear;

namespace {

constexpr int kWidth = 40;
constexpr int kHeight = 30;

struct MadePicture
{
    const char *name;     // the test's name
    const char *coder;    // convert's "FORMAT:" prefix, empty when the extension says it
    const char *fileName;
    QStringList options;  // extra convert options
};

void PrintTo(const MadePicture &picture, std::ostream *out)
{
    *out << picture.name;
}

class ImageLibraryFormats : public ::testing::TestWithParam<MadePicture>
{
protected:
    QTemporaryDir folder;
    ImageLibrary library;
};

// The test picture is a red (top) to blue (bottom) gradient with a yellow block
// in its top-left corner.
TEST_P(ImageLibraryFormats, DecodesSizeAndColours)
{
    const MadePicture &picture = GetParam();
    const QString path = folder.filePath(QString::fromLatin1(picture.fileName));
    ASSERT_TRUE(testpics::MakePicture(QString::fromLatin1(picture.coder) + path, kWidth, kHeight, picture.options));

    const QImage image = library.Load(path, 1);

    ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
    EXPECT_TRUE(ColourNear(image, 2, 2, Qt::yellow));
    EXPECT_TRUE(ColourNear(image, kWidth - 1, 0, Qt::red));
    EXPECT_TRUE(ColourNear(image, kWidth - 1, kHeight - 1, Qt::blue));
    EXPECT_EQ(image.pixelColor(kWidth - 1, kHeight - 1).alpha(), 255);
}

const QStringList kPalette256{"-colors", "256", "-type", "Palette"};
const QStringList kRle{"-colors", "256", "-type", "Palette", "-compress", "RLE"};
const QStringList kTrueColour{"-type", "TrueColor"};
// ImageMagick writes TGA rows top first whatever origin it declares; flipping first
// makes a true bottom-up file.
const QStringList kBottomUp{"-flip", "-orient", "BottomLeft"};
const QStringList kTopDown{"-orient", "TopLeft"};

INSTANTIATE_TEST_SUITE_P(
    OpenDialogFormats, ImageLibraryFormats,
    ::testing::Values(
        MadePicture{"Gif", "", "pic.gif", {}},
        MadePicture{"Jpeg", "", "pic.jpg", {}},
        MadePicture{"JpegNamedJif", "JPEG:", "pic.jif", {}},
        MadePicture{"Bmp24", "BMP3:", "pic.bmp", kTrueColour},
        MadePicture{"BmpV5Header", "", "pic.bmp", {}},
        MadePicture{"Bmp8Palette", "BMP3:", "pic.bmp", kPalette256},
        MadePicture{"BmpRle8", "BMP3:", "pic.bmp", kRle},
        MadePicture{"Os2Bmp", "BMP2:", "pic.bmp", {}},
        MadePicture{"Dib", "BMP3:", "pic.dib", {}},
        MadePicture{"RleNamedRle", "BMP3:", "pic.rle", kRle},
        MadePicture{"Pcx8Palette", "PCX:", "pic.pcx", kPalette256},
        MadePicture{"Pcx24", "PCX:", "pic.pcx", kTrueColour},
        MadePicture{"Tga24BottomUp", "", "pic.tga", kTrueColour + kBottomUp},
        MadePicture{"Tga24TopDown", "", "pic.tga", kTrueColour + kTopDown},
        MadePicture{"Tga32BottomUp", "", "pic.tga", QStringList{"-type", "TrueColorAlpha"} + kBottomUp},
        MadePicture{"TgaRleBottomUp", "", "pic.tga", kTrueColour + QStringList{"-compress", "RLE"} + kBottomUp},
        MadePicture{"TgaRle32TopDown", "", "pic.tga", QStringList{"-type", "TrueColorAlpha", "-compress", "RLE"} + kTopDown},
        MadePicture{"TgaPalette", "", "pic.tga", kPalette256 + kBottomUp},
        MadePicture{"TgaNamedOtherwise", "TGA:", "pic.vda", kTrueColour + kTopDown}),
    [](const ::testing::TestParamInfo<MadePicture> &info) { return std::string(info.param.name); });

class ImageLibraryHandMade : public ::testing::Test
{
protected:
    QString Write(const QString &name, const QByteArray &bytes) { return picturebytes::WriteInto(folder, name, bytes); }

    QTemporaryDir folder;
    ImageLibrary library;
};

// Palette: 0 red, 1 green, 2 blue (B, G, R, 0 entries).
const QByteArray kThreeColours = QByteArray("\x00\x00\xFF\x00" "\x00\xFF\x00\x00" "\xFF\x00\x00\x00", 12);

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255);

::testing::AssertionResult RowsAre(const QImage &image, const QList<QList<QRgb>> &rows)
{
    if (image.size() != QSize(rows[0].size(), rows.size()))
        return ::testing::AssertionFailure() << "size " << image.width() << "x" << image.height();
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            if (image.pixel(x, y) != rows[y][x])
                return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is "
                                                     << QColor(image.pixel(x, y)).name().toStdString();
    return ::testing::AssertionSuccess();
}

// End-of-line, delta and an early end-of-bitmap leave pixels unwritten; they must come
// out as palette entry 0 (the zeroed bitmap a Windows DIB starts from), never as
// leftover memory, and an early end must not make the picture unreadable.
TEST_F(ImageLibraryHandMade, Rle8SkippedPixelsTakePaletteEntryZero)
{
    const QByteArray bottomRow("\x02\x01" "\x00\x00", 4);                         // 2 green, end of line
    const QByteArray middleRow("\x01\x02" "\x00\x02\x03\x00" "\x01\x02" "\x00\x00", 10); // blue, skip 3, blue
    const QByteArray topRow("\x01\x02" "\x00\x00", 4);                            // blue
    const QByteArray end("\x00\x01", 2);
    const auto load = [this](const QString &name, const QByteArray &rle) {
        return library.Load(Write(name, picturebytes::Bmp(8, 3, 8, 1, kThreeColours, rle)), 1);
    };

    EXPECT_TRUE(RowsAre(load("complete.bmp", bottomRow + middleRow + topRow + end),
                        {{kBlue, kRed, kRed, kRed, kRed, kRed, kRed, kRed},
                         {kBlue, kRed, kRed, kRed, kBlue, kRed, kRed, kRed},
                         {kGreen, kGreen, kRed, kRed, kRed, kRed, kRed, kRed}}));
    EXPECT_TRUE(RowsAre(load("ends-early.bmp", bottomRow + middleRow + end),
                        {{kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed},
                         {kBlue, kRed, kRed, kRed, kBlue, kRed, kRed, kRed},
                         {kGreen, kGreen, kRed, kRed, kRed, kRed, kRed, kRed}}));
    // A delta that moves up a row, then the end in the middle of the last row.
    const QByteArray jump("\x02\x01" "\x00\x02\x03\x02" "\x01\x02" "\x00\x01", 10);
    EXPECT_TRUE(RowsAre(load("jumps.bmp", jump),
                        {{kRed, kRed, kRed, kRed, kRed, kBlue, kRed, kRed},
                         {kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed},
                         {kGreen, kGreen, kRed, kRed, kRed, kRed, kRed, kRed}}));
}

TEST_F(ImageLibraryHandMade, Rle4DecodesRunsAndAbsoluteNibbles)
{
    // 6 x 2: bottom row a run of 2,1,2,1,2,1 ; top row absolute 0,1,2,1.
    const QByteArray rle = QByteArray("\x06\x21" "\x00\x00"
                                      "\x00\x04\x01\x21" "\x00\x00" "\x00\x01", 12);
    const QImage image = library.Load(Write("nibbles.rle", picturebytes::Bmp(6, 2, 4, 2, kThreeColours, rle)), 1);

    EXPECT_TRUE(RowsAre(image, {{kRed, kGreen, kBlue, kGreen, kRed, kRed},
                                {kBlue, kGreen, kBlue, kGreen, kBlue, kGreen}}));
}

// 24-bit bitmaps: rows padded to 4 bytes, stored bottom-up or (negative height) top-down, and a
// width that is not a multiple of the 4 pixels the row reader converts at a time.
TEST_F(ImageLibraryHandMade, TrueColourBmpRowsInBothOrders)
{
    const QRgb kWhite = qRgb(255, 255, 255), kGrey = qRgb(0x10, 0x20, 0x30);
    // B, G, R bytes; each row of 5 pixels padded from 15 to 16 bytes.
    const QByteArray first = QByteArray("\x00\x00\xFF" "\x00\xFF\x00" "\xFF\x00\x00" "\xFF\xFF\xFF" "\x30\x20\x10" "\x00", 16);
    const QByteArray second = QByteArray("\x30\x20\x10" "\xFF\xFF\xFF" "\xFF\x00\x00" "\x00\xFF\x00" "\x00\x00\xFF" "\x00", 16);
    const QList<QRgb> firstRow{kRed, kGreen, kBlue, kWhite, kGrey};
    const QList<QRgb> secondRow{kGrey, kWhite, kBlue, kGreen, kRed};

    const QImage bottomUp = library.Load(Write("up.bmp", picturebytes::Bmp(5, 2, 24, 0, {}, first + second)), 1);
    const QImage topDown = library.Load(Write("down.bmp", picturebytes::Bmp(5, -2, 24, 0, {}, first + second)), 1);

    EXPECT_TRUE(RowsAre(bottomUp, {secondRow, firstRow}));
    EXPECT_TRUE(RowsAre(topDown, {firstRow, secondRow}));
}

TEST_F(ImageLibraryHandMade, TgaOriginDecidesWhichRowComesFirst)
{
    // Two rows of two pixels: first row in the file red, second green (B, G, R).
    const QByteArray rows = QByteArray("\x00\x00\xFF" "\x00\x00\xFF" "\x00\xFF\x00" "\x00\xFF\x00", 12);
    const QImage bottomUp = library.Load(Write("up.tga", picturebytes::Tga24(2, 2, false, rows)), 1);
    const QImage topDown = library.Load(Write("down.tga", picturebytes::Tga24(2, 2, true, rows)), 1);

    EXPECT_EQ(bottomUp.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(bottomUp.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(topDown.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(topDown.pixel(1, 1), qRgb(0, 255, 0));
}

TEST_F(ImageLibraryHandMade, FormatComesFromContentNotName)
{
    const QByteArray rows = QByteArray("\xFF\x00\x00", 3);
    const QImage image = library.Load(Write("really-a-tga.gif", picturebytes::Tga24(1, 1, false, rows)), 1);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
}

// Browsers turn a photo by its EXIF orientation, so the view must show it turned too:
// otherwise the map's coordinates would not fit the picture on the page.
TEST_F(ImageLibraryHandMade, JpegIsTurnedByItsExifOrientation)
{
    const QString made = folder.filePath("upright.jpg");
    ASSERT_TRUE(testpics::MakePicture(made, 40, 30));
    // An APP1 Exif segment with one IFD entry: Orientation (0x0112) = 6, turn 90 degrees clockwise.
    const QByteArray tiff = QByteArray("II*\0", 4) + picturebytes::Le32(8) + picturebytes::Le16(1)
                            + picturebytes::Le16(0x0112) + picturebytes::Le16(3) + picturebytes::Le32(1)
                            + picturebytes::Le32(6) + picturebytes::Le32(0);
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    const int segmentLength = exif.size() + 2;
    const QByteArray app1 = QByteArray("\xFF\xE1", 2) + char(segmentLength >> 8) + char(segmentLength & 0xFF) + exif;
    QByteArray jpeg = testpics::ReadBytes(made);
    jpeg.insert(2, app1);

    const QImage image = library.Load(Write("turned.jpg", jpeg), 1);

    ASSERT_EQ(image.size(), QSize(30, 40));
    EXPECT_TRUE(ColourNear(image, 27, 2, Qt::yellow));
    EXPECT_TRUE(ColourNear(image, 0, 39, Qt::blue));
}

TEST_F(ImageLibraryHandMade, TransparencyOfA32BitTgaSurvives)
{
    const QString path = folder.filePath("clear.tga");
    ASSERT_TRUE(testpics::Convert({"-size", "20x10", "xc:none", "-fill", "red",
                                   "-draw", "rectangle 0,0 9,9", path}, path));
    const QImage image = library.Load(path, 1);

    ASSERT_EQ(image.size(), QSize(20, 10));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(15, 5).alpha(), 0);
}

} // namespace
