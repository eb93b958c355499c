#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstddef>
#include <cstdint>
#include <vector>

// The pixels joined to a clicked pixel, side by side, whose colour is within a tolerance of the
// clicked colour: the flat-coloured room or shape a user means by a click. Along its edge, where
// anti-aliasing blends the clicked colour with the next one, a pixel belongs when at least half
// of it is the clicked colour, as the pixels of the drawn shape are those whose centre it covers. The flood fill keeps its
// pending spans in a vector, so a region as large as the picture needs no deep call stack, and one
// byte a pixel marks the region.
class ColourRegion
{
public:
    // Fills from seed, which must lie inside picture. tolerance is the largest difference in any
    // of red, green, blue and opacity (0-255) from the colour of the click. The colour of the click is the
    // mean of the like pixels around it, so one noisy JPEG pixel under the mouse does not decide it.
    ColourRegion(const QImage &picture, QPoint seed, int tolerance);

    // Whether pixel (x, y) belongs to the region; false outside the picture.
    bool Holds(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && mask_[Index(x, y)] != 0;
    }
    // The smallest rectangle of pixels holding the region.
    QRect Bounds() const { return bounds_; }
    // Takes pixel (x, y) into the region (it must lie in the picture): the outline calls this to
    // join two parts that meet only at a corner.
    void Add(int x, int y);
    // The colour distance of pixel (x, y) from the clicked colour.
    int Distance(int x, int y) const;

private:
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }
    QRgb Pixel(int x, int y) const
    {
        return reinterpret_cast<const QRgb *>(bits_ + static_cast<std::ptrdiff_t>(y) * bytesPerLine_)[x];
    }
    bool Matches(int x, int y) const { return Distance(x, y) <= tolerance_; }
    void Fill(QPoint seed);
    // The share of the clicked colour in pixel (x, y) when it blends that colour with the colour
    // of pixel (farX, farY); below zero when the two colours are alike or the pixel is no blend.
    double ClickedShare(int x, int y, int farX, int farY) const;
    void DropMostlyUncoveredEdges(QPoint seed);
    void TakeHalfCoveredEdges();
    void FitBounds();

    QImage picture_; // 32 bits a pixel, premultiplied where it has transparency
    // Its rows, read directly: the fill reads every pixel of the region, some more than once.
    const uchar *bits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
    int width_ = 0, height_ = 0, tolerance_ = 0;
    int red_ = 0, green_ = 0, blue_ = 0, alpha_ = 0; // the clicked colour
    std::vector<std::uint8_t> mask_;
    QRect bounds_;
};
