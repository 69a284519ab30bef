// The one layout of a string on a baseline: which glyph goes where, in whole
// pixels. Measuring and drawing both use it, so text always measures what it
// draws.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/win/text/font.h"

namespace win::text {

struct PlacedGlyph {
  unsigned glyph = 0;
  int x = 0;  // pen position along the baseline from the run's start
};

struct TextRun {
  std::vector<PlacedGlyph> glyphs;
  // For each byte of the string, the run's extent after the character that
  // byte belongs to (all bytes of one character share the value).
  std::vector<int> byteExtents;
  int width = 0;  // total advance
};

// Lays text out in the font. charExtra is added after each character (the
// DC's character extra); dx, when given, holds one advance per byte and
// replaces the font's advances (a character advances by the sum over its
// bytes). Control characters other than tab have no glyph and no width.
TextRun LayOutRun(const Font& font, std::string_view text, int charExtra = 0, const int* dx = nullptr);

// Width of text in the font (the x extent GetTextExtentPoint32A reports).
int RunWidth(const Font& font, std::string_view text, int charExtra = 0);

}  // namespace win::text
