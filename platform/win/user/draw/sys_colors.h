// The fixed system colour table behind GetSysColor, for the drawing helpers.
#pragma once

#include "platform/win/windef.h"

namespace win::user {

constexpr int kSysColorCount = 31;

// The colour of a COLOR_ index; 0 for an index outside the table.
COLORREF SysColor(int index);

}  // namespace win::user
