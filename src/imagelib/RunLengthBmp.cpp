#include "imagelib/RunLengthBmp.h"

#include "imagelib/BmpLayout.h"

#include <QtEndian>

using namespace bmplayout;

namespace {

quint32 Read32(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

void Write32(QByteArray &bytes, int offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

} // namespace

QByteArray RunLengthBmp::WithRowsCompleted(const QByteArray &bmp, int maxRows)
{
    if (bmp.size() < kHeadersEnd)
        return bmp;
    const qint32 height = static_cast<qint32>(Read32(bmp, kHeightOffset));
    const quint32 compression = Read32(bmp, kCompressionOffset);
    const quint32 pixelOffset = Read32(bmp, kPixelOffsetOffset);
    if (height <= 0 || height > maxRows || (compression != kRle8 && compression != kRle4)
        || pixelOffset >= static_cast<quint32>(bmp.size()))
        return bmp;
    const bool fourBit = compression == kRle4;

    const auto byteAt = [&bmp](qsizetype position) { return static_cast<unsigned char>(bmp[position]); };
    qint64 row = 0;
    for (qsizetype position = pixelOffset; position + 1 < bmp.size();) {
        const unsigned count = byteAt(position);
        const unsigned code = byteAt(position + 1);
        if (count > 0 || code > 2) {
            // A run (two bytes), or "code" literal pixels padded to a 16-bit boundary.
            qsizetype literalBytes = count > 0 ? 0 : (fourBit ? (code + 1) / 2 : code);
            position += 2 + literalBytes + (literalBytes & 1);
        } else if (code == 0) {
            ++row;
            position += 2;
        } else if (code == 2) {
            if (position + 3 >= bmp.size())
                return bmp;
            row += byteAt(position + 3);
            position += 4;
        } else {
            // End of bitmap: pad with end-of-line codes up to and past the last row.
            if (row >= height)
                return bmp;
            QByteArray ends;
            for (qint64 left = height - row; left > 0; --left)
                ends.append("\0\0", 2);
            QByteArray completed = bmp;
            completed.insert(position, ends);
            Write32(completed, kFileSizeOffset, static_cast<quint32>(completed.size()));
            Write32(completed, kImageSizeOffset, static_cast<quint32>(completed.size() - pixelOffset));
            return completed;
        }
    }
    return bmp;
}
