#pragma once
#include <QtGlobal>

// Where the fields of a Windows bitmap's headers sit, in bytes from the file's start
// (file header, then a 40-byte or larger info header; OS/2 1.x info headers are 12 bytes).
namespace bmplayout {

constexpr int kFileHeaderSize = 14;
constexpr int kFileSizeOffset = 2;
constexpr int kPixelOffsetOffset = 10;
constexpr int kInfoHeaderSizeOffset = 14;
constexpr int kWidthOffset = 18;
constexpr int kHeightOffset = 22;
constexpr int kPlanesOffset = 26;
constexpr int kBitsPerPixelOffset = 28;
constexpr int kCompressionOffset = 30;
constexpr int kImageSizeOffset = 34;
constexpr int kXPixelsPerMeterOffset = 38;
constexpr int kYPixelsPerMeterOffset = 42;
constexpr int kHeadersEnd = 54;

// OS/2 1.x info header: 16-bit width, height and depth.
constexpr quint32 kOs2InfoHeaderSize = 12;
constexpr int kOs2WidthOffset = 18;
constexpr int kOs2HeightOffset = 20;
constexpr int kOs2BitsPerPixelOffset = 24;
constexpr quint32 kMinInfoHeaderSize = 40;
constexpr quint32 kV4InfoHeaderSize = 108;
constexpr quint32 kV5InfoHeaderSize = 124;

// Compression codes.
constexpr quint32 kRle8 = 1;
constexpr quint32 kRle4 = 2;
constexpr quint32 kBitFields = 3;
constexpr quint32 kAlphaBitFields = 6;

} // namespace bmplayout
