#pragma once
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

// Decodes the pictures Qt's image I/O cannot read (PCX, TGA, run-length BMPs) with
// GraphicsMagick. Keeps GraphicsMagick's headers out of every other file.
//
// An opaque picture comes out as Format_RGB888, the format the JPEG writer takes row by row
// without converting, at 3 bytes a pixel beside GraphicsMagick's 8 while both are held; one
// with transparency as Format_ARGB32.
class GraphicsMagickDecoder
{
public:
    // Starts GraphicsMagick once per process and caps what one picture may claim:
    // a side longer than maxSide or more than maxPixels fails before pixels are allocated.
    GraphicsMagickDecoder(int maxSide, qint64 maxPixels);

    // Decodes bytes with the named coder ("PCX", "TGA", ...), reading them in place. Takes the
    // bytes over and lets them go once they are decoded, before the QImage is made, so that at
    // most two of file bytes, decoded pixels and QImage are held at once. Throws ImageLoadError
    // when the bytes do not decode.
    QImage Decode(QByteArray bytes, const QString &coder) const;

    // Decodes the open file, from its start, with the named coder. GraphicsMagick reads it in
    // small pieces, so its bytes are never held in memory beside the decoded pixels: for coders
    // that keep a copy of the pixel data while decoding (PCX). Reading from memory is faster for
    // coders that read byte by byte (TGA). Throws ImageLoadError when the file does not decode.
    QImage Decode(QFile &file, const QString &coder) const;
};
