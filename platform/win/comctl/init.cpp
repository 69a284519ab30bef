// Registering the common controls' window classes.
#include "platform/win/comctl/header_control.h"
#include "platform/win/comctl/label_edit.h"
#include "platform/win/comctl/list_view.h"
#include "platform/win/comctl/small_controls.h"
#include "platform/win/comctl/tree_view.h"

namespace win::comctl {
namespace {

void Register(const char* name, WNDPROC proc, UINT style, HCURSOR cursor) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = style | CS_GLOBALCLASS;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = sizeof(void*);
  wc.hCursor = cursor;
  wc.lpszClassName = name;
  RegisterClassExA(&wc);  // a second registration fails harmlessly
}

}  // namespace

void RegisterListControls() {
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  Register(WC_HEADERA, HeaderProc, CS_DBLCLKS, arrow);
  Register(WC_LISTVIEWA, ListViewProc, CS_DBLCLKS, arrow);
  Register(WC_TREEVIEWA, TreeViewProc, CS_DBLCLKS, arrow);
  Register(kLabelEditClass, LabelEditProc, 0, LoadCursorA(nullptr, IDC_IBEAM));
}

}  // namespace win::comctl

void WINAPI InitCommonControls() {
  win::comctl::RegisterListControls();
  win::comctl::RegisterSmallControls();
}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
  if (!init || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) return FALSE;
  win::comctl::RegisterListControls();
  win::comctl::RegisterSmallControls();
  return TRUE;
}
