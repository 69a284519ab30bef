#include "platform/win/gdi/surface.h"

#include <bit>

namespace win::gdi {
namespace {

struct Channel {
  DWORD mask;
  int shift;
  int bits;
};

Channel MakeChannel(DWORD mask) {
  if (mask == 0) return {0, 0, 0};
  int shift = std::countr_zero(mask);
  int bits = std::popcount(mask >> shift);
  return {mask, shift, bits};
}

// Expands an n-bit channel to 8 bits by repeating its high bits, so full
// scale maps to 255.
std::uint32_t Expand(std::uint32_t v, int bits) {
  if (bits <= 0) return 0;
  if (bits >= 8) return v >> (bits - 8);
  std::uint32_t out = v << (8 - bits);
  for (int have = bits; have < 8; have += bits) out |= out >> bits;
  return out & 0xFF;
}

void Masks(const Surface& s, DWORD& r, DWORD& g, DWORD& b) {
  if (s.redMask | s.greenMask | s.blueMask) {
    r = s.redMask;
    g = s.greenMask;
    b = s.blueMask;
  } else if (s.bitsPerPixel == 16) {
    r = 0x7C00;
    g = 0x03E0;
    b = 0x001F;
  } else {
    r = 0x00FF0000;
    g = 0x0000FF00;
    b = 0x000000FF;
  }
}

}  // namespace

Surface SurfaceOver(BYTE* bits, int width, int height, int bitsPerPixel, int stride, bool topDown, const DWORD* masks,
                    const std::vector<std::uint32_t>& colors) {
  Surface s;
  s.width = width;
  s.height = height;
  s.bitsPerPixel = bitsPerPixel;
  if (topDown) {
    s.top = bits;
    s.pitch = stride;
  } else {
    s.top = bits + static_cast<std::ptrdiff_t>(stride) * (height - 1);
    s.pitch = -static_cast<std::ptrdiff_t>(stride);
  }
  s.redMask = masks[0];
  s.greenMask = masks[1];
  s.blueMask = masks[2];
  if (bitsPerPixel <= 8) {
    s.colors = colors.data();
    s.colorCount = static_cast<int>(colors.size());
  }
  return s;
}

std::uint32_t RawMask(const Surface& s) {
  switch (s.bitsPerPixel) {
    case 1: return 1;
    case 4: return 0xF;
    case 8: return 0xFF;
    case 16: return 0xFFFF;
    case 24: return 0xFFFFFF;
    default: {
      DWORD r, g, b;
      Masks(s, r, g, b);
      return r | g | b;
    }
  }
}

std::uint32_t ReadRaw(const Surface& s, int x, int y) {
  const BYTE* row = s.Row(y);
  switch (s.bitsPerPixel) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return (x & 1) ? (row[x >> 1] & 0xF) : (row[x >> 1] >> 4);
    case 8: return row[x];
    case 16: return row[2 * x] | (row[2 * x + 1] << 8);
    case 24: return row[3 * x] | (row[3 * x + 1] << 8) | (static_cast<std::uint32_t>(row[3 * x + 2]) << 16);
    default: return reinterpret_cast<const std::uint32_t*>(row)[x];
  }
}

void WriteRaw(const Surface& s, int x, int y, std::uint32_t raw) {
  BYTE* row = s.Row(y);
  switch (s.bitsPerPixel) {
    case 1: {
      BYTE bit = static_cast<BYTE>(0x80 >> (x & 7));
      if (raw & 1)
        row[x >> 3] |= bit;
      else
        row[x >> 3] &= static_cast<BYTE>(~bit);
      break;
    }
    case 4: {
      BYTE& b = row[x >> 1];
      b = (x & 1) ? static_cast<BYTE>((b & 0xF0) | (raw & 0xF)) : static_cast<BYTE>((b & 0x0F) | ((raw & 0xF) << 4));
      break;
    }
    case 8: row[x] = static_cast<BYTE>(raw); break;
    case 16:
      row[2 * x] = static_cast<BYTE>(raw);
      row[2 * x + 1] = static_cast<BYTE>(raw >> 8);
      break;
    case 24:
      row[3 * x] = static_cast<BYTE>(raw);
      row[3 * x + 1] = static_cast<BYTE>(raw >> 8);
      row[3 * x + 2] = static_cast<BYTE>(raw >> 16);
      break;
    default: reinterpret_cast<std::uint32_t*>(row)[x] = raw; break;
  }
}

std::uint32_t RawToRgb(const Surface& s, std::uint32_t raw) {
  if (s.bitsPerPixel <= 8) {
    if (s.colors && static_cast<int>(raw) < s.colorCount) return s.colors[raw] & 0xFFFFFF;
    if (s.bitsPerPixel == 1) return raw ? 0xFFFFFF : 0;
    return 0;
  }
  if (s.bitsPerPixel == 24 || s.Is32()) return raw & 0xFFFFFF;
  DWORD rm, gm, bm;
  Masks(s, rm, gm, bm);
  Channel r = MakeChannel(rm), g = MakeChannel(gm), b = MakeChannel(bm);
  return (Expand((raw & r.mask) >> r.shift, r.bits) << 16) | (Expand((raw & g.mask) >> g.shift, g.bits) << 8) |
         Expand((raw & b.mask) >> b.shift, b.bits);
}

std::uint32_t RgbToRaw(const Surface& s, std::uint32_t rgb) {
  rgb &= 0xFFFFFF;
  if (s.bitsPerPixel <= 8) {
    if (s.colors && s.colorCount > 0) return static_cast<std::uint32_t>(NearestColorIndex(s.colors, s.colorCount, rgb));
    if (s.bitsPerPixel == 1) {
      static const std::uint32_t kMono[2] = {0, 0xFFFFFF};
      return static_cast<std::uint32_t>(NearestColorIndex(kMono, 2, rgb));
    }
    return 0;
  }
  if (s.bitsPerPixel == 24 || s.Is32()) return rgb;
  DWORD rm, gm, bm;
  Masks(s, rm, gm, bm);
  auto pack = [](std::uint32_t v8, DWORD mask) -> std::uint32_t {
    Channel c = MakeChannel(mask);
    if (!c.bits) return 0;
    std::uint32_t v = c.bits >= 8 ? (v8 << (c.bits - 8)) : (v8 >> (8 - c.bits));
    return (v << c.shift) & c.mask;
  };
  return pack((rgb >> 16) & 0xFF, rm) | pack((rgb >> 8) & 0xFF, gm) | pack(rgb & 0xFF, bm);
}

int NearestColorIndex(const std::uint32_t* colors, int count, std::uint32_t rgb) {
  int best = 0;
  long bestDistance = -1;
  int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  for (int i = 0; i < count; ++i) {
    int dr = static_cast<int>((colors[i] >> 16) & 0xFF) - r;
    int dg = static_cast<int>((colors[i] >> 8) & 0xFF) - g;
    int db = static_cast<int>(colors[i] & 0xFF) - b;
    long d = static_cast<long>(dr) * dr + static_cast<long>(dg) * dg + static_cast<long>(db) * db;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = i;
      if (d == 0) break;
    }
  }
  return best;
}

}  // namespace win::gdi
