#include "platform/win/gdi/bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/win/gdi/palette.h"

namespace win::gdi {
namespace {

int DdbRowBytes(int width, int bpp) {
  return static_cast<int>(((static_cast<long long>(width) * bpp + 15) / 16) * 2);
}
int DibRowBytes(int width, int bpp) {
  return static_cast<int>(((static_cast<long long>(width) * bpp + 31) / 32) * 4);
}

}  // namespace

std::vector<std::uint32_t> DefaultColorTable(int bitsPerPixel) {
  if (bitsPerPixel == 1) return {0x000000, 0xFFFFFF};
  const auto& entries = DefaultPaletteEntries();
  std::vector<std::uint32_t> table;
  auto rgb = [](const PALETTEENTRY& e) {
    return (static_cast<std::uint32_t>(e.peRed) << 16) | (static_cast<std::uint32_t>(e.peGreen) << 8) | e.peBlue;
  };
  if (bitsPerPixel == 4) {
    // The 16 VGA colours: the first and last eight static colours.
    for (int i = 0; i < 8; ++i) table.push_back(rgb(entries[i]));
    for (int i = 12; i < 20; ++i) table.push_back(rgb(entries[i]));
    return table;
  }
  if (bitsPerPixel == 8) {
    // Static colours 0..9 at the start, 10..19 at the end, a 6x6x6 cube between.
    table.assign(256, 0);
    for (int i = 0; i < 10; ++i) table[i] = rgb(entries[i]);
    for (int i = 0; i < 10; ++i) table[246 + i] = rgb(entries[10 + i]);
    int n = 10;
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6 && n < 226; ++b)
          table[n++] = (static_cast<std::uint32_t>(r * 51) << 16) | (static_cast<std::uint32_t>(g * 51) << 8) |
                       static_cast<std::uint32_t>(b * 51);
    return table;
  }
  return {};
}

BitmapObject::BitmapObject(int width, int height, int bitsPerPixel)
    : GdiObject(ObjectKind::Bitmap), width_(width), height_(height), bpp_(bitsPerPixel) {
  rowBytes_ = DdbRowBytes(width_, bpp_);
  storage_.assign(static_cast<std::size_t>(rowBytes_) * static_cast<std::size_t>(height_), 0);
  colors_ = DefaultColorTable(bpp_);
}

BitmapObject::BitmapObject(int width, int height, int bitsPerPixel, bool topDown, std::vector<std::uint32_t> colors,
                           const DWORD masks[3], DWORD compression)
    : GdiObject(ObjectKind::Bitmap),
      width_(width),
      height_(height),
      bpp_(bitsPerPixel),
      dib_(true),
      topDown_(topDown),
      colors_(std::move(colors)),
      compression_(compression) {
  rowBytes_ = DibRowBytes(width_, bpp_);
  storage_.assign(static_cast<std::size_t>(rowBytes_) * static_cast<std::size_t>(height_), 0);
  if (masks) std::copy(masks, masks + 3, masks_);
  if (bpp_ <= 8) colors_.resize(std::size_t{1} << bpp_, 0);
}

Surface BitmapObject::surface() {
  return SurfaceOver(storage_.data(), width_, height_, bpp_, rowBytes_, topDown_, masks_, colors_);
}

int BitmapObject::Describe(int size, void* buffer) const {
  BITMAP bm{};
  bm.bmType = 0;
  bm.bmWidth = width_;
  bm.bmHeight = height_;
  bm.bmWidthBytes = dib_ ? DibRowBytes(width_, bpp_) : rowBytes_;
  bm.bmPlanes = 1;
  bm.bmBitsPixel = static_cast<WORD>(bpp_);
  bm.bmBits = dib_ ? const_cast<BYTE*>(storage_.data()) : nullptr;
  if (!buffer) return dib_ ? static_cast<int>(sizeof(DIBSECTION)) : static_cast<int>(sizeof(BITMAP));
  if (dib_ && size >= static_cast<int>(sizeof(DIBSECTION))) {
    DIBSECTION ds{};
    ds.dsBm = bm;
    ds.dsBmih.biSize = sizeof(BITMAPINFOHEADER);
    ds.dsBmih.biWidth = width_;
    // The header keeps the orientation it was created with.
    ds.dsBmih.biHeight = topDown_ ? -height_ : height_;
    ds.dsBmih.biPlanes = 1;
    ds.dsBmih.biBitCount = static_cast<WORD>(bpp_);
    ds.dsBmih.biCompression = compression_;
    ds.dsBmih.biSizeImage = static_cast<DWORD>(storage_.size());
    ds.dsBmih.biClrUsed = bpp_ <= 8 ? static_cast<DWORD>(colors_.size()) : 0;
    std::copy(masks_, masks_ + 3, ds.dsBitfields);
    std::memcpy(buffer, &ds, sizeof ds);
    return sizeof ds;
  }
  if (size < static_cast<int>(sizeof(BITMAP))) return 0;
  std::memcpy(buffer, &bm, sizeof bm);
  return sizeof bm;
}

BitmapObject* LookupBitmap(HGDIOBJ handle) {
  return static_cast<BitmapObject*>(LookupObject(handle, ObjectKind::Bitmap));
}

HBITMAP DefaultBitmap() {
  static HGDIOBJ bitmap = [] {
    HGDIOBJ h = AddObject(std::make_unique<BitmapObject>(1, 1, 1));
    MarkStock(h);
    return h;
  }();
  return static_cast<HBITMAP>(bitmap);
}

}  // namespace win::gdi
