// DrawText's layout put on a device context, shared by DrawTextExA and the
// text kinds of DrawStateA.
#pragma once

#include <optional>

#include "platform/win/text/draw_text_layout.h"
#include "platform/win/text/font.h"

namespace win::gdi {
class DeviceContext;
}

namespace win::text {

// The engine's view of a font with the DC's character extra.
TextMeasure MeasureFor(const Font& font, int charExtra);

// Draws the laid-out lines (logical coordinates) in colour, with the DC's
// background mode, clipped to clip (device coordinates) when given.
void PaintLayout(gdi::DeviceContext& dc, const Font& font, const DrawTextLayout& layout, UINT format,
                 const DRAWTEXTPARAMS* params, COLORREF color, const std::optional<RECT>& clip);

}  // namespace win::text
