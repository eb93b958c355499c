// Outlines drawn from stamps and strips must give exactly the pixels the pens give: they lie under
// the hatched shape, and an outline drawn in a drag band must meet the rest of it seamlessly.
#include "widgets/OutlineStamps.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

QImage Drawn(const std::function<void(QPainter &)> &draw)
{
    QImage image(1300, 700, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(40, 90, 160));
    QPainter painter(&image);
    draw(painter);
    return image;
}

struct Colours {
    QColor band, line;
};
const Colours kColours[] = {{Qt::white, Qt::black}, {QColor(255, 200, 0, 128), QColor(0, 0, 0, 90)}};
// Near the origin and far from it: a stamp copied far away must land as the pen rounds there.
const QPoint kPlaces[] = {{0, 0}, {7, 3}, {1180, 570}};

void ExpectSameAsPen(const std::function<void(QPainter &)> &withPen, const std::function<void(QPainter &)> &withStamps,
                     const QString &what)
{
    EXPECT_TRUE(Drawn(withPen) == Drawn(withStamps)) << what.toStdString();
}

TEST(OutlineStamps, RectanglesAndCirclesGetThePensPixels)
{
    for (const Colours &colours : kColours) {
        OutlineStamps stamps;
        stamps.SetColors(colours.band, colours.line);
        for (const bool band : {true, false}) {
            const QPen pen = band ? QPen(colours.band, OutlineStamps::kBandWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
                                  : QPen(colours.line, 1);
            for (const QPoint &place : kPlaces) {
                for (const QSize size : {QSize(1, 1), QSize(2, 1), QSize(1, 5), QSize(3, 3), QSize(4, 3), QSize(4, 4),
                                         QSize(5, 9), QSize(40, 17)}) {
                    // Where a frame is one pixel wide the pen lays its two sides on the same pixels,
                    // a translucent colour twice; the strips lay it once.
                    if (colours.line.alpha() < 255 && (size.width() == 1 || size.height() == 1))
                        continue;
                    const QRect frame(place + QPoint(5, 5), size);
                    ExpectSameAsPen(
                        [&](QPainter &painter) {
                            painter.setPen(pen);
                            painter.drawRect(frame);
                        },
                        [&](QPainter &painter) { stamps.DrawRectangle(painter, frame, band); },
                        QString("rectangle %1x%2 band %3").arg(size.width()).arg(size.height()).arg(band));
                }
                // Twice each, so that a stamp is also used from the cache; 97 and more are drawn
                // directly.
                for (const int side : {1, 2, 3, 8, 9, 33, 96, 96, 97, 150}) {
                    const QRect square(place + QPoint(5, 5), QSize(side, side));
                    ExpectSameAsPen(
                        [&](QPainter &painter) {
                            painter.setPen(pen);
                            painter.drawEllipse(square);
                        },
                        [&](QPainter &painter) { stamps.DrawCircle(painter, square, band); },
                        QString("circle %1 at %2,%3 band %4").arg(side).arg(place.x()).arg(place.y()).arg(band));
                }
            }
        }
    }
}

} // namespace
