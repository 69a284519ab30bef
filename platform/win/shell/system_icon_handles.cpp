#include "platform/win/shell/system_icon_handles.h"

#include <vector>

#include "platform/win/shell/system_icons.h"
#include "platform/win/windows.h"

namespace win::shell {

HICON CreateSystemIcon(int icon, int size, bool linkOverlay) {
  std::vector<std::uint32_t> pixels = SystemIconPixels(icon, size);
  if (linkOverlay) {
    const std::vector<std::uint32_t> overlay = SystemIconPixels(kIconLinkOverlay, size);
    for (std::size_t i = 0; i < pixels.size(); ++i)
      if (overlay[i] >> 24) pixels[i] = overlay[i];
  }
  // The AND mask: 1 where the background shows through.
  const int stride = ((size + 15) / 16) * 2;
  std::vector<BYTE> mask(static_cast<std::size_t>(stride * size), 0);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if ((pixels[static_cast<std::size_t>(y * size + x)] >> 24) == 0)
        mask[static_cast<std::size_t>(y * stride + x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = CreateBitmap(size, size, 1, 32, pixels.data());
  info.hbmMask = CreateBitmap(size, size, 1, 1, mask.data());
  HICON result = info.hbmColor && info.hbmMask ? CreateIconIndirect(&info) : nullptr;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return result;
}

}  // namespace win::shell
