// Test access to what the system values keep.
#pragma once

#include <vector>

#include "platform/win/windef.h"

namespace win::user {

// The MessageBeep types since the last call (MessageBeep makes no sound here).
std::vector<UINT> TakeBeeps();

}  // namespace win::user
