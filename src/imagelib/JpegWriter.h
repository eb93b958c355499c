#pragma once
// Writes a picture as a baseline JPEG straight through libjpeg. Qt's JPEG writer turns every row
// of a 32-bit picture into R, G, B bytes before libjpeg sees it; libjpeg-turbo takes the rows as
// they lie in memory, which saves that pass over a 12 MP picture on every conversion. The file
// is the one Qt's writer makes (same JFIF header, tables and comment), so Qt reads the comment
// back as the picture's text.
#include <QString>

class QImage;
class QIODevice;

namespace jpegwriter {

// Writes picture, which must be opaque, at quality (0..100) to device, with one comment
// "key: value". Returns an empty string on success, else why it failed (device's error or
// libjpeg's message); on failure part of the file may have been written.
QString Write(const QImage &picture, int quality, const QString &key, const QString &value, QIODevice &device);

} // namespace jpegwriter
