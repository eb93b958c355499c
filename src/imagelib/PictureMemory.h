#pragma once
#include <QImage>

// A picture-sized QImage, not yet filled. Linux is asked to back it with 2 MiB pages: filling
// 48 MB of 4 KiB pages takes some 12,000 page faults, which cost more than decoding a plain
// bitmap into them. Null when the memory cannot be had.
QImage AllocatePicture(int width, int height, QImage::Format format);
