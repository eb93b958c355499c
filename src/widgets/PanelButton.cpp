#include "widgets/PanelButton.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeySequence>
#include <QPainter>
#include <QToolTip>

PanelButton::PanelButton(QWidget *parent) : GraphicControl(parent), glyph_(std::make_unique<ButtonGlyph>())
{
    glyph_->OnChange = [this] { update(); };
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(31, 31);
}

PanelButton::~PanelButton() = default;

void PanelButton::SetCaption(const QString &value)
{
    if (value == caption_)
        return;
    caption_ = value;
    if (shortcutId_ != 0)
        releaseShortcut(shortcutId_);
    const QKeySequence accelerator = QKeySequence::mnemonic(caption_);
    shortcutId_ = accelerator.isEmpty() ? 0 : grabShortcut(accelerator);
    update();
}

void PanelButton::SetGlyph(const QImage &value)
{
    glyph_->SetGlyph(value);
}

void PanelButton::SetNumGlyphs(int value)
{
    glyph_->SetNumGlyphs(value);
}

void PanelButton::SetLayout(GlyphSide value)
{
    if (value == layout_)
        return;
    layout_ = value;
    update();
}

void PanelButton::SetMargin(int value)
{
    if (value == margin_ || value < -1)
        return;
    margin_ = value;
    update();
}

void PanelButton::SetSpacing(int value)
{
    if (value == spacing_)
        return;
    spacing_ = value;
    update();
}

void PanelButton::click()
{
    if (isEnabled())
        emit Clicked();
}

bool PanelButton::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        click();
        return true;
    case QEvent::ToolTip:
        if (!showHint_) {
            QToolTip::hideText();
            return true;
        }
        break;
    default:
        break;
    }
    return GraphicControl::event(event);
}

void PanelButton::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        FollowEnabled();
        glyph_->CreateButtonGlyph(isEnabled() ? ButtonFlat : ButtonDisabled, palette());
        update();
        break;
    case QEvent::PaletteChange:
        // The made images hold palette colours.
        glyph_->Invalidate();
        glyph_->CreateButtonGlyph(state_, palette());
        update();
        break;
    default:
        break;
    }
    GraphicControl::changeEvent(event);
}

void PanelButton::enterEvent(QEnterEvent *event)
{
    if (state_ != ButtonDisabled) {
        shownPressed_ = pressed_;
        state_ = pressed_ ? ButtonPressed : ButtonRaised;
        update();
    }
    GraphicControl::enterEvent(event);
}

void PanelButton::leaveEvent(QEvent *event)
{
    if (state_ != ButtonDisabled) {
        pressed_ = shownPressed_;
        state_ = ButtonFlat;
        update();
    }
    GraphicControl::leaveEvent(event);
}

void PanelButton::FollowEnabled()
{
    if (!isEnabled()) {
        state_ = ButtonDisabled;
        pressed_ = false;
    } else if (state_ == ButtonDisabled) {
        state_ = ButtonFlat;
    }
}

void PanelButton::paintEvent(QPaintEvent *)
{
    FollowEnabled();
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Button));

    const QRect edge = rect();
    if (state_ == ButtonRaised || state_ == ButtonPressed) {
        const QColor topLeft = colours.color(state_ == ButtonRaised ? QPalette::Light : QPalette::Dark);
        const QColor bottomRight = colours.color(state_ == ButtonRaised ? QPalette::Dark : QPalette::Light);
        painter.setPen(topLeft);
        painter.drawLine(edge.topLeft(), edge.topRight());
        painter.drawLine(edge.topLeft(), edge.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(edge.bottomLeft(), edge.bottomRight());
        painter.drawLine(edge.topRight(), edge.bottomRight());
    }

    const int textFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QSize textSize = caption_.isEmpty()
                               ? QSize(0, 0)
                               : QFontMetrics(font()).boundingRect(QRect(), textFlags, caption_).size();
    const QRect client = state_ == ButtonPressed ? rect().translated(1, 1) : rect();
    const ButtonPlacement placement =
        CalcButtonLayout(client, glyph_->GlyphSize(), textSize, layout_, margin_, spacing_);

    glyph_->DrawButtonGlyph(painter, placement.glyphPos, state_, colours);

    painter.setFont(font());
    painter.setBackgroundMode(Qt::TransparentMode);
    if (state_ == ButtonDisabled) {
        painter.setPen(Qt::white);
        painter.drawText(placement.textBounds.translated(1, 1), textFlags, caption_);
        painter.setPen(QColor(128, 128, 128));
    } else {
        painter.setPen(colours.color(QPalette::ButtonText));
    }
    painter.drawText(placement.textBounds, textFlags, caption_);
}

void PanelButton::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)
{
    emit MousePressed(button, modifiers, x, y);
    if (button != Qt::LeftButton || !isEnabled())
        return;
    if (!pressed_) {
        state_ = ButtonPressed;
        repaint();
    }
    pressed_ = shownPressed_ = true;
}

void PanelButton::MouseMove(Qt::KeyboardModifiers modifiers, int x, int y)
{
    emit MouseMoved(modifiers, x, y);
    const bool inside = x > 0 && x < width() && y > 0 && y < height();
    const ButtonState next = !inside ? ButtonFlat : shownPressed_ ? ButtonPressed : ButtonRaised;
    if (next != state_ && state_ != ButtonDisabled) {
        state_ = next;
        repaint();
    }
}

void PanelButton::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)
{
    emit MouseReleased(button, modifiers, x, y);
    if (!pressed_) {
        state_ = ButtonRaised;
        return;
    }
    // While the left button is held, only its release ends the press.
    if (button != Qt::LeftButton)
        return;
    pressed_ = shownPressed_ = false;
    // Only a release on the button's own pixels clicks; elsewhere the look the last move gave stays.
    const bool over = rect().contains(x, y);
    if (over)
        state_ = ButtonRaised;
    repaint();
    if (over)
        emit Clicked(); // last: the handler may hide or destroy the button
}
