#include "platform/win/gdi/blit.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

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
  bool IsMonoToColor() const { return mode_ == Mode::MonoToColor; }
  // Monochrome onto colour: what a 0 and a 1 bit become.
  std::uint32_t TextRaw() const { return text_; }
  std::uint32_t BkRaw() const { return bk_; }

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

// Everything one blit works out before it touches a pixel.
struct BlitPlan {
  DeviceContext& dest;
  const Surface& ds;
  int w, h;
  int X, Y;  // destination anchor in device coordinates
  RECT drect;  // destination rectangle in device coordinates
  std::uint8_t rop, backRop;
  bool usesS, usesP, usesD;
  const Brush* brush;
  bool solidPattern;
  std::uint32_t solidRaw;
  // The source (usesS): its surface (or a snapshot of it), the source anchor
  // in surface coordinates, and how destination indexes map onto it.
  Surface ss{};
  std::vector<BYTE> snapshot{};
  int SX = 0, SY = 0, sw = 0, sh = 0;
  AxisMap cols{}, rows{};
  std::optional<Converter> convert{};
  bool combine = false;  // shrinking with AND, OR or averaging
  int stretchMode = COLORONCOLOR;
  const BlitMask* mask = nullptr;
};

// The destination rectangle a clip rectangle leaves, or false when empty.
bool ClipPart(const BlitPlan& b, const RECT& cr, int& left, int& top, int& right, int& bottom) {
  left = std::max<int>(cr.left, b.drect.left);
  right = std::min<int>(cr.right, b.drect.right);
  top = std::max<int>(cr.top, b.drect.top);
  bottom = std::min<int>(cr.bottom, b.drect.bottom);
  return left < right && top < bottom;
}

// ---- The 32-bit fast path -------------------------------------------------
// A 32-bit destination, no mask, no stretching or mirroring, a solid pattern
// or none: the common case of every window repaint (copies, masked cells,
// fills). Works a row span at a time.

bool FitsFast32(const BlitPlan& b) {
  if (!b.ds.Is32() || b.mask || b.combine || b.w < 0 || b.h < 0) return false;
  if (b.usesP && !b.solidPattern) return false;
  return !b.usesS || (b.sw == b.w && b.sh == b.h);
}

// d[i] = rop(p, s[i], d[i]) over one span. The source never shares memory
// with the destination here (an overlapping source was copied first), which
// lets the loops work on several pixels at once.
void ApplySpan32(std::uint8_t rop, std::uint32_t p, const std::uint32_t* __restrict s, std::uint32_t* __restrict d,
                 int n, std::uint32_t dmask) {
  switch (rop) {
    case 0xCC: std::memcpy(d, s, static_cast<std::size_t>(n) * 4); return;  // SRCCOPY
    case 0x88:  // SRCAND
      for (int i = 0; i < n; ++i) d[i] = s[i] & d[i] & dmask;
      return;
    case 0xEE:  // SRCPAINT
      for (int i = 0; i < n; ++i) d[i] = (s[i] | d[i]) & dmask;
      return;
    case 0x66:  // SRCINVERT
      for (int i = 0; i < n; ++i) d[i] = (s[i] ^ d[i]) & dmask;
      return;
    case 0x44:  // SRCERASE
      for (int i = 0; i < n; ++i) d[i] = s[i] & ~d[i] & dmask;
      return;
    case 0x33:  // NOTSRCCOPY
      for (int i = 0; i < n; ++i) d[i] = ~s[i] & dmask;
      return;
    default:
      for (int i = 0; i < n; ++i) d[i] = ApplyRop3(rop, p, s[i], d[i]) & dmask;
      return;
  }
}

// The same for operations that do not read the source (fills).
void ApplyFillSpan32(std::uint8_t rop, std::uint32_t p, std::uint32_t* d, int n, std::uint32_t dmask) {
  switch (rop) {
    case 0xF0: std::fill(d, d + n, p & dmask); return;  // PATCOPY
    case 0x00: std::fill(d, d + n, 0u); return;  // BLACKNESS
    case 0xFF: std::fill(d, d + n, dmask); return;  // WHITENESS
    case 0x55:  // DSTINVERT
      for (int i = 0; i < n; ++i) d[i] = ~d[i] & dmask;
      return;
    case 0x5A:  // PATINVERT
      for (int i = 0; i < n; ++i) d[i] = (p ^ d[i]) & dmask;
      return;
    default:
      for (int i = 0; i < n; ++i) d[i] = ApplyRop3(rop, p, 0, d[i]) & dmask;
      return;
  }
}

// Monochrome onto colour: the eight destination values of every source byte,
// so that a row expands a byte at a time. Masks are drawn with the same two
// colours over and over, so each thread keeps the tables of its last few
// colour pairs.
class MonoBytes {
 public:
  static const MonoBytes& For(std::uint32_t zero, std::uint32_t one) {
    thread_local std::array<MonoBytes, 4> cache;
    thread_local std::size_t next = 0;
    for (const MonoBytes& t : cache)
      if (t.ready_ && t.zero_ == zero && t.one_ == one) return t;
    MonoBytes& t = cache[next];
    next = (next + 1) % cache.size();
    t.Fill(zero, one);
    return t;
  }

  // SRCAND of a mask whose 1 bits are white: pixels under 1 bits keep their
  // colour, so only the runs of 0 bits are touched (most of a cell's mask
  // is one or the other).
  void AndMaskRow(const BYTE* bits, int col, int n, std::uint32_t* __restrict d, std::uint32_t dmask) const {
    for (int i = 0; i < n;) {
      const int first = col & 7;
      const int count = std::min(8 - first, n - i);
      const unsigned want = (0xFFu >> first) & ~(0xFFu >> (first + count));
      const unsigned byte = bits[col >> 3];
      if ((byte & want) != want) {
        const std::uint32_t* v = values_[byte] + first;
        for (int k = 0; k < count; ++k) d[i + k] &= v[k] & dmask;
      }
      i += count;
      col += count;
    }
  }

  // Source bits from column `col` on (the leftmost pixel in a byte's top bit):
  // 0 becomes `zero` (the text colour), 1 `one` (the background colour).
  void Expand(const BYTE* bits, int col, int n, std::uint32_t* __restrict out) const {
    for (int i = 0; i < n;) {
      const int first = col & 7;
      const int count = std::min(8 - first, n - i);
      std::memcpy(out + i, values_[bits[col >> 3]] + first, static_cast<std::size_t>(count) * 4);
      i += count;
      col += count;
    }
  }

 private:
  void Fill(std::uint32_t zero, std::uint32_t one) {
    zero_ = zero;
    one_ = one;
    for (unsigned byte = 0; byte < 256; ++byte)
      for (int k = 0; k < 8; ++k) values_[byte][k] = ((byte >> (7 - k)) & 1) ? one : zero;
    ready_ = true;
  }

  bool ready_ = false;
  std::uint32_t zero_ = 0, one_ = 0;
  std::uint32_t values_[256][8];
};

void BlitFast32(BlitPlan& b) {
  const Surface& ds = b.ds;
  const std::uint32_t dmask = RawMask(ds);
  const POINT dorg = b.dest.TargetOrigin();
  const std::uint32_t p = b.solidPattern ? b.solidRaw : 0;
  const bool raw32 = b.usesS && b.ss.Is32() && b.convert->IsRaw();
  const bool mono = b.usesS && b.ss.bitsPerPixel == 1 && b.convert->IsMonoToColor();
  const MonoBytes* monoBytes = mono ? &MonoBytes::For(b.convert->TextRaw(), b.convert->BkRaw()) : nullptr;
  // Source values of other formats are converted into this buffer a chunk at a time.
  constexpr int kChunk = 256;
  std::uint32_t converted[kChunk];
  for (const RECT& cr : b.dest.EffectiveClip().Rects()) {
    int left, top, right, bottom;
    if (!ClipPart(b, cr, left, top, right, bottom)) continue;
    if (b.usesS) {
      // Pixels whose source lies outside the source stay as they are.
      left = std::max(left, b.X - b.SX);
      right = std::min(right, b.X - b.SX + b.ss.width);
      top = std::max(top, b.Y - b.SY);
      bottom = std::min(bottom, b.Y - b.SY + b.ss.height);
      if (left >= right || top >= bottom) continue;
    }
    for (int r = top; r < bottom; ++r) {
      std::uint32_t* drow = reinterpret_cast<std::uint32_t*>(ds.Row(r + dorg.y)) + dorg.x;
      if (!b.usesS) {
        ApplyFillSpan32(b.rop, p, drow + left, right - left, dmask);
        continue;
      }
      const int srow = b.SY + (r - b.Y);
      const int scol = b.SX + (left - b.X);
      if (raw32) {
        const std::uint32_t* s = reinterpret_cast<const std::uint32_t*>(b.ss.Row(srow)) + scol;
        ApplySpan32(b.rop, p, s, drow + left, right - left, dmask);
        continue;
      }
      for (int c0 = left; c0 < right; c0 += kChunk) {
        const int n = std::min(kChunk, right - c0);
        const int sc = scol + (c0 - left);
        if (mono && b.rop == 0x88 && b.convert->BkRaw() == dmask) {
          monoBytes->AndMaskRow(b.ss.Row(srow), sc, n, drow + c0, dmask);
          continue;
        }
        if (mono) {
          monoBytes->Expand(b.ss.Row(srow), sc, n, converted);
        } else {
          for (int i = 0; i < n; ++i) converted[i] = (*b.convert)(ReadRaw(b.ss, sc + i, srow));
        }
        ApplySpan32(b.rop, p, converted, drow + c0, n, dmask);
      }
    }
  }
}

// ---- The general path -----------------------------------------------------
// Every depth, masks, stretching with each stretch mode, mirroring and
// patterned brushes, a pixel at a time.

void BlitGeneral(BlitPlan& b) {
  DeviceContext& dest = b.dest;
  const Surface& ds = b.ds;
  const Surface& ss = b.ss;
  const int w = b.w, h = b.h, X = b.X, Y = b.Y;
  const std::uint8_t rop = b.rop, backRop = b.backRop;
  const bool usesS = b.usesS, usesP = b.usesP, usesD = b.usesD;
  const bool combine = b.combine, solidPattern = b.solidPattern;
  const Brush* brush = b.brush;
  const BlitMask* mask = b.mask;
  const int stretchMode = b.stretchMode;
  AxisMap& cols = b.cols;
  AxisMap& rows = b.rows;
  std::optional<Converter>& convert = b.convert;

  // The destination index along an axis for a device coordinate.
  auto ix = [&](int c) { return w > 0 ? c - X : X - c; };
  auto iy = [&](int r) { return h > 0 ? r - Y : Y - r; };

  Surface ms{};
  if (mask) ms = const_cast<BitmapObject*>(mask->bitmap)->surface();

  const std::uint32_t dmask = RawMask(ds);
  const POINT dorg = dest.TargetOrigin();
  const bool dest32 = ds.Is32() && !combine && !mask;
  const bool raw32 = usesS && ss.Is32() && convert->IsRaw();

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

  for (const RECT& cr : dest.EffectiveClip().Rects()) {
    int left, top, right, bottom;
    if (!ClipPart(b, cr, left, top, right, bottom)) continue;
    for (int r = top; r < bottom; ++r) {
      const int j = iy(r);
      const int dy = r + dorg.y;
      if (dest32) {
        // 32-bit destinations without a mask or combining: straight to the row.
        const int srow = usesS ? rows.first(j) : 0;
        if (srow < 0) continue;
        std::uint32_t* drow = reinterpret_cast<std::uint32_t*>(ds.Row(dy));
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
              p = b.solidRaw;
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
            p = b.solidRaw;
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
  if (!dest.EffectiveClip().Intersects(drect)) return true;

  // The pattern.
  const Brush* brush = usesP ? dest.SelectedBrush() : nullptr;
  if (usesP && (!brush || brush->IsNull())) return true;  // nothing to paint with
  const bool solidPattern = brush && brush->IsSolid();
  const std::uint32_t solidRaw = solidPattern ? RgbToRaw(ds, dest.ResolveColor(brush->SolidColor(dest))) : 0;

  BlitPlan plan{dest, ds, w, h, X, Y, drect, rop, backRop, usesS, usesP, usesD, brush, solidPattern, solidRaw};
  plan.stretchMode = stretchMode;
  plan.mask = mask;
  plan.sw = sw;
  plan.sh = sh;
  // The source, copied first when it shares memory with the destination.
  if (usesS) {
    plan.ss = source->surface;
    if (Overlaps(plan.ss, ds)) {
      std::size_t rowBytes = static_cast<std::size_t>(std::abs(plan.ss.pitch));
      plan.snapshot.resize(rowBytes * plan.ss.height);
      for (int r = 0; r < plan.ss.height; ++r) std::memcpy(&plan.snapshot[rowBytes * r], plan.ss.Row(r), rowBytes);
      plan.ss.top = plan.snapshot.data();
      plan.ss.pitch = static_cast<std::ptrdiff_t>(rowBytes);
    }
    plan.SX = sx + source->dx + source->origin.x;
    plan.SY = sy + source->dy + source->origin.y;
    // Destination indexes run from the destination anchor in the direction of
    // w and h, source indexes from the source anchor in the direction of sw
    // and sh: opposite directions mirror.
    const int aw = std::abs(w), ah = std::abs(h);
    plan.cols = AxisMap(aw, plan.SX, sw, plan.ss.width);
    plan.rows = AxisMap(ah, plan.SY, sh, plan.ss.height);
    BlitSource local = *source;
    local.surface = plan.ss;
    plan.convert.emplace(local, ds, dest);
    plan.combine = stretchMode != COLORONCOLOR && (std::abs(sw) > aw || std::abs(sh) > ah);
  }
  if (FitsFast32(plan))
    BlitFast32(plan);
  else
    BlitGeneral(plan);
  return true;
}

}  // namespace win::gdi
