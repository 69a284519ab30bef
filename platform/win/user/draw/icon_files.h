// Icon and cursor directories: the header of .ico / .cur files (entries with
// an offset) and of icon and cursor group resources (entries with an id).
#pragma once

#include <cstddef>
#include <vector>

#include "platform/win/user/draw/icon.h"
#include "platform/win/windef.h"

namespace win::user {

struct DirectoryEntry {
  int width = 0;
  int height = 0;
  int colors = 0;
  int planesOrHotX = 0;  // .cur files: the hot spot
  int bitsOrHotY = 0;
  std::uint32_t bytes = 0;
  std::uint32_t offset = 0;  // files
  WORD id = 0;  // group resources
};

// Empty when the bytes are no icon (type 1) or cursor (type 2) directory.
std::vector<DirectoryEntry> ReadDirectory(const BYTE* data, std::size_t size, bool resourceForm, bool* isIcon);
// The index of the entry nearest to width x height (0: 32), the most colours
// breaking ties; -1 when there are none.
int BestEntry(const std::vector<DirectoryEntry>& entries, bool isIcon, int width, int height);
// A handle for a parsed picture: hot spot set (icons: the centre), scaled to
// width x height (0: its own size, or 32 with LR_DEFAULTSIZE), shared with LR_SHARED.
HICON MakeIcon(IconImage image, bool isIcon, int hotX, int hotY, int width, int height, UINT flags);

}  // namespace win::user
