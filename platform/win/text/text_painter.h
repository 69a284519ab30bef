// Puts a laid-out run on a device context: glyph coverage blended in the text
// colour, the cell box in the background colour, underline and strike-out,
// all turned by the font's escapement about the run's reference point.
#pragma once

#include <optional>

#include "platform/win/text/text_run.h"
#include "platform/win/windef.h"

namespace win::gdi {
class DeviceContext;
}

namespace win::text {

// Where a run sits: its start on the baseline, in device pixels (may be
// fractional for rotated text), and its angle.
struct RunPlacement {
  double baseX = 0, baseY = 0;
  int angleTenths = 0;
};

// Placement of a run whose reference point is (refX, refY) in device pixels,
// aligned by the TA_ flags (left/right/center, top/bottom/baseline).
RunPlacement PlaceRun(const Font& font, int runWidth, int refX, int refY, UINT textAlign);

// Fills the run's cell box (its advance by ascent + descent) in colour.
void FillRunBox(gdi::DeviceContext& dc, const Font& font, int runWidth, const RunPlacement& at, COLORREF color,
                const std::optional<RECT>& clip);

// Draws the glyphs, then underline and strike-out when the font has them.
void PaintRun(gdi::DeviceContext& dc, const Font& font, const TextRun& run, const RunPlacement& at, COLORREF color,
              const std::optional<RECT>& clip);

// A line under [x0, x1) of the run (text-space x), as the underline of a
// prefixed character is drawn.
void PaintUnderline(gdi::DeviceContext& dc, const Font& font, int x0, int x1, const RunPlacement& at, COLORREF color,
                    const std::optional<RECT>& clip);

}  // namespace win::text
