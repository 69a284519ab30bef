// Sending notifications to a control's parent.
#include "platform/win/comctl/notify.h"

namespace win::comctl {

LRESULT Notify(HWND from, UINT code, NMHDR* header) {
  header->hwndFrom = from;
  header->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(from));
  header->code = code;
  HWND parent = GetParent(from);
  if (!parent) return 0;
  return SendMessageA(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

LRESULT NotifyCode(HWND from, UINT code) {
  NMHDR h{};
  return Notify(from, code, &h);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH b = CreateSolidBrush(colour);
  FillRect(dc, &rect, b);
  DeleteObject(b);
}

COLORREF SysColour(int index) {
  return GetSysColor(index);
}

HFONT ControlFont(HFONT chosen) {
  return chosen ? chosen : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace win::comctl
