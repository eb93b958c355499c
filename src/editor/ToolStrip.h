#pragma once
// The tool bar strip above the map list: panel buttons in a row at fixed places, each with its
// glyph over its caption and a hint that shows on hover.
#include <QWidget>

#include "editor/ToolGlyphs.h"

class PanelButton;

class ToolStrip : public QWidget {
    Q_OBJECT
public:
    explicit ToolStrip(QWidget *parent = nullptr);

    // Adds the next button of the row; the last one of the row is a pixel wider.
    PanelButton *AddButton(const QString &caption, const QString &hint, ToolGlyph glyph, bool last);

private:
    int nextLeft_;
};
