#include "platform/win/gdi/dc.h"
#include "platform/win/text/font_object.h"
#include "platform/win/text/stock_fonts.h"

namespace win::text {

const Font* FontOfDc(HDC hdc) {
  if (gdi::DeviceContext* dc = gdi::LookupDC(hdc)) {
    if (const Font* font = LookupFont(dc->Font())) return font;
  }
  return LookupFont(StockFont(SYSTEM_FONT));
}

}  // namespace win::text
