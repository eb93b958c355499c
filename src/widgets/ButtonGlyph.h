// The glyph of a panel button and the images made from it for each look.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include <functional>

class QPainter;
class QPalette;
class GlyphList;

// The looks of a panel button; the value is also the glyph strip image a look uses.
enum ButtonState { ButtonRaised, ButtonDisabled, ButtonPressed, ButtonFlat };

// Holds a glyph strip of NumGlyphs equal-width images and makes, on first
// use, the image shown in each button state. Made images live in the shared
// GlyphList of their size until the glyph, NumGlyphs or the palette changes.
class ButtonGlyph {
public:
    ButtonGlyph();
    ~ButtonGlyph();
    ButtonGlyph(const ButtonGlyph &) = delete;
    ButtonGlyph &operator=(const ButtonGlyph &) = delete;

    const QImage &Glyph() const { return original_; }
    // Copies the strip; a square-image strip of up to four images sets NumGlyphs.
    void SetGlyph(const QImage &value);
    int NumGlyphs() const { return numGlyphs_; }
    // Cut to 4; values below 1 are ignored.
    void SetNumGlyphs(int value);
    QColor TransparentColor() const { return transparentColor_; }
    // The size of one image of the strip; empty without a glyph.
    QSize GlyphSize() const;

    // The list slot of the image for state, made now if need be; -1 without a glyph.
    int CreateButtonGlyph(ButtonState state, const QPalette &palette);
    void DrawButtonGlyph(QPainter &painter, QPoint pos, ButtonState state, const QPalette &palette);
    // Drops the made images and gives their slots back.
    void Invalidate();
    const GlyphList *Glyphs() const { return glyphList_; }

    // Called after a change that alters what the button shows.
    std::function<void()> OnChange;

private:
    QImage MakeImage(ButtonState state, const QPalette &palette) const;
    void Changed();

    QImage original_;
    GlyphList *glyphList_ = nullptr;
    int indexes_[4] = {-1, -1, -1, -1};
    QColor transparentColor_{128, 128, 0};
    int numGlyphs_ = 1;
};
