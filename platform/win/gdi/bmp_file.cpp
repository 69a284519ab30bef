#include "platform/win/gdi/bmp_file.h"

#include <cstring>
#include <limits>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dib.h"
#include "platform/win/gdi/surface.h"

namespace win::gdi {
namespace {

// Images larger than this are refused: a small lying file must not make us
// allocate gigabytes.
constexpr unsigned long long kMaxImageBytes = 256ull << 20;
// RLE data may skip whole areas with a move or end early, leaving them blank,
// so its size does not bound the image exactly. An image that needs more
// than this per byte of RLE data (a run of 255 pixels takes 2 bytes) is
// taken for a lie about its size.
constexpr std::size_t kRleBaseBytes = 64 << 10;
constexpr std::size_t kRleBytesPerByte = 1024;

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

template <class T>
T Read(const BYTE* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

struct Header {
  int width = 0, height = 0;
  bool topDown = false;
  int bpp = 0;
  DWORD compression = BI_RGB;
  DWORD sizeImage = 0;
  DWORD clrUsed = 0;
  DWORD masks[3] = {0, 0, 0};
  LONG xppm = 0, yppm = 0;
  std::size_t headerSize = 0;
  bool core = false;
};

// Reads the info header at data[0..size), checked.
bool ReadHeader(const BYTE* data, std::size_t size, Header* h, std::string* error) {
  if (size < 4) return Fail(error, "truncated info header");
  DWORD hs = Read<DWORD>(data);
  if (hs != 12 && hs != 40 && hs != 52 && hs != 56 && hs != 108 && hs != 124)
    return Fail(error, "unknown info header size");
  if (hs > size) return Fail(error, "truncated info header");
  h->headerSize = hs;
  WORD planes;
  if (hs == 12) {
    h->core = true;
    h->width = Read<WORD>(data + 4);
    h->height = Read<WORD>(data + 6);
    planes = Read<WORD>(data + 8);
    h->bpp = Read<WORD>(data + 10);
  } else {
    LONG w = Read<LONG>(data + 4), ht = Read<LONG>(data + 8);
    if (ht == std::numeric_limits<LONG>::min()) return Fail(error, "bad height");
    h->width = w;
    h->topDown = ht < 0;
    h->height = ht < 0 ? -ht : ht;
    planes = Read<WORD>(data + 12);
    h->bpp = Read<WORD>(data + 14);
    h->compression = Read<DWORD>(data + 16);
    h->sizeImage = Read<DWORD>(data + 20);
    h->xppm = Read<LONG>(data + 24);
    h->yppm = Read<LONG>(data + 28);
    h->clrUsed = Read<DWORD>(data + 32);
  }
  if (planes != 1) return Fail(error, "planes must be 1");
  if (h->width <= 0 || h->height <= 0) return Fail(error, "empty or negative size");
  switch (h->bpp) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: return Fail(error, "unsupported depth");
  }
  switch (h->compression) {
    case BI_RGB: break;
    case BI_RLE8:
      if (h->bpp != 8 || h->topDown) return Fail(error, "RLE8 needs 8 bits, bottom-up");
      break;
    case BI_RLE4:
      if (h->bpp != 4 || h->topDown) return Fail(error, "RLE4 needs 4 bits, bottom-up");
      break;
    case BI_BITFIELDS:
      if (h->bpp != 16 && h->bpp != 32) return Fail(error, "bit fields need 16 or 32 bits");
      break;
    default: return Fail(error, "unsupported compression");
  }
  const unsigned long long stride = ((static_cast<unsigned long long>(h->width) * h->bpp + 31) / 32) * 4;
  if (stride * static_cast<unsigned long long>(h->height) > kMaxImageBytes) return Fail(error, "image too large");
  if (h->bpp <= 8 && h->clrUsed > (1u << h->bpp)) return Fail(error, "colour count larger than the depth allows");
  return true;
}

// Where the masks and colour table end, reading them from data[0..size).
bool ReadTables(const BYTE* data, std::size_t size, const Header& h, DibImage* img, std::size_t* end,
                std::string* error) {
  std::size_t at = h.headerSize;
  if (h.compression == BI_BITFIELDS) {
    if (at + 12 > size && h.headerSize == 40) return Fail(error, "truncated bit field masks");
    const BYTE* m = data + 40;  // after a 40-byte header, or inside a larger one
    for (int i = 0; i < 3; ++i) img->masks[i] = Read<DWORD>(m + 4 * i);
    if (!img->masks[0] || !img->masks[1] || !img->masks[2]) return Fail(error, "empty bit field mask");
    if (h.headerSize == 40) at += 12;
  }
  if (h.bpp <= 8) {
    const std::size_t count = h.clrUsed ? h.clrUsed : (std::size_t{1} << h.bpp);
    const std::size_t entry = h.core ? 3 : 4;
    if (count * entry > size - std::min(size, at)) return Fail(error, "truncated colour table");
    img->colors.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
      const BYTE* e = data + at + entry * i;
      img->colors[i] = RGBQUAD{e[0], e[1], e[2], 0};
    }
    at += count * entry;
  } else if (h.clrUsed) {
    // An optional table for palette devices: skipped, but it must be there.
    if (static_cast<unsigned long long>(h.clrUsed) * 4 > size - std::min(size, at))
      return Fail(error, "truncated colour table");
    at += static_cast<std::size_t>(h.clrUsed) * 4;
  }
  *end = at;
  return true;
}

// Decodes RLE8 / RLE4 data into bottom-up rows. Refuses runs past a row's
// end, moves outside the image and data that stops before its end mark.
bool DecodeRle(const BYTE* p, std::size_t n, DibImage* img, bool four, std::string* error) {
  const int width = img->width, height = img->height, stride = img->Stride();
  auto put = [&](int x, int y, int v) {
    BYTE* row = img->bits.data() + static_cast<std::size_t>(stride) * y;
    if (!four) {
      row[x] = static_cast<BYTE>(v);
    } else if (x & 1) {
      row[x >> 1] = static_cast<BYTE>((row[x >> 1] & 0xF0) | (v & 0xF));
    } else {
      row[x >> 1] = static_cast<BYTE>((row[x >> 1] & 0x0F) | ((v & 0xF) << 4));
    }
  };
  int x = 0, y = 0;
  std::size_t i = 0;
  while (true) {
    if (i + 2 > n) return Fail(error, "RLE data ends without an end mark");
    const int count = p[i], value = p[i + 1];
    i += 2;
    if (count > 0) {
      if (y >= height || x + count > width) return Fail(error, "RLE run past the end of a row");
      for (int k = 0; k < count; ++k) {
        int v = four ? ((k & 1) ? (value & 0xF) : (value >> 4)) : value;
        put(x++, y, v);
      }
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++y;
        break;
      case 1:  // end of bitmap
        return true;
      case 2: {  // move
        if (i + 2 > n) return Fail(error, "truncated RLE move");
        const int dx = p[i], dy = p[i + 1];
        i += 2;
        x += dx;
        y += dy;
        if (x > width || y > height || (y == height && x > 0)) return Fail(error, "RLE move outside the image");
        break;
      }
      default: {  // a literal run of `value` pixels, padded to 2 bytes
        const int pixels = value;
        const std::size_t bytes = four ? (static_cast<std::size_t>(pixels) + 1) / 2 : static_cast<std::size_t>(pixels);
        const std::size_t padded = (bytes + 1) & ~std::size_t{1};
        if (i + bytes > n) return Fail(error, "truncated RLE literal run");
        if (y >= height || x + pixels > width) return Fail(error, "RLE run past the end of a row");
        for (int k = 0; k < pixels; ++k) {
          BYTE b = p[i + (four ? static_cast<std::size_t>(k / 2) : static_cast<std::size_t>(k))];
          int v = four ? ((k & 1) ? (b & 0xF) : (b >> 4)) : b;
          put(x++, y, v);
        }
        i += std::min(padded, n - i);
        break;
      }
    }
    if (y > height) return Fail(error, "RLE data past the last row");
  }
}

// Reads header, tables and bits from info[0..infoSize); the bits start at
// `bitsAt` (relative to info) when given, else right after the tables.
bool ReadDib(const BYTE* info, std::size_t infoSize, std::size_t bitsAt, bool bitsAtGiven, DibImage* out,
             std::string* error) {
  Header h;
  if (!ReadHeader(info, infoSize, &h, error)) return false;
  DibImage img;
  img.width = h.width;
  img.height = h.height;
  img.topDown = h.topDown;
  img.bitsPerPixel = h.bpp;
  img.xPelsPerMeter = h.xppm;
  img.yPelsPerMeter = h.yppm;
  img.compression = h.compression == BI_BITFIELDS ? BI_BITFIELDS : BI_RGB;
  std::size_t tablesEnd = 0;
  if (!ReadTables(info, infoSize, h, &img, &tablesEnd, error)) return false;
  if (!bitsAtGiven) bitsAt = tablesEnd;
  if (bitsAt < tablesEnd) return Fail(error, "pixel offset inside the headers");
  if (bitsAt > infoSize) return Fail(error, "pixel offset past the end");
  const std::size_t available = infoSize - bitsAt;
  const std::size_t imageBytes = static_cast<std::size_t>(img.Stride()) * static_cast<std::size_t>(img.height);
  // The pixels are checked to be there before the image is allocated.
  if (h.compression == BI_RLE8 || h.compression == BI_RLE4) {
    std::size_t n = available;
    if (h.sizeImage) {
      if (h.sizeImage > available) return Fail(error, "compressed size past the end");
      n = h.sizeImage;
    }
    if (imageBytes > kRleBaseBytes + n * kRleBytesPerByte) return Fail(error, "too little RLE data for the image");
    img.bits.assign(imageBytes, 0);
    if (!DecodeRle(info + bitsAt, n, &img, h.compression == BI_RLE4, error)) return false;
  } else {
    if (imageBytes > available) return Fail(error, "truncated pixels");
    img.bits.assign(info + bitsAt, info + bitsAt + imageBytes);
  }
  *out = std::move(img);
  return true;
}

}  // namespace

int DibImage::Stride() const {
  return DibStride(width, bitsPerPixel);
}

std::vector<BYTE> DibImage::Info() const {
  std::vector<BYTE> out(sizeof(BITMAPINFOHEADER) + (compression == BI_BITFIELDS ? 12 : 0) + colors.size() * 4);
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = width;
  h.biHeight = topDown ? -height : height;
  h.biPlanes = 1;
  h.biBitCount = static_cast<WORD>(bitsPerPixel);
  h.biCompression = compression;
  h.biSizeImage = static_cast<DWORD>(bits.size());
  h.biXPelsPerMeter = xPelsPerMeter;
  h.biYPelsPerMeter = yPelsPerMeter;
  h.biClrUsed =
      bitsPerPixel <= 8 && colors.size() != (std::size_t{1} << bitsPerPixel) ? static_cast<DWORD>(colors.size()) : 0;
  std::memcpy(out.data(), &h, sizeof h);
  std::size_t at = sizeof h;
  if (compression == BI_BITFIELDS) {
    std::memcpy(out.data() + at, masks, 12);
    at += 12;
  }
  if (!colors.empty()) std::memcpy(out.data() + at, colors.data(), colors.size() * 4);
  return out;
}

std::uint32_t DibImage::PixelRgb(int x, int y) const {
  DibLayout d;
  d.width = width;
  d.height = height;
  d.topDown = topDown;
  d.bitsPerPixel = bitsPerPixel;
  d.stride = Stride();
  if (compression == BI_BITFIELDS) std::memcpy(d.masks, masks, sizeof d.masks);
  for (const RGBQUAD& q : colors)
    d.colors.push_back((static_cast<std::uint32_t>(q.rgbRed) << 16) | (static_cast<std::uint32_t>(q.rgbGreen) << 8) |
                       q.rgbBlue);
  if (bitsPerPixel <= 8) d.colors.resize(std::size_t{1} << bitsPerPixel, 0);
  Surface s = d.SurfaceOver(bits.data());
  return RawToRgb(s, ReadRaw(s, x, y));
}

bool ReadBmp(const BYTE* data, std::size_t size, DibImage* out, std::string* error) {
  if (!data || size < sizeof(BITMAPFILEHEADER)) return Fail(error, "truncated file header");
  BITMAPFILEHEADER fh;
  std::memcpy(&fh, data, sizeof fh);
  if (fh.bfType != 0x4D42) return Fail(error, "not a BMP file");
  if (fh.bfSize > size) return Fail(error, "file shorter than its header says");
  if (fh.bfOffBits < sizeof fh || fh.bfOffBits > size) return Fail(error, "pixel offset outside the file");
  return ReadDib(data + sizeof fh, size - sizeof fh, fh.bfOffBits - sizeof fh, true, out, error);
}

bool ReadPackedDib(const BYTE* data, std::size_t size, DibImage* out, std::string* error) {
  if (!data) return Fail(error, "no data");
  return ReadDib(data, size, 0, false, out, error);
}

std::vector<BYTE> WriteBmp(const DibImage& image) {
  std::vector<BYTE> info = image.Info();
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = static_cast<DWORD>(sizeof fh + info.size());
  fh.bfSize = static_cast<DWORD>(fh.bfOffBits + image.bits.size());
  std::vector<BYTE> out(fh.bfSize);
  std::memcpy(out.data(), &fh, sizeof fh);
  std::memcpy(out.data() + sizeof fh, info.data(), info.size());
  if (!image.bits.empty()) std::memcpy(out.data() + fh.bfOffBits, image.bits.data(), image.bits.size());
  return out;
}

HBITMAP CreateBitmapFromDib(const DibImage& image) {
  const std::size_t need = static_cast<std::size_t>(image.Stride()) * static_cast<std::size_t>(image.height);
  if (image.width <= 0 || image.height <= 0 || image.bits.size() < need) return nullptr;
  std::vector<BYTE> info = image.Info();
  void* bits = nullptr;
  HBITMAP h =
      CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &bits, nullptr, 0);
  if (h && bits) std::memcpy(bits, image.bits.data(), need);
  return h;
}

bool DibFromBitmap(HBITMAP bitmap, int bitsPerPixel, DibImage* out) {
  BitmapObject* b = LookupBitmap(bitmap);
  if (!b || !out) return false;
  DibImage img;
  img.width = b->width();
  img.height = b->height();
  img.bitsPerPixel = bitsPerPixel ? bitsPerPixel : b->bitsPerPixel();
  const std::size_t tableSize = img.bitsPerPixel <= 8 ? (std::size_t{1} << img.bitsPerPixel) : 0;
  std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 12 + tableSize * 4, 0);
  auto* h = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  h->biSize = sizeof(BITMAPINFOHEADER);
  h->biWidth = img.width;
  h->biHeight = img.height;
  h->biPlanes = 1;
  h->biBitCount = static_cast<WORD>(img.bitsPerPixel);
  h->biCompression = BI_RGB;
  img.bits.assign(static_cast<std::size_t>(img.Stride()) * img.height, 0);
  if (GetDIBits(nullptr, bitmap, 0, static_cast<UINT>(img.height), img.bits.data(),
                reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS) != img.height)
    return false;
  img.colors.resize(tableSize);
  if (tableSize) std::memcpy(img.colors.data(), info.data() + sizeof(BITMAPINFOHEADER), tableSize * 4);
  *out = std::move(img);
  return true;
}

}  // namespace win::gdi
