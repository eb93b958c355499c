// The pictures of the main window's tool buttons.
#pragma once

#include <QImage>

enum class ToolGlyph { Open, Save, Clip, Image, Edit, Rect, Circle, Test, Help };

// A 32 x 16 strip in the 16 standard colours: the 16 x 16 picture, then its disabled form
// (dark lines in grey over a white shadow). Olive is the see-through colour of both.
QImage MakeToolGlyph(ToolGlyph glyph);
