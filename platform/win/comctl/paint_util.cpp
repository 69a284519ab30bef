// Small drawing helpers the common controls share.
#include "platform/win/comctl/paint_util.h"

namespace win::comctl {

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH b = CreateSolidBrush(colour);
  FillRect(dc, &rect, b);
  DeleteObject(b);
}

HFONT ControlFont(HFONT chosen) {
  return chosen ? chosen : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace win::comctl
