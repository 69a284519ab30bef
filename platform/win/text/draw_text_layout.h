// The layout engine of DrawTextA / DrawTextExA, free of any device context:
// prefixes, line breaking, tab expansion, ellipses, alignment and the
// measured rectangle. Drawing and DT_CALCRECT run the same layout.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/wingdi_font.h"

namespace win::text {

// What the engine needs of a font.
struct TextMeasure {
  // Width of a string without tabs or line breaks.
  std::function<int(std::string_view)> width;
  int height = 0;  // tmHeight
  int externalLeading = 0;  // tmExternalLeading
  int aveCharWidth = 1;  // tmAveCharWidth
};

// A piece of a line between tabs, at x from the line's left.
struct LineSegment {
  std::size_t offset = 0, length = 0;  // bytes in LaidLine::text
  int x = 0;
};

struct LaidLine {
  std::string text;  // as displayed: prefixes resolved, ellipsis applied
  int x = 0, y = 0;  // top-left, in the rectangle's coordinates
  int width = 0;
  std::vector<LineSegment> segments;
  // The prefixed character to underline: byte range in text; -1 for none.
  int underlineAt = -1;
  int underlineLength = 0;
};

struct DrawTextLayout {
  std::vector<LaidLine> lines;
  int lineHeight = 0;
  RECT calcRect{};  // the rectangle DT_CALCRECT reports
  int result = 0;  // DrawText's return value
  bool drawText = true;  // false with DT_PREFIXONLY
  bool drawUnderline = true;  // false with DT_HIDEPREFIX
  bool ellipsized = false;
  std::string modified;  // the shortened text, when an ellipsis was applied
};

// The tab width in pixels for a format and its parameters (0: tabs are not
// expanded).
int TabWidthFor(UINT format, const DRAWTEXTPARAMS* params, const TextMeasure& measure);

// Splits a line at tabs into segments placed on tab stops (tabWidth > 0), or
// into one segment; returns the line's width.
int LayOutSegments(std::string_view line, int tabWidth, const TextMeasure& measure, std::vector<LineSegment>& segments);

DrawTextLayout LayOutDrawText(std::string_view text, const RECT& rect, UINT format, const DRAWTEXTPARAMS* params,
                              const TextMeasure& measure);

}  // namespace win::text
