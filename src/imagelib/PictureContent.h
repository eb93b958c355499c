#pragma once
#include <QByteArray>
#include <QString>

// Reads a picture file's leading bytes to choose a decoder. The file name is never
// consulted: a picture keeps its format whatever it is called.
class PictureContent
{
public:
    explicit PictureContent(const QByteArray &bytes);

    // A Windows bitmap whose pixels are run-length coded (RLE8 or RLE4).
    bool IsRunLengthBmp() const;

    // An uncompressed Windows bitmap whose file ends before its last row of pixels.
    // Qt decodes such a file without complaint and leaves the missing rows undefined.
    bool IsCutShortBmp() const;

    // The GraphicsMagick coder for the raster formats we let it decode, or an empty
    // string when the bytes are none of them. Naming the coder ourselves keeps
    // GraphicsMagick from guessing (and from handing text or PostScript to a delegate).
    QString GraphicsMagickCoder() const;

private:
    bool LooksLikePcx() const;
    bool LooksLikeTga() const;
    unsigned Byte(int offset) const;
    unsigned LittleEndian16(int offset) const;
    quint32 LittleEndian32(int offset) const;

    QByteArray head_;
    qint64 fileSize_;
};
