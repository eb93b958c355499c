#include "widgets/GlyphCache.h"

#include "widgets/GlyphList.h"

TGlyphCache::TGlyphCache() = default;
TGlyphCache::~TGlyphCache() = default;

TGlyphList *TGlyphCache::GetList(int width, int height)
{
    for (const auto &list : lists_)
        if (list->ImageSize() == QSize(width, height))
            return list.get();
    lists_.push_back(std::make_unique<TGlyphList>(width, height));
    return lists_.back().get();
}

void TGlyphCache::ReturnList(TGlyphList *list)
{
    if (!list || list->Count() != 0)
        return;
    std::erase_if(lists_, [list](const auto &held) { return held.get() == list; });
}
