#include "imagelib/JpegWriter.h"

#include <QIODevice>
#include <QImage>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace jpegwriter {

namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;
// Rows of a picture in another format are converted this many at a time, never the whole.
constexpr int kBandRows = 64;

// libjpeg reports a failure by calling error_exit, which must not return: it jumps back to
// Write, carrying the message. Nothing with a destructor lives in the frames it leaves.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void JumpBack(j_common_ptr info)
{
    auto *error = reinterpret_cast<ErrorJump *>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->back, 1);
}

// The compressed bytes go to the device through a buffer; a failed write is reported as a
// libjpeg error, so the compression stops there.
struct DeviceDestination {
    jpeg_destination_mgr manager;
    QIODevice *device = nullptr;
    std::vector<JOCTET> buffer;
    volatile bool writeFailed = false; // read again after the jump back
};

bool WriteOut(j_compress_ptr info, std::size_t bytes)
{
    auto *destination = reinterpret_cast<DeviceDestination *>(info->dest);
    const auto data = reinterpret_cast<const char *>(destination->buffer.data());
    if (destination->device->write(data, static_cast<qint64>(bytes)) == static_cast<qint64>(bytes))
        return true;
    destination->writeFailed = true;
    return false;
}

void StartDestination(j_compress_ptr info)
{
    auto *destination = reinterpret_cast<DeviceDestination *>(info->dest);
    info->dest->next_output_byte = destination->buffer.data();
    info->dest->free_in_buffer = destination->buffer.size();
}

boolean EmptyBuffer(j_compress_ptr info)
{
    auto *destination = reinterpret_cast<DeviceDestination *>(info->dest);
    if (!WriteOut(info, destination->buffer.size()))
        ERREXIT(info, JERR_FILE_WRITE);
    StartDestination(info);
    return TRUE;
}

void TermDestination(j_compress_ptr info)
{
    auto *destination = reinterpret_cast<DeviceDestination *>(info->dest);
    if (!WriteOut(info, destination->buffer.size() - info->dest->free_in_buffer))
        ERREXIT(info, JERR_FILE_WRITE);
}

// How the picture's rows go to libjpeg: as they lie, or converted band by band to this format.
struct RowLayout {
    J_COLOR_SPACE space;
    int components;
    QImage::Format convertTo; // Format_Invalid: the rows as they lie
};

RowLayout LayoutOf(const QImage &picture)
{
    // 32-bit pixels are 0xffRRGGBB words: B, G, R, X bytes on a little-endian machine.
    constexpr J_COLOR_SPACE kWordOrder = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    switch (picture.format()) {
    case QImage::Format_RGB32:
        return {kWordOrder, 4, QImage::Format_Invalid};
    case QImage::Format_RGB888:
        return {JCS_RGB, 3, QImage::Format_Invalid};
    case QImage::Format_Grayscale8:
        return {JCS_GRAYSCALE, 1, QImage::Format_Invalid};
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8: {
        // As Qt writes them: a palette of greys (whatever their opacity) makes a greyscale JPEG.
        const QList<QRgb> palette = picture.colorTable();
        if (std::all_of(palette.begin(), palette.end(), [](QRgb colour) { return qIsGray(colour); }))
            return {JCS_GRAYSCALE, 1, QImage::Format_Grayscale8};
        return {kWordOrder, 4, QImage::Format_RGB32};
    }
    default:
        return {kWordOrder, 4, QImage::Format_RGB32};
    }
}

} // namespace

QString Write(const QImage &picture, int quality, const QString &key, const QString &value, QIODevice &device)
{
    const RowLayout layout = LayoutOf(picture);
    const QByteArray comment = (key + QStringLiteral(": ") + value).toUtf8();
    QImage band; // a few rows converted, for a picture in another format

    jpeg_compress_struct info{};
    ErrorJump error{};
    DeviceDestination destination;
    destination.device = &device;
    destination.buffer.resize(kBufferBytes);
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpBack;
    if (setjmp(error.back)) {
        jpeg_destroy_compress(&info);
        if (destination.writeFailed)
            return device.errorString().isEmpty() ? QString::fromUtf8(error.message) : device.errorString();
        return QString::fromUtf8(error.message);
    }
    jpeg_create_compress(&info);
    destination.manager.init_destination = StartDestination;
    destination.manager.empty_output_buffer = EmptyBuffer;
    destination.manager.term_destination = TermDestination;
    info.dest = &destination.manager;

    info.image_width = static_cast<JDIMENSION>(picture.width());
    info.image_height = static_cast<JDIMENSION>(picture.height());
    info.input_components = layout.components;
    info.in_color_space = layout.space;
    jpeg_set_defaults(&info);
    // The header Qt writes: the picture's resolution in dots per inch.
    info.density_unit = 1;
    info.X_density = static_cast<UINT16>(std::clamp(qRound(picture.dotsPerMeterX() * 0.0254), 1, 65535));
    info.Y_density = static_cast<UINT16>(std::clamp(qRound(picture.dotsPerMeterY() * 0.0254), 1, 65535));
    jpeg_set_quality(&info, std::clamp(quality, 0, 100), TRUE);
    jpeg_start_compress(&info, TRUE);
    jpeg_write_marker(&info, JPEG_COM, reinterpret_cast<const JOCTET *>(comment.constData()),
                      static_cast<unsigned int>(comment.size()));
    while (info.next_scanline < info.image_height) {
        const int row = static_cast<int>(info.next_scanline);
        if (layout.convertTo == QImage::Format_Invalid) {
            auto line = const_cast<JSAMPROW>(picture.constScanLine(row));
            jpeg_write_scanlines(&info, &line, 1);
            continue;
        }
        const int rows = std::min(kBandRows, picture.height() - row);
        band = picture.copy(0, row, picture.width(), rows).convertToFormat(layout.convertTo);
        for (int at = 0; at < rows; ++at) {
            auto line = const_cast<JSAMPROW>(band.constScanLine(at));
            jpeg_write_scanlines(&info, &line, 1);
        }
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return {};
}

} // namespace jpegwriter
