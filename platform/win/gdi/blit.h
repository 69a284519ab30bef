// The one blit engine behind BitBlt, StretchBlt, PatBlt, MaskBlt,
// StretchDIBits and SetDIBitsToDevice.
//
// Every destination pixel inside the destination's effective clip gets
//   rop3(pattern, source, destination)
// on raw pixel values of the destination's format, with the source converted
// to that format first:
//   - monochrome bitmap (in a DC) onto colour: 0 becomes the destination DC's
//     text colour, 1 its background colour;
//   - colour (in a DC) onto monochrome: pixels equal to the source DC's
//     background colour become 1, all others 0;
//   - everything else goes through RGB (nearest colour-table entry).
// A destination pixel whose source lies outside the source pixels is left
// unchanged: the source is never read out of bounds.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/surface.h"

namespace win::gdi {

class BitmapObject;

// Where the source pixels come from.
struct BlitSource {
  Surface surface;  // the pixels
  POINT origin{0, 0};  // device (0, 0) of the source lies here in the surface
  LONG dx = 0, dy = 0;  // logical -> device offset of the source
  bool fromDC = true;  // false: caller's DIB bits (colours through the colour table)
  std::uint32_t bkRgb = 0xFFFFFF;  // source DC's background colour (colour -> monochrome)
};

BlitSource SourceOf(const DeviceContext& dc);

struct BlitMask {
  const BitmapObject* bitmap = nullptr;  // monochrome
  int x = 0, y = 0;
  std::uint8_t backRop = 0xAA;  // where the mask is 0
};

// x, y, w, h: destination in logical units (negative sizes mirror);
// sx, sy, sw, sh: source in the source's logical units. source may be null
// when the operation does not read it. Returns false when the operation
// needs a source and has none.
bool Blit(DeviceContext& dest, int x, int y, int w, int h, const BlitSource* source, int sx, int sy, int sw, int sh,
          std::uint8_t rop, int stretchMode, const BlitMask* mask = nullptr);

}  // namespace win::gdi
