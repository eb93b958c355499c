#include "imagelib/TruncationCheck.h"

namespace {

unsigned At(const QByteArray &bytes, qsizetype offset)
{
    return static_cast<unsigned char>(bytes[offset]);
}

// Steps over a chain of GIF data sub-blocks; false when the file ends inside it.
bool SkipSubBlocks(const QByteArray &bytes, qsizetype &pos)
{
    while (pos < bytes.size()) {
        const unsigned length = At(bytes, pos);
        pos += 1 + length;
        if (length == 0)
            return true;
    }
    return false;
}

qsizetype ColourTableSize(unsigned packedFields)
{
    return (packedFields & 0x80) ? 3 * (qsizetype(2) << (packedFields & 0x07)) : 0;
}

} // namespace

bool TruncationCheck::GifEndsEarly(const QByteArray &bytes)
{
    constexpr qsizetype kScreenDescriptorEnd = 13;
    if (!bytes.startsWith("GIF8"))
        return false;
    if (bytes.size() < kScreenDescriptorEnd)
        return true;
    qsizetype pos = kScreenDescriptorEnd + ColourTableSize(At(bytes, 10));
    while (pos < bytes.size()) {
        const unsigned introducer = At(bytes, pos);
        if (introducer == 0x3B) // trailer
            return false;
        if (introducer == 0x21) { // extension: label, then sub-blocks
            pos += 2;
        } else if (introducer == 0x2C) { // image: descriptor, local colours, code size, sub-blocks
            constexpr qsizetype kImageDescriptorSize = 10;
            if (pos + kImageDescriptorSize > bytes.size())
                return true;
            pos += kImageDescriptorSize + ColourTableSize(At(bytes, pos + 9)) + 1;
        } else {
            return false; // not GIF structure: trailing bytes after the last block
        }
        if (pos > bytes.size() || !SkipSubBlocks(bytes, pos) || pos > bytes.size())
            return true;
    }
    return pos != bytes.size();
}

bool TruncationCheck::JpegEndsEarly(const QByteArray &bytes)
{
    if (!bytes.startsWith("\xFF\xD8"))
        return false;
    qsizetype pos = 2;
    while (true) {
        if (pos >= bytes.size())
            return true;
        if (At(bytes, pos) != 0xFF)
            return false; // not marker structure; leave the verdict to the decoder
        while (pos < bytes.size() && At(bytes, pos) == 0xFF)
            ++pos; // fill bytes
        if (pos >= bytes.size())
            return true;
        const unsigned marker = At(bytes, pos++);
        if (marker == 0xD9) // end of image
            return false;
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01)
            continue; // markers without a length
        if (pos + 2 > bytes.size())
            return true;
        pos += (At(bytes, pos) << 8) | At(bytes, pos + 1);
        if (pos > bytes.size())
            return true;
        if (marker != 0xDA)
            continue;
        // Entropy-coded data follows a start of scan, up to the next marker that is neither
        // a stuffed zero nor a restart marker.
        while (true) {
            const qsizetype ff = bytes.indexOf('\xFF', pos);
            if (ff < 0 || ff + 1 >= bytes.size())
                return true;
            const unsigned next = At(bytes, ff + 1);
            if (next == 0x00 || next == 0xFF || (next >= 0xD0 && next <= 0xD7)) {
                pos = ff + (next == 0xFF ? 1 : 2);
                continue;
            }
            pos = ff;
            break;
        }
    }
}
