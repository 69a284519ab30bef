#include "platform/vcl/graphics/BitmapImage.h"

#include <algorithm>
#include <cstring>

#include "platform/win/wingdi.h"

namespace vcl::graphics {

BitmapImage::~BitmapImage() {
  if (handle != nullptr) DeleteObject(handle);
  if (mask != nullptr) DeleteObject(mask);
  if (palette != nullptr) DeleteObject(palette);
}

std::size_t BitmapImage::ImageBytes() const {
  if (Empty()) return 0;
  return static_cast<std::size_t>(format.Stride()) * static_cast<std::size_t>(format.height);
}

bool BitmapImage::HandleNeeded() {
  if (handle != nullptr || Empty()) return handle != nullptr;
  std::vector<BYTE> info = format.Info();
  void* sectionBits = nullptr;
  handle = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &sectionBits,
                            nullptr, 0);
  if (handle == nullptr) return false;
  bits = static_cast<BYTE*>(sectionBits);
  if (saved.size() == ImageBytes())
    std::memcpy(bits, saved.data(), saved.size());
  else
    std::memset(bits, 0, ImageBytes());
  saved.clear();
  saved.shrink_to_fit();
  return true;
}

void BitmapImage::MakeDormant() {
  if (handle == nullptr) return;
  GdiFlush();
  saved.assign(bits, bits + ImageBytes());
  DeleteObject(handle);
  handle = nullptr;
  bits = nullptr;
  FreeMask();
}

void BitmapImage::FreeMask() {
  if (mask != nullptr) DeleteObject(mask);
  mask = nullptr;
}

BYTE* BitmapImage::Row(int y) {
  if (y < 0 || y >= format.height) return nullptr;
  BYTE* base = handle != nullptr ? bits : saved.empty() ? nullptr : saved.data();
  if (base == nullptr) return nullptr;
  int storageRow = format.topDown ? y : format.height - 1 - y;
  return base + static_cast<std::size_t>(storageRow) * static_cast<std::size_t>(format.Stride());
}

std::shared_ptr<BitmapImage> BitmapImage::Clone() {
  auto copy = std::make_shared<BitmapImage>();
  copy->format = format;
  copy->device = device;
  if (handle != nullptr) {
    GdiFlush();
    copy->saved.assign(bits, bits + ImageBytes());
    copy->HandleNeeded();
  } else {
    copy->saved = saved;
  }
  if (palette != nullptr) {
    std::vector<PALETTEENTRY> entries(256);
    UINT count = GetPaletteEntries(palette, 0, 256, entries.data());
    std::vector<BYTE> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * std::max<UINT>(count, 1));
    auto* lp = reinterpret_cast<LOGPALETTE*>(block.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = static_cast<WORD>(count);
    std::copy_n(entries.begin(), count, lp->palPalEntry);
    copy->palette = CreatePalette(lp);
  }
  return copy;
}

win::gdi::DibImage BitmapImage::ToDib() {
  win::gdi::DibImage dib = format;
  if (handle != nullptr) {
    GdiFlush();
    dib.bits.assign(bits, bits + ImageBytes());
  } else if (saved.size() == ImageBytes()) {
    dib.bits = saved;
  } else {
    dib.bits.assign(ImageBytes(), 0);
  }
  return dib;
}

namespace {

RGBQUAD Quad(BYTE r, BYTE g, BYTE b) {
  return RGBQUAD{b, g, r, 0};
}

std::vector<RGBQUAD> StandardSixteen() {
  return {Quad(0, 0, 0),          Quad(0x80, 0, 0),    Quad(0, 0x80, 0),    Quad(0x80, 0x80, 0),
          Quad(0, 0, 0x80),       Quad(0x80, 0, 0x80), Quad(0, 0x80, 0x80), Quad(0xC0, 0xC0, 0xC0),
          Quad(0x80, 0x80, 0x80), Quad(0xFF, 0, 0),    Quad(0, 0xFF, 0),    Quad(0xFF, 0xFF, 0),
          Quad(0, 0, 0xFF),       Quad(0xFF, 0, 0xFF), Quad(0, 0xFF, 0xFF), Quad(0xFF, 0xFF, 0xFF)};
}

std::vector<RGBQUAD> Halftone() {
  std::vector<RGBQUAD> colors;
  HPALETTE palette = CreateHalftonePalette(nullptr);
  if (palette != nullptr) {
    PALETTEENTRY entries[256];
    UINT count = GetPaletteEntries(palette, 0, 256, entries);
    for (UINT i = 0; i < count; ++i) colors.push_back(Quad(entries[i].peRed, entries[i].peGreen, entries[i].peBlue));
    DeleteObject(palette);
  }
  if (colors.empty()) {
    // A 6x6x6 colour cube with greys, should the halftone palette be missing.
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b)
          colors.push_back(Quad(static_cast<BYTE>(r * 51), static_cast<BYTE>(g * 51), static_cast<BYTE>(b * 51)));
  }
  return colors;
}

}  // namespace

win::gdi::DibImage FormatFor(int pixelFormat, int width, int height, const win::gdi::DibImage& current) {
  win::gdi::DibImage f;
  f.width = width;
  f.height = height;
  f.topDown = false;
  f.compression = BI_RGB;
  switch (pixelFormat) {
    case 1:  // pf1bit
      f.bitsPerPixel = 1;
      f.colors = {Quad(0, 0, 0), Quad(0xFF, 0xFF, 0xFF)};
      break;
    case 2:  // pf4bit
      f.bitsPerPixel = 4;
      f.colors = StandardSixteen();
      break;
    case 3:  // pf8bit
      f.bitsPerPixel = 8;
      f.colors = current.bitsPerPixel == 8 && !current.colors.empty() ? current.colors : Halftone();
      break;
    case 4:  // pf15bit
      f.bitsPerPixel = 16;
      break;
    case 5:  // pf16bit
      f.bitsPerPixel = 16;
      f.compression = BI_BITFIELDS;
      f.masks[0] = 0xF800;
      f.masks[1] = 0x07E0;
      f.masks[2] = 0x001F;
      break;
    case 6:  // pf24bit
      f.bitsPerPixel = 24;
      break;
    default:  // pfDevice, pf32bit
      f.bitsPerPixel = 32;
      break;
  }
  return f;
}

ScopedBitmapDC::ScopedBitmapDC(HBITMAP bitmap) : FDC(CreateCompatibleDC(nullptr)), FOld(SelectObject(FDC, bitmap)) {}

ScopedBitmapDC::~ScopedBitmapDC() {
  SelectObject(FDC, FOld);
  DeleteDC(FDC);
}

}  // namespace vcl::graphics
