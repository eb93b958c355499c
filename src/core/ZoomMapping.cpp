#include "core/ZoomMapping.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <cstdint>
#include <limits>

namespace vemo {

namespace {

// Zooms are compared with some slack: 0.5 computed as 1 / 2 must equal the step 0.5.
constexpr double kSlack = 1e-9;

std::int32_t Saturated(double value)
{
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::round(value), low, high));
}

// The length from a rounded near edge to a rounded far edge; negative for an inverted box.
std::int32_t Span(std::int32_t from, double to)
{
    const std::int64_t length = std::int64_t(Saturated(to)) - from;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(length, std::numeric_limits<std::int32_t>::min(),
                                                               std::numeric_limits<std::int32_t>::max()));
}

} // namespace

double SteppedZoom(double zoom, int direction)
{
    if (direction > 0) {
        for (double step : kZoomSteps) {
            if (step > zoom + kSlack)
                return step;
        }
        return std::max(zoom, kZoomSteps[std::size(kZoomSteps) - 1]);
    }
    for (auto step = std::rbegin(kZoomSteps); step != std::rend(kZoomSteps); ++step) {
        if (*step < zoom - kSlack)
            return *step;
    }
    return std::min(zoom, kZoomSteps[0]);
}

double FittingZoom(int pictureWidth, int pictureHeight, int roomWidth, int roomHeight)
{
    if (pictureWidth <= 0 || pictureHeight <= 0 || roomWidth <= 0 || roomHeight <= 0)
        return 1.0;
    const double zoom = std::min(double(roomWidth) / pictureWidth, double(roomHeight) / pictureHeight);
    // Beyond the last step a picture pixel is a tile of 64 screen pixels: nothing more to see.
    return std::min(zoom, kZoomSteps[std::size(kZoomSteps) - 1]);
}

int ToDisplay(int pictureLength, double zoom)
{
    return Saturated(pictureLength * zoom);
}

Box ToDisplayBox(const Box &picture, double zoom)
{
    const std::int32_t left = Saturated(picture.left * zoom);
    const std::int32_t top = Saturated(picture.top * zoom);
    // An empty or inverted box, as unfinished typing gives, stays so: nothing is shown for it.
    return {left, top, Span(left, (double(picture.left) + picture.width) * zoom),
            Span(top, (double(picture.top) + picture.height) * zoom)};
}

Box ToPictureBox(const Box &display, double zoom)
{
    const std::int32_t left = Saturated(display.left / zoom);
    const std::int32_t top = Saturated(display.top / zoom);
    return {left, top, std::max(1, Span(left, (double(display.left) + display.width) / zoom)),
            std::max(1, Span(top, (double(display.top) + display.height) / zoom))};
}

Box DraggedBox(const Box &picture, const Box &displayBefore, const Box &displayAfter, double zoom)
{
    if (displayAfter.width == displayBefore.width && displayAfter.height == displayBefore.height) {
        const auto moved = [zoom](std::int32_t from, std::int64_t displayStep) {
            return Saturated(from + displayStep / zoom);
        };
        return {moved(picture.left, std::int64_t(displayAfter.left) - displayBefore.left),
                moved(picture.top, std::int64_t(displayAfter.top) - displayBefore.top), picture.width, picture.height};
    }
    // Each edge: kept when the drag left it, else the picture edge nearest the display edge.
    const auto edge = [zoom](std::int64_t pictureEdge, std::int64_t before, std::int64_t after) {
        return after == before ? pictureEdge : std::int64_t(Saturated(after / zoom));
    };
    const std::int64_t left = edge(picture.left, displayBefore.left, displayAfter.left);
    const std::int64_t top = edge(picture.top, displayBefore.top, displayAfter.top);
    const std::int64_t right = edge(std::int64_t(picture.left) + picture.width,
                                    std::int64_t(displayBefore.left) + displayBefore.width,
                                    std::int64_t(displayAfter.left) + displayAfter.width);
    const std::int64_t bottom = edge(std::int64_t(picture.top) + picture.height,
                                     std::int64_t(displayBefore.top) + displayBefore.height,
                                     std::int64_t(displayAfter.top) + displayAfter.height);
    const auto length = [](std::int64_t from, std::int64_t to) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(to - from, 1, std::numeric_limits<std::int32_t>::max()));
    };
    return {static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), length(left, right), length(top, bottom)};
}

double PixelCentre(int picturePixel, double zoom)
{
    return (picturePixel + 0.5) * zoom;
}

int PicturePixel(int displayPixel, double zoom)
{
    return static_cast<int>(std::floor(displayPixel / zoom + kSlack));
}

} // namespace vemo
