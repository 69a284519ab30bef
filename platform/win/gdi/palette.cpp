#include "platform/win/gdi/palette.h"

#include <cstring>

#include "platform/win/gdi/surface.h"

namespace win::gdi {
namespace {
std::uint32_t EntryRgb(const PALETTEENTRY& e) {
  return (static_cast<std::uint32_t>(e.peRed) << 16) | (static_cast<std::uint32_t>(e.peGreen) << 8) | e.peBlue;
}
}  // namespace

std::uint32_t PaletteObject::ColorAt(unsigned index) const {
  if (entries_.empty()) return 0;
  return EntryRgb(index < entries_.size() ? entries_[index] : entries_[0]);
}

unsigned PaletteObject::Nearest(std::uint32_t rgb) const {
  std::vector<std::uint32_t> colors;
  colors.reserve(entries_.size());
  for (const PALETTEENTRY& e : entries_) colors.push_back(EntryRgb(e));
  if (colors.empty()) return 0;
  return static_cast<unsigned>(NearestColorIndex(colors.data(), static_cast<int>(colors.size()), rgb));
}

int PaletteObject::Describe(int size, void* buffer) const {
  if (!buffer) return sizeof(WORD);
  if (size < static_cast<int>(sizeof(WORD))) return 0;
  WORD count = static_cast<WORD>(entries_.size());
  std::memcpy(buffer, &count, sizeof count);
  return sizeof(WORD);
}

const std::vector<PALETTEENTRY>& DefaultPaletteEntries() {
  // The classic static colours: the 16 VGA colours with the four "extra"
  // ones (money green, sky blue, cream, medium grey) in the middle.
  static const std::vector<PALETTEENTRY> entries = {
      {0x00, 0x00, 0x00, 0}, {0x80, 0x00, 0x00, 0}, {0x00, 0x80, 0x00, 0}, {0x80, 0x80, 0x00, 0}, {0x00, 0x00, 0x80, 0},
      {0x80, 0x00, 0x80, 0}, {0x00, 0x80, 0x80, 0}, {0xC0, 0xC0, 0xC0, 0}, {0xC0, 0xDC, 0xC0, 0}, {0xA6, 0xCA, 0xF0, 0},
      {0xFF, 0xFB, 0xF0, 0}, {0xA0, 0xA0, 0xA4, 0}, {0x80, 0x80, 0x80, 0}, {0xFF, 0x00, 0x00, 0}, {0x00, 0xFF, 0x00, 0},
      {0xFF, 0xFF, 0x00, 0}, {0x00, 0x00, 0xFF, 0}, {0xFF, 0x00, 0xFF, 0}, {0x00, 0xFF, 0xFF, 0}, {0xFF, 0xFF, 0xFF, 0},
  };
  return entries;
}

HPALETTE DefaultPalette() {
  static HGDIOBJ palette = [] {
    HGDIOBJ h = AddObject(std::make_unique<PaletteObject>(DefaultPaletteEntries()));
    MarkStock(h);
    return h;
  }();
  return static_cast<HPALETTE>(palette);
}

}  // namespace win::gdi
