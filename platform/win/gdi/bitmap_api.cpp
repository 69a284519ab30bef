// Creating bitmaps and moving their bits in the device-dependent layout.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/dib.h"
#include "platform/win/wingdi.h"

using win::gdi::BitmapObject;
using win::gdi::LookupBitmap;

namespace {

bool ValidDepth(UINT bpp) {
  return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

// Refuses sizes whose pixels would not fit in 2 GiB.
bool ValidSize(int width, int height, int bpp) {
  if (width <= 0 || height <= 0) return false;
  return (static_cast<unsigned long long>(width) * bpp / 8 + 4) * static_cast<unsigned long long>(height) <
         (1ull << 31);
}

HBITMAP Add(std::unique_ptr<BitmapObject> b) {
  return static_cast<HBITMAP>(win::gdi::AddObject(std::move(b)));
}

// Device-dependent rows: top-down, each a multiple of 2 bytes.
int DdbRowBytes(int width, int bpp) {
  return ((width * bpp + 15) / 16) * 2;
}

// Copies between a bitmap and device-dependent rows; `toBitmap` picks the direction.
LONG CopyDdbBits(BitmapObject& b, BYTE* bytes, LONG size, bool toBitmap) {
  const int row = DdbRowBytes(b.width(), b.bitsPerPixel());
  win::gdi::Surface s = b.surface();
  LONG done = 0;
  for (int y = 0; y < b.height() && done < size; ++y) {
    const int n = static_cast<int>(std::min<LONG>(row, size - done));
    // Within a row only the bytes that exist in the bitmap's row are touched.
    const int have = std::min(n, static_cast<int>(std::abs(s.pitch)));
    if (toBitmap)
      std::memcpy(s.Row(y), bytes + done, static_cast<std::size_t>(have));
    else {
      std::memcpy(bytes + done, s.Row(y), static_cast<std::size_t>(have));
      if (n > have) std::memset(bytes + done + have, 0, static_cast<std::size_t>(n - have));
    }
    done += n;
  }
  return done;
}

}  // namespace

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (width < 0 || height < 0) return nullptr;
  if (width == 0 || height == 0) return win::gdi::DefaultBitmap();  // as documented
  const UINT bpp = planes * bitsPerPixel;
  if (!ValidDepth(bpp) || !ValidSize(width, height, static_cast<int>(bpp))) return nullptr;
  auto b = std::make_unique<BitmapObject>(width, height, static_cast<int>(bpp));
  if (bits) {
    std::size_t bytes = static_cast<std::size_t>(DdbRowBytes(width, static_cast<int>(bpp))) * height;
    std::memcpy(b->bits(), bits, std::min(bytes, b->bitsSize()));
  }
  return Add(std::move(b));
}

HBITMAP WINAPI CreateBitmapIndirect(const BITMAP* bm) {
  if (!bm) return nullptr;
  HBITMAP h = CreateBitmap(bm->bmWidth, bm->bmHeight, bm->bmPlanes, bm->bmBitsPixel, nullptr);
  BitmapObject* b = LookupBitmap(h);
  if (b && bm->bmBits && !b->IsStock() && bm->bmWidthBytes > 0) {
    win::gdi::Surface s = b->surface();
    const int n = std::min<int>(bm->bmWidthBytes, static_cast<int>(std::abs(s.pitch)));
    for (int y = 0; y < b->height(); ++y)
      std::memcpy(s.Row(y), static_cast<const BYTE*>(bm->bmBits) + static_cast<std::size_t>(bm->bmWidthBytes) * y,
                  static_cast<std::size_t>(n));
  }
  return h;
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height) {
  win::gdi::DeviceContext* dc = win::gdi::LookupDC(hdc);
  if (!dc || width < 0 || height < 0) return nullptr;
  if (width == 0 || height == 0) return win::gdi::DefaultBitmap();
  BitmapObject* selected = dc->IsMemoryDC() ? LookupBitmap(dc->Bitmap()) : nullptr;
  if (selected && selected->isDibSection()) {
    // A DC holding a DIB section makes DIB sections of the same format.
    if (!ValidSize(width, height, selected->bitsPerPixel())) return nullptr;
    return Add(std::make_unique<BitmapObject>(width, height, selected->bitsPerPixel(), selected->isTopDown(),
                                              selected->colors(), selected->masks(), selected->compression()));
  }
  // A monochrome bitmap makes monochrome ones (the classic trap of a fresh
  // memory DC); screens, windows and colour bitmaps make 32-bit ones.
  const int bpp = selected && selected->isMonochrome() ? 1 : 32;
  if (!ValidSize(width, height, bpp)) return nullptr;
  return Add(std::make_unique<BitmapObject>(width, height, bpp));
}

HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE, DWORD) {
  // A file-mapping section is not supported: the pixels always live in memory
  // of our own, which the caller reaches through *bits as usual.
  if (bits) *bits = nullptr;
  win::gdi::DibLayout layout;
  if (!win::gdi::ReadDibInfo(info, usage, win::gdi::LookupDC(hdc), &layout)) return nullptr;
  auto b = std::make_unique<BitmapObject>(layout.width, layout.height, layout.bitsPerPixel, layout.topDown,
                                          layout.colors, layout.masks, layout.compression);
  if (bits) *bits = b->bits();
  return Add(std::move(b));
}

HBITMAP WINAPI CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                              const BITMAPINFO* info, UINT usage) {
  if (!header) return nullptr;
  int width = header->biWidth;
  int height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
  if (header->biSize == sizeof(BITMAPCOREHEADER)) {
    const auto* core = reinterpret_cast<const BITMAPCOREHEADER*>(header);
    width = core->bcWidth;
    height = core->bcHeight;
  }
  // The bitmap is compatible with the DC, as documented (no DC: the screen).
  HBITMAP h;
  if (hdc) {
    h = CreateCompatibleBitmap(hdc, width, height);
  } else {
    if (width <= 0 || height <= 0 || !ValidSize(width, height, 32)) return nullptr;
    h = Add(std::make_unique<BitmapObject>(width, height, 32));
  }
  if (h && (init & CBM_INIT) && bits && info) SetDIBits(hdc, h, 0, static_cast<UINT>(height), bits, info, usage);
  return h;
}

LONG WINAPI GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits) {
  BitmapObject* b = LookupBitmap(bitmap);
  if (!b) return 0;
  const LONG total = static_cast<LONG>(DdbRowBytes(b->width(), b->bitsPerPixel()) * b->height());
  if (!bits) return total;
  if (size <= 0) return 0;
  return CopyDdbBits(*b, static_cast<BYTE*>(bits), std::min(size, total), false);
}

LONG WINAPI SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits) {
  BitmapObject* b = LookupBitmap(bitmap);
  if (!b || !bits || b->IsStock()) return 0;
  const LONG total = static_cast<LONG>(DdbRowBytes(b->width(), b->bitsPerPixel()) * b->height());
  const LONG n = static_cast<LONG>(std::min<DWORD>(size, static_cast<DWORD>(total)));
  return CopyDdbBits(*b, static_cast<BYTE*>(const_cast<void*>(bits)), n, true);
}

BOOL WINAPI GetBitmapDimensionEx(HBITMAP bitmap, LPSIZE size) {
  BitmapObject* b = LookupBitmap(bitmap);
  if (!b || !size) return FALSE;
  *size = b->dimension;
  return TRUE;
}

BOOL WINAPI SetBitmapDimensionEx(HBITMAP bitmap, int width, int height, LPSIZE old) {
  BitmapObject* b = LookupBitmap(bitmap);
  if (!b) return FALSE;
  if (old) *old = b->dimension;
  b->dimension = SIZE{width, height};
  return TRUE;
}
