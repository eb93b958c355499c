#include "imagelib/PictureContent.h"

#include "imagelib/BmpLayout.h"

using namespace bmplayout;

PictureContent::PictureContent(const QByteArray &bytes)
    : head_(bytes.left(kHeadSize))
    , fileSize_(bytes.size())
{
}

PictureContent::PictureContent(const QByteArray &head, qint64 fileSize)
    : head_(head.left(kHeadSize))
    , fileSize_(fileSize)
{
}

unsigned PictureContent::Byte(int offset) const
{
    return offset < head_.size() ? static_cast<unsigned char>(head_[offset]) : 0u;
}

unsigned PictureContent::LittleEndian16(int offset) const
{
    return Byte(offset) | (Byte(offset + 1) << 8);
}

quint32 PictureContent::LittleEndian32(int offset) const
{
    return LittleEndian16(offset) | (static_cast<quint32>(LittleEndian16(offset + 2)) << 16);
}

bool PictureContent::IsRunLengthBmp() const
{
    if (!head_.startsWith("BM"))
        return false;
    // OS/2 1.x headers (12 bytes) have no compression field.
    const quint32 infoHeaderSize = LittleEndian32(kInfoHeaderSizeOffset);
    if (infoHeaderSize < kMinInfoHeaderSize)
        return false;
    const quint32 compression = LittleEndian32(kCompressionOffset);
    return compression == kRle8 || compression == kRle4;
}

bool PictureContent::IsCutShortBmp() const
{
    if (!head_.startsWith("BM"))
        return false;
    const quint32 infoHeaderSize = LittleEndian32(kInfoHeaderSizeOffset);
    qint64 width = 0;
    qint64 height = 0;
    unsigned bitsPerPixel = 0;
    if (infoHeaderSize == kOs2InfoHeaderSize) {
        width = LittleEndian16(kOs2WidthOffset);
        height = LittleEndian16(kOs2HeightOffset);
        bitsPerPixel = LittleEndian16(kOs2BitsPerPixelOffset);
    } else if (infoHeaderSize >= kMinInfoHeaderSize) {
        const quint32 compression = LittleEndian32(kCompressionOffset);
        if (compression != 0 && compression != kBitFields && compression != kAlphaBitFields)
            return false;
        width = static_cast<qint32>(LittleEndian32(kWidthOffset));
        height = qAbs(static_cast<qint64>(static_cast<qint32>(LittleEndian32(kHeightOffset))));
        bitsPerPixel = LittleEndian16(kBitsPerPixelOffset);
    }
    if (width <= 0 || height <= 0 || bitsPerPixel == 0)
        return false;
    // Rows are padded to 4 bytes; Qt reads the padding of the last row too.
    const qint64 stride = (width * bitsPerPixel + 31) / 32 * 4;
    const qint64 pixelOffset = LittleEndian32(kPixelOffsetOffset);
    // Divided rather than multiplied: a lying header's stride times height overflows.
    const qint64 available = fileSize_ - pixelOffset;
    return available < 0 || available / stride < height;
}

std::optional<PictureContent::TrueColourBmp> PictureContent::UncompressedTrueColourBmp() const
{
    if (!head_.startsWith("BM") || head_.size() < kHeadersEnd)
        return std::nullopt;
    const quint32 infoHeaderSize = LittleEndian32(kInfoHeaderSizeOffset);
    if (infoHeaderSize != kMinInfoHeaderSize && infoHeaderSize != kV4InfoHeaderSize
        && infoHeaderSize != kV5InfoHeaderSize)
        return std::nullopt;
    const qint64 width = static_cast<qint32>(LittleEndian32(kWidthOffset));
    const qint64 height = static_cast<qint32>(LittleEndian32(kHeightOffset));
    const qint64 pixelOffset = LittleEndian32(kPixelOffsetOffset);
    if (LittleEndian16(kPlanesOffset) != 1 || LittleEndian16(kBitsPerPixelOffset) != 24
        || LittleEndian32(kCompressionOffset) != 0 || width <= 0 || height == 0
        || pixelOffset < kFileHeaderSize + infoHeaderSize)
        return std::nullopt;
    TrueColourBmp bmp;
    bmp.width = width;
    bmp.height = qAbs(height);
    bmp.topDown = height < 0;
    bmp.pixelOffset = pixelOffset;
    bmp.dotsPerMeterX = static_cast<qint32>(LittleEndian32(kXPixelsPerMeterOffset));
    bmp.dotsPerMeterY = static_cast<qint32>(LittleEndian32(kYPixelsPerMeterOffset));
    return bmp;
}

bool PictureContent::LooksLikePcx() const
{
    // Manufacturer 10, a known version, encoding 0 or 1, 1/2/4/8 bits per plane.
    const unsigned version = Byte(1);
    const unsigned bitsPerPlane = Byte(3);
    return head_.size() >= 4 && Byte(0) == 0x0A
           && (version <= 5 && version != 1) && Byte(2) <= 1
           && (bitsPerPlane == 1 || bitsPerPlane == 2 || bitsPerPlane == 4 || bitsPerPlane == 8);
}

bool PictureContent::LooksLikeTga() const
{
    // TGA has no signature; its header's fixed fields are checked instead.
    constexpr int kTgaHeaderSize = 18;
    if (head_.size() < kTgaHeaderSize)
        return false;
    const unsigned colourMapType = Byte(1);
    const unsigned imageType = Byte(2);
    const unsigned pixelDepth = Byte(16);
    const bool knownType = imageType == 1 || imageType == 2 || imageType == 3
                           || imageType == 9 || imageType == 10 || imageType == 11;
    const bool knownDepth = pixelDepth == 8 || pixelDepth == 15 || pixelDepth == 16
                            || pixelDepth == 24 || pixelDepth == 32;
    return colourMapType <= 1 && knownType && knownDepth;
}

QString PictureContent::GraphicsMagickCoder() const
{
    if (head_.startsWith("BM"))
        return QStringLiteral("BMP");
    if (head_.startsWith("GIF87a") || head_.startsWith("GIF89a"))
        return QStringLiteral("GIF");
    if (head_.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral("JPEG");
    if (head_.startsWith("\x89PNG\r\n\x1A\n"))
        return QStringLiteral("PNG");
    if (head_.startsWith("RIFF") && head_.mid(8, 4) == "WEBP")
        return QStringLiteral("WEBP");
    if (LooksLikePcx())
        return QStringLiteral("PCX");
    if (LooksLikeTga())
        return QStringLiteral("TGA");
    return {};
}
