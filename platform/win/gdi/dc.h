// The device context: what every drawing function draws through.
//
// Coordinates: logical (what the API takes) map to device by
//   device = logical - windowOrigin + viewportOrigin   (MM_TEXT only).
// Device (0, 0) is the top-left of the DC's drawing area: a memory DC's
// bitmap, or the window corner a window DC was given. Clip regions are in
// device coordinates.
//
// The primitives below take device coordinates and apply, in this order, the
// effective clip (target bounds ∩ visible region ∩ application clip), the
// colour or brush, and the binary raster operation. Shape and text code draw
// only through them, so the pixel rules live in one place.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/win/gdi/objects.h"
#include "platform/win/gdi/region.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/windef.h"

namespace win::gdi {

class Brush;

// The plain attributes of a DC (saved and restored with it).
struct DcAttributes {
  POINT windowOrg{0, 0};
  POINT viewportOrg{0, 0};
  POINT brushOrg{0, 0};
  POINT currentPos{0, 0};  // MoveToEx / LineTo, logical
  int rop2 = 13;  // R2_COPYPEN
  int bkMode = 2;  // OPAQUE
  COLORREF bkColor = 0x00FFFFFF;
  COLORREF textColor = 0x00000000;
  UINT textAlign = 0;  // TA_LEFT | TA_TOP | TA_NOUPDATECP
  int charExtra = 0;
  int stretchMode = 1;  // BLACKONWHITE
  int polyFillMode = 1;  // ALTERNATE
  int arcDirection = 1;  // AD_COUNTERCLOCKWISE
  int mapMode = 1;  // MM_TEXT
  COLORREF dcBrushColor = 0x00FFFFFF;  // DC_BRUSH
  COLORREF dcPenColor = 0x00000000;  // DC_PEN
};

class DeviceContext : public GdiObject {
 public:
  // kind: ObjectKind::DC (window and screen DCs) or ObjectKind::MemDC.
  explicit DeviceContext(ObjectKind kind);
  ~DeviceContext() override;

  HDC Hdc() const { return static_cast<HDC>(Handle()); }
  bool IsMemoryDC() const { return Kind() == ObjectKind::MemDC; }

  DcAttributes attr;  // read and written freely by the API functions

  // ---- target ----------------------------------------------------------
  // Device (0, 0) lies at `origin` in the surface (a window inside its
  // top-level surface); parts outside the surface are clipped away.
  void SetTarget(const Surface& surface, POINT origin);
  const Surface& Target() const { return target_; }
  POINT TargetOrigin() const { return origin_; }
  // The target's extent in device coordinates.
  RECT DeviceBounds() const;

  // ---- selected objects ------------------------------------------------
  HGDIOBJ Pen() const { return pen_; }
  HGDIOBJ BrushHandle() const { return brush_; }
  HGDIOBJ Font() const { return font_; }
  HGDIOBJ Bitmap() const { return bitmap_; }
  HGDIOBJ Palette() const { return palette_; }
  // Selects a pen, extended pen, brush, font, bitmap or palette; returns the
  // one it replaces, nullptr when the object is of none of those kinds or
  // (a bitmap) cannot be selected here. Keeps the selection counts.
  HGDIOBJ Select(HGDIOBJ object);
  // The selected brush's object (nullptr for none or an unknown handle).
  const Brush* SelectedBrush() const;

  // ---- clipping (device coordinates) -----------------------------------
  // The application's clip region (SelectClipRgn & co.); nullopt: none.
  const std::optional<Region>& ClipRegion() const { return clip_; }
  void SetClipRegion(std::optional<Region> clip);
  // The window manager's visible region; nullopt: the whole target.
  const std::optional<Region>& VisibleRegion() const { return visible_; }
  void SetVisibleRegion(std::optional<Region> visible);
  // target bounds ∩ visible ∩ clip, as canonical rectangles.
  const Region& EffectiveClip() const;
  bool IsVisible(int x, int y) const { return EffectiveClip().Contains(x, y); }

  // ---- coordinates -----------------------------------------------------
  POINT ToDevice(POINT logical) const;
  POINT ToLogical(POINT device) const;
  RECT ToDevice(const RECT& logical) const;
  // Logical origin offset: add to a logical x/y to get device x/y.
  LONG DeviceDx() const { return attr.viewportOrg.x - attr.windowOrg.x; }
  LONG DeviceDy() const { return attr.viewportOrg.y - attr.windowOrg.y; }

  // ---- colours ---------------------------------------------------------
  // A COLORREF as the RGB (0x00RRGGBB) this DC draws: PALETTEINDEX and
  // PALETTERGB forms resolved against the selected palette.
  std::uint32_t ResolveColor(COLORREF color) const;

  // ---- primitives (device coordinates) ---------------------------------
  // One row [x0, x1) in a solid colour under a binary raster operation (R2_*).
  void FillSpan(int y, int x0, int x1, COLORREF color, int rop2);
  void FillSpan(int y, int x0, int x1, COLORREF color) { FillSpan(y, x0, x1, color, attr.rop2); }
  // One row with a brush: solid, hatched (gaps in the bk colour when the bk
  // mode is OPAQUE, left alone when TRANSPARENT), pattern (aligned to the
  // brush origin) or null (draws nothing).
  void FillSpan(int y, int x0, int x1, const Brush& brush, int rop2);
  // With the selected brush and the current ROP2.
  void FillSpanWithBrush(int y, int x0, int x1);
  // A rectangle [left, right) x [top, bottom) with a brush.
  void FillDeviceRect(const RECT& rect, const Brush& brush, int rop2);
  // One pixel under a binary raster operation.
  void PutPixel(int x, int y, COLORREF color, int rop2);
  void PutPixel(int x, int y, COLORREF color) { PutPixel(x, y, color, attr.rop2); }
  // Reads one pixel as RGB; false outside the effective clip.
  bool ReadPixel(int x, int y, std::uint32_t* rgb) const;
  // Blends `count` coverage values (0 none .. 255 full) of `color` onto the
  // row y from x0 on, inside the clip (text glyphs). Full coverage writes
  // the colour exactly.
  void BlendSpan(int y, int x0, const BYTE* coverage, int count, COLORREF color);

  // ---- SaveDC / RestoreDC ----------------------------------------------
  int Save();  // returns the new save level (1 for the first)
  bool Restore(int level);  // negative: relative to the top

 private:
  struct Saved;
  void Reselect(HGDIOBJ& slot, HGDIOBJ object);
  void InvalidateClip() { effectiveValid_ = false; }

  Surface target_{};
  POINT origin_{0, 0};
  HGDIOBJ pen_ = nullptr;
  HGDIOBJ brush_ = nullptr;
  HGDIOBJ font_ = nullptr;
  HGDIOBJ bitmap_ = nullptr;
  HGDIOBJ palette_ = nullptr;
  std::optional<Region> clip_;
  std::optional<Region> visible_;
  mutable Region effective_;
  mutable bool effectiveValid_ = false;
  std::vector<Saved> saved_;
};

// The DC behind a handle, or nullptr.
DeviceContext* LookupDC(HDC hdc);

}  // namespace win::gdi
