// SDL key codes to the Windows virtual-key numbers the layers above expect.
#pragma once

#include <cstdint>

namespace host {

// `keycode` is SDL's (printable keys: their lower-case character; the others:
// the scan code with bit 30 set). Keypad digits give VK_NUMPAD0.. with Num
// Lock on and the navigation keys they carry with it off, as on Windows.
// 0 for keys Windows has no number for.
int VirtualKeyFromSdl(std::int32_t keycode, bool numLock);

}  // namespace host
