#pragma once
#include "imagelib/PictureContent.h"

#include <QFile>
#include <QImage>

// Reads an uncompressed 24-bit Windows bitmap straight from its file into a Format_RGB32 picture,
// a band of rows at a time: the file is never held whole, and the picture needs no further
// conversion, neither for the view's pixmap (which shares its pixels) nor for the JPEG writer.
namespace plainbmp {

// Reads the rows that bmp describes from file. The caller has checked that the file is long
// enough and that the size is allowed; a file that still ends early, or a picture too large to
// allocate, throws ImageLoadError.
QImage Read(QFile &file, const PictureContent::TrueColourBmp &bmp);

} // namespace plainbmp
