// ExtFloodFill and FloodFill: fill the connected area around a point with
// the selected brush, bounded by a colour (FLOODFILLBORDER) or made of one
// colour (FLOODFILLSURFACE). Pixels outside the clip count as a border.
#include <vector>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/shapes/stroke.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/wingdi_shapes.h"

using win::gdi::DeviceContext;
using win::gdi::LookupDC;
using win::gdi::Region;
using win::gdi::Span;

BOOL WINAPI ExtFloodFill(HDC hdc, int x, int y, COLORREF color, UINT type) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || (type != FLOODFILLBORDER && type != FLOODFILLSURFACE)) return FALSE;
  const POINT start = dc->ToDevice(POINT{x, y});
  // The colour as the target stores it, so a 16-bit or paletted surface
  // compares what it actually holds.
  const win::gdi::Surface& s = dc->Target();
  const std::uint32_t wanted = win::gdi::RawToRgb(s, win::gdi::RgbToRaw(s, dc->ResolveColor(color)));
  const RECT bounds = dc->EffectiveClip().Bounds();
  const LONG w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
  std::vector<bool> seen(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), false);
  auto fillable = [&](LONG px, LONG py) {
    if (px < bounds.left || px >= bounds.right || py < bounds.top || py >= bounds.bottom) return false;
    if (seen[static_cast<std::size_t>(py - bounds.top) * w + (px - bounds.left)]) return false;
    std::uint32_t rgb = 0;
    if (!dc->ReadPixel(px, py, &rgb)) return false;
    return type == FLOODFILLSURFACE ? rgb == wanted : rgb != wanted;
  };
  if (!fillable(start.x, start.y)) return FALSE;

  // Span filling: take the whole run of a row, then look above and below it.
  std::vector<Span> filled;
  std::vector<POINT> todo{start};
  while (!todo.empty()) {
    const POINT p = todo.back();
    todo.pop_back();
    if (!fillable(p.x, p.y)) continue;
    LONG x0 = p.x, x1 = p.x + 1;
    while (fillable(x0 - 1, p.y)) --x0;
    while (fillable(x1, p.y)) ++x1;
    for (LONG i = x0; i < x1; ++i) seen[static_cast<std::size_t>(p.y - bounds.top) * w + (i - bounds.left)] = true;
    filled.push_back(Span{x0, x1, p.y});
    for (LONG row : {p.y - 1, p.y + 1}) {
      bool inRun = false;
      for (LONG i = x0; i < x1; ++i) {
        const bool ok = fillable(i, row);
        if (ok && !inRun) todo.push_back(POINT{i, row});
        inRun = ok;
      }
    }
  }
  win::gdi::shapes::PaintRegionWithBrush(*dc, Region::FromSpans(std::move(filled)));
  return TRUE;
}

BOOL WINAPI FloodFill(HDC hdc, int x, int y, COLORREF color) {
  return ExtFloodFill(hdc, x, y, color, FLOODFILLBORDER);
}
