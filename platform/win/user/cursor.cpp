// The pointer: position, shape and visibility.
#include <algorithm>
#include <atomic>

#include "platform/host/host.h"
#include "platform/win/user/cursor_bridge.h"
#include "platform/win/user/input.h"
#include "platform/win/user/wm_state.h"
#include "platform/win/winuser.h"

namespace win::user {
namespace {
CursorApplier& Applier() {
  static CursorApplier applier;
  return applier;
}
}  // namespace

void SetCursorApplier(CursorApplier applier) {
  Applier() = std::move(applier);
}

int StandardCursorId(HCURSOR cursor) {
  auto v = reinterpret_cast<ULONG_PTR>(cursor);
  return v >= 32512 && v <= 32650 ? static_cast<int>(v) : 0;
}

void ApplyCursor(HCURSOR cursor) {
  if (cursor && Applier() && Applier()(cursor)) return;
  host::SystemCursor c = host::SystemCursor::Arrow;
  switch (StandardCursorId(cursor)) {
    case 32513: c = host::SystemCursor::IBeam; break;
    case 32514: c = host::SystemCursor::Wait; break;
    case 32515: c = host::SystemCursor::Cross; break;
    case 32516: c = host::SystemCursor::UpArrow; break;
    case 32642: c = host::SystemCursor::SizeNWSE; break;
    case 32643: c = host::SystemCursor::SizeNESW; break;
    case 32644: c = host::SystemCursor::SizeWE; break;
    case 32645: c = host::SystemCursor::SizeNS; break;
    case 32646: c = host::SystemCursor::SizeAll; break;
    case 32648: c = host::SystemCursor::No; break;
    case 32649: c = host::SystemCursor::Hand; break;
    case 32650: c = host::SystemCursor::AppStarting; break;
    default: break;
  }
  host::Get().SetCursor(c);
}

}  // namespace win::user

using namespace win::user;

HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR old = WM().cursor;
  WM().cursor = cursor;
  if (cursor != old && WM().cursorShowCount >= 0) ApplyCursor(cursor);
  return old;
}

HCURSOR GetCursor() {
  return WM().cursor;
}

int ShowCursor(BOOL show) {
  WM().cursorShowCount += show ? 1 : -1;
  return WM().cursorShowCount;
}

BOOL GetCursorPos(LPPOINT point) {
  if (!point) return FALSE;
  *point = CursorScreenPos();
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  if (WM().cursorClipped) {
    x = std::max<int>(WM().cursorClip.left, std::min<int>(x, WM().cursorClip.right - 1));
    y = std::max<int>(WM().cursorClip.top, std::min<int>(y, WM().cursorClip.bottom - 1));
  }
  // The desktop's pointer is the person's; only our idea of it moves, and
  // a move message follows so that windows see it.
  SetCursorScreenPos({x, y});
  DeliverMouse(host::EventType::MouseMove, {x, y}, host::MouseButton::Left, kKeepModifiers, 0);
  return TRUE;
}

BOOL ClipCursor(const RECT* rect) {
  WM().cursorClipped = rect != nullptr;
  if (rect) WM().cursorClip = *rect;
  return TRUE;
}

BOOL GetClipCursor(LPRECT rect) {
  if (!rect) return FALSE;
  if (WM().cursorClipped)
    *rect = WM().cursorClip;
  else {
    host::Rect s = host::Get().ScreenBounds();
    *rect = {s.x, s.y, s.x + s.w, s.y + s.h};
  }
  return TRUE;
}
