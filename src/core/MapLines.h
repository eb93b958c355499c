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

std::string ImageLine(const std::string &file, const std::string &alt, const std::string &border,
                      const std::string &width, const std::string &height, const std::string &map);
std::string MapStartLine(const std::string &map);
std::string MapEndLine();
std::string RectAreaLine(const std::string &x0, const std::string &y0, const std::string &x1,
                         const std::string &y1, const std::string &href, const std::string &alt);
std::string CircleAreaLine(const std::string &x, const std::string &y, const std::string &r,
                           const std::string &href, const std::string &alt);
// The coordinates text is written as given: "x1,y1,x2,y2,...".
std::string PolyAreaLine(const std::string &coords, const std::string &href, const std::string &alt);
// The area that takes the clicks no other area takes.
std::string DefaultAreaLine(const std::string &href, const std::string &alt);
// A polygon's vertices as a POLY line's coordinates text: "x1,y1,x2,y2,...".
std::string PolygonCoordsText(const std::vector<Point> &points);

// The three lines of a new map for a picture file name of the given size.
std::vector<std::string> NewMapLines(const std::string &fileName, int width, int height,
                                     const std::string &mapName);

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

// The value of NAME="..." in a map start line; empty when the key is absent.
std::string ReadMapName(const std::string &line);

struct ImageLineValues {
    std::int32_t border = 0;
    std::string alt;
    std::string map;
};

// Reads BORDER, ALT and USEMAP="#..." from an image line. A missing BORDER key fails the
// conversion; a missing ALT or USEMAP key yields a fragment of the line's start.
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
