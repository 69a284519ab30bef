// The shared system image lists, 16 and 32 pixels, in the order of
// SystemIcon, with the share and link pictures as overlays 1 and 2. They are
// made on first use and live as long as the process: controls that show them
// share them and never destroy them.
#pragma once

#include "platform/win/windef.h"

namespace win::shell {

void* SystemImageList(bool small);

}  // namespace win::shell
