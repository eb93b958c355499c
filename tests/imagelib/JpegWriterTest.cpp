// The JPEG written from the picture's rows must be the file Qt's own writer makes: the converted
// pictures users already have, the comment the editor reads back, and every viewer rely on it.
#include "imagelib/JpegWriter.h"

#include <QBuffer>
#include <QImageWriter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

QImage Noise(QImage::Format format, int width = 67, int height = 45)
{
    QImage picture(width, height, QImage::Format_RGB32);
    QRandomGenerator random(3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 7 + y) % 256, random.bounded(256), (x ^ y) % 256));
    }
    return picture.convertToFormat(format);
}

QImage Paletted(bool grey)
{
    QImage picture(70, 33, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int index = 0; index < 256; ++index)
        colours << (grey ? qRgb(index, index, index) : qRgb(index, 255 - index, index / 2));
    picture.setColorTable(colours);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, (x * 5 + y * 3) % 256);
    }
    return picture;
}

QByteArray ByQt(const QImage &picture, int quality)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setText("VemoSource", "ピクチャ.bmp");
    EXPECT_TRUE(writer.write(picture));
    return buffer.data();
}

TEST(JpegWriter, WritesTheFileQtsWriterWrites)
{
    QImage dense = Noise(QImage::Format_RGB32);
    dense.setDotsPerMeterX(11811); // 300 dpi
    const struct {
        const char *what;
        QImage picture;
    } cases[] = {
        {"32-bit rows", Noise(QImage::Format_RGB32)},
        {"24-bit rows", Noise(QImage::Format_RGB888)},
        {"grey rows", Noise(QImage::Format_Grayscale8)},
        {"a palette of greys", Paletted(true)},
        {"a palette of colours", Paletted(false)},
        {"two colours", Noise(QImage::Format_Mono)},
        {"16-bit rows", Noise(QImage::Format_RGB16)},
        {"more rows than a band", Noise(QImage::Format_BGR888, 33, 300)},
        {"a resolution of its own", dense},
    };
    for (const auto &test : cases) {
        for (const int quality : {80, 100}) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            EXPECT_EQ(jpegwriter::Write(test.picture, quality, "VemoSource", "ピクチャ.bmp", buffer), QString());
            EXPECT_TRUE(buffer.data() == ByQt(test.picture, quality)) << test.what << " at " << quality;
        }
    }
}

TEST(JpegWriter, ADeviceThatTakesNothingIsAFailure)
{
    QBuffer closed; // never opened: every write fails
    EXPECT_FALSE(jpegwriter::Write(Noise(QImage::Format_RGB32), 80, "k", "v", closed).isEmpty());
}

} // namespace
