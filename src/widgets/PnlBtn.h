// The panel button and its glyph machinery: include this to use the button.
#pragma once

#include "widgets/BtnGlyph.h"
#include "widgets/ButtonLayout.h"
#include "widgets/GlyphCache.h"
#include "widgets/GlyphList.h"
#include "widgets/PanelButton.h"
