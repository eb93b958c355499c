// The process-wide set of glyph image lists, one per image size.
#pragma once

#include <memory>
#include <vector>

class GlyphList;

// Hands out the shared GlyphList of a size and frees a list once its last
// image is gone.
class GlyphCache {
public:
    GlyphCache();
    ~GlyphCache();
    GlyphCache(const GlyphCache &) = delete;
    GlyphCache &operator=(const GlyphCache &) = delete;

    // The list for images of width x height, made and added when there is none.
    GlyphList *GetList(int width, int height);
    // Called when a user stops using list: an empty list leaves the cache and is freed.
    void ReturnList(GlyphList *list);
    bool Empty() const { return lists_.empty(); }

private:
    std::vector<std::unique_ptr<GlyphList>> lists_;
};
