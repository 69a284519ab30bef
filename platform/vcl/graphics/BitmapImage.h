// The picture behind one or more TBitmap objects: a DIB section described by
// a DibImage template (layout and colours, no bits), or the same bits kept in
// memory while the bitmap is dormant.
#pragma once

#include <memory>
#include <vector>

#include "platform/win/drums_ext.h"
#include "platform/win/windef.h"

namespace vcl::graphics {

struct BitmapImage {
  win::gdi::DibImage format;  // width, height, depth, masks, colours; bits unused
  bool device = true;  // made without asking for a pixel format
  HBITMAP handle = nullptr;
  BYTE* bits = nullptr;  // the DIB section's bits
  std::vector<BYTE> saved;  // the bits while there is no handle
  HBITMAP mask = nullptr;
  COLORREF maskColor = 0;  // the colour the mask was made for
  HPALETTE palette = nullptr;

  BitmapImage() = default;
  BitmapImage(const BitmapImage&) = delete;
  BitmapImage& operator=(const BitmapImage&) = delete;
  ~BitmapImage();

  bool Empty() const { return format.width <= 0 || format.height <= 0; }
  std::size_t ImageBytes() const;
  // The DIB section, from the saved bits or cleared; false when GDI refuses.
  bool HandleNeeded();
  // Keeps the bits in memory and frees the DIB section and mask.
  void MakeDormant();
  void FreeMask();
  // Row y counted from the top: in the section, or in the saved bits.
  BYTE* Row(int y);
  // A copy with its own DIB section (or saved bits).
  std::shared_ptr<BitmapImage> Clone();
  // The picture with its bits, for writing.
  win::gdi::DibImage ToDib();
};

// The layout a pixel format stands for (32 bits for the device format).
// Colour tables: black and white, the 16 standard colours, and for 8 bits
// the current table when the picture has one, else a halftone palette.
win::gdi::DibImage FormatFor(int pixelFormat, int width, int height, const win::gdi::DibImage& current);

// A memory device context with a bitmap selected, for the length of a scope.
class ScopedBitmapDC {
 public:
  explicit ScopedBitmapDC(HBITMAP bitmap);
  ~ScopedBitmapDC();
  ScopedBitmapDC(const ScopedBitmapDC&) = delete;
  ScopedBitmapDC& operator=(const ScopedBitmapDC&) = delete;
  HDC dc() const { return FDC; }

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

}  // namespace vcl::graphics
