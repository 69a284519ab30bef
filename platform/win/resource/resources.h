// The store of embedded resources behind the resource functions, and what the
// layers that turn resources into objects (bitmaps, icons, cursors) read.
// Registering a module (Record, RegisterModule, ModuleByName) is in the
// extension header.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/win/drums_ext.h"
#include "platform/win/windef.h"

namespace win::resource {

// The program's own module: what a NULL module means; the same handle as
// GetModuleHandleA(NULL). Never null.
HINSTANCE MainModule();
// The bytes of a resource, without touching the last error. Null module: main.
struct Bytes {
  const BYTE* data = nullptr;
  DWORD size = 0;
  explicit operator bool() const { return data != nullptr; }
};
Bytes Find(HINSTANCE module, LPCSTR type, LPCSTR name);

// A bitmap resource: a device-independent bitmap starting with its
// BITMAPINFOHEADER (the BMP file header is not stored).
Bytes FindBitmap(HINSTANCE module, LPCSTR name);

// One image of an icon or cursor group with the bytes of its RT_ICON /
// RT_CURSOR resource resolved. `image` is the DIB (BITMAPINFOHEADER, colours,
// XOR and AND masks; height counts both masks) or a PNG stream; for cursors
// the 4-byte hot spot in front of it is already taken off into hotX / hotY.
struct GroupImage {
  int width = 0, height = 0;  // pixels of the picture (height of one mask)
  int bitCount = 0;
  WORD id = 0;
  int hotX = 0, hotY = 0;
  Bytes image;
};
// The images of the RT_GROUP_ICON (cursor false) or RT_GROUP_CURSOR group
// `name`, in the group's order; empty when it is missing.
std::vector<GroupImage> FindGroup(HINSTANCE module, LPCSTR name, bool cursor);
// The image that best fits width x height (0: the system size 32 for icons
// and cursors): the nearest size, then the most colours. Null when empty.
const GroupImage* BestImage(const std::vector<GroupImage>& images, int width, int height);

}  // namespace win::resource
