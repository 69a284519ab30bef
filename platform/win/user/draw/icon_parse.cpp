// Reading icon and cursor images: the DIB with its AND mask that .ico and
// .cur files and icon resources hold, and the directories that list them.
// Every size and offset is checked against the bytes given.
#include <algorithm>
#include <cstring>

#include "platform/win/user/draw/icon.h"
#include "platform/win/user/draw/icon_files.h"
#include "platform/win/wingdi.h"
#include "platform/win/winuser_draw.h"

namespace win::user {
namespace {

std::uint32_t U32(const BYTE* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}
unsigned U16(const BYTE* p) {
  return p[0] | (p[1] << 8);
}

bool IsPng(const BYTE* data, std::size_t size) {
  static const BYTE kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  return size >= 8 && std::memcmp(data, kSignature, 8) == 0;
}

}  // namespace

bool ParseIconDib(const BYTE* data, std::size_t size, IconImage* out) {
  if (!data || size < 40 || IsPng(data, size)) return false;
  const std::uint32_t headerSize = U32(data);
  const auto width = static_cast<std::int32_t>(U32(data + 4));
  const auto doubleHeight = static_cast<std::int32_t>(U32(data + 8));
  const unsigned bits = U16(data + 14);
  const std::uint32_t compression = U32(data + 16);
  std::uint32_t colorsUsed = U32(data + 32);
  if (headerSize < 40 || headerSize > size || width <= 0 || width > 1024 || doubleHeight <= 0 || doubleHeight > 2048 ||
      (compression != BI_RGB && compression != BI_BITFIELDS)) {
    return false;
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  const int height = doubleHeight / 2;
  if (height <= 0) return false;
  std::size_t offset = headerSize;
  // 16 and 32 bits with BI_BITFIELDS: three masks; treated as the usual layout.
  if (compression == BI_BITFIELDS && headerSize == 40) offset += 12;
  std::vector<std::uint32_t> table;
  if (bits <= 8) {
    if (colorsUsed == 0 || colorsUsed > (1u << bits)) colorsUsed = 1u << bits;
    if (offset + colorsUsed * 4 > size) return false;
    for (std::uint32_t i = 0; i < colorsUsed; ++i) table.push_back(U32(data + offset + i * 4) & 0x00FFFFFF);
    table.resize(1u << bits, 0);
    offset += colorsUsed * 4;
  }
  const std::size_t xorStride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  const std::size_t andStride = ((static_cast<std::size_t>(width) + 31) / 32) * 4;
  const std::size_t xorBytes = xorStride * height;
  if (offset + xorBytes > size) return false;
  // 32-bit images may leave the mask out; their alpha says it all.
  const bool hasMask = offset + xorBytes + andStride * height <= size;
  if (!hasMask && bits != 32) return false;

  IconImage img;
  img.width = width;
  img.height = height;
  const auto n = static_cast<std::size_t>(width) * height;
  img.color.assign(n, 0);
  img.mask.assign(n, 0);
  std::vector<std::uint8_t> alpha(n, 0);
  bool anyAlpha = false;
  for (int y = 0; y < height; ++y) {
    // Rows are stored bottom-up.
    const BYTE* row = data + offset + xorStride * (height - 1 - y);
    const BYTE* maskRow = hasMask ? data + offset + xorBytes + andStride * (height - 1 - y) : nullptr;
    for (int x = 0; x < width; ++x) {
      std::uint32_t rgb = 0;
      switch (bits) {
        case 1: rgb = table[(row[x / 8] >> (7 - x % 8)) & 1]; break;
        case 4: rgb = table[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF]; break;
        case 8: rgb = table[row[x]]; break;
        case 16: {
          const unsigned v = U16(row + x * 2);
          auto five = [](unsigned c) { return (c << 3) | (c >> 2); };
          rgb = (five((v >> 10) & 31) << 16) | (five((v >> 5) & 31) << 8) | five(v & 31);
          break;
        }
        case 24: rgb = row[x * 3] | (row[x * 3 + 1] << 8) | (std::uint32_t{row[x * 3 + 2]} << 16); break;
        case 32: {
          const std::uint32_t v = U32(row + x * 4);
          rgb = v & 0x00FFFFFF;
          alpha[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>(v >> 24);
          anyAlpha = anyAlpha || (v >> 24) != 0;
          break;
        }
      }
      const std::size_t i = static_cast<std::size_t>(y) * width + x;
      img.color[i] = rgb;
      img.mask[i] = maskRow ? (maskRow[x / 8] >> (7 - x % 8)) & 1 : 0;
    }
  }
  if (anyAlpha) {
    img.alpha = std::move(alpha);
    if (!hasMask)
      for (std::size_t i = 0; i < n; ++i) img.mask[i] = img.alpha[i] == 0;
  }
  *out = std::move(img);
  return true;
}

std::vector<DirectoryEntry> ReadDirectory(const BYTE* data, std::size_t size, bool resourceForm, bool* isIcon) {
  std::vector<DirectoryEntry> entries;
  if (!data || size < 6 || U16(data) != 0) return entries;
  const unsigned type = U16(data + 2);
  if (type != 1 && type != 2) return entries;
  if (isIcon) *isIcon = type == 1;
  const unsigned count = U16(data + 4);
  const std::size_t entrySize = resourceForm ? 14 : 16;
  for (unsigned i = 0; i < count && 6 + (i + 1) * entrySize <= size; ++i) {
    const BYTE* e = data + 6 + i * entrySize;
    DirectoryEntry d;
    if (resourceForm && type == 2) {
      // Cursor groups store width and height (both masks) as words.
      d.width = static_cast<int>(U16(e));
      d.height = static_cast<int>(U16(e + 2)) / 2;
    } else {
      d.width = e[0] ? e[0] : 256;
      d.height = e[1] ? e[1] : 256;
    }
    d.colors = e[2];
    d.planesOrHotX = static_cast<int>(U16(e + 4));
    d.bitsOrHotY = static_cast<int>(U16(e + 6));
    d.bytes = U32(e + 8);
    if (resourceForm) {
      d.id = U16(e + 12);
    } else {
      d.offset = U32(e + 12);
    }
    entries.push_back(d);
  }
  return entries;
}

int BestEntry(const std::vector<DirectoryEntry>& entries, bool isIcon, int width, int height) {
  if (entries.empty()) return -1;
  if (width <= 0) width = 32;
  if (height <= 0) height = 32;
  int best = -1;
  long bestDistance = 0;
  int bestBits = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const DirectoryEntry& e = entries[i];
    const long distance = std::labs(e.width - width) + std::labs(e.height - height);
    // Icon entries count bits; cursor files put the hot spot there instead.
    const int bits = isIcon ? e.bitsOrHotY : 0;
    if (best < 0 || distance < bestDistance || (distance == bestDistance && bits > bestBits)) {
      best = static_cast<int>(i);
      bestDistance = distance;
      bestBits = bits;
    }
  }
  return best;
}

HICON MakeIcon(IconImage image, bool isIcon, int hotX, int hotY, int width, int height, UINT flags) {
  if (!image.IsValid()) return nullptr;
  image.isIcon = isIcon;
  image.hotX = isIcon ? image.width / 2 : hotX;
  image.hotY = isIcon ? image.height / 2 : hotY;
  if (width == 0) width = (flags & LR_DEFAULTSIZE) ? 32 : image.width;
  if (height == 0) height = (flags & LR_DEFAULTSIZE) ? 32 : image.height;
  // Pictures are kept stretched; an absurd size is refused rather than allocated.
  if (width < 0 || height < 0 || width > 1024 || height > 1024) return nullptr;
  return AddIcon(image.Scaled(width, height), (flags & LR_SHARED) != 0);
}

}  // namespace win::user

using namespace win::user;

HICON WINAPI CreateIconFromResourceEx(PBYTE bits, DWORD size, BOOL icon, DWORD version, int width, int height,
                                      UINT flags) {
  (void)version;
  if (!bits) return nullptr;
  int hotX = 0, hotY = 0;
  if (!icon) {
    // A cursor's image starts with its hot spot.
    if (size < 4) return nullptr;
    hotX = static_cast<int>(U16(bits));
    hotY = static_cast<int>(U16(bits + 2));
    bits += 4;
    size -= 4;
  }
  IconImage image;
  if (!ParseIconDib(bits, size, &image)) return nullptr;
  return MakeIcon(std::move(image), icon != FALSE, hotX, hotY, width, height, flags);
}

HICON WINAPI CreateIconFromResource(PBYTE bits, DWORD size, BOOL icon, DWORD version) {
  return CreateIconFromResourceEx(bits, size, icon, version, 0, 0, LR_DEFAULTSIZE);
}

int WINAPI LookupIconIdFromDirectoryEx(PBYTE dir, BOOL icon, int width, int height, UINT flags) {
  (void)flags;
  bool isIcon = true;
  // The directory's size is not given; its own count bounds the reading.
  const std::size_t size = dir ? 6 + static_cast<std::size_t>(U16(dir + 4)) * 14 : 0;
  const auto entries = ReadDirectory(dir, size, true, &isIcon);
  if (entries.empty() || isIcon != (icon != FALSE)) return 0;
  const int best = BestEntry(entries, isIcon, width, height);
  return best < 0 ? 0 : entries[static_cast<std::size_t>(best)].id;
}

int WINAPI LookupIconIdFromDirectory(PBYTE dir, BOOL icon) {
  return LookupIconIdFromDirectoryEx(dir, icon, 32, 32, 0);
}
