#include "widgets/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

#include "core/ZoomMapping.h"

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

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (zoom_ <= 1.0) {
        const QPixmap &shown = zoom_ < 1.0 ? reduced_ : picture_;
        for (const QRect &area : event->region())
            painter.drawPixmap(area, shown, area);
        return;
    }
    // Enlarged without smoothing: each picture pixel is a sharp block, so the user sees exactly
    // which pixel an edge falls on. Only the picture pixels under the repainted area are drawn.
    for (const QRect &area : event->region()) {
        const int left = static_cast<int>(std::floor(area.left() / zoom_));
        const int top = static_cast<int>(std::floor(area.top() / zoom_));
        const int right = static_cast<int>(std::ceil((area.right() + 1) / zoom_));
        const int bottom = static_cast<int>(std::ceil((area.bottom() + 1) / zoom_));
        const QRect source(left, top, right - left, bottom - top);
        const QRectF target(left * zoom_, top * zoom_, source.width() * zoom_, source.height() * zoom_);
        painter.setClipRect(area);
        painter.drawPixmap(target, picture_, QRectF(source));
    }
}
