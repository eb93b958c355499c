// Where a glyph button puts its glyph and its caption.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

enum GlyphSide { GlyphOnLeft, GlyphOnRight, GlyphOnTop, GlyphOnBottom };

struct ButtonPlacement {
    QPoint glyphPos;
    QRect textBounds;
};

// Places a glyph of glyphSize and a caption of textSize in client. A margin
// (edge to glyph) or spacing (glyph to caption) of -1 is worked out from the
// free room; spacing is 0 when the glyph or the caption is empty.
ButtonPlacement CalcButtonLayout(const QRect &client, QSize glyphSize, QSize textSize, GlyphSide layout, int margin,
                                 int spacing);
