// TextOutA and ExtTextOutA.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "platform/win/gdi/dc.h"
#include "platform/win/text/font_object.h"
#include "platform/win/text/text_painter.h"
#include "platform/win/wingdi.h"

namespace {

constexpr int kCopyPen = 13;

RECT Normalised(RECT r) {
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return r;
}

}  // namespace

BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c,
                        const INT* lpDx) {
  using namespace win;
  gdi::DeviceContext* dc = gdi::LookupDC(hdc);
  if (!dc || (!lpString && c > 0)) return FALSE;
  const text::Font* font = text::FontOfDc(hdc);
  if (!font) return FALSE;
  const std::string_view str(lpString ? lpString : "", lpString ? c : 0);

  std::optional<RECT> box;
  if (lprect) box = Normalised(dc->ToDevice(*lprect));
  if ((options & ETO_OPAQUE) && box) {
    for (LONG row = box->top; row < box->bottom; ++row) {
      dc->FillSpan(row, box->left, box->right, dc->attr.bkColor, kCopyPen);
    }
  }
  const std::optional<RECT> clip = (options & ETO_CLIPPED) ? box : std::nullopt;

  const text::TextRun run = text::LayOutRun(*font, str, dc->attr.charExtra, lpDx);
  const UINT align = dc->attr.textAlign;
  const bool updateCp = align & TA_UPDATECP;
  const POINT ref = updateCp ? dc->attr.currentPos : POINT{x, y};
  const POINT device = dc->ToDevice(ref);
  const text::RunPlacement at = text::PlaceRun(*font, run.width, device.x, device.y, align);
  if (!str.empty()) {
    if (dc->attr.bkMode == OPAQUE) text::FillRunBox(*dc, *font, run.width, at, dc->attr.bkColor, clip);
    text::PaintRun(*dc, *font, run, at, dc->attr.textColor, clip);
  }
  if (updateCp) {
    // The current position moves along the baseline to the run's far end.
    int along = 0;
    switch (align & TA_CENTER) {
      case TA_RIGHT: along = -run.width; break;
      case TA_CENTER: along = 0; break;
      default: along = run.width; break;
    }
    const double radians = font->Angle() * std::numbers::pi / 1800.0;
    dc->attr.currentPos.x = ref.x + static_cast<LONG>(std::lround(along * std::cos(radians)));
    dc->attr.currentPos.y = ref.y - static_cast<LONG>(std::lround(along * std::sin(radians)));
  }
  return TRUE;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
  if (c < 0) return FALSE;
  return ExtTextOutA(hdc, x, y, 0, nullptr, lpString, static_cast<UINT>(c), nullptr);
}
