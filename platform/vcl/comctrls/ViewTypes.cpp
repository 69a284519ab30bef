#include "platform/vcl/comctrls/ViewTypes.h"

#include "platform/vcl/graphics/Colors.h"
#include "platform/vcl/rtl/StringUtils.h"
#include "platform/win/windows.h"

namespace vcl::comctrls {

int CompareLabels(const std::string& a, const std::string& b) {
  int byLetters = AnsiCompareText(a, b);
  return byLetters != 0 ? byLetters : AnsiCompareStr(a, b);
}

LRESULT CustomDrawNotify(NMCUSTOMDRAW* nmcd, COLORREF* clrText, COLORREF* clrTextBk, TCanvas* canvas, TFont* font,
                         TColor color, const TCustomDrawHooks& hooks) {
  DWORD stage = nmcd->dwDrawStage;
  if (stage == CDDS_PREPAINT) {
    LRESULT result = CDRF_DODEFAULT;
    if (hooks.controlDrawn) {
      TLentCanvas lend(canvas, nmcd->hdc, font, color);
      if (!hooks.drawControl(TRect(nmcd->rc))) return CDRF_SKIPDEFAULT;
    }
    if (hooks.itemDrawn) result |= CDRF_NOTIFYITEMDRAW;
    return result;
  }
  if (stage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  {
    TLentCanvas lend(canvas, nmcd->hdc, font, color);
    // The colours the window chose, so that a handler changing nothing
    // changes nothing.
    canvas->GetFont()->SetColor(static_cast<TColor>(*clrText));
    canvas->GetBrush()->SetColor(static_cast<TColor>(*clrTextBk));
    std::optional<bool> defaultDraw = hooks.drawItem(DrawStateOf(nmcd->uItemState));
    if (!defaultDraw) return CDRF_DODEFAULT;
    if (!*defaultDraw) return CDRF_SKIPDEFAULT;
    *clrText = ColorToRGB(canvas->GetFont()->GetColor());
    *clrTextBk = ColorToRGB(canvas->GetBrush()->GetColor());
  }
  // Selected after the canvas let go of the context, so that it stays.
  SelectObject(nmcd->hdc, canvas->GetFont()->GetHandle());
  return CDRF_NEWFONT;
}

}  // namespace vcl::comctrls
