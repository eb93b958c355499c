#include "imagelib/GraphicsMagickDecoder.h"

#include "imagelib/ImageLoadError.h"

#include <QSysInfo>

#include <Magick++.h>

#include <mutex>

namespace {

// GraphicsMagick here is a Q16 build: 8 bytes a pixel while decoding.
constexpr qint64 kBytesPerDecodedPixel = 8;

void StartGraphicsMagick(int maxSide, qint64 maxPixels)
{
    static std::once_flag started;
    std::call_once(started, [maxSide, maxPixels] {
        Magick::InitializeMagick(nullptr);
        MagickLib::SetMagickResourceLimit(MagickLib::WidthResource, maxSide);
        MagickLib::SetMagickResourceLimit(MagickLib::HeightResource, maxSide);
        MagickLib::SetMagickResourceLimit(MagickLib::PixelsResource, maxPixels);
        // Room for the largest allowed picture and a working copy, but never a pixel
        // cache spilled to disk or to a mapped file: those would only delay the failure.
        const qint64 memory = 2 * maxPixels * kBytesPerDecodedPixel;
        MagickLib::SetMagickResourceLimit(MagickLib::MemoryResource, memory);
        MagickLib::SetMagickResourceLimit(MagickLib::MapResource, 0);
        MagickLib::SetMagickResourceLimit(MagickLib::DiskResource, 0);
    });
}

} // namespace

GraphicsMagickDecoder::GraphicsMagickDecoder(int maxSide, qint64 maxPixels)
{
    StartGraphicsMagick(maxSide, maxPixels);
}

QImage GraphicsMagickDecoder::Decode(const QByteArray &bytes, const QString &coder) const
{
    Magick::Image picture;
    try {
        picture.magick(coder.toStdString());
        picture.read(Magick::Blob(bytes.constData(), static_cast<size_t>(bytes.size())));
    } catch (const Magick::Warning &) {
        // A warning (an unknown tag, an odd field) still leaves a decoded picture;
        // whether one is there is checked below.
    } catch (const Magick::Exception &error) {
        throw ImageLoadError(error.what());
    }
    const unsigned width = picture.isValid() ? picture.columns() : 0;
    const unsigned height = picture.isValid() ? picture.rows() : 0;
    if (width == 0 || height == 0)
        throw ImageLoadError("GraphicsMagick decoded no picture");

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
    if (image.isNull())
        throw ImageLoadError("not enough memory for the decoded picture");
    // Format_ARGB32 holds B, G, R, A bytes in memory on little-endian machines and
    // A, R, G, B on big-endian ones; its rows have no padding at 4 bytes a pixel.
    const char *byteOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "BGRA" : "ARGB";
    try {
        picture.write(0, 0, width, height, byteOrder, Magick::CharPixel, image.bits());
    } catch (const Magick::Exception &error) {
        throw ImageLoadError(error.what());
    }
    if (!picture.matte())
        image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}
