#include "platform/win/gdi/dc.h"

#include <algorithm>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/brush.h"
#include "platform/win/gdi/palette.h"
#include "platform/win/gdi/rop.h"
#include "platform/win/gdi/stock.h"
#include "platform/win/wingdi.h"

namespace win::gdi {

struct DeviceContext::Saved {
  DcAttributes attr;
  HGDIOBJ pen, brush, font, bitmap, palette;
  std::optional<Region> clip;
};

DeviceContext::DeviceContext(ObjectKind kind) : GdiObject(kind) {
  Select(StockObject(WHITE_BRUSH));
  Select(StockObject(BLACK_PEN));
  Select(StockObject(SYSTEM_FONT));
  Select(DefaultPalette());
  if (kind == ObjectKind::MemDC) Select(DefaultBitmap());
}

DeviceContext::~DeviceContext() {
  for (HGDIOBJ* slot : {&pen_, &brush_, &font_, &bitmap_, &palette_}) {
    if (GdiObject* o = LookupObject(*slot)) o->RemoveSelection();
  }
}

DeviceContext* LookupDC(HDC hdc) {
  GdiObject* o = LookupObject(hdc);
  if (!o || (o->Kind() != ObjectKind::DC && o->Kind() != ObjectKind::MemDC)) return nullptr;
  return static_cast<DeviceContext*>(o);
}

// ---- target --------------------------------------------------------------

void DeviceContext::SetTarget(const Surface& surface, POINT origin) {
  target_ = surface;
  origin_ = origin;
  InvalidateClip();
}

static RECT DeviceBoundsOf(const Surface& s, POINT origin) {
  if (!s.IsValid()) return RECT{0, 0, 0, 0};
  return RECT{-origin.x, -origin.y, s.width - origin.x, s.height - origin.y};
}

RECT DeviceContext::DeviceBounds() const {
  return DeviceBoundsOf(target_, origin_);
}

// ---- selection -----------------------------------------------------------

void DeviceContext::Reselect(HGDIOBJ& slot, HGDIOBJ object) {
  if (slot == object) return;
  if (GdiObject* o = LookupObject(object)) o->AddSelection();
  if (GdiObject* o = LookupObject(slot)) o->RemoveSelection();
  slot = object;
}

HGDIOBJ DeviceContext::Select(HGDIOBJ object) {
  GdiObject* o = LookupObject(object);
  if (!o) return nullptr;
  HGDIOBJ previous = nullptr;
  switch (o->Kind()) {
    case ObjectKind::Pen:
    case ObjectKind::ExtPen:
      previous = pen_;
      Reselect(pen_, object);
      break;
    case ObjectKind::Brush:
      previous = brush_;
      Reselect(brush_, object);
      break;
    case ObjectKind::Font:
      previous = font_;
      Reselect(font_, object);
      break;
    case ObjectKind::Palette:
      previous = palette_;
      Reselect(palette_, object);
      break;
    case ObjectKind::Bitmap: {
      // Only memory DCs hold bitmaps, and a bitmap lives in one DC at a time.
      if (!IsMemoryDC()) return nullptr;
      if (object != bitmap_ && o->IsSelected() && !o->IsStock()) return nullptr;
      previous = bitmap_;
      Reselect(bitmap_, object);
      SetTarget(static_cast<BitmapObject*>(o)->surface(), POINT{0, 0});
      break;
    }
    default: return nullptr;
  }
  return previous;
}

const Brush* DeviceContext::SelectedBrush() const {
  GdiObject* o = LookupObject(brush_, ObjectKind::Brush);
  return static_cast<const Brush*>(o);
}

// ---- clipping ------------------------------------------------------------

void DeviceContext::SetClipRegion(std::optional<Region> clip) {
  clip_ = std::move(clip);
  InvalidateClip();
}

void DeviceContext::SetVisibleRegion(std::optional<Region> visible) {
  visible_ = std::move(visible);
  InvalidateClip();
}

const Region& DeviceContext::EffectiveClip() const {
  if (!effectiveValid_) {
    RECT bounds = DeviceBounds();
    if (visible_)
      effective_ = visible_->IntersectRect(bounds);
    else
      effective_ = Region(bounds);
    if (clip_) effective_.IntersectWith(*clip_);
    effectiveValid_ = true;
  }
  return effective_;
}

// ---- coordinates ---------------------------------------------------------

POINT DeviceContext::ToDevice(POINT p) const {
  return POINT{p.x + DeviceDx(), p.y + DeviceDy()};
}
POINT DeviceContext::ToLogical(POINT p) const {
  return POINT{p.x - DeviceDx(), p.y - DeviceDy()};
}
RECT DeviceContext::ToDevice(const RECT& r) const {
  return RECT{r.left + DeviceDx(), r.top + DeviceDy(), r.right + DeviceDx(), r.bottom + DeviceDy()};
}

// ---- colours -------------------------------------------------------------

std::uint32_t DeviceContext::ResolveColor(COLORREF color) const {
  DWORD form = color >> 24;
  if (form == 1 || form == 2) {
    const PaletteObject* pal = static_cast<const PaletteObject*>(LookupObject(palette_, ObjectKind::Palette));
    if (!pal) pal = static_cast<const PaletteObject*>(LookupObject(DefaultPalette(), ObjectKind::Palette));
    if (pal) {
      if (form == 1) return pal->ColorAt(color & 0xFFFF);
      return pal->ColorAt(pal->Nearest(ColorRefToRgb(color & 0xFFFFFF)));
    }
  }
  return ColorRefToRgb(color & 0xFFFFFF);
}

// ---- primitives ----------------------------------------------------------

namespace {

// The clip rectangles that cover row y, from the first one whose band reaches it.
template <class F>
void ForRow(const Region& clip, int y, F&& f) {
  const std::vector<RECT>& rects = clip.Rects();
  auto it = std::partition_point(rects.begin(), rects.end(), [y](const RECT& r) { return r.bottom <= y; });
  for (; it != rects.end() && it->top <= y; ++it) f(*it);
}

}  // namespace

void DeviceContext::FillSpan(int y, int x0, int x1, COLORREF color, int rop2) {
  if (x0 >= x1 || !target_.IsValid()) return;
  if (rop2 == R2_NOP) return;
  const std::uint32_t mask = RawMask(target_);
  const std::uint32_t pen = RgbToRaw(target_, ResolveColor(color));
  const int sy = y + origin_.y;
  ForRow(EffectiveClip(), y, [&](const RECT& r) {
    int a = std::max<int>(x0, r.left), b = std::min<int>(x1, r.right);
    if (a >= b) return;
    a += origin_.x;
    b += origin_.x;
    if (target_.Is32()) {
      std::uint32_t* row = reinterpret_cast<std::uint32_t*>(target_.Row(sy));
      if (rop2 == R2_COPYPEN) {
        std::fill(row + a, row + b, pen);
      } else {
        for (int x = a; x < b; ++x) row[x] = ApplyRop2(rop2, pen, row[x]) & mask;
      }
    } else {
      for (int x = a; x < b; ++x) {
        std::uint32_t d = rop2 == R2_COPYPEN ? 0 : ReadRaw(target_, x, sy);
        WriteRaw(target_, x, sy, ApplyRop2(rop2, pen, d) & mask);
      }
    }
  });
}

void DeviceContext::FillSpan(int y, int x0, int x1, const Brush& brush, int rop2) {
  if (brush.IsNull() || x0 >= x1 || !target_.IsValid()) return;
  if (brush.IsSolid()) {
    FillSpan(y, x0, x1, brush.SolidColor(*this), rop2);
    return;
  }
  if (rop2 == R2_NOP) return;
  const std::uint32_t mask = RawMask(target_);
  const int sy = y + origin_.y;
  ForRow(EffectiveClip(), y, [&](const RECT& r) {
    int a = std::max<int>(x0, r.left), b = std::min<int>(x1, r.right);
    for (int x = a; x < b; ++x) {
      std::uint32_t rgb;
      if (!brush.PixelAt(*this, x, y, &rgb)) continue;
      std::uint32_t pen = RgbToRaw(target_, rgb);
      int sx = x + origin_.x;
      std::uint32_t d = rop2 == R2_COPYPEN ? 0 : ReadRaw(target_, sx, sy);
      WriteRaw(target_, sx, sy, ApplyRop2(rop2, pen, d) & mask);
    }
  });
}

void DeviceContext::FillSpanWithBrush(int y, int x0, int x1) {
  if (const Brush* b = SelectedBrush()) FillSpan(y, x0, x1, *b, attr.rop2);
}

void DeviceContext::FillDeviceRect(const RECT& rect, const Brush& brush, int rop2) {
  if (brush.IsNull() || rect.left >= rect.right || rect.top >= rect.bottom) return;
  const Region& clip = EffectiveClip();
  if (!clip.Intersects(rect)) return;
  const RECT& cb = clip.Bounds();
  int top = std::max<int>(rect.top, cb.top), bottom = std::min<int>(rect.bottom, cb.bottom);
  for (int y = top; y < bottom; ++y) FillSpan(y, rect.left, rect.right, brush, rop2);
}

void DeviceContext::PutPixel(int x, int y, COLORREF color, int rop2) {
  if (!target_.IsValid() || !IsVisible(x, y) || rop2 == R2_NOP) return;
  int sx = x + origin_.x, sy = y + origin_.y;
  std::uint32_t pen = RgbToRaw(target_, ResolveColor(color));
  std::uint32_t d = ReadRaw(target_, sx, sy);
  WriteRaw(target_, sx, sy, ApplyRop2(rop2, pen, d) & RawMask(target_));
}

bool DeviceContext::ReadPixel(int x, int y, std::uint32_t* rgb) const {
  if (!target_.IsValid() || !IsVisible(x, y)) return false;
  *rgb = RawToRgb(target_, ReadRaw(target_, x + origin_.x, y + origin_.y));
  return true;
}

namespace {
inline std::uint32_t Blend(std::uint32_t dst, std::uint32_t src, unsigned a) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    int d = static_cast<int>((dst >> shift) & 0xFF), s = static_cast<int>((src >> shift) & 0xFF);
    int v = d + ((s - d) * static_cast<int>(a) + 127) / 255;
    out |= static_cast<std::uint32_t>(v) << shift;
  }
  return out;
}
}  // namespace

void DeviceContext::BlendSpan(int y, int x0, const BYTE* coverage, int count, COLORREF color) {
  if (!target_.IsValid() || count <= 0) return;
  const std::uint32_t rgb = ResolveColor(color);
  const std::uint32_t raw = RgbToRaw(target_, rgb);
  const int sy = y + origin_.y;
  ForRow(EffectiveClip(), y, [&](const RECT& r) {
    int a = std::max<int>(x0, r.left), b = std::min<int>(x0 + count, r.right);
    for (int x = a; x < b; ++x) {
      unsigned c = coverage[x - x0];
      if (c == 0) continue;
      int sx = x + origin_.x;
      if (c >= 255) {
        WriteRaw(target_, sx, sy, raw);
      } else if (target_.Is32()) {
        std::uint32_t* row = reinterpret_cast<std::uint32_t*>(target_.Row(sy));
        row[sx] = Blend(row[sx] & 0xFFFFFF, rgb, c);
      } else {
        std::uint32_t d = RawToRgb(target_, ReadRaw(target_, sx, sy));
        WriteRaw(target_, sx, sy, RgbToRaw(target_, Blend(d, rgb, c)));
      }
    }
  });
}

// ---- SaveDC / RestoreDC --------------------------------------------------

int DeviceContext::Save() {
  Saved s{attr, pen_, brush_, font_, bitmap_, palette_, clip_};
  saved_.push_back(std::move(s));
  return static_cast<int>(saved_.size());
}

bool DeviceContext::Restore(int level) {
  int count = static_cast<int>(saved_.size());
  if (level < 0) level = count + level + 1;  // -1: the last saved state
  if (level < 1 || level > count) return false;
  Saved s = std::move(saved_[static_cast<std::size_t>(level - 1)]);
  saved_.resize(static_cast<std::size_t>(level - 1));
  attr = s.attr;
  // Objects deleted since the save cannot come back: those slots keep what
  // is selected now.
  for (HGDIOBJ h : {s.pen, s.brush, s.font, s.palette, s.bitmap}) {
    if (LookupObject(h)) Select(h);
  }
  SetClipRegion(std::move(s.clip));
  return true;
}

}  // namespace win::gdi
