// Image lists: equally sized pictures kept as 32-bit pixels with a mask,
// shared by handle between the controls that draw them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/win/commctrl.h"

struct _IMAGELIST {
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
  int grow = 4;
  COLORREF bk = CLR_NONE;
  // One entry per image: cx * cy pixels as 0x00RRGGBB, and the mask
  // (true: transparent) when the list is masked.
  std::vector<std::vector<std::uint32_t>> pixels;
  std::vector<std::vector<bool>> masks;
  // Overlay n (1..15) is image overlays[n - 1], or -1.
  std::array<int, 15> overlays{};
  bool Masked() const { return (flags & ILC_MASK) != 0; }
  int Depth() const { return static_cast<int>(flags & 0xFE); }
};

namespace win::comctl {

// The list behind a handle, or null when it was never made or is destroyed.
_IMAGELIST* LiveImageList(HIMAGELIST himl);

// Reads a bitmap as 0x00RRGGBB pixels, `width` x `height` from (x, y);
// pixels outside the bitmap are black.
std::vector<std::uint32_t> ReadBitmap(HBITMAP bitmap, int x, int y, int width, int height);
int BitmapWidth(HBITMAP bitmap);

}  // namespace win::comctl
