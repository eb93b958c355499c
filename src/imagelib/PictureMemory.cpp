#include "imagelib/PictureMemory.h"

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

void AdviseLargePages([[maybe_unused]] void *data, [[maybe_unused]] std::size_t size)
{
#ifdef Q_OS_LINUX
    constexpr quintptr kPage = 4096;
    const auto start = reinterpret_cast<quintptr>(data);
    const quintptr first = (start + kPage - 1) & ~(kPage - 1);
    const quintptr end = (start + size) & ~(kPage - 1);
    if (data && end > first)
        madvise(reinterpret_cast<void *>(first), end - first, MADV_HUGEPAGE);
#endif
}

QImage AllocatePicture(int width, int height, QImage::Format format)
{
    QImage picture(width, height, format);
    if (!picture.isNull())
        AdviseLargePages(picture.bits(), static_cast<std::size_t>(picture.sizeInBytes()));
    return picture;
}
