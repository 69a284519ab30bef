// Raster operations on raw pixel values, bit by bit as GDI defines them.
//
// A binary operation R2_x is the 4-bit truth table (x - 1) over (pen, dest):
// bit (2*P + D). A ternary operation's low byte is the 8-bit truth table over
// (pattern, source, dest): bit (4*P + 2*S + D), so that P = 0xF0, S = 0xCC,
// D = 0xAA give the byte itself; the high word only names the operation.
#pragma once

#include <cstdint>

namespace win::gdi {

inline std::uint32_t ApplyRop2(int rop2, std::uint32_t pen, std::uint32_t dst) {
  unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
  std::uint32_t r = 0;
  if (table & 1) r |= ~pen & ~dst;
  if (table & 2) r |= ~pen & dst;
  if (table & 4) r |= pen & ~dst;
  if (table & 8) r |= pen & dst;
  return r;
}

inline std::uint32_t ApplyRop3(std::uint8_t code, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
  switch (code) {  // the common ones, without the general sum
    case 0xCC: return s;
    case 0xF0: return p;
    case 0xAA: return d;
    case 0x00: return 0;
    case 0xFF: return ~0u;
    case 0x88: return s & d;
    case 0xEE: return s | d;
    case 0x66: return s ^ d;
    case 0x33: return ~s;
    case 0x44: return s & ~d;
    case 0x11: return ~(s | d);
    case 0xBB: return ~s | d;
    case 0xFB: return p | ~s | d;
    case 0x55: return ~d;
    case 0x5A: return p ^ d;
    case 0xC0: return p & s;
    case 0xE2: return (p & s) | (d & ~s);
    case 0xB8: return (p & ~s) | (d & s);
    default: break;
  }
  std::uint32_t r = 0;
  for (int i = 0; i < 8; ++i) {
    if (!(code & (1u << i))) continue;
    std::uint32_t term = ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    r |= term;
  }
  return r;
}

// Which inputs a ternary operation reads.
inline bool Rop3UsesSource(std::uint8_t code) {
  return ((code >> 2) & 0x33) != (code & 0x33);
}
inline bool Rop3UsesPattern(std::uint8_t code) {
  return ((code >> 4) & 0x0F) != (code & 0x0F);
}
inline bool Rop3UsesDest(std::uint8_t code) {
  return ((code >> 1) & 0x55) != (code & 0x55);
}

}  // namespace win::gdi
