// The styled library's drawing procedures: frames and glyph effects, the
// blit engine, bitmap files, gradients, 3D text, glyph-and-text layout,
// button frames, dialog placement and explode effects.
#pragma once

#include "controls/styled/styprocs/BitmapFile.h"
#include "controls/styled/styprocs/Blit.h"
#include "controls/styled/styprocs/ButtonFrame.h"
#include "controls/styled/styprocs/Frames.h"
#include "controls/styled/styprocs/GlyphEffects.h"
#include "controls/styled/styprocs/GlyphText.h"
#include "controls/styled/styprocs/Gradients.h"
#include "controls/styled/styprocs/Placement.h"
#include "controls/styled/styprocs/Text3D.h"
