#include "imagelib/ColourRegion.h"

#include <algorithm>
#include <cstdlib>

namespace {

int ChannelDistance(QRgb colour, int red, int green, int blue)
{
    return std::max({std::abs(qRed(colour) - red), std::abs(qGreen(colour) - green), std::abs(qBlue(colour) - blue)});
}

// A run of pixels in one row, both ends included, still to be spread from.
struct PendingRun {
    int y, left, right;
};

} // namespace

ColourRegion::ColourRegion(const QImage &picture, QPoint seed, int tolerance)
    : width_(picture.width()), height_(picture.height()), tolerance_(std::clamp(tolerance, 0, 255)),
      mask_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0)
{
    const QImage::Format format = picture.format();
    // Pictures the library loads are mostly 32-bit already and are then read in place.
    picture_ = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ? picture
                                                                                  : picture.convertToFormat(QImage::Format_RGB32);
    const QRgb clicked = Pixel(seed.x(), seed.y());
    red_ = qRed(clicked);
    green_ = qGreen(clicked);
    blue_ = qBlue(clicked);
    int count = 0, red = 0, green = 0, blue = 0;
    for (int y = std::max(0, seed.y() - 2); y <= std::min(height_ - 1, seed.y() + 2); ++y) {
        for (int x = std::max(0, seed.x() - 2); x <= std::min(width_ - 1, seed.x() + 2); ++x) {
            const QRgb colour = Pixel(x, y);
            if (ChannelDistance(colour, red_, green_, blue_) <= tolerance_) {
                ++count;
                red += qRed(colour);
                green += qGreen(colour);
                blue += qBlue(colour);
            }
        }
    }
    red_ = (red + count / 2) / count;
    green_ = (green + count / 2) / count;
    blue_ = (blue + count / 2) / count;
    Fill(seed);
    TakeHalfCoveredEdges();
}

int ColourRegion::Distance(int x, int y) const
{
    return ChannelDistance(Pixel(x, y), red_, green_, blue_);
}

void ColourRegion::Add(int x, int y)
{
    mask_[Index(x, y)] = 2;
    bounds_ |= QRect(x, y, 1, 1);
}

void ColourRegion::Fill(QPoint seed)
{
    int left = width_, top = height_, right = -1, bottom = -1;
    std::vector<PendingRun> pending;
    // The seed itself always belongs, even where the mean colour of the click drifts from it.
    pending.push_back({seed.y(), seed.x(), seed.x()});
    mask_[Index(seed.x(), seed.y())] = 1;
    while (!pending.empty()) {
        PendingRun run = pending.back();
        pending.pop_back();
        std::uint8_t *row = &mask_[Index(0, run.y)];
        while (run.left > 0 && row[run.left - 1] == 0 && Matches(run.left - 1, run.y))
            row[--run.left] = 1;
        while (run.right + 1 < width_ && row[run.right + 1] == 0 && Matches(run.right + 1, run.y))
            row[++run.right] = 1;
        left = std::min(left, run.left);
        right = std::max(right, run.right);
        top = std::min(top, run.y);
        bottom = std::max(bottom, run.y);
        // Each unfilled, matching run next to this one above and below starts a new run.
        for (const int y : {run.y - 1, run.y + 1}) {
            if (y < 0 || y >= height_)
                continue;
            std::uint8_t *next = &mask_[Index(0, y)];
            for (int x = run.left; x <= run.right; ++x) {
                if (next[x] != 0 || !Matches(x, y))
                    continue;
                const int start = x;
                while (x <= run.right && next[x] == 0 && Matches(x, y))
                    next[x++] = 1;
                pending.push_back({y, start, x - 1});
            }
        }
    }
    bounds_ = QRect(QPoint(left, top), QPoint(right, bottom));
}

// An anti-aliased edge pixel is a blend of the region's colour and the colour beyond it. The
// tolerance takes it only when it is mostly the region's colour; here a pixel just outside is
// taken when at least half of it is, judged against the pixel beyond it, which is what a shape
// drawn over the picture covers. Only one ring is looked at, so nothing spreads from it.
void ColourRegion::TakeHalfCoveredEdges()
{
    const QRect area = bounds_.adjusted(-1, -1, 1, 1) & QRect(0, 0, width_, height_);
    auto filled = [&](int x, int y) { return x >= 0 && y >= 0 && x < width_ && y < height_ && mask_[Index(x, y)] == 1; };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (mask_[Index(x, y)] != 0)
                continue;
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                // The region lies one step behind the pixel; its far side one step ahead.
                const int beyondX = x + step.x(), beyondY = y + step.y();
                if (!filled(x - step.x(), y - step.y()) || beyondX < 0 || beyondY < 0 || beyondX >= width_
                    || beyondY >= height_)
                    continue;
                const QRgb far = Pixel(beyondX, beyondY), here = Pixel(x, y);
                const int dr = red_ - qRed(far), dg = green_ - qGreen(far), db = blue_ - qBlue(far);
                const int span = dr * dr + dg * dg + db * db;
                if (std::max({std::abs(dr), std::abs(dg), std::abs(db)}) <= tolerance_)
                    continue;
                // The share of the region's colour in this pixel, along the line between the two colours.
                const int share = (qRed(here) - qRed(far)) * dr + (qGreen(here) - qGreen(far)) * dg
                                  + (qBlue(here) - qBlue(far)) * db;
                if (2 * share < span)
                    continue;
                // A blend lies near that line; a third colour does not.
                const double alpha = static_cast<double>(share) / span;
                const int offLine = std::max({std::abs(qRed(here) - qRed(far) - static_cast<int>(alpha * dr)),
                                              std::abs(qGreen(here) - qGreen(far) - static_cast<int>(alpha * dg)),
                                              std::abs(qBlue(here) - qBlue(far) - static_cast<int>(alpha * db))});
                if (offLine <= tolerance_) {
                    Add(x, y);
                    break;
                }
            }
        }
    }
}
