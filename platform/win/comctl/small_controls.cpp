#include "platform/win/comctl/small_controls.h"

#include "platform/win/commctrl.h"

namespace win::comctl {

void RegisterSmallControls() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterStatusBarClass();
  RegisterTabControlClass();
  RegisterUpDownClass();
}

LRESULT NotifyCode(HWND hwnd, UINT code, NMHDR* header) {
  NMHDR plain{};
  NMHDR* h = header ? header : &plain;
  h->hwndFrom = hwnd;
  h->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
  h->code = code;
  HWND parent = GetParent(hwnd);
  if (!parent) return 0;
  return SendMessageA(parent, WM_NOTIFY, h->idFrom, reinterpret_cast<LPARAM>(h));
}

}  // namespace win::comctl
