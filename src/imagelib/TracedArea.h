#pragma once
#include "core/MapLines.h"

#include <cstdint>
#include <string>
#include <vector>

// What tracing a region of the picture gives: the kind of area and its coordinates in the order
// an AREA line's COORDS holds them (x0, y0, x1, y1; x, y, r; or x1, y1, ..., xn, yn). Kind None,
// with no coordinates, when nothing could be traced.
struct TracedArea {
    vemo::AreaKind kind = vemo::AreaKind::None;
    std::vector<std::int32_t> coords;

    // The COORDS text: the numbers joined by commas.
    std::string CoordsText() const;
    // The region a browser reads from the coordinates (RegionHoldsPixel tells which pixels it holds).
    vemo::AreaRegion Region() const;

    friend bool operator==(const TracedArea &, const TracedArea &) = default;
};
