#include "core/AreaFields.h"

#include "core/IntConv.h"

namespace vemo {

Box TypedRectBox(const std::string &x0, const std::string &y0, const std::string &x1, const std::string &y1)
{
    Box box;
    box.left = TryStrToInt(x0).value_or(0);
    box.top = TryStrToInt(y0).value_or(0);
    if (const auto right = TryStrToInt(x1))
        box.width = BoxFromCorners({box.left, box.top, *right, box.top}).width;
    if (const auto bottom = TryStrToInt(y1))
        box.height = BoxFromCorners({box.left, box.top, box.left, *bottom}).height;
    return box;
}

Box TypedCircleBox(const std::string &x, const std::string &y, const std::string &r)
{
    return BoxFromCircle({TryStrToInt(x).value_or(0), TryStrToInt(y).value_or(0), TryStrToInt(r).value_or(0)});
}

} // namespace vemo
