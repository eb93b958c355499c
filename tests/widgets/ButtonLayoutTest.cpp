// Where the glyph and the caption go, without a window.
#include "widgets/ButtonLayout.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(ButtonLayoutTest, PlacesGlyphAndCaption)
{
    struct Row {
        const char *name;
        QRect client;
        QSize glyph, text;
        GlyphSide layout;
        int margin, spacing;
        QPoint glyphPos, textPos;
    };
    const QSize g16(16, 16), t20x15(20, 15);
    const Row rows[] = {
        {"tool bar button", {0, 0, 53, 46}, g16, t20x15, GlyphOnTop, -1, 4, {19, 6}, {17, 26}},
        {"held tool bar button", {1, 1, 53, 46}, g16, t20x15, GlyphOnTop, -1, 4, {20, 7}, {18, 27}},
        {"left, fixed margin", {0, 0, 60, 30}, g16, t20x15, GlyphOnLeft, 3, 4, {3, 7}, {23, 8}},
        {"right, fixed margin", {0, 0, 60, 30}, g16, t20x15, GlyphOnRight, 3, 4, {41, 7}, {17, 8}},
        {"bottom, spacing worked out", {0, 0, 40, 50}, g16, t20x15, GlyphOnBottom, 2, -1, {12, 32}, {10, 9}},
        {"both worked out", {0, 0, 62, 30}, g16, t20x15, GlyphOnLeft, -1, -1, {8, 7}, {32, 8}},
        {"no caption: no spacing", {0, 0, 31, 31}, g16, {0, 0}, GlyphOnLeft, -1, 4, {8, 8}, {24, 16}},
        {"no glyph: no spacing", {0, 0, 31, 31}, {0, 0}, {11, 15}, GlyphOnLeft, -1, -1, {10, 16}, {10, 8}},
        {"content wider than client", {0, 0, 20, 20}, g16, t20x15, GlyphOnLeft, -1, -1, {-5, 2}, {6, 3}},
    };
    for (const Row &row : rows) {
        const ButtonPlacement placed =
            CalcButtonLayout(row.client, row.glyph, row.text, row.layout, row.margin, row.spacing);
        EXPECT_EQ(placed.glyphPos, row.glyphPos) << row.name;
        EXPECT_EQ(placed.textBounds, QRect(row.textPos, row.text)) << row.name;
    }
}

} // namespace
