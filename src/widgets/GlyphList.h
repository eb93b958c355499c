// The images of one size that the glyph buttons share.
#pragma once

#include <QPixmap>
#include <QSize>

#include <vector>

// A list of equal-size images in numbered slots. A new image takes the
// lowest free slot; the list grows by one slot only when none is free.
class GlyphList {
public:
    GlyphList(int width, int height);

    QSize ImageSize() const { return size_; }
    // The number of slots in use.
    int Count() const { return count_; }
    // Puts image in the lowest free slot and returns that slot.
    int Add(const QPixmap &image);
    // Frees the slot; an unused or out-of-range index is ignored.
    void Delete(int index);
    // The image in slot index; a null pixmap for a free slot.
    QPixmap Image(int index) const;

private:
    QSize size_;
    std::vector<QPixmap> images_;
    std::vector<bool> used_;
    int count_ = 0;
};
