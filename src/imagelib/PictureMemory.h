#pragma once
#include <QImage>

#include <cstddef>

// Asks Linux to back the whole pages inside [data, data + size) with 2 MiB pages. Filling a
// fresh 48 MB buffer of 4 KiB pages takes some 12,000 page faults, which cost more than
// decoding a plain bitmap into it. Only a hint: nothing changes where it is not taken.
void AdviseLargePages(void *data, std::size_t size);

// A picture-sized QImage, not yet filled, its buffer advised onto large pages. Null when the
// memory cannot be had.
QImage AllocatePicture(int width, int height, QImage::Format format);
