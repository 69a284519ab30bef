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

}  // namespace win::comctl
