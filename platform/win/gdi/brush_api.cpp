// Brush creation: solid, hatched, pattern and DIB pattern brushes.
#include <memory>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/brush.h"
#include "platform/win/gdi/dib.h"
#include "platform/win/wingdi.h"

using win::gdi::Brush;

namespace {

HBRUSH Add(std::unique_ptr<Brush> brush) {
  if (!brush) return nullptr;
  return static_cast<HBRUSH>(win::gdi::AddObject(std::move(brush)));
}

// The pixels of a surface, top-down: bits for a monochrome one, RGB otherwise.
std::vector<std::uint32_t> PatternPixels(const win::gdi::Surface& s, bool monochrome) {
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(s.width) * s.height);
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) {
      std::uint32_t raw = win::gdi::ReadRaw(s, x, y);
      pixels.push_back(monochrome ? (raw & 1) : win::gdi::RawToRgb(s, raw));
    }
  return pixels;
}

}  // namespace

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  return Add(Brush::MakeSolid(color));
}

HBRUSH WINAPI CreateHatchBrush(int hatch, COLORREF color) {
  if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return nullptr;
  return Add(Brush::MakeHatched(hatch, color));
}

HBRUSH WINAPI CreatePatternBrush(HBITMAP bitmap) {
  // The brush keeps its own copy: the bitmap may be deleted afterwards.
  win::gdi::BitmapObject* b = win::gdi::LookupBitmap(bitmap);
  if (!b) return nullptr;
  win::gdi::Surface s = b->surface();
  const bool mono = b->isMonochrome();
  return Add(Brush::MakePattern(s.width, s.height, mono, PatternPixels(s, mono)));
}

HBRUSH WINAPI CreateDIBPatternBrushPt(const void* packedDib, UINT usage) {
  if (!packedDib) return nullptr;
  win::gdi::DibLayout layout;
  const auto* info = static_cast<const BITMAPINFO*>(packedDib);
  if (!win::gdi::ReadDibInfo(info, usage, nullptr, &layout)) return nullptr;
  const BYTE* bits = static_cast<const BYTE*>(packedDib) + layout.infoBytes;
  win::gdi::Surface s = layout.SurfaceOver(bits);
  // A DIB pattern carries its own colours, even at one bit a pixel.
  std::unique_ptr<Brush> brush = Brush::MakePattern(s.width, s.height, false, PatternPixels(s, false));
  if (brush) brush->SetReportedStyle(BS_DIBPATTERNPT);
  return Add(std::move(brush));
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* logBrush) {
  if (!logBrush) return nullptr;
  switch (logBrush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(logBrush->lbColor);
    case BS_NULL: return Add(Brush::MakeNull());
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(logBrush->lbHatch), logBrush->lbColor);
    case BS_PATTERN:
    case BS_PATTERN8X8: return CreatePatternBrush(reinterpret_cast<HBITMAP>(logBrush->lbHatch));
    case BS_DIBPATTERNPT:
    case BS_DIBPATTERN8X8:
      return CreateDIBPatternBrushPt(reinterpret_cast<const void*>(logBrush->lbHatch), logBrush->lbColor);
    default: return nullptr;
  }
}
