// Bitmap objects: device-dependent bitmaps (CreateBitmap, CreateCompatibleBitmap)
// and DIB sections (CreateDIBSection), at 1, 4, 8, 16, 24 or 32 bits a pixel.
//
// Device-dependent bitmaps keep rows top-down, each a multiple of 2 bytes (the
// bmWidthBytes rule); 32-bit pixels are 0x00RRGGBB, monochrome ones 0 = black,
// 1 = white, 4 and 8 bits index the default colour table. DIB sections keep
// the layout their BITMAPINFO asked for (rows a multiple of 4 bytes, bottom-up
// unless biHeight was negative) so the caller can address the bits directly.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win/gdi/objects.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/wingdi.h"

namespace win::gdi {

class BitmapObject : public GdiObject {
 public:
  // A device-dependent bitmap, cleared to zero (black).
  BitmapObject(int width, int height, int bitsPerPixel);
  // A DIB section. colors: the colour table (<= 8 bits, 0x00RRGGBB);
  // masks: red, green, blue for BI_BITFIELDS (zero for the defaults).
  BitmapObject(int width, int height, int bitsPerPixel, bool topDown, std::vector<std::uint32_t> colors,
               const DWORD masks[3], DWORD compression);

  int width() const { return width_; }
  int height() const { return height_; }
  int bitsPerPixel() const { return bpp_; }
  bool isDibSection() const { return dib_; }
  bool isTopDown() const { return topDown_; }
  bool isMonochrome() const { return bpp_ == 1; }
  // Bytes of one row as stored.
  int rowBytes() const { return rowBytes_; }
  // First byte of the storage (the lowest row of a bottom-up DIB).
  BYTE* bits() { return storage_.data(); }
  const BYTE* bits() const { return storage_.data(); }
  std::size_t bitsSize() const { return storage_.size(); }
  const std::vector<std::uint32_t>& colors() const { return colors_; }
  std::vector<std::uint32_t>& colors() { return colors_; }
  const DWORD* masks() const { return masks_; }
  DWORD compression() const { return compression_; }

  // The pixels as a drawing surface (rows top-down through the pitch).
  Surface surface();

  SIZE dimension{0, 0};  // SetBitmapDimensionEx, in 0.1 mm

  // BITMAP, or DIBSECTION for a DIB section when the buffer is large enough.
  int Describe(int size, void* buffer) const override;

 private:
  int width_;
  int height_;
  int bpp_;
  bool dib_ = false;
  bool topDown_ = true;
  int rowBytes_ = 0;
  std::vector<BYTE> storage_;
  std::vector<std::uint32_t> colors_;
  DWORD masks_[3] = {0, 0, 0};
  DWORD compression_ = BI_RGB;
};

BitmapObject* LookupBitmap(HGDIOBJ handle);

// The colour table a device-dependent bitmap of 1, 4 or 8 bits uses.
std::vector<std::uint32_t> DefaultColorTable(int bitsPerPixel);

// The stock 1x1 monochrome bitmap every new memory DC holds.
HBITMAP DefaultBitmap();

}  // namespace win::gdi
