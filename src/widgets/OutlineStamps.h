#pragma once
// Draws the rectangles and circles of outlines with exactly the pixels that QPainter's pens give
// them, without stroking a path for each one: a drag step over a map of many small areas repaints
// hundreds of outlines, and stroking them (a wide pen's joins, a circle's curves) took most of it.
#include <QColor>
#include <QHash>
#include <QImage>

class QPainter;
class QRect;

class OutlineStamps {
public:
    // The pens that the outlines are drawn with: a light band kBandWidth pixels wide with square
    // caps and mitred joins, and a 1-pixel line. Setting other colours lets the stamps go.
    static constexpr int kBandWidth = 3;
    void SetColors(const QColor &band, const QColor &line);

    // As QPainter::drawRect(frame) with the band's or the line's pen; frame is at least 1 x 1. (Where
    // a frame is one pixel wide the pen lays a translucent colour twice on the pixels its two
    // sides share; here every pixel gets it once.)
    void DrawRectangle(QPainter &painter, const QRect &frame, bool band) const;
    // As QPainter::drawEllipse(square) with the band's or the line's pen. A small circle is drawn
    // once into a stamp and copied from it after that.
    void DrawCircle(QPainter &painter, const QRect &square, bool band);

private:
    QImage &Stamp(int side, bool band);
    void SetPen(QPainter &painter, bool band) const;

    QColor band_ = Qt::white;
    QColor line_ = Qt::black;
    QHash<int, QImage> stamps_; // by side, and band or line
};
