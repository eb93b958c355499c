#include "widgets/OutlineStamps.h"

#include <QPainter>
#include <QPen>
#include <QRect>

namespace {

constexpr int kReach = OutlineStamps::kBandWidth / 2;
// Circles up to this side are stamped: a stamp of the largest takes about 40 KB, and a map's
// circles come in few sizes. Larger ones are few on screen at a time and drawn directly.
constexpr int kLargestStampedSide = 96;
// Past this many kept stamps (some 5 MB at the largest) the stamps are made afresh.
constexpr int kMostStamps = 128;

} // namespace

void OutlineStamps::SetColors(const QColor &band, const QColor &line)
{
    if (band == band_ && line == line_)
        return;
    band_ = band;
    line_ = line;
    stamps_.clear();
}

void OutlineStamps::SetPen(QPainter &painter, bool band) const
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(band ? QPen(band_, kBandWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin) : QPen(line_, 1));
}

void OutlineStamps::DrawRectangle(QPainter &painter, const QRect &frame, bool band) const
{
    // The pen runs along x .. x + width and y .. y + height; the band reaches one pixel either side
    // of it. Filled as at most four strips that do not overlap, so a translucent colour is laid on
    // each pixel once, as the pen lays it.
    const int reach = band ? kReach : 0;
    const QColor &color = band ? band_ : line_;
    const QRect whole(frame.x() - reach, frame.y() - reach, frame.width() + 1 + 2 * reach,
                      frame.height() + 1 + 2 * reach);
    const int thickness = 1 + 2 * reach;
    if (whole.width() <= 2 * thickness || whole.height() <= 2 * thickness) {
        painter.fillRect(whole, color);
        return;
    }
    painter.fillRect(QRect(whole.left(), whole.top(), whole.width(), thickness), color);
    painter.fillRect(QRect(whole.left(), whole.bottom() - thickness + 1, whole.width(), thickness), color);
    const int sideHeight = whole.height() - 2 * thickness;
    painter.fillRect(QRect(whole.left(), whole.top() + thickness, thickness, sideHeight), color);
    painter.fillRect(QRect(whole.right() - thickness + 1, whole.top() + thickness, thickness, sideHeight), color);
}

QImage &OutlineStamps::Stamp(int side, bool band)
{
    const int key = side * 2 + (band ? 1 : 0);
    const auto found = stamps_.find(key);
    if (found != stamps_.end())
        return *found;
    if (stamps_.size() >= kMostStamps)
        stamps_.clear();
    // The circle is drawn at (kReach + 1, kReach + 1) so that every pixel its pen reaches,
    // rounding included, falls inside the stamp.
    const int margin = kReach + 1;
    QImage stamp(side + 1 + 2 * margin, side + 1 + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    QPainter painter(&stamp);
    SetPen(painter, band);
    painter.drawEllipse(QRect(margin, margin, side, side));
    painter.end();
    return *stamps_.insert(key, stamp);
}

void OutlineStamps::DrawCircle(QPainter &painter, const QRect &square, bool band)
{
    if (square.width() > kLargestStampedSide) {
        painter.save();
        SetPen(painter, band);
        painter.drawEllipse(square);
        painter.restore();
        return;
    }
    const int margin = kReach + 1;
    painter.drawImage(square.topLeft() - QPoint(margin, margin), Stamp(square.width(), band));
}
