// Icons and cursors: the picture behind an HICON / HCURSOR, the table of
// handles, and what the window manager needs to show a cursor.
//
// A picture is an image and a mask, as on Windows: where the mask is set
// the screen shows through, XOR-ed with the image (so black leaves it and
// white inverts it); where it is clear the image replaces the screen. A
// picture with an alpha channel blends instead.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win/windef.h"

namespace win::user {

struct IconImage {
  int width = 0;
  int height = 0;
  bool isIcon = true;
  int hotX = 0;
  int hotY = 0;
  std::vector<std::uint32_t> color;  // 0x00RRGGBB, top-down
  std::vector<std::uint8_t> mask;  // 1: screen shows through
  std::vector<std::uint8_t> alpha;  // empty unless the image carries alpha

  bool IsValid() const;
  // A copy scaled (nearest pixel) to width x height.
  IconImage Scaled(int width, int height) const;
  // The picture as 0xAARRGGBB, top-down, for the desktop's cursor.
  std::vector<std::uint32_t> Argb() const;
};

// Takes the picture and returns its new handle. Shared pictures survive
// DestroyIcon (the system's and LR_SHARED ones).
HICON AddIcon(IconImage image, bool shared = false);
// The picture behind a handle, also for the standard cursor ids; nullptr if
// none.
std::shared_ptr<const IconImage> LookupIcon(HICON icon);
// False for unknown handles; shared ones stay and report true.
bool RemoveIcon(HICON icon);

// The authored pictures of the standard cursors (IDC_ ids) and icons (IDI_ ids).
IconImage StandardCursor(int id);
IconImage StandardIcon(int id);

// Parses one icon or cursor image (a DIB with its AND mask) of `size` bytes.
// False for anything else, PNG included.
bool ParseIconDib(const BYTE* data, std::size_t size, IconImage* out);

}  // namespace win::user
