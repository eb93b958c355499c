#include "core/MapCheck.h"

#include "core/BoxIndex.h"
#include "core/IntConv.h"
#include "core/MapLines.h"
#include "core/PolygonGeometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <tuple>
#include <unordered_set>

namespace vemo {

namespace {

// An area that reads and covers at least one pixel. Bounds and offsets are held in 64 bits: the
// coordinates may fill the 32-bit range, and a bounding square or a difference of two of them
// does not fit in it.
struct Region {
    int line = 0;
    AreaKind kind = AreaKind::None;
    std::vector<std::int32_t> coords;                      // as read, for the duplicate check
    std::int64_t left = 0, top = 0, right = 0, bottom = 0; // the rectangle, or the circle's bounding square
    std::int64_t x = 0, y = 0, r = 0;                      // the circle's centre and radius
    std::vector<Point> points;                             // the polygon's vertices
};

// The region of an area's coordinates; nothing when it covers no pixel.
std::optional<Region> RegionOf(int line, AreaKind kind, const std::vector<std::int32_t> &coords)
{
    Region region;
    region.line = line;
    region.kind = kind;
    region.coords = coords;
    if (kind == AreaKind::Poly) {
        for (std::size_t i = 0; i + 1 < coords.size(); i += 2)
            region.points.push_back({coords[i], coords[i + 1]});
        if (DistinctPointCount(region.points) < 3)
            return std::nullopt;
        const Box bounds = PolygonBounds(region.points);
        region.left = bounds.left;
        region.top = bounds.top;
        region.right = static_cast<std::int64_t>(bounds.left) + bounds.width - 1;
        region.bottom = static_cast<std::int64_t>(bounds.top) + bounds.height - 1;
    } else if (kind == AreaKind::Rect) {
        if (coords[2] < coords[0] || coords[3] < coords[1])
            return std::nullopt;
        region.left = coords[0];
        region.top = coords[1];
        region.right = coords[2];
        region.bottom = coords[3];
    } else {
        if (coords[2] <= 0)
            return std::nullopt;
        region.x = coords[0];
        region.y = coords[1];
        region.r = coords[2];
        region.left = region.x - region.r + 1;
        region.top = region.y - region.r + 1;
        region.right = region.x + region.r - 1;
        region.bottom = region.y + region.r - 1;
    }
    return region;
}

// Whether the circle covers the pixel, that is, the pixel is closer to its centre than r. An
// offset of r or more settles it before squaring, which keeps each square below 2^62 and their
// sum below 2^63.
bool CircleCovers(const Region &circle, std::int64_t px, std::int64_t py)
{
    const std::int64_t dx = std::abs(px - circle.x);
    const std::int64_t dy = std::abs(py - circle.y);
    if (dx >= circle.r || dy >= circle.r)
        return false;
    return dx * dx + dy * dy < circle.r * circle.r;
}

bool BoundsWithin(const Region &inner, std::int64_t left, std::int64_t top, std::int64_t right,
                  std::int64_t bottom)
{
    return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
}

// Whether every pixel of inner is a pixel of outer. The circle-in-circle test is exact for
// circles in the plane and errs towards "not inside" for the pixels at their rims.
bool LiesWithin(const Region &inner, const Region &outer)
{
    if (outer.kind == AreaKind::Poly)
        return false;
    if (outer.kind == AreaKind::Rect)
        return BoundsWithin(inner, outer.left, outer.top, outer.right, outer.bottom);
    if (inner.kind == AreaKind::Poly) {
        return std::all_of(inner.points.begin(), inner.points.end(),
                           [&](const Point &point) { return CircleCovers(outer, point.x, point.y); });
    }
    if (inner.kind == AreaKind::Rect) {
        return CircleCovers(outer, inner.left, inner.top) && CircleCovers(outer, inner.right, inner.top)
               && CircleCovers(outer, inner.left, inner.bottom) && CircleCovers(outer, inner.right, inner.bottom);
    }
    // Distance plus inner radius at most the outer radius, squared; the offsets are bounded by the
    // room left before they are squared.
    const std::int64_t room = outer.r - inner.r;
    const std::int64_t dx = std::abs(inner.x - outer.x);
    const std::int64_t dy = std::abs(inner.y - outer.y);
    return room >= 0 && dx <= room && dy <= room && dx * dx + dy * dy <= room * room;
}

// Where the region lies on the picture: no finding, partly outside or wholly outside.
std::optional<FindingKind> PlaceOnPicture(const Region &region, std::int64_t width, std::int64_t height)
{
    if (width <= 0 || height <= 0)
        return FindingKind::OutsidePicture;
    const std::int64_t right = width - 1;
    const std::int64_t bottom = height - 1;
    if (BoundsWithin(region, 0, 0, right, bottom))
        return std::nullopt;
    // A circle reaches the picture when it covers the picture's pixel nearest to its centre; its
    // bounding square may clip a corner of the picture that the circle itself misses.
    const bool reaches = region.kind != AreaKind::Circle
                             ? region.left <= right && region.right >= 0 && region.top <= bottom && region.bottom >= 0
                             : CircleCovers(region, std::clamp<std::int64_t>(region.x, 0, right),
                                            std::clamp<std::int64_t>(region.y, 0, bottom));
    return reaches ? FindingKind::PartlyOutsidePicture : FindingKind::OutsidePicture;
}

// A size attribute differs unless it is absent or reads as the picture's size.
bool SizeDiffers(const std::optional<std::string> &text, int size)
{
    if (!text)
        return false;
    const std::optional<std::int32_t> value = TryParseInt32(*text);
    return !value || *value != size;
}

// HTML's white space: space, tab, line feed, form feed and carriage return.
bool IsBadMapName(const std::string &name)
{
    return name.empty() || name.find_first_of(" \t\n\f\r") != std::string::npos;
}

// For each region, the earliest earlier region with the same shape and coordinates, or none.
std::vector<std::optional<std::size_t>> EarliestSameByPairs(const std::vector<Region> &regions)
{
    std::vector<std::optional<std::size_t>> same(regions.size());
    for (std::size_t later = 0; later < regions.size(); ++later) {
        for (std::size_t earlier = 0; earlier < later && !same[later]; ++earlier) {
            if (regions[earlier].kind == regions[later].kind && regions[earlier].coords == regions[later].coords)
                same[later] = earlier;
        }
    }
    return same;
}

// For each region, the earliest earlier region it lies within, or none.
std::vector<std::optional<std::size_t>> EarliestCoverByPairs(const std::vector<Region> &regions)
{
    std::vector<std::optional<std::size_t>> cover(regions.size());
    for (std::size_t later = 0; later < regions.size(); ++later) {
        for (std::size_t earlier = 0; earlier < later && !cover[later]; ++earlier) {
            if (LiesWithin(regions[later], regions[earlier]))
                cover[later] = earlier;
        }
    }
    return cover;
}

// EarliestSameByPairs by sorting: equal shapes end up side by side, the earliest first.
std::vector<std::optional<std::size_t>> EarliestSameBySorting(const std::vector<Region> &regions)
{
    std::vector<std::size_t> order(regions.size());
    for (std::size_t index = 0; index < order.size(); ++index)
        order[index] = index;
    auto sameShape = [&](std::size_t a, std::size_t b) {
        return regions[a].kind == regions[b].kind && regions[a].coords == regions[b].coords;
    };
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (regions[a].kind != regions[b].kind)
            return regions[a].kind < regions[b].kind;
        if (regions[a].coords != regions[b].coords)
            return regions[a].coords < regions[b].coords;
        return a < b;
    });
    std::vector<std::optional<std::size_t>> same(regions.size());
    for (std::size_t at = 1; at < order.size(); ++at) {
        if (sameShape(order[at - 1], order[at]))
            same[order[at]] = same[order[at - 1]].value_or(order[at - 1]);
    }
    return same;
}

// EarliestCoverByPairs through an index of boxes. A region lies within another only when its
// box lies within the other's box (a circle covers only pixels of its bounding square), so the
// other's box holds the region's top left corner: only the boxes that hold that pixel need the
// exact test. Polygons hide nothing and are not filed.
std::vector<std::optional<std::size_t>> EarliestCoverByGrid(const std::vector<Region> &regions)
{
    std::vector<BoxIndex::Bounds> boxes(regions.size());
    for (std::size_t index = 0; index < regions.size(); ++index) {
        const Region &region = regions[index];
        if (region.kind != AreaKind::Poly)
            boxes[index] = {region.left, region.top, region.right, region.bottom};
    }
    const BoxIndex index(std::move(boxes));
    std::vector<std::optional<std::size_t>> cover(regions.size());
    for (std::size_t later = 0; later < regions.size(); ++later) {
        const Region &region = regions[later];
        cover[later] = index.FirstHolding(region.left, region.top, later,
                                          [&](std::size_t earlier) { return LiesWithin(region, regions[earlier]); });
    }
    return cover;
}

} // namespace

namespace {

enum class Scan { Indexed, Pairwise };

std::vector<Finding> CheckMapBy(Scan scan, const std::vector<std::string> &lines, int pictureWidth, int pictureHeight)
{
    std::vector<Finding> findings;
    if (!lines.empty()) {
        const ImageSizeTexts size = ReadImageSize(lines[0]);
        if (SizeDiffers(size.width, pictureWidth) || SizeDiffers(size.height, pictureHeight))
            findings.push_back({0, FindingKind::ImageSizeMismatch});
    }
    if (lines.size() > 1) {
        const std::string name = ReadMapName(lines[1]);
        if (IsBadMapName(name)) {
            findings.push_back({1, FindingKind::BadMapName});
        } else if (const auto usemap = ReadAttribute(lines[0], "USEMAP"); usemap && *usemap != "#" + name) {
            // Browsers match the names exactly. A bad name is reported once, on its own line, and
            // an image line without USEMAP, written by hand, is left to its writer.
            findings.push_back({0, FindingKind::UsemapMismatch});
        }
    }

    // The areas that cover something, in line order.
    std::vector<Region> regions;
    int openDefault = -1; // a default area not yet followed by another area
    // Links without ALT text, settled once every link named with one is known.
    std::vector<std::pair<int, std::string>> linksWithoutAlt;
    std::unordered_set<std::string> linksWithAlt;
    for (std::size_t index = 2; index < lines.size(); ++index) {
        const std::string &text = lines[index];
        const int line = static_cast<int>(index);
        const AreaKind kind = GetAreaKind(text);
        if (kind == AreaKind::None)
            continue;
        if (openDefault >= 0) {
            // Its other findings are in already, and no line since has any.
            findings.push_back({openDefault, FindingKind::DefaultNotLast});
            openDefault = -1;
        }
        if (kind == AreaKind::Default)
            openDefault = line;

        std::optional<std::vector<std::int32_t>> coords;
        try {
            coords = ReadCoords(text, kind);
        } catch (const ConvertError &) {
            findings.push_back({line, FindingKind::UnreadableCoordinates});
        } catch (const PolygonError &error) {
            const bool tooFew = error.Which() == PolygonError::Fault::TooFewPoints;
            findings.push_back({line, tooFew ? FindingKind::TooFewPoints : FindingKind::UnreadableCoordinates});
        }
        const std::optional<Region> region =
            coords && kind != AreaKind::Default ? RegionOf(line, kind, *coords) : std::nullopt;
        if (coords && kind != AreaKind::Default && !region)
            findings.push_back({line, kind == AreaKind::Poly ? FindingKind::TooFewPoints : FindingKind::EmptyArea});
        if (region && kind == AreaKind::Poly
            && (scan == Scan::Indexed ? EdgesCross(region->points) : EdgesCrossPairwise(region->points)))
            findings.push_back({line, FindingKind::CrossingEdges});

        if (region) {
            if (const auto place = PlaceOnPicture(*region, pictureWidth, pictureHeight))
                findings.push_back({line, *place});
            regions.push_back(*region);
        }

        const std::optional<std::string> href = ReadAttribute(text, "HREF");
        const std::optional<std::string> alt = ReadAttribute(text, "ALT");
        if (!href) {
            if (alt)
                findings.push_back({line, FindingKind::AltWithoutLink});
            if (ReadAttribute(text, "TARGET"))
                findings.push_back({line, FindingKind::TargetWithoutLink});
        } else if (alt && !alt->empty()) {
            if (coords)
                linksWithAlt.insert(*href);
        } else if (!href->empty()) {
            linksWithoutAlt.emplace_back(line, *href);
        }
    }
    for (const auto &[line, href] : linksWithoutAlt) {
        if (!linksWithAlt.contains(href))
            findings.push_back({line, FindingKind::MissingAlt});
    }

    // A duplicate is not also reported hidden.
    const auto same = scan == Scan::Indexed ? EarliestSameBySorting(regions) : EarliestSameByPairs(regions);
    const auto cover = scan == Scan::Indexed ? EarliestCoverByGrid(regions) : EarliestCoverByPairs(regions);
    for (std::size_t index = 0; index < regions.size(); ++index) {
        if (same[index])
            findings.push_back({regions[index].line, FindingKind::DuplicateArea, regions[*same[index]].line});
        else if (cover[index])
            findings.push_back({regions[index].line, FindingKind::HiddenArea, regions[*cover[index]].line});
    }
    // Every line's findings were added in the order of FindingKind, so sorting merges these in.
    std::stable_sort(findings.begin(), findings.end(), [](const Finding &a, const Finding &b) {
        return std::tie(a.line, a.kind) < std::tie(b.line, b.kind);
    });
    return findings;
}

} // namespace

std::vector<Finding> CheckMap(const std::vector<std::string> &lines, int pictureWidth, int pictureHeight)
{
    return CheckMapBy(Scan::Indexed, lines, pictureWidth, pictureHeight);
}

std::vector<Finding> CheckMapPairwise(const std::vector<std::string> &lines, int pictureWidth, int pictureHeight)
{
    return CheckMapBy(Scan::Pairwise, lines, pictureWidth, pictureHeight);
}

} // namespace vemo
