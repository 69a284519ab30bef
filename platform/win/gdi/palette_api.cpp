// Palettes. This system draws on 32-bit surfaces, so palettes only map
// colours; realising one changes nothing on the screen.
#include <algorithm>
#include <memory>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/palette.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/wingdi.h"

using win::gdi::DeviceContext;
using win::gdi::LookupDC;
using win::gdi::PaletteObject;

namespace {
PaletteObject* LookupPalette(HGDIOBJ h) {
  return static_cast<PaletteObject*>(win::gdi::LookupObject(h, win::gdi::ObjectKind::Palette));
}
}  // namespace

HPALETTE WINAPI CreatePalette(const LOGPALETTE* logPalette) {
  if (!logPalette || logPalette->palNumEntries == 0) return nullptr;
  std::vector<PALETTEENTRY> entries(logPalette->palPalEntry, logPalette->palPalEntry + logPalette->palNumEntries);
  return static_cast<HPALETTE>(win::gdi::AddObject(std::make_unique<PaletteObject>(std::move(entries))));
}

HPALETTE WINAPI CreateHalftonePalette(HDC) {
  std::vector<PALETTEENTRY> entries;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        entries.push_back(
            PALETTEENTRY{static_cast<BYTE>(r * 51), static_cast<BYTE>(g * 51), static_cast<BYTE>(b * 51), 0});
  return static_cast<HPALETTE>(win::gdi::AddObject(std::make_unique<PaletteObject>(std::move(entries))));
}

HPALETTE WINAPI SelectPalette(HDC hdc, HPALETTE palette, BOOL) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !LookupPalette(palette)) return nullptr;
  return static_cast<HPALETTE>(dc->Select(palette));
}

UINT WINAPI RealizePalette(HDC hdc) {
  // Nothing to map on a 32-bit surface: no system palette entries change.
  return LookupDC(hdc) ? 0 : static_cast<UINT>(GDI_ERROR);
}

UINT WINAPI GetNearestPaletteIndex(HPALETTE palette, COLORREF color) {
  PaletteObject* p = LookupPalette(palette);
  if (!p) return CLR_INVALID;
  return p->Nearest(win::gdi::ColorRefToRgb(color & 0xFFFFFF));
}

UINT WINAPI GetPaletteEntries(HPALETTE palette, UINT start, UINT count, LPPALETTEENTRY entries) {
  PaletteObject* p = LookupPalette(palette);
  if (!p) return 0;
  const auto& all = p->entries();
  if (!entries) return static_cast<UINT>(all.size());  // documented: the entry count
  if (start >= all.size()) return 0;
  UINT n = std::min<UINT>(count, static_cast<UINT>(all.size()) - start);
  std::copy(all.begin() + start, all.begin() + start + n, entries);
  return n;
}

UINT WINAPI SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries) {
  PaletteObject* p = LookupPalette(palette);
  if (!p || !entries || p->IsStock()) return 0;
  auto& all = p->entries();
  if (start >= all.size()) return 0;
  UINT n = std::min<UINT>(count, static_cast<UINT>(all.size()) - start);
  std::copy(entries, entries + n, all.begin() + start);
  return n;
}

UINT WINAPI GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, LPPALETTEENTRY entries) {
  // Not a palette device: as documented, nothing is copied.
  (void)hdc;
  (void)start;
  (void)count;
  (void)entries;
  return 0;
}

COLORREF WINAPI GetNearestColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc) return CLR_INVALID;
  std::uint32_t rgb = dc->ResolveColor(color);
  const win::gdi::Surface& s = dc->Target();
  if (s.IsValid()) rgb = win::gdi::RawToRgb(s, win::gdi::RgbToRaw(s, rgb));
  return win::gdi::RgbToColorRef(rgb);
}
