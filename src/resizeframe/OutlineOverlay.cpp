#include "resizeframe/OutlineOverlay.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>

#include <algorithm>

OutlineOverlay::OutlineOverlay(QWidget *parent, const OutlinePen &pen) : QWidget(parent), pen_(pen)
{
    // The press that started the drag keeps its mouse grab; the overlay must
    // never take mouse input from the controls beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(parent->rect());
    raise();
    show();
}

void OutlineOverlay::Toggle(const EdgeRect &outline)
{
    const auto found = std::find(shown_.begin(), shown_.end(), outline);
    if (found != shown_.end())
        shown_.erase(found);
    else
        shown_.push_back(outline);
    update(Band(outline, pen_));
}

namespace {

QPen NotXorPen(const OutlinePen &pen)
{
    if (pen.Style == Qt::SolidLine)
        return QPen(pen.Color, pen.Width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    QPen styled(pen.Color, 1, pen.Style, Qt::FlatCap, Qt::MiterJoin);
    styled.setCosmetic(true);
    return styled;
}

} // namespace

void OutlineOverlay::PaintNotXor(QPainter &painter, const EdgeRect &outline, const OutlinePen &pen)
{
    const auto vertices = OutlineVertices(outline, pen.Width);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(NotXorPen(pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(vertices.data(), static_cast<int>(vertices.size()));
    painter.restore();
}

QRegion OutlineOverlay::Band(const EdgeRect &outline, const OutlinePen &pen)
{
    const auto vertices = OutlineVertices(outline, pen.Width);
    const QRect path = QRect(vertices[0], vertices[2]).normalized();
    // Half the pen on either side of the path, plus a pixel for rounding.
    const int reach = std::max(pen.Width, 1) / 2 + 1;
    const QRect outer = path.adjusted(-reach, -reach, reach, reach);
    const QRect inner = path.adjusted(reach, reach, -reach, -reach);
    if (!inner.isValid())
        return QRegion(outer);
    return QRegion(outer).subtracted(QRegion(inner));
}

void OutlineOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const EdgeRect &outline : shown_)
        PaintNotXor(painter, outline, pen_);
}
