#include "editor/ToolGlyphs.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <initializer_list>

namespace {

constexpr int kSize = 16;

// The 16 standard colours. Olive is kept for the background, so no picture uses it.
const QColor kBlack(0, 0, 0), kMaroon(128, 0, 0), kGreen(0, 128, 0), kOlive(128, 128, 0), kNavy(0, 0, 128),
    kPurple(128, 0, 128), kTeal(0, 128, 128), kSilver(192, 192, 192), kGrey(128, 128, 128), kRed(255, 0, 0),
    kLime(0, 255, 0), kYellow(255, 255, 0), kBlue(0, 0, 255), kFuchsia(255, 0, 255), kAqua(0, 255, 255),
    kWhite(255, 255, 255);

// A polygon from x, y pairs.
QPolygon Points(std::initializer_list<int> xy)
{
    QPolygon polygon;
    polygon.setPoints(static_cast<int>(xy.size() / 2), std::data(xy));
    return polygon;
}

// Back-diagonal lines three pixels apart, inside area only.
void Hatch(QPainter &p, const QRegion &area, const QColor &colour)
{
    p.save();
    p.setClipRegion(area);
    p.setPen(colour);
    for (int x = 0; x < 2 * kSize; x += 3)
        p.drawLine(x, 0, x - kSize, kSize);
    p.restore();
}

// An open folder.
void DrawOpen(QPainter &p)
{
    p.setBrush(kYellow);
    p.drawRect(1, 2, 5, 2);
    p.drawRect(1, 4, 11, 9);
    p.setBrush(kWhite);
    p.drawPolygon(Points({3, 7, 15, 7, 12, 13, 1, 13}));
}

// A floppy disk.
void DrawSave(QPainter &p)
{
    p.setBrush(kNavy);
    p.drawRect(1, 1, 13, 13);
    p.setBrush(kWhite);
    p.drawRect(4, 2, 7, 5);
    p.setBrush(kSilver);
    p.drawRect(4, 10, 7, 4);
    p.fillRect(9, 11, 1, 2, kBlack);
}

// A clipboard with a written sheet.
void DrawClip(QPainter &p)
{
    p.setBrush(kMaroon);
    p.drawRect(2, 2, 11, 13);
    p.setBrush(kWhite);
    p.drawRect(4, 4, 7, 9);
    p.setBrush(kSilver);
    p.drawRect(5, 1, 5, 3);
    p.drawLine(6, 7, 9, 7);
    p.drawLine(6, 9, 9, 9);
    p.drawLine(6, 11, 8, 11);
}

// A framed landscape.
void DrawImage(QPainter &p)
{
    p.setBrush(kAqua);
    p.drawRect(1, 2, 13, 11);
    p.setPen(kGreen);
    p.setBrush(kGreen);
    p.drawPolygon(Points({2, 12, 6, 7, 9, 10, 11, 8, 13, 12}));
    p.setPen(kRed);
    p.setBrush(kYellow);
    p.drawEllipse(9, 4, 3, 3);
}

// A pencil.
void DrawEdit(QPainter &p)
{
    p.setBrush(kYellow);
    p.drawPolygon(Points({4, 9, 11, 2, 13, 4, 6, 11}));
    p.setBrush(kRed);
    p.drawPolygon(Points({11, 2, 12, 1, 14, 3, 13, 4}));
    p.setBrush(kSilver);
    p.drawPolygon(Points({4, 9, 6, 11, 2, 13}));
    p.drawPoint(2, 13);
}

// A hatched rectangle, the way regions are shown.
void DrawRect(QPainter &p)
{
    Hatch(p, QRegion(2, 4, 12, 8), kBlue);
    p.drawRect(1, 3, 13, 9);
}

// A hatched circle.
void DrawCircle(QPainter &p)
{
    Hatch(p, QRegion(1, 1, 14, 14, QRegion::Ellipse), kRed);
    p.drawEllipse(1, 1, 13, 13);
}

// A globe.
void DrawTest(QPainter &p)
{
    p.setPen(kNavy);
    p.setBrush(kAqua);
    p.drawEllipse(1, 1, 13, 13);
    p.setPen(kGreen);
    p.setBrush(kGreen);
    p.drawPolygon(Points({4, 4, 7, 3, 8, 6, 5, 9, 3, 7}));
    p.drawPolygon(Points({9, 8, 12, 7, 12, 11, 9, 12}));
}

// A question mark in a bubble.
void DrawHelp(QPainter &p)
{
    p.setPen(kNavy);
    p.setBrush(kWhite);
    p.drawEllipse(1, 1, 13, 13);
    p.drawPolyline(Points({5, 5, 6, 4, 9, 4, 10, 5, 10, 7, 8, 8, 8, 9}));
    p.drawPolyline(Points({6, 5, 7, 5}));
    p.drawLine(9, 6, 9, 7);
    p.drawLine(7, 9, 7, 10);
    p.fillRect(7, 11, 2, 2, kNavy);
}

void Draw(QPainter &p, ToolGlyph glyph)
{
    p.setPen(kBlack);
    switch (glyph) {
    case ToolGlyph::Open:
        return DrawOpen(p);
    case ToolGlyph::Save:
        return DrawSave(p);
    case ToolGlyph::Clip:
        return DrawClip(p);
    case ToolGlyph::Image:
        return DrawImage(p);
    case ToolGlyph::Edit:
        return DrawEdit(p);
    case ToolGlyph::Rect:
        return DrawRect(p);
    case ToolGlyph::Circle:
        return DrawCircle(p);
    case ToolGlyph::Test:
        return DrawTest(p);
    case ToolGlyph::Help:
        return DrawHelp(p);
    }
}

// A dark pixel of the picture stays a line in the disabled form; light fills disappear.
bool IsLine(QRgb pixel)
{
    return pixel != kOlive.rgb() && qGray(pixel) < 160;
}

} // namespace

QImage MakeToolGlyph(ToolGlyph glyph)
{
    QImage picture(kSize, kSize, QImage::Format_RGB32);
    picture.fill(kOlive);
    {
        QPainter painter(&picture);
        Draw(painter, glyph);
    }

    // The disabled form: white one pixel down and right of each line pixel, then grey on the line.
    QImage disabled(kSize, kSize, QImage::Format_RGB32);
    disabled.fill(kOlive);
    for (int y = 0; y + 1 < kSize; ++y)
        for (int x = 0; x + 1 < kSize; ++x)
            if (IsLine(picture.pixel(x, y)))
                disabled.setPixel(x + 1, y + 1, kWhite.rgb());
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (IsLine(picture.pixel(x, y)))
                disabled.setPixel(x, y, kGrey.rgb());

    QImage strip(2 * kSize, kSize, QImage::Format_RGB32);
    {
        QPainter painter(&strip);
        painter.drawImage(0, 0, picture);
        painter.drawImage(kSize, 0, disabled);
    }
    const QList<QRgb> colours{kBlack.rgb(),  kMaroon.rgb(), kGreen.rgb(),   kOlive.rgb(), kNavy.rgb(), kPurple.rgb(),
                              kTeal.rgb(),   kSilver.rgb(), kGrey.rgb(),    kRed.rgb(),   kLime.rgb(), kYellow.rgb(),
                              kBlue.rgb(),   kFuchsia.rgb(), kAqua.rgb(),   kWhite.rgb()};
    return strip.convertToFormat(QImage::Format_Indexed8, colours, Qt::ThresholdDither | Qt::AvoidDither);
}
