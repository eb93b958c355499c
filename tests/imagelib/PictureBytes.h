#pragma once
// Small helpers for the image library tests: hand-made picture headers and colour checks.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include "TestPictures.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace picturebytes {

// Writes bytes to a file of the given name in folder and returns its path.
inline QString WriteInto(const QTemporaryDir &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = folder.filePath(name);
    EXPECT_TRUE(testpics::WriteBytes(path, bytes)) << path.toStdString();
    return path;
}

inline QByteArray Le16(unsigned value)
{
    QByteArray bytes;
    bytes.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
    return bytes;
}

inline QByteArray Le32(quint32 value)
{
    return Le16(value & 0xFFFF) + Le16(value >> 16);
}

// A Windows bitmap with a 40-byte info header; palette entries are B, G, R, 0.
inline QByteArray Bmp(int width, int height, int bitsPerPixel, quint32 compression,
                      const QByteArray &palette, const QByteArray &pixels)
{
    const quint32 pixelOffset = 14 + 40 + palette.size();
    QByteArray info = Le32(40) + Le32(quint32(width)) + Le32(quint32(height)) + Le16(1)
                      + Le16(bitsPerPixel) + Le32(compression) + Le32(pixels.size())
                      + Le32(2835) + Le32(2835) + Le32(palette.size() / 4) + Le32(0);
    return QByteArray("BM") + Le32(pixelOffset + pixels.size()) + Le32(0) + Le32(pixelOffset)
           + info + palette + pixels;
}

// An uncompressed 24-bit TGA; pixels are B, G, R rows in file order.
inline QByteArray Tga24(int width, int height, bool topDown, const QByteArray &pixels)
{
    QByteArray header(12, '\0');
    header[2] = 2;
    return header + Le16(width) + Le16(height) + QByteArray(1, char(24))
           + QByteArray(1, char(topDown ? 0x20 : 0x00)) + pixels;
}

// True when every channel of the pixel is within tolerance of the expected colour.
inline ::testing::AssertionResult ColourNear(const QImage &image, int x, int y,
                                             const QColor &expected, int tolerance = 40)
{
    const QColor actual = image.pixelColor(x, y);
    const bool near = std::abs(actual.red() - expected.red()) <= tolerance
                      && std::abs(actual.green() - expected.green()) <= tolerance
                      && std::abs(actual.blue() - expected.blue()) <= tolerance;
    if (near)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel (" << x << "," << y << ") is " << actual.name().toStdString()
           << ", expected near " << expected.name().toStdString();
}

} // namespace picturebytes
