// Logical palettes. On the 32-bit surfaces this system draws on they only map
// colours: PALETTEINDEX picks an entry, PALETTERGB snaps to the nearest one.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win/gdi/objects.h"
#include "platform/win/wingdi.h"

namespace win::gdi {

class PaletteObject : public GdiObject {
 public:
  explicit PaletteObject(std::vector<PALETTEENTRY> entries)
      : GdiObject(ObjectKind::Palette), entries_(std::move(entries)) {}

  const std::vector<PALETTEENTRY>& entries() const { return entries_; }
  std::vector<PALETTEENTRY>& entries() { return entries_; }
  // Entry colour as 0x00RRGGBB; entry 0 for an index past the end.
  std::uint32_t ColorAt(unsigned index) const;
  // Index of the nearest entry to an RGB colour (0x00RRGGBB).
  unsigned Nearest(std::uint32_t rgb) const;

  // GetObjectA on a palette: the entry count as a WORD.
  int Describe(int size, void* buffer) const override;

 private:
  std::vector<PALETTEENTRY> entries_;
};

// The 20 static colours of the default palette, in order.
const std::vector<PALETTEENTRY>& DefaultPaletteEntries();
// The stock DEFAULT_PALETTE object.
HPALETTE DefaultPalette();

}  // namespace win::gdi
