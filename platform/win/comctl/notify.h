// Sending notifications to a control's parent, as every common control does.
#pragma once

#include "platform/win/commctrl.h"

namespace win::comctl {

// Fills the header (sender, id, code) and sends WM_NOTIFY to the parent;
// the parent's answer comes back. No parent: 0.
LRESULT Notify(HWND from, UINT code, NMHDR* header);
// A notification that is nothing but its header.
LRESULT NotifyCode(HWND from, UINT code);

}  // namespace win::comctl
