// The stock objects of GetStockObject, made on first use and never deleted.
#pragma once

#include "platform/win/windef.h"

namespace win::gdi {

// nullptr for an unknown index.
HGDIOBJ StockObject(int index);

}  // namespace win::gdi
