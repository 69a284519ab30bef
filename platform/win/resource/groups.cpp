// Icon and cursor groups: the directory resource (RT_GROUP_ICON /
// RT_GROUP_CURSOR) that lists the sizes of one icon or cursor, each image a
// resource of its own (RT_ICON / RT_CURSOR) named by its number.
#include <cstdlib>

#include "platform/win/winres.h"
#include "platform/win/resource/store.h"

namespace win::resource {
namespace {

unsigned Word(const BYTE* p) {
  return p[0] | (unsigned{p[1]} << 8);
}

constexpr DWORD kDirHeader = 6;  // reserved, type (1 icon, 2 cursor), count
constexpr DWORD kDirEntry = 14;

}  // namespace

std::vector<GroupImage> FindGroup(HINSTANCE module, LPCSTR name, bool cursor) {
  std::vector<GroupImage> images;
  const Bytes group = Find(module, cursor ? RT_GROUP_CURSOR : RT_GROUP_ICON, name);
  if (!group || group.size < kDirHeader) return images;
  const unsigned count = Word(group.data + 4);
  for (unsigned i = 0; i < count && kDirHeader + (i + 1) * kDirEntry <= group.size; ++i) {
    const BYTE* e = group.data + kDirHeader + i * kDirEntry;
    GroupImage image;
    image.id = static_cast<WORD>(Word(e + 12));
    if (cursor) {
      // width, height (both masks), planes, bit count as words
      image.width = static_cast<int>(Word(e));
      image.height = static_cast<int>(Word(e + 2)) / 2;
      image.bitCount = static_cast<int>(Word(e + 6));
    } else {
      // width, height (0 means 256), colours, reserved, planes, bit count
      image.width = e[0] ? e[0] : 256;
      image.height = e[1] ? e[1] : 256;
      image.bitCount = static_cast<int>(Word(e + 6));
    }
    Bytes bytes = Find(module, cursor ? RT_CURSOR : RT_ICON, MAKEINTRESOURCEA(image.id));
    if (!bytes) continue;
    if (cursor) {
      if (bytes.size < 4) continue;
      image.hotX = static_cast<int>(Word(bytes.data));
      image.hotY = static_cast<int>(Word(bytes.data + 2));
      bytes.data += 4;
      bytes.size -= 4;
    }
    image.image = bytes;
    images.push_back(image);
  }
  return images;
}

const GroupImage* BestImage(const std::vector<GroupImage>& images, int width, int height) {
  if (width <= 0) width = 32;
  if (height <= 0) height = 32;
  const GroupImage* best = nullptr;
  int bestDistance = 0;
  for (const GroupImage& image : images) {
    const int distance = std::abs(image.width - width) + std::abs(image.height - height);
    if (!best || distance < bestDistance || (distance == bestDistance && image.bitCount > best->bitCount)) {
      best = &image;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace win::resource
