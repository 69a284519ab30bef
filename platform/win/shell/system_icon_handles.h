// System icons as icon handles, for SHGetFileInfoA with SHGFI_ICON.
#pragma once

#include "platform/win/windef.h"

namespace win::shell {

// A new icon (the caller destroys it) of `size` pixels, with the link
// overlay drawn over it when asked.
HICON CreateSystemIcon(int icon, int size, bool linkOverlay);

}  // namespace win::shell
