#include "widgets/ButtonLayout.h"

ButtonPlacement CalcButtonLayout(const QRect &client, QSize glyphSize, QSize textSize, GlyphSide layout, int margin,
                                 int spacing)
{
    const int w = client.width();
    const int h = client.height();
    const bool across = layout == GlyphOnLeft || layout == GlyphOnRight;
    QPoint glyph;
    QPoint text;

    // Centre across the layout axis.
    if (across) {
        glyph.setY((h - glyphSize.height() + 1) / 2);
        text.setY((h - textSize.height() + 1) / 2);
    } else {
        glyph.setX((w - glyphSize.width() + 1) / 2);
        text.setX((w - textSize.width() + 1) / 2);
    }

    if (textSize.width() == 0 || glyphSize.width() == 0)
        spacing = 0;

    // Lengths along the layout axis.
    const int extent = across ? w : h;
    const int glyphLength = across ? glyphSize.width() : glyphSize.height();
    const int textLength = across ? textSize.width() : textSize.height();
    if (margin == -1 && spacing == -1) {
        margin = (extent - (glyphLength + textLength)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (extent - (glyphLength + spacing + textLength) + 1) / 2;
    } else if (spacing == -1) {
        spacing = (extent - (margin + glyphLength) - textLength) / 2;
    }

    switch (layout) {
    case GlyphOnLeft:
        glyph.setX(margin);
        text.setX(glyph.x() + glyphSize.width() + spacing);
        break;
    case GlyphOnRight:
        glyph.setX(w - margin - glyphSize.width());
        text.setX(glyph.x() - spacing - textSize.width());
        break;
    case GlyphOnTop:
        glyph.setY(margin);
        text.setY(glyph.y() + glyphSize.height() + spacing);
        break;
    case GlyphOnBottom:
        glyph.setY(h - margin - glyphSize.height());
        text.setY(glyph.y() - spacing - textSize.height());
        break;
    }

    const QPoint origin = client.topLeft();
    return {glyph + origin, QRect(text + origin, textSize)};
}
