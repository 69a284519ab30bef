// What the desktop shows at a control's client point: the colour of the
// picture last presented for the top-level window holding the control.
#pragma once

#include <cstdint>

#include "platform/host/headless.h"
#include "platform/vcl/Controls.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"

namespace testsupport {

// CLR_INVALID outside the window or before anything was presented.
inline COLORREF PresentedPixel(TControl* control, int x, int y) {
  TWinControl* holder = dynamic_cast<TWinControl*>(control);
  if (holder == nullptr) holder = control->GetParent();
  HWND top = GetAncestor(holder->GetHandle(), GA_ROOT);
  RECT r{};
  GetWindowRect(top, &r);
  const TPoint p = control->ClientToScreen(TPoint(x, y));
  const host::Surface s = host::headless::PresentedImage(win::user::HostWindowOf(top));
  const int sx = p.X - r.left, sy = p.Y - r.top;
  if (!s.pixels || sx < 0 || sy < 0 || sx >= s.width || sy >= s.height) return CLR_INVALID;
  const std::uint32_t rgb = s.pixels[sy * s.stride + sx] & 0xFFFFFF;
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace testsupport
