#pragma once
// The HTML source lines of an image map: how each kind of line is written and read back.
// Writers insert values unchanged. Readers take each attribute where it stands in the tag: a key
// such as `HREF="` counts only where an attribute's name starts, and quoted values are passed over
// whole, so a value holding another attribute's key never misleads them. A value that holds a raw
// double quote still ends there, which is why typed values are written through AttributeText.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/AreaGeometry.h"
#include "core/MapStyle.h"

namespace vemo {

enum class AreaKind { None, Rect, Circle, Poly, Default };

// Why the coordinates of a POLY line make no polygon although every number reads.
class PolygonError : public std::runtime_error {
public:
    enum class Fault { OddCount, TooFewPoints };
    explicit PolygonError(Fault fault);
    Fault Which() const { return fault_; }

private:
    Fault fault_;
};

// The texts of an area line, each as it stands between its attribute's quotes.
// Every member has an initializer, so {href, alt} leaves the other two empty.
struct AreaTexts {
    std::string href = {};
    std::string alt = {};
    std::string title = {};  // the tooltip
    std::string target = {}; // the window or frame the link opens in: "_blank", "_top", a frame's name
    friend bool operator==(const AreaTexts &, const AreaTexts &) = default;
};

// The writers, in either style: Classic's upper-case names, BORDER and bare WIDTH and HEIGHT, or
// HTML5's lower-case names with every value quoted, no BORDER for a border of "0" and a bare "&"
// left to the caller (AttributeText). An area line has HREF and ALT always, then TITLE and TARGET
// only when not empty; the shape word stands at characters 14 to 17 in both styles.
std::string ImageLine(const std::string &file, const std::string &alt, const std::string &border,
                      const std::string &width, const std::string &height, const std::string &map,
                      MapStyle style = MapStyle::Classic);
std::string MapStartLine(const std::string &map, MapStyle style = MapStyle::Classic);
std::string MapEndLine(MapStyle style = MapStyle::Classic);
std::string RectAreaLine(const std::string &x0, const std::string &y0, const std::string &x1,
                         const std::string &y1, const AreaTexts &texts, MapStyle style = MapStyle::Classic);
std::string CircleAreaLine(const std::string &x, const std::string &y, const std::string &r, const AreaTexts &texts,
                           MapStyle style = MapStyle::Classic);
// The coordinates text is written as given: "x1,y1,x2,y2,...".
std::string PolyAreaLine(const std::string &coords, const AreaTexts &texts, MapStyle style = MapStyle::Classic);
// The area that takes the clicks no other area takes.
std::string DefaultAreaLine(const AreaTexts &texts, MapStyle style = MapStyle::Classic);
// The line of an area of kind (not None) with its coordinates text written as given; a default
// area's is left out.
std::string AreaLine(AreaKind kind, const std::string &coords, const AreaTexts &texts, MapStyle style);
// A polygon's vertices as a POLY line's coordinates text: "x1,y1,x2,y2,...".
std::string PolygonCoordsText(const std::vector<Point> &points);

// The three lines of a new map for a picture file name of the given size.
std::vector<std::string> NewMapLines(const std::string &fileName, int width, int height,
                                     const std::string &mapName, MapStyle style = MapStyle::Classic);

// Looks only at characters 14 to 17 of the line: "RECT", "CIRC", "POLY" or "DEFA" in any case.
AreaKind GetAreaKind(const std::string &line);

// The coordinates of an area line of the given kind: x0, y0, x1, y1, or x, y, r, or the polygon's
// x1, y1, ..., xn, yn; none for a default area. A coordinate that does not convert raises
// ConvertError; earlier ones are not returned. A polygon's count that is odd or below six raises
// PolygonError once every number has read.
std::vector<std::int32_t> ReadCoords(const std::string &line, AreaKind kind);

// The raw texts ReadCoords converts, in order, cut from the value of COORDS="..." wherever it
// stands: a rectangle's first three and a circle's first two each end at a comma (empty where the
// comma is missing), and the last is what remains. A polygon's are all its comma-separated texts.
// An absent or never-closed COORDS value counts as empty.
std::vector<std::string> CoordTexts(const std::string &line, AreaKind kind);

// The vertices a polygon's coordinates text stands for: numbers read as ReadCoords reads them,
// in x, y pairs. Raises ConvertError or PolygonError as ReadCoords does.
std::vector<Point> ReadPolygonPoints(const std::string &coords);

// The vertices of a POLY line. Raises ConvertError or PolygonError as ReadCoords does.
std::vector<Point> ReadPolygon(const std::string &line);

struct AreaRegion {
    AreaKind kind = AreaKind::None;
    Box box; // BoxFromCorners of a rectangle's corners, BoxFromCircle of a circle, a polygon's bounds
    std::vector<Point> points; // a polygon's vertices
    friend bool operator==(const AreaRegion &, const AreaRegion &) = default;
};

// The kind and box (picture pixels) of an area line; nothing for a line GetAreaKind takes for no
// area, for a default area, or for coordinates that do not all read or make no polygon. A region that covers no pixel still reads, with
// an empty box.
std::optional<AreaRegion> ReadAreaRegion(const std::string &line);

// Whether a region holds the picture pixel (x, y), as a browser takes a click there: the box, the
// circle read from it, or the polygon.
bool RegionHoldsPixel(const AreaRegion &region, std::int32_t x, std::int32_t y);

// The value of HREF="...", ALT="...", TITLE="..." or TARGET="..." in an area line; empty when
// the key is absent.
std::string ReadHref(const std::string &line);
std::string ReadAlt(const std::string &line);
std::string ReadTitle(const std::string &line);
std::string ReadTarget(const std::string &line);
// All four texts of an area line.
AreaTexts ReadAreaTexts(const std::string &line);
// The value of name="..." (name given without '=', in any case) where an attribute's name starts
// in line; nothing when the attribute is absent or its value never closed. Tells an empty value
// from a missing attribute, which the readers above do not.
std::optional<std::string> ReadAttribute(const std::string &line, const std::string &name);

// The value of NAME="..." in a map start line; empty when the key is absent.
std::string ReadMapName(const std::string &line);

struct ImageLineValues {
    std::int32_t border = 0;
    std::string alt;
    std::string map;
};

// Reads BORDER, ALT and USEMAP="#..." from an image line. A missing BORDER key fails the
// conversion, except in an HTML5 line (one starting "<img"), where it means a border of 0; a
// missing ALT or USEMAP key yields a fragment of the line's start.
ImageLineValues ReadImageLine(const std::string &line);

struct ImageSizeTexts {
    std::optional<std::string> width;
    std::optional<std::string> height;
};

// The WIDTH and HEIGHT texts of an image line: bare as ImageLine writes them (up to the next space
// or '>') or between double quotes. An absent key gives no text; a longer attribute name ending in
// WIDTH= is not taken for it.
ImageSizeTexts ReadImageSize(const std::string &line);

} // namespace vemo
