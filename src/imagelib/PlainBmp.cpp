#include "imagelib/PlainBmp.h"

#include "imagelib/ImageLoadError.h"
#include "imagelib/PictureMemory.h"

#include <QtEndian>

#include <algorithm>
#include <vector>

namespace {

// Rows read with one call: large enough that the calls cost nothing, small enough to stay in cache.
constexpr qint64 kBandBytes = 256 * 1024;

// One row: B, G, R bytes to opaque QRgb values. Four pixels (twelve bytes) are taken as three
// 32-bit words, which keeps the loop free of byte stores.
void ConvertRow(const uchar *source, QRgb *target, qint64 width)
{
    constexpr quint32 kOpaque = 0xFF000000u;
    qint64 x = 0;
    for (; x + 4 <= width; x += 4, source += 12) {
        const quint32 a = qFromLittleEndian<quint32>(source);
        const quint32 b = qFromLittleEndian<quint32>(source + 4);
        const quint32 c = qFromLittleEndian<quint32>(source + 8);
        target[x] = kOpaque | (a & 0xFFFFFF);
        target[x + 1] = kOpaque | (a >> 24) | ((b & 0xFFFF) << 8);
        target[x + 2] = kOpaque | (b >> 16) | ((c & 0xFF) << 16);
        target[x + 3] = kOpaque | (c >> 8);
    }
    for (; x < width; ++x, source += 3)
        target[x] = qRgb(source[2], source[1], source[0]);
}

} // namespace

namespace plainbmp {

QImage Read(QFile &file, const PictureContent::TrueColourBmp &bmp)
{
    QImage picture = AllocatePicture(static_cast<int>(bmp.width), static_cast<int>(bmp.height), QImage::Format_RGB32);
    if (picture.isNull())
        throw ImageLoadError("not enough memory for the decoded picture");
    picture.setDotsPerMeterX(bmp.dotsPerMeterX);
    picture.setDotsPerMeterY(bmp.dotsPerMeterY);

    const qint64 stride = (bmp.width * 3 + 3) / 4 * 4;
    const qint64 bandRows = std::max<qint64>(1, kBandBytes / stride);
    std::vector<uchar> band(static_cast<size_t>(stride * bandRows));
    if (!file.seek(bmp.pixelOffset))
        throw ImageLoadError("cannot reach the pixel data");
    for (qint64 first = 0; first < bmp.height; first += bandRows) {
        const qint64 rows = std::min(bandRows, bmp.height - first);
        const qint64 bytes = rows * stride;
        if (file.read(reinterpret_cast<char *>(band.data()), bytes) != bytes)
            throw ImageLoadError("pixel data cut short");
        for (qint64 row = 0; row < rows; ++row) {
            const qint64 fileRow = first + row;
            const qint64 y = bmp.topDown ? fileRow : bmp.height - 1 - fileRow;
            ConvertRow(band.data() + row * stride, reinterpret_cast<QRgb *>(picture.scanLine(static_cast<int>(y))),
                       bmp.width);
        }
    }
    return picture;
}

} // namespace plainbmp
