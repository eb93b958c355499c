#include "widgets/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/ZoomMapping.h"

namespace {

// An outline is a dark line with a light band this wide beneath it, one pixel either side: on a
// dark picture the band shows, on a light one the line, on a busy one both.
constexpr int kLightBandWidth = OutlineStamps::kBandWidth;
constexpr int kBandReach = kLightBandWidth / 2;
// A mark's dashed box lies this many display pixels outside the outline's band.
constexpr int kMarkGap = 2;
// Grid lines closer than this on the display are not drawn: they would hide the picture.
constexpr int kClosestGridLines = 4;
// Outline colours at least this light (on qGray's 0..255 scale) make the band, not the line.
constexpr int kLightestDarkLine = 127;
// A circle whose box is wider than this on the display is drawn from its rim within the
// repainted area: QPainter's ellipse takes time in proportion to its size and draws very large
// ones in the wrong place.
constexpr int kLargestPaintedEllipse = 2048;
// Along each axis the rim is walked where it is flatter than 45°, so that every pixel of it is
// set once and none is left out.
const double kHalfSqrt2 = std::sqrt(0.5);

// Where a circle's rim crosses a line `offset` from its centre, as the distance in from the near
// side of its box; nothing when the line misses the circle. Worked out as offset² / (r + along)
// rather than r - along, which would lose every digit for a radius of millions of pixels.
std::optional<double> RimInset(double offset, double r)
{
    if (std::abs(offset) > r * kHalfSqrt2)
        return std::nullopt;
    const double along = std::sqrt((r - offset) * (r + offset));
    return offset * offset / (r + along);
}

// The pixels of the rim of the circle inscribed in the box (left, top, side) that lie in area.
QPolygon RimPixels(const QRect &area, double left, double top, double side)
{
    const double r = (side - 1) / 2;
    QPolygon pixels;
    // The pixel where the rim crosses a column (or a row) at `crossing` along it, if in area.
    const auto add = [&](int line, double crossing, bool column) {
        const double at = std::round(crossing);
        const int low = column ? area.top() : area.left();
        const int high = column ? area.bottom() : area.right();
        if (at >= low && at <= high)
            pixels << (column ? QPoint(line, int(at)) : QPoint(int(at), line));
    };
    for (int x = area.left(); x <= area.right(); ++x) {
        if (const std::optional<double> inset = RimInset(x - (left + r), r)) {
            add(x, top + *inset, true);
            add(x, top + 2 * r - *inset, true);
        }
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (const std::optional<double> inset = RimInset(y - (top + r), r)) {
            add(y, left + *inset, false);
            add(y, left + 2 * r - *inset, false);
        }
    }
    return pixels;
}

// The square in a frame where the shape draws its circle, so that an outline lies exactly under
// the shape that shows the same region.
QRect CircleFrame(const QRect &bounds)
{
    const QRect frame = bounds.adjusted(0, 0, -1, -1);
    const int side = std::min(frame.width(), frame.height());
    return QRect(frame.left() + (frame.width() - side) / 2, frame.top() + (frame.height() - side) / 2, side, side);
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    // Moves without a button held are what the view's position panel follows.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPicture(QPixmap picture)
{
    picture_ = std::move(picture);
    ShowAt(1.0);
}

void PictureBox::SetZoom(double zoom)
{
    if (zoom != zoom_)
        ShowAt(zoom);
}

void PictureBox::ShowAt(double zoom)
{
    zoom_ = zoom;
    const QSize shown(std::max(1, vemo::ToDisplay(picture_.width(), zoom)),
                      std::max(1, vemo::ToDisplay(picture_.height(), zoom)));
    reduced_ = zoom < 1.0 && !picture_.isNull()
                   ? picture_.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   : QPixmap();
    setFixedSize(picture_.isNull() ? QSize(0, 0) : shown);
    update();
}

void PictureBox::SetOutlines(std::shared_ptr<const vemo::AreaSet> areas)
{
    if (!areas)
        areas = std::make_shared<const vemo::AreaSet>();
    // Only what changed is repainted: a map of many areas changes one or two at a time, and
    // repainting every outline at each change made the editor slow on large maps. The outlines
    // before and after share a first and a last run; what lies between them is the change.
    const std::vector<vemo::AreaRegion> &outlines = areas->Regions();
    const std::vector<vemo::AreaRegion> &outlines_ = areas_->Regions();
    std::size_t same = 0;
    while (same < outlines.size() && same < outlines_.size() && outlines[same] == outlines_[same])
        ++same;
    std::size_t sameAtEnd = 0;
    while (sameAtEnd < outlines.size() - same && sameAtEnd < outlines_.size() - same
           && outlines[outlines.size() - 1 - sameAtEnd] == outlines_[outlines_.size() - 1 - sameAtEnd])
        ++sameAtEnd;
    QRegion changed;
    for (std::size_t index = same; index < outlines_.size() - sameAtEnd; ++index)
        changed += Reach(outlines_[index]);
    for (std::size_t index = same; index < outlines.size() - sameAtEnd; ++index)
        changed += Reach(outlines[index]);
    // The marks name lines: where those lines' areas were and are now is repainted.
    changed += MarksReach();
    areas_ = std::move(areas);
    changed += MarksReach();
    update(changed);
}

void PictureBox::SetMarkedLines(std::vector<int> lines)
{
    if (lines == markedLines_)
        return;
    QRegion changed = MarksReach();
    markedLines_ = std::move(lines);
    update(changed + MarksReach());
}

void PictureBox::SetMarkOffset(QPoint offset)
{
    if (offset == markOffset_)
        return;
    QRegion changed = MarksReach();
    markOffset_ = offset;
    update(changed + MarksReach());
}

std::vector<QRect> PictureBox::MarkBoxes() const
{
    std::vector<QRect> boxes;
    for (const int line : markedLines_) {
        const vemo::AreaRegion *region = areas_->OnLine(line);
        if (!region)
            continue;
        if (const std::optional<ShownOutline> placed = Placed(*region)) {
            constexpr int out = kBandReach + kMarkGap;
            boxes.push_back(placed->bounds.adjusted(-out, -out, out, out).translated(markOffset_));
        }
    }
    return boxes;
}

QRegion PictureBox::MarksReach() const
{
    QRegion reach;
    for (const QRect &box : MarkBoxes())
        reach += box.adjusted(-1, -1, 1, 1) & rect();
    return reach;
}

QRect PictureBox::Reach(const vemo::AreaRegion &outline) const
{
    const vemo::Box shown = vemo::ToDisplayBox(outline.box, zoom_);
    // A pixel more than the band on every side, for the pen's rounding; cut to the control.
    constexpr int margin = kBandReach + 1;
    const auto cut = [](std::int64_t value, int length) {
        return int(std::clamp<std::int64_t>(value, -margin, std::int64_t{length} + margin));
    };
    const QRect reach(QPoint(cut(std::int64_t{shown.left} - margin, width()), cut(std::int64_t{shown.top} - margin, height())),
                      QPoint(cut(std::int64_t{shown.left} + shown.width + margin, width()),
                             cut(std::int64_t{shown.top} + shown.height + margin, height())));
    return reach & rect();
}

void PictureBox::SetOutlineColor(const QColor &color)
{
    outlineColor_ = color;
    update();
}

std::optional<PictureBox::ShownOutline> PictureBox::Placed(const vemo::AreaRegion &outline) const
{
    // Edges beyond the control are never seen: bounds are cut to just beyond the reach of the
    // light band, so no band shows along the control's edge, which also keeps typed extremes
    // within QRect's range.
    const std::int64_t across = width(), down = height();
    const auto cut = [](std::int64_t value, std::int64_t length) {
        return int(std::clamp<std::int64_t>(value, -1 - kBandReach, length + kBandReach));
    };
    const vemo::Box shown = vemo::ToDisplayBox(outline.box, zoom_);
    const std::int64_t right = std::int64_t{shown.left} + shown.width - 1;
    const std::int64_t bottom = std::int64_t{shown.top} + shown.height - 1;
    if (shown.width < 1 || shown.height < 1 || right < 0 || bottom < 0 || shown.left >= across || shown.top >= down)
        return std::nullopt;
    ShownOutline placed;
    placed.bounds = QRect(QPoint(cut(shown.left, across), cut(shown.top, down)), QPoint(cut(right, across), cut(bottom, down)));
    placed.round = outline.kind == vemo::AreaKind::Circle;
    for (const vemo::Point &point : outline.points)
        placed.polygon << QPointF(vemo::PixelCentre(point.x, zoom_), vemo::PixelCentre(point.y, zoom_));
    placed.large = placed.round && std::min(shown.width, shown.height) > kLargestPaintedEllipse;
    if (placed.large) {
        placed.left = outline.box.left * zoom_;
        placed.top = outline.box.top * zoom_;
        placed.side = std::min(outline.box.width, outline.box.height) * zoom_;
    } else if (placed.round) {
        // Whole, as the shape draws it: small enough to lie near the control.
        placed.bounds = QRect(shown.left, shown.top, shown.width, shown.height);
    }
    return placed;
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    PaintPicture(painter, event->region());
    PaintGrid(painter, event->region());
    PaintOutlines(painter, event->region());
    PaintMarks(painter, event->region());
}

void PictureBox::SetGridSize(int size)
{
    if (size == gridSize_)
        return;
    gridSize_ = size;
    update();
}

void PictureBox::PaintGrid(QPainter &painter, const QRegion &exposed) const
{
    if (gridSize_ < 2 || gridSize_ * zoom_ < kClosestGridLines)
        return;
    // Half-transparent grey shows on light and dark pictures without hiding them.
    painter.setPen(QPen(QColor(128, 128, 128, 160), 1, Qt::DotLine));
    const QRect reach = exposed.boundingRect();
    painter.setClipRegion(exposed);
    // A grid line lies on the display pixel where its picture column or row starts; only the lines
    // crossing the repainted area are drawn.
    const auto firstLine = [this](int from) {
        return std::int64_t{std::max(0, vemo::PicturePixel(from, zoom_) / gridSize_)} * gridSize_;
    };
    for (std::int64_t at = firstLine(reach.left()); at <= PictureWidth(); at += gridSize_) {
        const int x = vemo::ToDisplay(static_cast<int>(at), zoom_);
        if (x > reach.right())
            break;
        painter.drawLine(x, reach.top(), x, reach.bottom());
    }
    for (std::int64_t at = firstLine(reach.top()); at <= PictureHeight(); at += gridSize_) {
        const int y = vemo::ToDisplay(static_cast<int>(at), zoom_);
        if (y > reach.bottom())
            break;
        painter.drawLine(reach.left(), y, reach.right(), y);
    }
    painter.setClipping(false);
}

void PictureBox::PaintMarks(QPainter &painter, const QRegion &exposed) const
{
    if (markedLines_.empty())
        return;
    const bool darkColour = qGray(outlineColor_.rgb()) <= kLightestDarkLine;
    painter.setBrush(Qt::NoBrush);
    // Dashes of both colours, so the box shows on any picture.
    for (const QRect &box : MarkBoxes()) {
        if (!exposed.intersects(box.adjusted(-1, -1, 1, 1)))
            continue;
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(box);
        painter.setPen(QPen(darkColour ? outlineColor_ : QColor(Qt::black), 1, Qt::DashLine));
        painter.drawRect(box);
    }
}

void PictureBox::PaintPicture(QPainter &painter, const QRegion &exposed) const
{
    if (zoom_ <= 1.0) {
        const QPixmap &shown = zoom_ < 1.0 ? reduced_ : picture_;
        for (const QRect &area : exposed)
            painter.drawPixmap(area, shown, area);
        return;
    }
    // Enlarged without smoothing: each picture pixel is a sharp block, so the user sees exactly
    // which pixel an edge falls on. Only the picture pixels under the repainted area are drawn.
    for (const QRect &area : exposed) {
        const int left = static_cast<int>(std::floor(area.left() / zoom_));
        const int top = static_cast<int>(std::floor(area.top() / zoom_));
        const int right = static_cast<int>(std::ceil((area.right() + 1) / zoom_));
        const int bottom = static_cast<int>(std::ceil((area.bottom() + 1) / zoom_));
        const QRect source(left, top, right - left, bottom - top);
        const QRectF target(left * zoom_, top * zoom_, source.width() * zoom_, source.height() * zoom_);
        painter.setClipRect(area);
        painter.drawPixmap(target, picture_, QRectF(source));
    }
    painter.setClipping(false);
}

void PictureBox::PaintOutlines(QPainter &painter, const QRegion &exposed) const
{
    const std::vector<ShownOutline> outlines = OutlinesMeeting(exposed);
    if (outlines.empty())
        return;
    const bool darkColour = qGray(outlineColor_.rgb()) <= kLightestDarkLine;
    const QColor band = darkColour ? QColor(Qt::white) : outlineColor_;
    const QColor line = darkColour ? outlineColor_ : QColor(Qt::black);
    stamps_.SetColors(band, line);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(band, kLightBandWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    StrokeOutlines(painter, exposed, outlines, true);
    painter.setPen(QPen(line, 1));
    StrokeOutlines(painter, exposed, outlines, false);
}

std::vector<PictureBox::ShownOutline> PictureBox::OutlinesMeeting(const QRegion &exposed) const
{
    // The areas are found in picture pixels: each repainted rectangle, widened by the band and a
    // pixel for rounding, as the picture pixels under it.
    constexpr int margin = kBandReach + 1;
    std::vector<std::size_t> meeting;
    for (const QRect &area : exposed) {
        const std::vector<std::size_t> found = areas_->Meeting(
            {vemo::PicturePixel(area.left() - margin, zoom_), vemo::PicturePixel(area.top() - margin, zoom_),
             vemo::PicturePixel(area.right() + margin, zoom_), vemo::PicturePixel(area.bottom() + margin, zoom_)});
        meeting.insert(meeting.end(), found.begin(), found.end());
    }
    // In the order they were given, so that a later outline lies over an earlier one.
    std::sort(meeting.begin(), meeting.end());
    meeting.erase(std::unique(meeting.begin(), meeting.end()), meeting.end());
    const QMargins reachOfBand(kBandReach, kBandReach, kBandReach, kBandReach);
    std::vector<ShownOutline> shown;
    for (const std::size_t index : meeting) {
        const std::optional<ShownOutline> placed = Placed(areas_->Regions()[index]);
        if (placed && exposed.intersects(placed->bounds + reachOfBand))
            shown.push_back(*placed);
    }
    return shown;
}

void PictureBox::StrokeOutlines(QPainter &painter, const QRegion &exposed, const std::vector<ShownOutline> &outlines,
                                bool band) const
{
    // Only the outlines that cross the repainted area are drawn: a drag step repaints thin bands.
    // An outline's band reaches a pixel beyond its bounds on either side.
    const QRect reach = exposed.boundingRect();
    const QMargins reachOfBand(kBandReach, kBandReach, kBandReach, kBandReach);
    for (const ShownOutline &outline : outlines) {
        if (!outline.polygon.isEmpty()) {
            painter.drawPolygon(outline.polygon);
        } else if (outline.large) {
            for (const QRect &area : exposed) {
                const QRect near = (area + reachOfBand) & outline.bounds;
                const QPolygon rim = RimPixels(near, outline.left, outline.top, outline.side);
                if (!band) {
                    painter.drawPoints(rim);
                    continue;
                }
                // A wide pen's square points fall a pixel either way with the painter's offset:
                // the band's pixels are filled exactly.
                const QPoint corner(kBandReach, kBandReach);
                for (const QPoint &pixel : rim)
                    painter.fillRect(QRect(pixel - corner, pixel + corner), painter.pen().color());
            }
        } else if (outline.round) {
            stamps_.DrawCircle(painter, CircleFrame(outline.bounds), band);
        } else if (!(outline.bounds - reachOfBand).adjusted(1, 1, -1, -1).contains(reach)) {
            // The 1-pixel pen runs along the outermost pixel rows and columns, as on the shape.
            const QRect frame = outline.bounds.adjusted(0, 0, -1, -1);
            if (frame.width() > 0 && frame.height() > 0)
                stamps_.DrawRectangle(painter, frame, band);
            else
                painter.drawLine(outline.bounds.topLeft(), outline.bounds.bottomRight());
        }
    }
}
