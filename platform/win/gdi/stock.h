// The stock objects of GetStockObject, made on first use and never deleted.
#pragma once

#include "platform/win/windef.h"

namespace win::gdi {

// nullptr for an unknown index.
HGDIOBJ StockObject(int index);

// The stock fonts are font objects, which the layer's text part makes: it
// registers its maker here, so that this part needs no text header. Without a
// maker the font indexes give nullptr.
using StockFontMaker = HGDIOBJ (*)(int index);
void SetStockFontMaker(StockFontMaker maker);

}  // namespace win::gdi
