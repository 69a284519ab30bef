#include "platform/win/gdi/stock.h"

#include <atomic>
#include <mutex>

#include "platform/win/gdi/brush.h"
#include "platform/win/gdi/palette.h"
#include "platform/win/gdi/pen.h"
#include "platform/win/wingdi.h"

namespace win::gdi {
namespace {

// A plain pointer, constant-initialised: set before any caller can ask.
std::atomic<StockFontMaker> g_stockFontMaker{nullptr};

HGDIOBJ MakeStock(int index) {
  std::unique_ptr<Brush> brush;
  switch (index) {
    case WHITE_BRUSH: brush = Brush::MakeSolid(RGB(255, 255, 255)); break;
    case LTGRAY_BRUSH: brush = Brush::MakeSolid(RGB(192, 192, 192)); break;
    case GRAY_BRUSH: brush = Brush::MakeSolid(RGB(128, 128, 128)); break;
    case DKGRAY_BRUSH: brush = Brush::MakeSolid(RGB(64, 64, 64)); break;
    case BLACK_BRUSH: brush = Brush::MakeSolid(RGB(0, 0, 0)); break;
    case NULL_BRUSH: brush = Brush::MakeNull(); break;
    case DC_BRUSH: brush = Brush::MakeDcBrush(); break;
    case WHITE_PEN:
    case BLACK_PEN:
    case NULL_PEN:
    case DC_PEN: return CreateStockPen(index);
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case SYSTEM_FIXED_FONT:
    case DEFAULT_GUI_FONT: {
      const StockFontMaker maker = g_stockFontMaker.load();
      return maker ? maker(index) : nullptr;
    }
    case DEFAULT_PALETTE: return DefaultPalette();
    default: return nullptr;
  }
  HGDIOBJ h = AddObject(std::move(brush));
  MarkStock(h);
  return h;
}

}  // namespace

void SetStockFontMaker(StockFontMaker maker) {
  g_stockFontMaker.store(maker);
}

HGDIOBJ StockObject(int index) {
  constexpr int kCount = DC_PEN + 1;
  static std::mutex lock;
  static HGDIOBJ made[kCount] = {};
  if (index < 0 || index >= kCount) return nullptr;
  std::lock_guard<std::mutex> guard(lock);
  if (!made[index]) {
    made[index] = MakeStock(index);
    // Whatever another layer hands back for us stays alive too.
    if (made[index]) MarkStock(made[index]);
  }
  return made[index];
}

}  // namespace win::gdi
