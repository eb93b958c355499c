#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes the pictures Qt's image I/O cannot read (PCX, TGA, run-length BMPs) with
// GraphicsMagick. Keeps GraphicsMagick's headers out of every other file.
class GraphicsMagickDecoder
{
public:
    // Starts GraphicsMagick once per process and caps what one picture may claim:
    // a side longer than maxSide or more than maxPixels fails before pixels are allocated.
    GraphicsMagickDecoder(int maxSide, qint64 maxPixels);

    // Decodes bytes with the named coder ("PCX", "TGA", ...). Throws ImageLoadError when
    // the bytes do not decode.
    QImage Decode(const QByteArray &bytes, const QString &coder) const;
};
