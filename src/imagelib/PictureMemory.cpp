#include "imagelib/PictureMemory.h"

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

QImage AllocatePicture(int width, int height, QImage::Format format)
{
    QImage picture(width, height, format);
#ifdef Q_OS_LINUX
    // Only whole pages inside the buffer; the advice is a hint, so its failure changes nothing.
    constexpr quintptr kPage = 4096;
    const auto start = reinterpret_cast<quintptr>(picture.bits());
    const quintptr first = (start + kPage - 1) & ~(kPage - 1);
    const quintptr end = (start + static_cast<quintptr>(picture.sizeInBytes())) & ~(kPage - 1);
    if (!picture.isNull() && end > first)
        madvise(reinterpret_cast<void *>(first), end - first, MADV_HUGEPAGE);
#endif
    return picture;
}
