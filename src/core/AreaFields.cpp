#include "core/AreaFields.h"

#include "core/IntConv.h"

namespace vemo {

Box TypedRectBox(const std::string &x0, const std::string &y0, const std::string &x1, const std::string &y1)
{
    Box box;
    box.left = TryParseInt32(x0).value_or(0);
    box.top = TryParseInt32(y0).value_or(0);
    if (const auto right = TryParseInt32(x1))
        box.width = BoxFromCorners({box.left, box.top, *right, box.top}).width;
    if (const auto bottom = TryParseInt32(y1))
        box.height = BoxFromCorners({box.left, box.top, box.left, *bottom}).height;
    return box;
}

Box TypedCircleBox(const std::string &x, const std::string &y, const std::string &r)
{
    return BoxFromCircle({TryParseInt32(x).value_or(0), TryParseInt32(y).value_or(0), TryParseInt32(r).value_or(0)});
}

} // namespace vemo
