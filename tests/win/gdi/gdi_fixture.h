// Small helpers for the GDI tests: memory DCs over bitmaps whose pixels the
// test reads and writes directly.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/win/wingdi.h"

namespace gdi_test {

// A memory DC with a top-down 32-bit DIB section selected (0x00RRGGBB pixels).
struct Canvas {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  std::uint32_t* pixels = nullptr;
  int width = 0, height = 0;

  Canvas(int w, int h, std::uint32_t fill = 0) : width(w), height(h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<std::uint32_t*>(bits);
    dc = CreateCompatibleDC(nullptr);
    old = SelectObject(dc, bitmap);
    Fill(fill);
  }
  ~Canvas() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  void Fill(std::uint32_t rgb) {
    for (int i = 0; i < width * height; ++i) pixels[i] = rgb;
  }
  std::uint32_t& At(int x, int y) { return pixels[y * width + x]; }
};

// A memory DC with a monochrome device-dependent bitmap selected.
struct MonoCanvas {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  int width = 0, height = 0;

  MonoCanvas(int w, int h) : width(w), height(h) {
    bitmap = CreateBitmap(w, h, 1, 1, nullptr);
    dc = CreateCompatibleDC(nullptr);
    old = SelectObject(dc, bitmap);
  }
  ~MonoCanvas() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  MonoCanvas(const MonoCanvas&) = delete;
  MonoCanvas& operator=(const MonoCanvas&) = delete;

  // 0 or 1 at (x, y), read through GetBitmapBits (rows of 2-byte multiples).
  int Bit(int x, int y) const {
    std::vector<BYTE> bytes(static_cast<std::size_t>((width + 15) / 16 * 2 * height));
    GetBitmapBits(bitmap, static_cast<LONG>(bytes.size()), bytes.data());
    const int row = (width + 15) / 16 * 2;
    return (bytes[static_cast<std::size_t>(row * y + x / 8)] >> (7 - x % 8)) & 1;
  }
  void SetBit(int x, int y, int v) {
    std::vector<BYTE> bytes(static_cast<std::size_t>((width + 15) / 16 * 2 * height));
    GetBitmapBits(bitmap, static_cast<LONG>(bytes.size()), bytes.data());
    const int row = (width + 15) / 16 * 2;
    BYTE& b = bytes[static_cast<std::size_t>(row * y + x / 8)];
    if (v)
      b |= static_cast<BYTE>(0x80 >> (x % 8));
    else
      b &= static_cast<BYTE>(~(0x80 >> (x % 8)));
    SetBitmapBits(bitmap, static_cast<DWORD>(bytes.size()), bytes.data());
  }
};

}  // namespace gdi_test
