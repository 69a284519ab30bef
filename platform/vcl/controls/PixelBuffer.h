// A 32-bit top-down memory bitmap with its own device context: the image
// list composes its pictures here pixel by pixel and copies them in and out
// with BitBlt.
#pragma once

#include <cstdint>

#include "platform/win/windef.h"

namespace vcl::controls {

class PixelBuffer {
 public:
  PixelBuffer(int width, int height);
  ~PixelBuffer();
  PixelBuffer(const PixelBuffer&) = delete;
  PixelBuffer& operator=(const PixelBuffer&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  HDC DC() const { return FDC; }
  // 0x00RRGGBB, row by row from the top.
  std::uint32_t* Row(int y) { return FBits + static_cast<std::size_t>(y) * static_cast<std::size_t>(FWidth); }
  // Copies from / to another context's rectangle at (x, y).
  void CopyFrom(HDC source, int x, int y);
  void CopyTo(HDC dest, int x, int y) const;

 private:
  int FWidth;
  int FHeight;
  HDC FDC = nullptr;
  HBITMAP FBitmap = nullptr;
  HGDIOBJ FOld = nullptr;
  std::uint32_t* FBits = nullptr;
};

}  // namespace vcl::controls
