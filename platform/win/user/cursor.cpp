// The pointer: position, shape and visibility.
#include <algorithm>
#include <atomic>

#include "platform/host/host.h"
#include "platform/win/user/cursor_bridge.h"
#include "platform/win/user/input.h"
#include "platform/win/winuser.h"

namespace win::user {
namespace {
CursorApplier& Applier() {
  static CursorApplier applier;
  return applier;
}
HCURSOR g_current = nullptr;
int g_showCount = 0;
RECT g_clip{};
bool g_clipped = false;
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
  HCURSOR old = g_current;
  g_current = cursor;
  if (cursor != old && g_showCount >= 0) ApplyCursor(cursor);
  return old;
}

HCURSOR GetCursor() {
  return g_current;
}

int ShowCursor(BOOL show) {
  g_showCount += show ? 1 : -1;
  return g_showCount;
}

BOOL GetCursorPos(LPPOINT point) {
  if (!point) return FALSE;
  *point = CursorScreenPos();
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  if (g_clipped) {
    x = std::max<int>(g_clip.left, std::min<int>(x, g_clip.right - 1));
    y = std::max<int>(g_clip.top, std::min<int>(y, g_clip.bottom - 1));
  }
  // The desktop's pointer is the person's; only our idea of it moves, and
  // a move message follows so that windows see it.
  SetCursorScreenPos({x, y});
  DeliverMouse(host::EventType::MouseMove, {x, y}, host::MouseButton::Left, kKeepModifiers, 0);
  return TRUE;
}

BOOL ClipCursor(const RECT* rect) {
  g_clipped = rect != nullptr;
  if (rect) g_clip = *rect;
  return TRUE;
}

BOOL GetClipCursor(LPRECT rect) {
  if (!rect) return FALSE;
  if (g_clipped)
    *rect = g_clip;
  else {
    host::Rect s = host::Get().ScreenBounds();
    *rect = {s.x, s.y, s.x + s.w, s.y + s.h};
  }
  return TRUE;
}
