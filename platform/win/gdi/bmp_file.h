// BMP files and packed DIBs: reading every depth (bottom-up or top-down,
// RLE4 and RLE8, BI_BITFIELDS) and writing uncompressed ones.
//
// Readers check every size and offset against the bytes they were given and
// refuse a truncated or inconsistent file without reading outside it. The
// class library's bitmap and LoadImageA build on this.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/win/wingdi.h"

namespace win::gdi {

// A device-independent bitmap in memory.
struct DibImage {
  int width = 0;
  int height = 0;  // rows, always positive
  bool topDown = false;  // rows stored top row first
  int bitsPerPixel = 0;  // 1, 4, 8, 16, 24 or 32
  DWORD compression = BI_RGB;  // BI_RGB or BI_BITFIELDS (RLE is decoded on reading)
  DWORD masks[3] = {0, 0, 0};  // red, green, blue for BI_BITFIELDS
  std::vector<RGBQUAD> colors;  // colour table (up to 8 bits a pixel)
  std::vector<BYTE> bits;  // Stride() bytes a row, rows in storage order
  LONG xPelsPerMeter = 0;
  LONG yPelsPerMeter = 0;

  int Stride() const;
  // BITMAPINFO as bytes: the 40-byte header, the masks for BI_BITFIELDS, the
  // colour table. Pass data() to SetDIBits, StretchDIBits, CreateDIBSection...
  std::vector<BYTE> Info() const;
  // Pixel (x, y), y counted from the top, as 0x00RRGGBB.
  std::uint32_t PixelRgb(int x, int y) const;
};

// A whole BMP file ("BM", file header, info header, colour table, bits).
bool ReadBmp(const BYTE* data, std::size_t size, DibImage* out, std::string* error = nullptr);
// A packed DIB: BITMAPINFO followed directly by the bits (bitmap resources).
bool ReadPackedDib(const BYTE* data, std::size_t size, DibImage* out, std::string* error = nullptr);
// The BMP file of an image (uncompressed, with a 40-byte info header).
std::vector<BYTE> WriteBmp(const DibImage& image);

// A DIB section holding the image's pixels.
HBITMAP CreateBitmapFromDib(const DibImage& image);
// A bitmap's pixels at a depth (0: the bitmap's own; 16 and 32 are written as
// BI_RGB), bottom-up as GetDIBits gives them.
bool DibFromBitmap(HBITMAP bitmap, int bitsPerPixel, DibImage* out);

}  // namespace win::gdi
