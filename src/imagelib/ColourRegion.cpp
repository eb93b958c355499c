#include "imagelib/ColourRegion.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

int ChannelDistance(QRgb colour, int red, int green, int blue, int alpha)
{
    return std::max({std::abs(qRed(colour) - red), std::abs(qGreen(colour) - green), std::abs(qBlue(colour) - blue),
                     std::abs(qAlpha(colour) - alpha)});
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
    // Pictures the library loads are mostly 32-bit already and are then read in place. Where
    // there is transparency, colours are compared premultiplied: a transparent pixel is then
    // transparent whatever colour it hides, and an edge fading out is a blend like any other.
    const QImage::Format format = picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    picture_ = picture.format() == format ? picture : picture.convertToFormat(format);
    bits_ = picture_.constBits();
    bytesPerLine_ = picture_.bytesPerLine();
    const QRgb clicked = Pixel(seed.x(), seed.y());
    int count = 0, red = 0, green = 0, blue = 0, alpha = 0;
    for (int y = std::max(0, seed.y() - 2); y <= std::min(height_ - 1, seed.y() + 2); ++y) {
        for (int x = std::max(0, seed.x() - 2); x <= std::min(width_ - 1, seed.x() + 2); ++x) {
            const QRgb colour = Pixel(x, y);
            if (ChannelDistance(colour, qRed(clicked), qGreen(clicked), qBlue(clicked), qAlpha(clicked)) <= tolerance_) {
                ++count;
                red += qRed(colour);
                green += qGreen(colour);
                blue += qBlue(colour);
                alpha += qAlpha(colour);
            }
        }
    }
    red_ = (red + count / 2) / count;
    green_ = (green + count / 2) / count;
    blue_ = (blue + count / 2) / count;
    alpha_ = (alpha + count / 2) / count;
    Fill(seed);
    DropMostlyUncoveredEdges(seed);
    TakeHalfCoveredEdges();
    FitBounds();
}

int ColourRegion::Distance(int x, int y) const
{
    return ChannelDistance(Pixel(x, y), red_, green_, blue_, alpha_);
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

double ColourRegion::ClickedShare(int x, int y, int farX, int farY) const
{
    const QRgb far = Pixel(farX, farY), here = Pixel(x, y);
    const int toClicked[4] = {red_ - qRed(far), green_ - qGreen(far), blue_ - qBlue(far), alpha_ - qAlpha(far)};
    const int toHere[4] = {qRed(here) - qRed(far), qGreen(here) - qGreen(far), qBlue(here) - qBlue(far),
                           qAlpha(here) - qAlpha(far)};
    int largest = 0, span = 0, along = 0;
    for (int channel = 0; channel < 4; ++channel) {
        largest = std::max(largest, std::abs(toClicked[channel]));
        span += toClicked[channel] * toClicked[channel];
        along += toHere[channel] * toClicked[channel];
    }
    if (largest <= tolerance_)
        return -1;
    // The share along the line between the two colours.
    const double share = static_cast<double>(along) / span;
    // A blend lies near that line; a third colour does not.
    double offLine = 0;
    for (int channel = 0; channel < 4; ++channel)
        offLine = std::max(offLine, std::abs(toHere[channel] - share * toClicked[channel]));
    return offLine <= tolerance_ ? share : -1;
}

namespace {

constexpr QPoint kSides[4] = {QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1)};

} // namespace

// The tolerance takes an edge pixel whenever it is near enough the clicked colour, which for two
// colours less than twice the tolerance apart is also a pixel mostly of the other colour. Such a
// pixel, judged against the pixel outside it, is let go where that leaves the region in one piece.
void ColourRegion::DropMostlyUncoveredEdges(QPoint seed)
{
    std::vector<QPoint> mostlyOther;
    for (int y = bounds_.top(); y <= bounds_.bottom(); ++y) {
        const std::uint8_t *row = &mask_[Index(0, y)];
        const std::uint8_t *above = y > 0 ? row - width_ : nullptr, *below = y + 1 < height_ ? row + width_ : nullptr;
        for (int x = bounds_.left(); x <= bounds_.right(); ++x) {
            // Most pixels lie inside, with all four sides in the region.
            if (row[x] == 0 || ((x == 0 || row[x - 1] != 0) && (x + 1 == width_ || row[x + 1] != 0)
                                && (!above || above[x] != 0) && (!below || below[x] != 0)))
                continue;
            if (QPoint(x, y) == seed)
                continue;
            for (const QPoint side : kSides) {
                // Judged against the second pixel out, where an anti-aliased edge has ended.
                const int nextX = x + side.x(), nextY = y + side.y(), farX = nextX + side.x(), farY = nextY + side.y();
                // Colours twice the tolerance apart or more leave no such pixel to the tolerance;
                // there only noise would be taken for it.
                if (farX < 0 || farY < 0 || farX >= width_ || farY >= height_ || mask_[Index(nextX, nextY)] != 0
                    || Distance(farX, farY) >= 2 * tolerance_)
                    continue;
                const double share = ClickedShare(x, y, farX, farY);
                if (share >= 0 && share < 0.5) {
                    mostlyOther.push_back({x, y});
                    break;
                }
            }
        }
    }
    // The eight pixels around one, in turn: a pixel may go when the region's pixels beside it
    // stay joined through those around it, so no part of the region is cut off.
    constexpr QPoint kAround[8] = {QPoint(0, -1), QPoint(1, -1), QPoint(1, 0), QPoint(1, 1),
                                   QPoint(0, 1),  QPoint(-1, 1), QPoint(-1, 0), QPoint(-1, -1)};
    for (const QPoint pixel : mostlyOther) {
        bool held[8];
        int start = -1;
        for (int k = 0; k < 8; ++k) {
            held[k] = Holds(pixel.x() + kAround[k].x(), pixel.y() + kAround[k].y());
            if (!held[k])
                start = k;
        }
        // Runs of held pixels around the ring, each counted when it holds a pixel beside this one
        // (the even places); a run of one corner pixel is not joined to it.
        int joinedRuns = 0;
        bool runHasSide = false;
        for (int step = 1; step <= 8; ++step) {
            const int k = (start + step) % 8;
            if (held[k]) {
                runHasSide = runHasSide || k % 2 == 0;
            } else {
                joinedRuns += runHasSide ? 1 : 0;
                runHasSide = false;
            }
        }
        if (joinedRuns == 1)
            mask_[Index(pixel.x(), pixel.y())] = 0;
    }
}

// An anti-aliased edge pixel is a blend of the region's colour and the colour beyond it. The
// tolerance takes it only when it is near enough the region's colour; here a pixel just outside
// is taken when at least half of it is, judged against the pixel beyond it. Only one ring is
// looked at, so nothing spreads from it.
void ColourRegion::TakeHalfCoveredEdges()
{
    const QRect area = bounds_.adjusted(-1, -1, 1, 1) & QRect(0, 0, width_, height_);
    auto filled = [&](int x, int y) { return x >= 0 && y >= 0 && x < width_ && y < height_ && mask_[Index(x, y)] == 1; };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const std::uint8_t *row = &mask_[Index(0, y)];
        const std::uint8_t *above = y > 0 ? row - width_ : nullptr, *below = y + 1 < height_ ? row + width_ : nullptr;
        for (int x = area.left(); x <= area.right(); ++x) {
            // Most pixels outside have no side in the region.
            if (row[x] != 0 || ((x == 0 || row[x - 1] != 1) && (x + 1 == width_ || row[x + 1] != 1)
                                && (!above || above[x] != 1) && (!below || below[x] != 1)))
                continue;
            for (const QPoint side : kSides) {
                // The region lies one step behind the pixel; its far side one step ahead.
                const int beyondX = x + side.x(), beyondY = y + side.y();
                if (!filled(x - side.x(), y - side.y()) || beyondX < 0 || beyondY < 0 || beyondX >= width_ || beyondY >= height_)
                    continue;
                if (ClickedShare(x, y, beyondX, beyondY) >= 0.5) {
                    Add(x, y);
                    break;
                }
            }
        }
    }
}

void ColourRegion::FitBounds()
{
    int left = bounds_.right(), top = bounds_.bottom(), right = bounds_.left(), bottom = bounds_.top();
    for (int y = bounds_.top(); y <= bounds_.bottom(); ++y) {
        const std::uint8_t *first = &mask_[Index(bounds_.left(), y)], *end = first + bounds_.width();
        const std::uint8_t *held = std::find_if(first, end, [](std::uint8_t value) { return value != 0; });
        if (held == end)
            continue;
        const auto last = std::find_if(std::make_reverse_iterator(end), std::make_reverse_iterator(held),
                                       [](std::uint8_t value) { return value != 0; });
        left = std::min(left, bounds_.left() + static_cast<int>(held - first));
        right = std::max(right, bounds_.left() + static_cast<int>(last.base() - first) - 1);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    bounds_ = QRect(QPoint(left, top), QPoint(right, bottom));
}
