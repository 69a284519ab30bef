#include "controls/shell/UNavShellControls/DropSource.h"

#include "platform/win/windows.h"

TDropSource_shlvtv::TDropSource_shlvtv(TNavDragButton button) {
  switch (button) {
    case dbRight: FDragButton = MK_RBUTTON; break;
    case dbMiddle: FDragButton = MK_MBUTTON; break;
    default: FDragButton = MK_LBUTTON; break;
  }
}

HRESULT TDropSource_shlvtv::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
  const DWORD buttons = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;
  if (escapePressed || (keyState & buttons & ~FDragButton)) return DRAGDROP_S_CANCEL;
  return (keyState & FDragButton) ? S_OK : DRAGDROP_S_DROP;
}

HRESULT TDropSource_shlvtv::GiveFeedback(DWORD) {
  return DRAGDROP_S_USEDEFAULTCURSORS;
}
