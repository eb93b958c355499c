#include "widgets/ButtonGlyph.h"

#include "widgets/GlyphCache.h"
#include "widgets/GlyphList.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace {

constexpr int kMaxGlyphs = 4;

// Shared by all glyph holders; made with the first holder, freed when a holder
// goes while no list is left in it.
GlyphCache *glyphCache = nullptr;

bool SameRgb(QRgb a, QRgb b)
{
    return qRed(a) == qRed(b) && qGreen(a) == qGreen(b) && qBlue(a) == qBlue(b);
}

// The embossed look of a glyph that has no disabled image of its own: its dark
// pixels in highlight one pixel down and right, then in shadow in place.
QImage Emboss(const QImage &source, QRgb transparent, const QPalette &palette)
{
    const QRgb light = palette.color(QPalette::Light).rgb();
    const QRgb shadow = palette.color(QPalette::Dark).rgb();
    QImage result(source.size(), QImage::Format_ARGB32);
    result.fill(palette.color(QPalette::Button));
    // Two colours: a pixel is ink when it is not the background and darker than mid grey.
    auto ink = [&](int x, int y) {
        const QRgb pixel = source.pixel(x, y);
        return !SameRgb(pixel, transparent) && qGray(pixel) < 128;
    };
    for (int y = 0; y + 1 < source.height(); ++y)
        for (int x = 0; x + 1 < source.width(); ++x)
            if (ink(x, y))
                result.setPixel(x + 1, y + 1, light);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (ink(x, y))
                result.setPixel(x, y, shadow);
    return result;
}

} // namespace

ButtonGlyph::ButtonGlyph()
{
    if (!glyphCache)
        glyphCache = new GlyphCache;
}

ButtonGlyph::~ButtonGlyph()
{
    Invalidate();
    if (glyphCache && glyphCache->Empty()) {
        delete glyphCache;
        glyphCache = nullptr;
    }
}

void ButtonGlyph::SetGlyph(const QImage &value)
{
    Invalidate();
    const bool twoColour = value.depth() == 1;
    original_ = value.convertToFormat(QImage::Format_ARGB32);
    if (!original_.isNull()) {
        transparentColor_ = twoColour ? QColor(Qt::white) : QColor(original_.pixel(0, original_.height() - 1));
        const int w = original_.width();
        const int h = original_.height();
        if (w % h == 0) {
            const int count = w / h;
            numGlyphs_ = count > kMaxGlyphs ? 1 : count;
        }
    }
    Changed();
}

void ButtonGlyph::SetNumGlyphs(int value)
{
    if (value < 1)
        return;
    value = std::min(value, kMaxGlyphs);
    if (value == numGlyphs_)
        return;
    Invalidate();
    numGlyphs_ = value;
    Changed();
}

QSize ButtonGlyph::GlyphSize() const
{
    if (original_.isNull())
        return QSize(0, 0);
    return QSize(original_.width() / numGlyphs_, original_.height());
}

int ButtonGlyph::CreateButtonGlyph(ButtonState state, const QPalette &palette)
{
    if (indexes_[state] != -1)
        return indexes_[state];
    const QSize size = GlyphSize();
    // A strip narrower than its image count has no image to show.
    if (size.width() < 1 || size.height() < 1)
        return -1;
    if (!glyphList_) {
        if (!glyphCache)
            glyphCache = new GlyphCache;
        glyphList_ = glyphCache->GetList(size.width(), size.height());
    }
    indexes_[state] = glyphList_->Add(QPixmap::fromImage(MakeImage(state, palette)));
    return indexes_[state];
}

void ButtonGlyph::DrawButtonGlyph(QPainter &painter, QPoint pos, ButtonState state, const QPalette &palette)
{
    const int index = CreateButtonGlyph(state, palette);
    if (index >= 0)
        painter.drawPixmap(pos, glyphList_->Image(index));
}

void ButtonGlyph::Invalidate()
{
    if (!glyphList_)
        return;
    for (int &index : indexes_) {
        glyphList_->Delete(index);
        index = -1;
    }
    glyphCache->ReturnList(glyphList_);
    glyphList_ = nullptr;
}

QImage ButtonGlyph::MakeImage(ButtonState state, const QPalette &palette) const
{
    const QSize size = GlyphSize();
    const int stripIndex = state < numGlyphs_ ? state : 0;
    QImage image = original_.copy(stripIndex * size.width(), 0, size.width(), size.height());
    const QRgb transparent = transparentColor_.rgb();
    if (state == ButtonDisabled && numGlyphs_ == 1)
        return Emboss(image, transparent, palette);

    const QRgb face = palette.color(QPalette::Button).rgb();
    const QRgb light = palette.color(QPalette::Light).rgb();
    const QRgb shadow = palette.color(QPalette::Dark).rgb();
    const QRgb seeThrough = qRgba(0, 0, 0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (SameRgb(pixel, transparent))
                image.setPixel(x, y, state == ButtonFlat ? seeThrough : face);
            else if (state != ButtonDisabled)
                continue;
            else if (SameRgb(pixel, qRgb(255, 255, 255)))
                image.setPixel(x, y, light);
            else if (SameRgb(pixel, qRgb(128, 128, 128)))
                image.setPixel(x, y, shadow);
        }
    }
    return image;
}

void ButtonGlyph::Changed()
{
    if (OnChange)
        OnChange();
}
