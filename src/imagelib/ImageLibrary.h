#pragma once
#include "imagelib/GraphicsMagickDecoder.h"

#include <QImage>
#include <QString>

// The picture decoder and JPEG writer the editor calls through three entry points.
// One instance lives for the whole program; every call comes from the GUI thread.
class ImageLibrary
{
public:
    // Longest side and pixel count a picture may have: large enough for any web
    // picture or camera photo, small enough that a lying header fails at once.
    static constexpr int kMaxSide = 32767;
    static constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

    ImageLibrary();

    // Decodes the picture at path and keeps it as the last decoded picture. mode is
    // part of the call's signature and has no effect. Throws ImageLoadError when the
    // picture cannot be decoded; the last decoded picture is then cleared.
    QImage Load(const QString &path, int mode);

    // Writes the last decoded picture as a JPEG file at path with the given quality
    // (0-100), transparency flattened onto white, and marks the file with the source
    // picture's name. The file is replaced only once it is complete. Throws
    // std::runtime_error naming the file and the reason when it cannot be written.
    void SaveAsJpeg(int quality, const QString &path);

    // "Japanese" switches the library's own messages to Japanese; anything else, English.
    void SetLanguage(const QString &language);

    // The source picture's file name recorded in a JPEG this library wrote; empty when
    // the file is missing, unreadable or was written by something else.
    static QString ConvertedFrom(const QString &jpegPath);

private:
    QImage Decode(const QString &path) const;
    QString WriteFailureText(const QString &path, const QString &reason) const;

    GraphicsMagickDecoder graphicsMagick_;
    QImage lastPicture_;
    QString lastSourceName_;
    bool japanese_ = false;
};
