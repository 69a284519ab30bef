#include "platform/win/text/stock_fonts.h"

#include <cstring>
#include <mutex>

#include "platform/win/gdi/stock.h"
#include "platform/win/text/font_object.h"

namespace win::text {
namespace {

LOGFONTA Describe(int index) {
  LOGFONTA lf{};
  auto face = [&](const char* name) { std::strncpy(lf.lfFaceName, name, LF_FACESIZE - 1); };
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = ANSI_CHARSET;
  switch (index) {
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
      // The classic system font: a bold sans with a 16-pixel cell.
      lf.lfHeight = 16;
      lf.lfWeight = FW_BOLD;
      lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
      face("System");
      break;
    case DEFAULT_GUI_FONT:
      lf.lfHeight = -11;
      lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
      face("MS Shell Dlg");
      break;
    case ANSI_VAR_FONT:
      lf.lfHeight = -11;
      lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
      face("MS Sans Serif");
      break;
    case ANSI_FIXED_FONT:
      lf.lfHeight = -12;
      lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
      face("Courier");
      break;
    case OEM_FIXED_FONT:
      lf.lfHeight = -12;
      lf.lfCharSet = OEM_CHARSET;
      lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
      face("Terminal");
      break;
    case SYSTEM_FIXED_FONT:
      lf.lfHeight = -12;
      lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
      face("Fixedsys");
      break;
  }
  return lf;
}

// GetStockObject hands out the stock fonts through gdi, which knows nothing of
// the text part: the maker is registered when the layer's library loads (a
// plain pointer into a constant-initialised slot, so no order of start-up
// matters).
[[maybe_unused]] const bool kStockFontsRegistered = (gdi::SetStockFontMaker(&StockFont), true);

}  // namespace

HGDIOBJ StockFont(int index) {
  static std::mutex mutex;
  static HGDIOBJ fonts[DEFAULT_GUI_FONT + 1] = {};
  switch (index) {
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case DEFAULT_GUI_FONT:
    case ANSI_VAR_FONT:
    case ANSI_FIXED_FONT:
    case OEM_FIXED_FONT:
    case SYSTEM_FIXED_FONT: break;
    default: return nullptr;
  }
  std::lock_guard lock(mutex);
  HGDIOBJ& slot = fonts[index];
  if (!slot) {
    slot = MakeFontObject(Describe(index));
    if (slot) gdi::MarkStock(slot);
  }
  return slot;
}

}  // namespace win::text
