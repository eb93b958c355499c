#pragma once
#include <QByteArray>
#include <QString>

#include <optional>

// Reads a picture file's leading bytes to choose a decoder. The file name is never
// consulted: a picture keeps its format whatever it is called.
class PictureContent
{
public:
    // The number of leading bytes every test below looks at.
    static constexpr int kHeadSize = 64;

    explicit PictureContent(const QByteArray &bytes);
    // The same from the file's first kHeadSize bytes (or all of a shorter file) and its size.
    PictureContent(const QByteArray &head, qint64 fileSize);

    // A Windows bitmap whose pixels are run-length coded (RLE8 or RLE4).
    bool IsRunLengthBmp() const;

    // An uncompressed Windows bitmap whose file ends before its last row of pixels.
    // Qt decodes such a file without complaint and leaves the missing rows undefined.
    bool IsCutShortBmp() const;

    // Where the rows of an uncompressed 24-bit Windows bitmap lie: the common kind of large BMP,
    // whose rows hold B, G, R bytes padded to 4 bytes. Only the header layouts that Qt's reader
    // takes (40, 108 or 124 bytes, one plane) count; anything else gives nothing.
    struct TrueColourBmp {
        qint64 width = 0;
        qint64 height = 0;    // rows; positive whichever way they are stored
        bool topDown = false; // the first row in the file is the top one
        qint64 pixelOffset = 0;
        qint32 dotsPerMeterX = 0;
        qint32 dotsPerMeterY = 0;
    };
    std::optional<TrueColourBmp> UncompressedTrueColourBmp() const;

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
