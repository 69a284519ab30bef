// Brush objects: solid, hatched, pattern (any size, copied from a bitmap at
// creation, so the bitmap may be deleted afterwards) and null.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win/gdi/objects.h"
#include "platform/win/windef.h"

namespace win::gdi {

class DeviceContext;

class Brush : public GdiObject {
 public:
  enum class Style { Solid, Null, Hatched, Pattern };

  static std::unique_ptr<Brush> MakeSolid(COLORREF color);
  static std::unique_ptr<Brush> MakeNull();
  static std::unique_ptr<Brush> MakeHatched(int hatch, COLORREF color);
  // Pixels top-down, width*height values. Monochrome: 0 or 1 each (0 takes the
  // DC's text colour, 1 its background colour); colour: 0x00RRGGBB each.
  static std::unique_ptr<Brush> MakePattern(int width, int height, bool monochrome, std::vector<std::uint32_t> pixels);
  // The DC_BRUSH stock brush: draws in the DC's DC-brush colour.
  static std::unique_ptr<Brush> MakeDcBrush();

  Brush() : GdiObject(ObjectKind::Brush) {}

  Style style() const { return style_; }
  COLORREF color() const { return color_; }
  int hatch() const { return hatch_; }
  bool IsNull() const { return style_ == Style::Null; }
  // A solid brush: one colour for every pixel, given the DC.
  bool IsSolid() const { return style_ == Style::Solid; }
  COLORREF SolidColor(const DeviceContext& dc) const;

  // The colour (0x00RRGGBB) at device pixel (x, y) on dc; false where the
  // brush leaves the pixel alone (null brush, transparent hatch gaps).
  bool PixelAt(const DeviceContext& dc, int x, int y, std::uint32_t* rgb) const;

  // LOGBRUSH for GetObjectA.
  int Describe(int size, void* buffer) const override;

  // LOGBRUSH lbStyle to report (BS_PATTERN, BS_DIBPATTERNPT ...).
  void SetReportedStyle(UINT style) { reportedStyle_ = style; }

 private:
  Style style_ = Style::Solid;
  bool dcBrush_ = false;
  COLORREF color_ = 0;
  int hatch_ = 0;
  int patternWidth_ = 0;
  int patternHeight_ = 0;
  bool monochrome_ = false;
  std::vector<std::uint32_t> pattern_;
  UINT reportedStyle_ = 0;
};

// Whether hatch style `hatch` (HS_*) sets pixel (x, y) of its 8x8 cell.
bool HatchBit(int hatch, int x, int y);

}  // namespace win::gdi
