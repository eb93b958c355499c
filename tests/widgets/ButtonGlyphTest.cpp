// The glyph holder: image count from the strip, the embossed disabled image, the shared lists.
#include "widgets/ButtonGlyph.h"
#include "widgets/GlyphCache.h"
#include "widgets/GlyphList.h"
#include "widgets/PanelButton.h"

#include "QtPrinters.h"

#include <QPalette>

#include <gtest/gtest.h>

namespace {

const QColor kOlive(128, 128, 0);
const QColor kFace(200, 200, 200), kLight(250, 250, 250), kShadow(100, 100, 100);

QPalette TestPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, kFace);
    palette.setColor(QPalette::Light, kLight);
    palette.setColor(QPalette::Dark, kShadow);
    return palette;
}

QImage Strip(int width, int height, const QColor &fill = kOlive)
{
    QImage strip(width, height, QImage::Format_RGB32);
    strip.fill(fill);
    return strip;
}

QColor Pixel(ButtonGlyph &glyph, ButtonState state, QPoint at)
{
    const int index = glyph.CreateButtonGlyph(state, TestPalette());
    return glyph.Glyphs()->Image(index).toImage().pixelColor(at);
}

TEST(ButtonGlyphTest, AssignedStripSetsImageCountAndTransparentColour)
{
    struct Row {
        QSize strip;
        int numGlyphs;
        QSize image;
    };
    const Row rows[] = {
        {{32, 16}, 2, {16, 16}}, {{64, 16}, 4, {16, 16}}, {{96, 16}, 1, {96, 16}}, {{30, 16}, 3, {10, 16}},
    };
    for (const Row &row : rows) {
        ButtonGlyph glyph;
        glyph.SetNumGlyphs(3);
        QImage strip = Strip(row.strip.width(), row.strip.height(), Qt::red);
        strip.setPixelColor(0, row.strip.height() - 1, Qt::blue);
        glyph.SetGlyph(strip);
        EXPECT_EQ(glyph.NumGlyphs(), row.numGlyphs) << row.strip.width();
        EXPECT_EQ(glyph.GlyphSize(), row.image) << row.strip.width();
        EXPECT_EQ(glyph.TransparentColor(), QColor(Qt::blue));
    }

    ButtonGlyph twoColour;
    EXPECT_EQ(twoColour.TransparentColor(), kOlive);
    QImage mono(16, 16, QImage::Format_Mono);
    mono.fill(0);
    twoColour.SetGlyph(mono);
    EXPECT_EQ(twoColour.TransparentColor(), QColor(Qt::white));

    ButtonGlyph empty;
    empty.SetGlyph(QImage());
    EXPECT_EQ(empty.GlyphSize(), QSize(0, 0));
    EXPECT_EQ(empty.CreateButtonGlyph(ButtonRaised, TestPalette()), -1);
}

TEST(ButtonGlyphTest, ALoneImageIsEmbossedWhenDisabled)
{
    // Dark pixels in highlight one pixel down and right, then in shadow; light ones vanish.
    QImage single = Strip(16, 16);
    single.setPixelColor(3, 3, Qt::black);
    single.setPixelColor(8, 8, Qt::yellow);
    ButtonGlyph glyph;
    glyph.SetGlyph(single);
    EXPECT_EQ(Pixel(glyph, ButtonDisabled, {3, 3}), kShadow);
    EXPECT_EQ(Pixel(glyph, ButtonDisabled, {4, 4}), kLight);
    EXPECT_EQ(Pixel(glyph, ButtonDisabled, {8, 8}), kFace);
    EXPECT_EQ(Pixel(glyph, ButtonDisabled, {0, 0}), kFace);
    EXPECT_EQ(Pixel(glyph, ButtonPressed, {3, 3}), QColor(Qt::black));
}

TEST(ButtonGlyphTest, EqualSizesShareOneListAndReuseFreedSlots)
{
    ButtonGlyph a, b, c, wide;
    for (ButtonGlyph *glyph : {&a, &b, &c})
        glyph->SetGlyph(Strip(32, 16));
    wide.SetGlyph(Strip(20, 10));

    EXPECT_EQ(a.CreateButtonGlyph(ButtonFlat, TestPalette()), 0);
    EXPECT_EQ(b.CreateButtonGlyph(ButtonFlat, TestPalette()), 1);
    EXPECT_EQ(a.CreateButtonGlyph(ButtonRaised, TestPalette()), 2);
    EXPECT_EQ(b.Glyphs(), a.Glyphs());
    wide.CreateButtonGlyph(ButtonRaised, TestPalette());
    EXPECT_NE(wide.Glyphs(), a.Glyphs());
    EXPECT_EQ(a.Glyphs()->Count(), 3);

    a.SetGlyph(Strip(32, 16)); // drops a's images
    EXPECT_EQ(a.Glyphs(), nullptr);
    EXPECT_EQ(b.Glyphs()->Count(), 1);
    EXPECT_EQ(c.CreateButtonGlyph(ButtonFlat, TestPalette()), 0);
    EXPECT_EQ(a.CreateButtonGlyph(ButtonFlat, TestPalette()), 2);
}

} // namespace
