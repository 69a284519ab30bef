#include "platform/vcl/controls/PixelBuffer.h"

#include "platform/win/windows.h"

namespace vcl::controls {

PixelBuffer::PixelBuffer(int width, int height) : FWidth(width > 0 ? width : 1), FHeight(height > 0 ? height : 1) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = FWidth;
  info.bmiHeader.biHeight = -FHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  FBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  FBits = static_cast<std::uint32_t*>(bits);
  FDC = CreateCompatibleDC(nullptr);
  FOld = SelectObject(FDC, FBitmap);
}

PixelBuffer::~PixelBuffer() {
  SelectObject(FDC, FOld);
  DeleteDC(FDC);
  DeleteObject(FBitmap);
}

void PixelBuffer::CopyFrom(HDC source, int x, int y) {
  BitBlt(FDC, 0, 0, FWidth, FHeight, source, x, y, SRCCOPY);
}

void PixelBuffer::CopyTo(HDC dest, int x, int y) const {
  BitBlt(dest, x, y, FWidth, FHeight, FDC, 0, 0, SRCCOPY);
}

}  // namespace vcl::controls
