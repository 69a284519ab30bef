// Registration of the small common controls (status bar, tab control,
// up-down control); InitCommonControls and InitCommonControlsEx call it.
#pragma once

#include "platform/win/comctl/notify.h"
#include "platform/win/winuser.h"

namespace win::comctl {

// Registers "msctls_statusbar32", "SysTabControl32" and "msctls_updown32"
// once; later calls do nothing.
void RegisterSmallControls();

void RegisterStatusBarClass();
void RegisterTabControlClass();
void RegisterUpDownClass();

}  // namespace win::comctl
