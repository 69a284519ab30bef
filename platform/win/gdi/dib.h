// Reading BITMAPINFO descriptions: the layout of device-independent bits
// handed to SetDIBits, StretchDIBits, CreateDIBSection and friends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/win/gdi/surface.h"
#include "platform/win/wingdi.h"

namespace win::gdi {

class DeviceContext;

struct DibLayout {
  int width = 0;
  int height = 0;  // always positive
  bool topDown = false;  // biHeight < 0
  int bitsPerPixel = 0;  // 1, 4, 8, 16, 24, 32
  DWORD compression = BI_RGB;
  DWORD masks[3] = {0, 0, 0};  // 16/32 bits; zero: the default layout
  std::vector<std::uint32_t> colors;  // colour table as 0x00RRGGBB (<= 8 bits)
  std::size_t infoBytes = 0;  // header + masks + colour table, as passed
  int stride = 0;  // bytes of one row (a multiple of 4)

  std::size_t ImageBytes() const { return static_cast<std::size_t>(stride) * static_cast<std::size_t>(height); }
  // A surface over bits laid out this way (rows top-down through the pitch).
  Surface SurfaceOver(const void* bits) const;
};

// Reads a BITMAPINFO (any of the 12, 40, 52, 56, 108 or 124-byte headers).
// usage DIB_PAL_COLORS takes the colour table as indexes into dc's palette
// (the default palette without a dc). False for sizes, depths or
// compressions it cannot describe; RLE is only read from files (bmp_file.h).
bool ReadDibInfo(const BITMAPINFO* info, UINT usage, const DeviceContext* dc, DibLayout* out);

// Row stride of a DIB of that width and depth; 0 when it would overflow.
int DibStride(int width, int bitsPerPixel);

}  // namespace win::gdi
