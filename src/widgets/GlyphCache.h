// The process-wide set of glyph image lists, one per image size.
#pragma once

#include <memory>
#include <vector>

class TGlyphList;

// Hands out the shared TGlyphList of a size and frees a list once its last
// image is gone.
class TGlyphCache {
public:
    TGlyphCache();
    ~TGlyphCache();
    TGlyphCache(const TGlyphCache &) = delete;
    TGlyphCache &operator=(const TGlyphCache &) = delete;

    // The list for images of width x height, made and added when there is none.
    TGlyphList *GetList(int width, int height);
    // Called when a user stops using list: an empty list leaves the cache and is freed.
    void ReturnList(TGlyphList *list);
    bool Empty() const { return lists_.empty(); }

private:
    std::vector<std::unique_ptr<TGlyphList>> lists_;
};
