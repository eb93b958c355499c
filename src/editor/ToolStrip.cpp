#include "editor/ToolStrip.h"

#include "desktop/UiFonts.h"
#include "widgets/PanelButton.h"

namespace {

constexpr int kStripHeight = 56, kTop = 3, kFirstLeft = 4, kStep = 56, kWidth = 53, kLastWidth = 54, kHeight = 46;

} // namespace

ToolStrip::ToolStrip(QWidget *parent) : QWidget(parent), nextLeft_(kFirstLeft)
{
    setFixedHeight(kStripHeight);
}

PanelButton *ToolStrip::AddButton(const QString &caption, const QString &hint, ToolGlyph glyph, bool last)
{
    auto *button = new PanelButton(this);
    button->setGeometry(nextLeft_, kTop, last ? kLastWidth : kWidth, kHeight);
    nextLeft_ += kStep;
    button->SetCaption(caption);
    button->setToolTip(hint);
    button->SetShowHint(true);
    button->SetLayout(GlyphOnTop);
    button->SetGlyph(MakeToolGlyph(glyph));
    button->SetNumGlyphs(2);
    // The shape buttons name their shapes in the type the view's status bar uses.
    if (glyph == ToolGlyph::Rect || glyph == ToolGlyph::Circle) {
        QFont shapeFont = FontWithHint(QStringLiteral("Times New Roman"), QFont::Serif);
        shapeFont.setPixelSize(12);
        shapeFont.setBold(true);
        button->setFont(shapeFont);
    }
    return button;
}
