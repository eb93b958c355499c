// The flat glyph button of the main window's tool bar.
#pragma once

#include "widgets/ButtonGlyph.h"
#include "widgets/ButtonLayout.h"
#include "widgets/GraphicControl.h"

#include <memory>

// A windowless button with a glyph and a caption. It has no border while the
// pointer is elsewhere, a thin raised border while the pointer is over it and
// a thin sunken border, content one pixel down and right, while it is held.
// Clicked fires when a left press on it is released over it, and for Alt with
// the caption's accelerator letter.
class PanelButton : public GraphicControl {
    Q_OBJECT

public:
    explicit PanelButton(QWidget *parent = nullptr);
    ~PanelButton() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString &value);
    const QImage &Glyph() const { return glyph_->Glyph(); }
    void SetGlyph(const QImage &value);
    int NumGlyphs() const { return glyph_->NumGlyphs(); }
    void SetNumGlyphs(int value);
    GlyphSide Layout() const { return layout_; }
    void SetLayout(GlyphSide value);
    // Edge to glyph; -1 centres the content. Values below -1 are ignored.
    int Margin() const { return margin_; }
    void SetMargin(int value);
    // Glyph to caption; -1 spreads the free room evenly.
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    // Whether the tool tip shows when the pointer rests on the button.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value) { showHint_ = value; }
    ButtonState State() const { return state_; }

    // Fires Clicked as a mouse click would; nothing while disabled.
    void click();

signals:
    void Clicked();
    // The plain mouse events, sent before the button's own handling; x and y are relative to the button.
    void MousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseMoved(Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) override;
    void MouseMove(Qt::KeyboardModifiers modifiers, int x, int y) override;
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) override;

private:
    // A disabled button always looks disabled; an enabled one drops that look.
    void FollowEnabled();

    std::unique_ptr<ButtonGlyph> glyph_;
    QString caption_;
    int shortcutId_ = 0;
    GlyphSide layout_ = GlyphOnLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool showHint_ = false;
    ButtonState state_ = ButtonFlat;
    bool pressed_ = false;      // a left press on the button awaits its release
    bool shownPressed_ = false; // the press looks sunken when the pointer is over the button
};
