// FillRect, FrameRect, InvertRect, DrawFocusRect and the system colour brushes.
#include <array>
#include <mutex>

#include "platform/win/gdi/brush.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/user/draw/sys_colors.h"
#include "platform/win/user/draw/user_draw.h"
#include "platform/win/wingdi.h"
#include "platform/win/winuser_draw.h"

using win::gdi::Brush;
using win::gdi::DeviceContext;
using win::gdi::LookupDC;

HBRUSH WINAPI GetSysColorBrush(int index) {
  if (index < 0 || index >= win::user::kSysColorCount) return nullptr;
  static std::mutex lock;
  static std::array<HBRUSH, win::user::kSysColorCount> brushes{};
  std::lock_guard<std::mutex> guard(lock);
  HBRUSH& slot = brushes[static_cast<std::size_t>(index)];
  if (!slot) {
    slot = static_cast<HBRUSH>(win::gdi::AddObject(Brush::MakeSolid(win::user::SysColor(index))));
    win::gdi::MarkStock(slot);
  }
  return slot;
}

namespace win::user {

const Brush* ResolveBrush(HBRUSH brush) {
  // Window classes pass a system colour as its index + 1.
  const auto value = reinterpret_cast<std::uintptr_t>(brush);
  if (value >= 1 && value <= static_cast<std::uintptr_t>(kSysColorCount)) {
    brush = GetSysColorBrush(static_cast<int>(value) - 1);
  }
  return win::gdi::LookupAs<Brush>(brush);
}

void FillDevice(DeviceContext& dc, const RECT& r, COLORREF color) {
  for (LONG y = r.top; y < r.bottom; ++y) dc.FillSpan(y, r.left, r.right, color, R2_COPYPEN);
}

}  // namespace win::user

int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH hbrush) {
  DeviceContext* dc = LookupDC(hdc);
  const Brush* brush = win::user::ResolveBrush(hbrush);
  if (!dc || !rect || !brush) return FALSE;
  // A copy of the brush whatever the DC's raster operation.
  dc->FillDeviceRect(dc->ToDevice(*rect), *brush, R2_COPYPEN);
  return TRUE;
}

int WINAPI FrameRect(HDC hdc, const RECT* rect, HBRUSH hbrush) {
  DeviceContext* dc = LookupDC(hdc);
  const Brush* brush = win::user::ResolveBrush(hbrush);
  if (!dc || !rect || !brush) return FALSE;
  const RECT r = dc->ToDevice(*rect);
  if (r.right <= r.left || r.bottom <= r.top) return TRUE;
  dc->FillDeviceRect(RECT{r.left, r.top, r.right, r.top + 1}, *brush, R2_COPYPEN);
  dc->FillDeviceRect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, *brush, R2_COPYPEN);
  dc->FillDeviceRect(RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, *brush, R2_COPYPEN);
  dc->FillDeviceRect(RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, *brush, R2_COPYPEN);
  return TRUE;
}

BOOL WINAPI InvertRect(HDC hdc, const RECT* rect) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !rect) return FALSE;
  const RECT r = dc->ToDevice(*rect);
  for (LONG y = r.top; y < r.bottom; ++y) dc->FillSpan(y, r.left, r.right, 0, R2_NOT);
  return TRUE;
}

BOOL WINAPI DrawFocusRect(HDC hdc, const RECT* rect) {
  DeviceContext* dc = LookupDC(hdc);
  if (!dc || !rect) return FALSE;
  const RECT r = dc->ToDevice(*rect);
  if (r.right <= r.left || r.bottom <= r.top) return TRUE;
  // Every other pixel of the frame, each inverted exactly once, so a second
  // call puts the pixels back.
  auto dot = [&](LONG x, LONG y) {
    if (((x + y) & 1) == 0) dc->FillSpan(y, x, x + 1, 0, R2_NOT);
  };
  for (LONG x = r.left; x < r.right; ++x) {
    dot(x, r.top);
    if (r.bottom - 1 > r.top) dot(x, r.bottom - 1);
  }
  for (LONG y = r.top + 1; y < r.bottom - 1; ++y) {
    dot(r.left, y);
    if (r.right - 1 > r.left) dot(r.right - 1, y);
  }
  return TRUE;
}
