#include "platform/win/gdi/blit.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/brush.h"
#include "platform/win/gdi/rop.h"
#include "platform/win/wingdi.h"

namespace win::gdi {

BlitSource SourceOf(const DeviceContext& dc) {
  BlitSource s;
  s.surface = dc.Target();
  s.origin = dc.TargetOrigin();
  s.dx = dc.DeviceDx();
  s.dy = dc.DeviceDy();
  s.fromDC = true;
  s.bkRgb = dc.ResolveColor(dc.attr.bkColor);
  return s;
}

namespace {

bool SameLayout(const Surface& a, const Surface& b) {
  if (a.bitsPerPixel != b.bitsPerPixel) return false;
  if (a.bitsPerPixel > 8) {
    if (a.bitsPerPixel == 24) return true;
    if (a.bitsPerPixel == 32 && a.Is32() && b.Is32()) return true;
    return a.redMask == b.redMask && a.greenMask == b.greenMask && a.blueMask == b.blueMask;
  }
  if (a.colorCount != b.colorCount) return false;
  if (a.colors == b.colors) return true;
  if (!a.colors || !b.colors) return false;
  return std::equal(a.colors, a.colors + a.colorCount, b.colors);
}

// Turns source raw values into destination raw values.
class Converter {
 public:
  Converter(const BlitSource& src, const Surface& dst, const DeviceContext& dc) : s_(src.surface), d_(dst) {
    if (src.fromDC && s_.bitsPerPixel == 1 && d_.bitsPerPixel == 1) {
      mode_ = Mode::Raw;
    } else if (src.fromDC && s_.bitsPerPixel == 1) {
      mode_ = Mode::MonoToColor;
      text_ = RgbToRaw(d_, dc.ResolveColor(dc.attr.textColor));
      bk_ = RgbToRaw(d_, dc.ResolveColor(dc.attr.bkColor));
    } else if (src.fromDC && d_.bitsPerPixel == 1) {
      mode_ = Mode::ColorToMono;
      // The background colour as the source can hold it.
      srcBk_ = RawToRgb(s_, RgbToRaw(s_, src.bkRgb));
    } else if (SameLayout(s_, d_)) {
      mode_ = Mode::Raw;
    } else {
      mode_ = Mode::ViaRgb;
    }
  }

  bool IsRaw() const { return mode_ == Mode::Raw; }

  std::uint32_t operator()(std::uint32_t raw) {
    switch (mode_) {
      case Mode::Raw: return raw;
      case Mode::MonoToColor: return (raw & 1) ? bk_ : text_;
      case Mode::ColorToMono: return RawToRgb(s_, raw) == srcBk_ ? 1u : 0u;
      case Mode::ViaRgb:
        if (!cached_ || raw != cacheIn_) {
          cacheIn_ = raw;
          cacheOut_ = RgbToRaw(d_, RawToRgb(s_, raw));
          cached_ = true;
        }
        return cacheOut_;
    }
    return raw;
  }

  // An RGB colour computed from the source (halftone averages).
  std::uint32_t FromRgb(std::uint32_t rgb) {
    if (mode_ == Mode::ColorToMono) return rgb == srcBk_ ? 1u : 0u;
    if (mode_ == Mode::MonoToColor) return rgb >= 0x808080 ? bk_ : text_;
    return RgbToRaw(d_, rgb);
  }

 private:
  enum class Mode { Raw, MonoToColor, ColorToMono, ViaRgb };
  Surface s_;  // copies: the converter outlives the caller's temporaries
  Surface d_;
  Mode mode_ = Mode::ViaRgb;
  std::uint32_t text_ = 0, bk_ = 0, srcBk_ = 0;
  bool cached_ = false;
  std::uint32_t cacheIn_ = 0, cacheOut_ = 0;
};

// For each destination index along one axis: the source range it reads, in
// surface coordinates, [lo, hi), and the one pixel plain stretching takes
// (-1 outside the source). Unstretched axes are computed on the fly.
class AxisMap {
 public:
  AxisMap() = default;
  AxisMap(int destCount, int srcAnchor, int srcSize, int srcLimit) : limit_(srcLimit) {
    const int n = std::abs(srcSize);
    dir_ = srcSize > 0 ? 1 : -1;
    anchor_ = srcAnchor;
    linear_ = n == destCount;
    if (linear_) return;
    first_.resize(destCount);
    lo_.resize(destCount);
    hi_.resize(destCount);
    for (int i = 0; i < destCount; ++i) {
      long long k0 = static_cast<long long>(i) * n / destCount;
      long long k1 = static_cast<long long>(i + 1) * n / destCount;
      if (k1 <= k0) k1 = k0 + 1;
      const long long a = srcAnchor + dir_ * k0, b = srcAnchor + dir_ * (k1 - 1);
      first_[i] = (a >= 0 && a < srcLimit) ? static_cast<int>(a) : -1;
      const long long lo = std::max<long long>(std::min(a, b), 0);
      const long long hi = std::min<long long>(std::max(a, b) + 1, srcLimit);
      lo_[i] = static_cast<int>(lo);
      hi_[i] = static_cast<int>(std::max(lo, hi));
    }
  }
  int first(int i) const {
    if (!linear_) return first_[i];
    const long long a = anchor_ + static_cast<long long>(dir_) * i;
    return (a >= 0 && a < limit_) ? static_cast<int>(a) : -1;
  }
  int lo(int i) const {
    if (!linear_) return lo_[i];
    const int f = first(i);
    return f < 0 ? 0 : f;
  }
  int hi(int i) const {
    if (!linear_) return hi_[i];
    const int f = first(i);
    return f < 0 ? 0 : f + 1;
  }

 private:
  bool linear_ = true;
  int anchor_ = 0, dir_ = 1, limit_ = 0;
  std::vector<int> first_, lo_, hi_;
};

bool Overlaps(const Surface& a, const Surface& b) {
  auto range = [](const Surface& s, const BYTE*& lo, const BYTE*& hi) {
    const BYTE* first = s.Row(0);
    const BYTE* last = s.Row(s.height - 1);
    lo = std::min(first, last);
    hi = std::max(first, last) + std::abs(s.pitch);
  };
  const BYTE *alo, *ahi, *blo, *bhi;
  range(a, alo, ahi);
  range(b, blo, bhi);
  return alo < bhi && blo < ahi;
}

}  // namespace

bool Blit(DeviceContext& dest, int x, int y, int w, int h, const BlitSource* source, int sx, int sy, int sw, int sh,
          std::uint8_t rop, int stretchMode, const BlitMask* mask) {
  const std::uint8_t backRop = mask ? mask->backRop : rop;
  const bool usesS = Rop3UsesSource(rop) || Rop3UsesSource(backRop);
  const bool usesP = Rop3UsesPattern(rop) || Rop3UsesPattern(backRop);
  const bool usesD = Rop3UsesDest(rop) || Rop3UsesDest(backRop);
  if (usesS && (!source || !source->surface.IsValid())) return source != nullptr;
  if (w == 0 || h == 0) return true;
  if (!usesS) {
    sw = w;
    sh = h;
  } else if (sw == 0 || sh == 0) {
    return true;
  }
  const Surface& ds = dest.Target();
  if (!ds.IsValid()) return true;

  // Destination anchor in device coordinates; negative sizes extend left/up.
  const int X = x + dest.DeviceDx(), Y = y + dest.DeviceDy();
  const RECT drect{w > 0 ? X : X + w + 1, h > 0 ? Y : Y + h + 1, w > 0 ? X + w : X + 1, h > 0 ? Y + h : Y + 1};
  const int aw = std::abs(w), ah = std::abs(h);
  const Region& clip = dest.EffectiveClip();
  if (!clip.Intersects(drect)) return true;

  // The pattern.
  const Brush* brush = usesP ? dest.SelectedBrush() : nullptr;
  if (usesP && (!brush || brush->IsNull())) return true;  // nothing to paint with
  const bool solidPattern = brush && brush->IsSolid();
  const std::uint32_t solidRaw = solidPattern ? RgbToRaw(ds, dest.ResolveColor(brush->SolidColor(dest))) : 0;

  // The source, copied first when it shares memory with the destination.
  Surface ss{};
  std::vector<BYTE> snapshot;
  AxisMap cols, rows;
  std::optional<Converter> convert;
  bool combine = false;
  if (usesS) {
    ss = source->surface;
    if (Overlaps(ss, ds)) {
      std::size_t rowBytes = static_cast<std::size_t>(std::abs(ss.pitch));
      snapshot.resize(rowBytes * ss.height);
      for (int r = 0; r < ss.height; ++r) std::memcpy(&snapshot[rowBytes * r], ss.Row(r), rowBytes);
      ss.top = snapshot.data();
      ss.pitch = static_cast<std::ptrdiff_t>(rowBytes);
    }
    const int SX = sx + source->dx + source->origin.x, SY = sy + source->dy + source->origin.y;
    // Destination indexes run from the destination anchor in the direction of
    // w and h, source indexes from the source anchor in the direction of sw
    // and sh: opposite directions mirror.
    cols = AxisMap(aw, SX, sw, ss.width);
    rows = AxisMap(ah, SY, sh, ss.height);
    BlitSource local = *source;
    local.surface = ss;
    convert.emplace(local, ds, dest);
    combine = stretchMode != COLORONCOLOR && (std::abs(sw) > aw || std::abs(sh) > ah);
  }
  // The destination index along an axis for a device coordinate.
  auto ix = [&](int c) { return w > 0 ? c - X : X - c; };
  auto iy = [&](int r) { return h > 0 ? r - Y : Y - r; };

  Surface ms{};
  if (mask) ms = const_cast<BitmapObject*>(mask->bitmap)->surface();

  const std::uint32_t dmask = RawMask(ds);
  const POINT dorg = dest.TargetOrigin();
  const bool dest32 = ds.Is32() && !combine && !mask;
  const bool raw32 = usesS && ss.Is32() && convert->IsRaw();
  const bool copy32 = dest32 && raw32 && rop == 0xCC && w > 0 && sw > 0 && aw == std::abs(sw);

  auto fetch = [&](int i, int j, std::uint32_t* out) -> bool {
    if (!combine) {
      int c = cols.first(i), r = rows.first(j);
      if (c < 0 || r < 0) return false;
      *out = (*convert)(ReadRaw(ss, c, r));
      return true;
    }
    int c0 = cols.lo(i), c1 = cols.hi(i), r0 = rows.lo(j), r1 = rows.hi(j);
    if (c0 >= c1 || r0 >= r1) return false;
    if (stretchMode == HALFTONE) {
      unsigned long long sr = 0, sg = 0, sb = 0, n = 0;
      for (int r = r0; r < r1; ++r)
        for (int c = c0; c < c1; ++c) {
          std::uint32_t rgb = RawToRgb(ss, ReadRaw(ss, c, r));
          sr += (rgb >> 16) & 0xFF;
          sg += (rgb >> 8) & 0xFF;
          sb += rgb & 0xFF;
          ++n;
        }
      std::uint32_t avg =
          static_cast<std::uint32_t>(((sr + n / 2) / n) << 16 | ((sg + n / 2) / n) << 8 | ((sb + n / 2) / n));
      *out = convert->FromRgb(avg);
      return true;
    }
    // AND keeps black on white, OR keeps white on black.
    const bool useAnd = stretchMode != WHITEONBLACK;
    std::uint32_t acc = useAnd ? ~0u : 0u;
    for (int r = r0; r < r1; ++r)
      for (int c = c0; c < c1; ++c) acc = useAnd ? (acc & ReadRaw(ss, c, r)) : (acc | ReadRaw(ss, c, r));
    *out = (*convert)(acc & RawMask(ss));
    return true;
  };

  const std::vector<RECT>& rects = clip.Rects();
  for (const RECT& cr : rects) {
    const int left = std::max<int>(cr.left, drect.left), right = std::min<int>(cr.right, drect.right);
    const int top = std::max<int>(cr.top, drect.top), bottom = std::min<int>(cr.bottom, drect.bottom);
    if (left >= right || top >= bottom) continue;
    for (int r = top; r < bottom; ++r) {
      const int j = iy(r);
      const int dy = r + dorg.y;
      if (dest32) {
        // 32-bit destinations without a mask or combining: straight to the row.
        const int srow = usesS ? rows.first(j) : 0;
        if (srow < 0) continue;
        std::uint32_t* drow = reinterpret_cast<std::uint32_t*>(ds.Row(dy));
        if (copy32) {
          // Plain copy: one run per row, cut to the source's columns.
          const std::uint32_t* srowp = reinterpret_cast<const std::uint32_t*>(ss.Row(srow));
          int a = left, b = right;
          while (a < b && cols.first(ix(a)) < 0) ++a;
          while (b > a && cols.first(ix(b - 1)) < 0) --b;
          if (a < b) std::memcpy(drow + a + dorg.x, srowp + cols.first(ix(a)), static_cast<std::size_t>(b - a) * 4);
          continue;
        }
        for (int c = left; c < right; ++c) {
          std::uint32_t s = 0, p = 0;
          if (usesS) {
            const int scol = cols.first(ix(c));
            if (scol < 0) continue;
            s = raw32 ? reinterpret_cast<const std::uint32_t*>(ss.Row(srow))[scol]
                      : (*convert)(ReadRaw(ss, scol, srow));
          }
          if (usesP) {
            if (solidPattern) {
              p = solidRaw;
            } else {
              std::uint32_t rgb;
              if (!brush->PixelAt(dest, c, r, &rgb)) continue;
              p = rgb;
            }
          }
          std::uint32_t& d = drow[c + dorg.x];
          d = ApplyRop3(rop, p, s, d) & dmask;
        }
        continue;
      }
      for (int c = left; c < right; ++c) {
        const int dx = c + dorg.x;
        std::uint8_t code = rop;
        if (mask) {
          // Outside the mask bitmap counts as 0: the background operation.
          int mx = mask->x + (c - X), my = mask->y + (r - Y);
          bool bit = mx >= 0 && my >= 0 && mx < ms.width && my < ms.height && ReadRaw(ms, mx, my);
          code = bit ? rop : backRop;
        }
        std::uint32_t s = 0, p = 0, d = 0;
        if (Rop3UsesSource(code) && !fetch(ix(c), j, &s)) continue;
        if (Rop3UsesPattern(code)) {
          if (solidPattern) {
            p = solidRaw;
          } else {
            std::uint32_t rgb;
            if (!brush->PixelAt(dest, c, r, &rgb)) continue;
            p = RgbToRaw(ds, rgb);
          }
        }
        if (usesD) d = ReadRaw(ds, dx, dy);
        WriteRaw(ds, dx, dy, ApplyRop3(code, p, s, d) & dmask);
      }
    }
  }
  return true;
}

}  // namespace win::gdi
