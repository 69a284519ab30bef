// The stock fonts GetStockObject hands out. They live for the whole process
// and ignore DeleteObject, like every stock object.
#pragma once

#include "platform/win/windef.h"

namespace win::text {

// index: SYSTEM_FONT, DEFAULT_GUI_FONT, ANSI_VAR_FONT, ANSI_FIXED_FONT,
// OEM_FIXED_FONT, SYSTEM_FIXED_FONT or DEVICE_DEFAULT_FONT. Anything else
// gives nullptr.
HGDIOBJ StockFont(int index);

}  // namespace win::text
