// The glyph unit: button glyphs turned into one picture per button state,
// kept in the process-wide cache of masked image strips.
#pragma once

#include "controls/styled/styglyph/Glyph.h"
#include "controls/styled/styglyph/GlyphCache.h"
