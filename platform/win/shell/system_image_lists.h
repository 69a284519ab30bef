// The shared system image lists, 16 and 32 pixels, in the order of
// SystemIcon. Made from SystemIconPixels once image lists exist in the layer;
// until then there is no list and the handle is null.
#pragma once

#include "platform/win/windef.h"

namespace win::shell {

void* SystemImageList(bool small);

}  // namespace win::shell
