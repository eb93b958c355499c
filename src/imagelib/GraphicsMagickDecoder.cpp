#include "imagelib/GraphicsMagickDecoder.h"

#include "imagelib/ImageLoadError.h"
#include "imagelib/PictureMemory.h"

#include <QSysInfo>

#include <Magick++.h>

#include <unistd.h>
#if __has_include(<stdio_ext.h>)
#include <stdio_ext.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>

namespace {

// GraphicsMagick here is a Q16 build: 8 bytes a pixel while decoding.
constexpr qint64 kBytesPerDecodedPixel = 8;

// GraphicsMagick's allocations, its large ones (the 8-byte pixels, 96 MB for 12 MP) advised onto
// large pages like our own picture buffers. The memory is still malloc's, freed by free.
constexpr size_t kLargeAllocation = 8 * 1024 * 1024;

void *AllocateAdvised(size_t size)
{
    void *memory = std::malloc(size);
    if (memory && size >= kLargeAllocation)
        AdviseLargePages(memory, size);
    return memory;
}

void *ReallocateAdvised(void *old, size_t size)
{
    void *memory = std::realloc(old, size);
    if (memory && size >= kLargeAllocation)
        AdviseLargePages(memory, size);
    return memory;
}

void StartGraphicsMagick(int maxSide, qint64 maxPixels)
{
    static std::once_flag started;
    std::call_once(started, [maxSide, maxPixels] {
        MagickLib::MagickAllocFunctions(std::free, AllocateAdvised, ReallocateAdvised);
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

struct ImageInfoRelease {
    void operator()(MagickLib::ImageInfo *info) const { MagickLib::DestroyImageInfo(info); }
};
struct ImageRelease {
    void operator()(MagickLib::Image *image) const { MagickLib::DestroyImageList(image); }
};
struct StreamClose {
    void operator()(std::FILE *stream) const { std::fclose(stream); }
};
using ImageInfoPtr = std::unique_ptr<MagickLib::ImageInfo, ImageInfoRelease>;
using ImagePtr = std::unique_ptr<MagickLib::Image, ImageRelease>;

// GraphicsMagick's report of one call, released when it goes out of scope.
class Report
{
public:
    Report() { MagickLib::GetExceptionInfo(&info_); }
    ~Report() { MagickLib::DestroyExceptionInfo(&info_); }
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    MagickLib::ExceptionInfo *Info() { return &info_; }
    // Warnings (an unknown tag, an odd field) still leave a usable result; errors do not.
    bool Failed() const { return info_.severity >= MagickLib::ErrorException; }
    std::string Text(const char *fallback) const
    {
        std::string text = info_.reason ? info_.reason : fallback;
        if (info_.description && *info_.description)
            text += std::string(" (") + info_.description + ")";
        return text;
    }

private:
    MagickLib::ExceptionInfo info_;
};

// Settings that name the coder: "CODER:" as the file name keeps GraphicsMagick from guessing the
// format from the bytes and from ever opening a file by that name.
ImageInfoPtr SettingsFor(const QString &coder)
{
    ImageInfoPtr info(MagickLib::CloneImageInfo(nullptr));
    if (!info)
        throw ImageLoadError("not enough memory to start decoding");
    const std::string name = coder.toStdString();
    std::snprintf(info->filename, sizeof info->filename, "%s:", name.c_str());
    std::snprintf(info->magick, sizeof info->magick, "%s", name.c_str());
    return info;
}

ImagePtr Checked(MagickLib::Image *decoded, const Report &report)
{
    ImagePtr picture(decoded);
    if (report.Failed() || !picture)
        throw ImageLoadError(report.Text("GraphicsMagick decoded no picture"));
    if (picture->columns == 0 || picture->rows == 0)
        throw ImageLoadError("GraphicsMagick decoded no picture");
    return picture;
}

// Copies the first frame's pixels into a new QImage; the caller frees the GraphicsMagick picture
// right after, so the two are held together only during the copy.
QImage ToQImage(const MagickLib::Image &picture)
{
    const int width = static_cast<int>(picture.columns);
    const int height = static_cast<int>(picture.rows);
    const bool transparent = picture.matte;
    QImage image = AllocatePicture(width, height, transparent ? QImage::Format_ARGB32 : QImage::Format_RGB888);
    if (image.isNull())
        throw ImageLoadError("not enough memory for the decoded picture");
    Report report;
    bool copied = true;
    if (transparent) {
        // Format_ARGB32 holds B, G, R, A bytes in memory on little-endian machines and
        // A, R, G, B on big-endian ones; its rows have no padding at 4 bytes a pixel.
        const char *byteOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "BGRA" : "ARGB";
        copied = MagickLib::DispatchImage(&picture, 0, 0, width, height, byteOrder, MagickLib::CharPixel,
                                          image.bits(), report.Info());
    } else {
        // Format_RGB888 rows are padded to 4 bytes, so each row is copied on its own.
        for (int y = 0; y < height && copied; ++y)
            copied = MagickLib::DispatchImage(&picture, 0, y, width, 1, "RGB", MagickLib::CharPixel,
                                              image.scanLine(y), report.Info());
    }
    if (!copied || report.Failed())
        throw ImageLoadError(report.Text("GraphicsMagick could not hand over the pixels"));
    return image;
}

} // namespace

GraphicsMagickDecoder::GraphicsMagickDecoder(int maxSide, qint64 maxPixels)
{
    StartGraphicsMagick(maxSide, maxPixels);
}

QImage GraphicsMagickDecoder::Decode(QByteArray bytes, const QString &coder) const
{
    const ImageInfoPtr settings = SettingsFor(coder);
    Report report;
    // GraphicsMagick's coders for these formats read from memory without a copy.
    const ImagePtr picture = Checked(
        MagickLib::BlobToImage(settings.get(), bytes.constData(), static_cast<size_t>(bytes.size()), report.Info()),
        report);
    bytes = QByteArray();
    return ToQImage(*picture);
}

QImage GraphicsMagickDecoder::Decode(QFile &file, const QString &coder) const
{
    const int handle = file.handle() >= 0 ? ::dup(file.handle()) : -1;
    const std::unique_ptr<std::FILE, StreamClose> stream(handle >= 0 ? ::fdopen(handle, "rb") : nullptr);
    if (!stream) {
        if (handle >= 0)
            ::close(handle);
        throw ImageLoadError("cannot read the picture file");
    }
    // GraphicsMagick's PCX coder reads a byte at a time, each read and end-of-file test a stdio
    // call. Only this thread uses the stream, so it goes with a larger buffer and without stdio's
    // lock, which a program with threads otherwise takes on every call.
    std::setvbuf(stream.get(), nullptr, _IOFBF, 64 * 1024);
#if __has_include(<stdio_ext.h>)
    __fsetlocking(stream.get(), FSETLOCKING_BYCALLER);
#endif
    if (std::fseek(stream.get(), 0, SEEK_SET) != 0)
        throw ImageLoadError("cannot read the picture file");
    const ImageInfoPtr settings = SettingsFor(coder);
    settings->file = stream.get();
    Report report;
    const ImagePtr picture = Checked(MagickLib::ReadImage(settings.get(), report.Info()), report);
    return ToQImage(*picture);
}
