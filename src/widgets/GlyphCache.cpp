#include "widgets/GlyphCache.h"

#include "widgets/GlyphList.h"

GlyphCache::GlyphCache() = default;
GlyphCache::~GlyphCache() = default;

GlyphList *GlyphCache::GetList(int width, int height)
{
    for (const auto &list : lists_)
        if (list->ImageSize() == QSize(width, height))
            return list.get();
    lists_.push_back(std::make_unique<GlyphList>(width, height));
    return lists_.back().get();
}

void GlyphCache::ReturnList(GlyphList *list)
{
    if (!list || list->Count() != 0)
        return;
    std::erase_if(lists_, [list](const auto &held) { return held.get() == list; });
}
