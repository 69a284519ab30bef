#include "platform/win/text/draw_text.h"

#include <algorithm>
#include <cstring>

#include "platform/win/gdi/dc.h"
#include "platform/win/text/font_object.h"
#include "platform/win/text/text_painter.h"
#include "platform/win/text/text_run.h"
#include "platform/win/text/utf8.h"
#include "platform/win/wingdi.h"

namespace win::text {

TextMeasure MeasureFor(const Font& font, int charExtra) {
  TextMeasure measure;
  measure.width = [&font, charExtra](std::string_view s) { return RunWidth(font, s, charExtra); };
  measure.height = font.Metrics().height;
  measure.externalLeading = font.Metrics().externalLeading;
  measure.aveCharWidth = font.Metrics().aveCharWidth;
  return measure;
}

void PaintLayout(gdi::DeviceContext& dc, const Font& font, const DrawTextLayout& layout, UINT format,
                 const DRAWTEXTPARAMS* params, COLORREF color, const std::optional<RECT>& clip) {
  (void)format;
  (void)params;
  const int charExtra = dc.attr.charExtra;
  for (const LaidLine& line : layout.lines) {
    for (const LineSegment& segment : line.segments) {
      const std::string_view piece = std::string_view(line.text).substr(segment.offset, segment.length);
      const TextRun run = LayOutRun(font, piece, charExtra);
      const POINT device = dc.ToDevice(POINT{line.x + segment.x, line.y});
      const RunPlacement at = PlaceRun(font, run.width, device.x, device.y, TA_LEFT | TA_TOP);
      if (layout.drawText) {
        if (dc.attr.bkMode == OPAQUE) FillRunBox(dc, font, run.width, at, dc.attr.bkColor, clip);
        PaintRun(dc, font, run, at, color, clip);
      }
      const int underline = line.underlineAt - static_cast<int>(segment.offset);
      if (layout.drawUnderline && line.underlineAt >= 0 && underline >= 0 &&
          underline < static_cast<int>(segment.length)) {
        const int x0 = underline > 0 ? run.byteExtents[underline - 1] : 0;
        const int x1 = run.byteExtents[underline + line.underlineLength - 1];
        // The mark covers the character's advance without the tracking.
        PaintUnderline(dc, font, x0, x1 - charExtra, at, color, clip);
      }
    }
  }
}

}  // namespace win::text

namespace {

// Writes the shortened text back without passing the caller's buffer: at
// most as many bytes as the text had, never splitting a character.
void WriteBack(LPSTR buffer, int cchText, std::size_t length, const std::string& shortened) {
  const std::size_t room = length;
  const std::size_t n = win::text::Utf8PrefixLength(shortened, room);
  std::memcpy(buffer, shortened.data(), n);
  // A NUL-terminated text owns the byte after it; a counted one only its count.
  if (cchText < 0 || n < room) buffer[n] = '\0';
}

}  // namespace

int WINAPI DrawTextExA(HDC hdc, LPSTR lpchText, int cchText, LPRECT lprc, UINT format, LPDRAWTEXTPARAMS lpdtp) {
  using namespace win;
  gdi::DeviceContext* dc = gdi::LookupDC(hdc);
  if (!dc || !lprc) return 0;
  const text::Font* font = text::FontOfDc(hdc);
  if (!font) return 0;
  const std::size_t length = !lpchText ? 0 : cchText < 0 ? std::strlen(lpchText) : static_cast<std::size_t>(cchText);
  const std::string_view str(lpchText ? lpchText : "", length);
  const text::TextMeasure measure = text::MeasureFor(*font, dc->attr.charExtra);
  const text::DrawTextLayout layout = text::LayOutDrawText(str, *lprc, format, lpdtp, measure);
  // With DT_TABSTOP the second byte is the tab length, not flags.
  const UINT flags = (format & DT_TABSTOP) ? format & ~0xFF00u : format;
  if (lpdtp) lpdtp->uiLengthDrawn = static_cast<UINT>(length);
  if ((flags & DT_MODIFYSTRING) && layout.ellipsized && lpchText && length > 0) {
    WriteBack(lpchText, cchText, length, layout.modified);
  }
  if (flags & DT_CALCRECT) {
    *lprc = layout.calcRect;
    return layout.result;
  }
  std::optional<RECT> clip;
  if (!(flags & DT_NOCLIP)) {
    RECT r = dc->ToDevice(*lprc);
    clip = r;
  }
  text::PaintLayout(*dc, *font, layout, format, lpdtp, dc->attr.textColor, clip);
  return layout.result;
}

// As Windows does, DT_MODIFYSTRING writes into the text even through the
// const pointer; callers that ask for it pass a writable buffer.
int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  return DrawTextExA(hdc, const_cast<LPSTR>(lpchText), cchText, lprc, format, nullptr);
}
