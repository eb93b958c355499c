// Feeds arbitrary bytes through the byte-level picture checks that run before any decoder:
// format sniffing, the cut-short checks and the run-length BMP repair.
#include "imagelib/PictureContent.h"
#include "imagelib/RunLengthBmp.h"
#include "imagelib/TruncationCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const PictureContent content(bytes);
    content.IsRunLengthBmp();
    content.IsCutShortBmp();
    content.GraphicsMagickCoder();
    TruncationCheck::GifEndsEarly(bytes);
    TruncationCheck::JpegEndsEarly(bytes);
    // The BMP signature is forced so the repair's parser sees every input.
    RunLengthBmp::WithRowsCompleted("BM" + bytes, 4096);
    return 0;
}
