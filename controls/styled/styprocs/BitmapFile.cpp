#include "controls/styled/styprocs/BitmapFile.h"

#include <cstring>
#include <vector>

#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

namespace {

void Put16(std::vector<unsigned char>& b, unsigned v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}
void Put32(std::vector<unsigned char>& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

}  // namespace

void WriteBitmapFile(TStream* Stream, HBITMAP Bitmap, HPALETTE Palette, int ColorCount, bool LengthPrefix) {
  if (!Bitmap) throw EInvalidGraphic("Bitmap image is not valid");
  BITMAP bm{};
  if (!GetObjectA(Bitmap, sizeof bm, &bm)) throw EInvalidGraphic("Bitmap image is not valid");
  int bits = 0;
  switch (ColorCount) {
    case 2: bits = 1; break;
    case 16: bits = 4; break;
    case 256: bits = 8; break;
    default: bits = bm.bmPlanes * bm.bmBitsPixel; break;
  }
  if (bits == 16 || bits == 32) bits = 24;
  const int width = bm.bmWidth, height = bm.bmHeight;
  const std::uint32_t stride = static_cast<std::uint32_t>(((width * bits + 31) / 32) * 4);
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
  const std::uint32_t tableEntries = bits == 24 ? 0 : (1u << bits);
  const std::uint32_t offset = 14 + 40 + tableEntries * 4;
  const std::uint32_t total = offset + imageSize;

  // The info header and room for the colour table, filled by GetDIBits.
  std::vector<unsigned char> info(40 + tableEntries * 4, 0);
  BITMAPINFOHEADER header{};
  header.biSize = 40;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = static_cast<WORD>(bits);
  header.biCompression = BI_RGB;
  header.biSizeImage = imageSize;
  std::memcpy(info.data(), &header, sizeof header);
  std::vector<unsigned char> pixels(imageSize);

  HWND focus = GetFocus();
  HDC dc = GetDC(focus);
  HPALETTE oldPalette = nullptr;
  if (Palette) {
    oldPalette = SelectPalette(dc, Palette, FALSE);
    RealizePalette(dc);
  }
  GetDIBits(dc, Bitmap, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(info.data()),
            DIB_RGB_COLORS);
  if (Palette) SelectPalette(dc, oldPalette, FALSE);
  ReleaseDC(focus, dc);
  // GetDIBits may have filled in fields of its own; the file keeps ours.
  std::memcpy(info.data(), &header, sizeof header);

  std::vector<unsigned char> file;
  file.reserve(total + 4);
  if (LengthPrefix) Put32(file, total);
  file.push_back('B');
  file.push_back('M');
  Put32(file, total);
  Put16(file, 0);
  Put16(file, 0);
  Put32(file, offset);
  file.insert(file.end(), info.begin(), info.end());
  file.insert(file.end(), pixels.begin(), pixels.end());
  Stream->WriteBuffer(file.data(), static_cast<int>(file.size()));
}

void BitmapToMemoryStream(TMemoryStream* Stream, TBitmap* Bitmap, int ColorCount) {
  WriteBitmapFile(Stream, Bitmap->GetHandle(), Bitmap->GetPalette(), Bitmap->GetMonochrome() ? 2 : ColorCount, false);
  Stream->SetPosition(0);
}
