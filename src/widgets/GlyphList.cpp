#include "widgets/GlyphList.h"

#include <algorithm>

GlyphList::GlyphList(int width, int height) : size_(width, height)
{
}

int GlyphList::Add(const QPixmap &image)
{
    const auto free = std::find(used_.begin(), used_.end(), false);
    const int index = static_cast<int>(free - used_.begin());
    if (free == used_.end()) {
        used_.push_back(true);
        images_.push_back(image);
    } else {
        *free = true;
        images_[index] = image;
    }
    ++count_;
    return index;
}

void GlyphList::Delete(int index)
{
    if (index < 0 || index >= static_cast<int>(used_.size()) || !used_[index])
        return;
    used_[index] = false;
    images_[index] = QPixmap();
    --count_;
}

QPixmap GlyphList::Image(int index) const
{
    if (index < 0 || index >= static_cast<int>(images_.size()))
        return QPixmap();
    return images_[index];
}
