// Positions, sizes, z-order and visibility of windows.
#include "platform/win/user/geometry.h"

#include <algorithm>

#include "platform/win/user/frame.h"
#include "platform/win/user/nonclient.h"
#include "platform/win/user/paint.h"
#include "platform/win/user/queue.h"
#include "platform/win/user/state.h"

// Flags the window manager adds to WM_WINDOWPOSCHANGED so that the default
// handling knows what did not change for the client area.
#define SWP_NOCLIENTSIZE 0x0800
#define SWP_NOCLIENTMOVE 0x1000
#define SWP_STATECHANGED 0x8000

namespace win::user {
namespace {

POINT ParentClientOrigin(Window* w) {
  if (!w->parent) return {0, 0};
  RECT pc = ScreenClient(w->parent);
  return {pc.left, pc.top};
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void Reorder(Window* w, HWND after) {
  auto& sib = SiblingsOf(w);
  if (after == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
  if (after == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
  sib.erase(std::remove(sib.begin(), sib.end(), w), sib.end());
  bool top = !w->parent;
  auto firstNonTopmost = [&] {
    return std::find_if(sib.begin(), sib.end(), [](Window* s) { return !(s->exStyle & WS_EX_TOPMOST); });
  };
  if (after == HWND_BOTTOM) {
    if (top) w->exStyle &= ~WS_EX_TOPMOST;
    sib.push_back(w);
  } else if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
    if (top && !(w->exStyle & WS_EX_TOPMOST))
      sib.insert(firstNonTopmost(), w);
    else
      sib.insert(sib.begin(), w);
  } else {
    Window* a = FromHandle(after);
    auto it = a ? std::find(sib.begin(), sib.end(), a) : sib.end();
    if (it == sib.end())
      sib.insert(sib.begin(), w);
    else
      sib.insert(it + 1, w);
  }
}

// The area of the parent (client coordinates) a child covered, to repaint
// after it moved away or disappeared.
void ExposeParent(Window* w, const RECT& oldRect) {
  if (!w->parent) return;
  gdi::Region r(oldRect);
  InvalidateWindow(w->parent, &r, true, true, false);
}

}  // namespace

RECT ScreenRect(Window* w) {
  if (w == Desktop()) {
    // The screen may have changed size since the desktop window was made.
    host::Rect s = host::Get().ScreenBounds();
    w->rect = w->client = {s.x, s.y, s.x + s.w, s.y + s.h};
  }
  POINT o = ParentClientOrigin(w);
  return {w->rect.left + o.x, w->rect.top + o.y, w->rect.right + o.x, w->rect.bottom + o.y};
}

RECT ScreenClient(Window* w) {
  if (w == Desktop()) return ScreenRect(w);
  POINT o = ParentClientOrigin(w);
  return {w->client.left + o.x, w->client.top + o.y, w->client.right + o.x, w->client.bottom + o.y};
}

void RecalcClient(Window* w) {
  NCCALCSIZE_PARAMS p{};
  p.rgrc[0] = w->rect;
  p.rgrc[1] = w->rect;
  p.rgrc[2] = w->client;
  SendMessageA(w->handle, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&p.rgrc[0]));
  if (FromHandle(w->handle)) w->client = p.rgrc[0];
}

void EnsureHostWindow(Window* top) {
  if (top->hostId || top->parent) return;
  host::WindowParams hp;
  hp.bounds = {top->rect.left, top->rect.top, std::max<int>(1, top->rect.right - top->rect.left),
               std::max<int>(1, top->rect.bottom - top->rect.top)};
  hp.title = top->text;
  hp.popup = (top->style & WS_POPUP) && !HasCaption(top->style) && (top->exStyle & WS_EX_TOOLWINDOW);
  hp.topmost = (top->exStyle & WS_EX_TOPMOST) != 0;
  if (top->owner) {
    EnsureHostWindow(top->owner);
    hp.owner = top->owner->hostId;
  }
  top->hostId = host::Get().CreateWindow(hp);
  InstallHostHitTest();
}

void SyncHostBounds(Window* top) {
  if (!top->hostId) return;
  host::Rect want{top->rect.left, top->rect.top, std::max<int>(1, top->rect.right - top->rect.left),
                  std::max<int>(1, top->rect.bottom - top->rect.top)};
  host::Rect have = host::Get().GetBounds(top->hostId);
  if (have.x == want.x && have.y == want.y && have.w == want.w && have.h == want.h) return;
  host::Get().SetBounds(top->hostId, want);
  if (have.w != want.w || have.h != want.h) SurfaceResized(top);
}

BOOL SetWindowPosInternal(Window* w, HWND after, int x, int y, int cx, int cy, UINT flags) {
  HWND hwnd = w->handle;
  const WindowRef self(w);  // handlers may destroy the window at any send
  bool visible = (w->style & WS_VISIBLE) != 0;
  if (visible)
    flags &= ~SWP_SHOWWINDOW;
  else
    flags &= ~SWP_HIDEWINDOW;
  if (after == hwnd) flags |= SWP_NOZORDER;
  WINDOWPOS wp{hwnd, after, x, y, cx, cy, flags};
  if (flags & SWP_NOMOVE) {
    wp.x = w->rect.left;
    wp.y = w->rect.top;
  }
  if (flags & SWP_NOSIZE) {
    wp.cx = w->rect.right - w->rect.left;
    wp.cy = w->rect.bottom - w->rect.top;
  }
  if (!(flags & SWP_NOSENDCHANGING)) {
    SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    if (!self) return FALSE;
    flags = wp.flags;
  }
  if (wp.cx < 0) wp.cx = 0;
  if (wp.cy < 0) wp.cy = 0;
  RECT oldRect = w->rect, oldClient = w->client;
  bool wasShown = IsReallyVisible(w);
  RECT newRect{wp.x, wp.y, wp.x + wp.cx, wp.y + wp.cy};
  bool sizeChanged = (newRect.right - newRect.left) != (oldRect.right - oldRect.left) ||
                     (newRect.bottom - newRect.top) != (oldRect.bottom - oldRect.top);
  bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
  w->rect = newRect;
  if (sizeChanged || moved || (flags & SWP_FRAMECHANGED)) {
    NCCALCSIZE_PARAMS p{};
    p.rgrc[0] = newRect;
    p.rgrc[1] = oldRect;
    p.rgrc[2] = oldClient;
    p.lppos = &wp;
    SendMessageA(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&p));
    if (!self) return FALSE;
    w->client = p.rgrc[0];
  }
  if (!(flags & SWP_NOZORDER)) Reorder(w, wp.hwndInsertAfter);
  if (flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
  if (flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
  bool nowShown = IsReallyVisible(w);
  if (nowShown && !w->parent) EnsureHostWindow(w);

  if (!w->parent && w->hostId) {
    SyncHostBounds(w);
    if (flags & SWP_SHOWWINDOW) host::Get().ShowWindow(w->hostId, true);
    if (flags & SWP_HIDEWINDOW) host::Get().ShowWindow(w->hostId, false);
    if (!(flags & SWP_NOZORDER) && !(flags & SWP_NOACTIVATE) && nowShown) host::Get().Raise(w->hostId);
  }

  bool clientSizeChanged = (w->client.right - w->client.left) != (oldClient.right - oldClient.left) ||
                           (w->client.bottom - w->client.top) != (oldClient.bottom - oldClient.top);
  bool clientMoved = w->client.left != oldClient.left || w->client.top != oldClient.top;
  if (!(flags & SWP_NOREDRAW)) {
    if (wasShown && (!nowShown || moved || sizeChanged)) ExposeParent(w, oldRect);
    if (nowShown && (!wasShown || moved || sizeChanged || (flags & SWP_FRAMECHANGED) || !(flags & SWP_NOZORDER))) {
      InvalidateWindow(w, nullptr, true, true, true);
    }
  } else if (flags & SWP_FRAMECHANGED) {
    w->ncPaint = true;
  }

  // Showing or raising a top-level window activates it unless asked not to.
  if (!(flags & SWP_NOACTIVATE) && !w->parent && nowShown && (flags & SWP_SHOWWINDOW || !(flags & SWP_NOZORDER))) {
    Activate(w, WA_ACTIVE);
    if (!self) return TRUE;
  }
  if ((flags & SWP_HIDEWINDOW) && !w->parent && Focus().active == hwnd) {
    // The next visible top-level window takes over.
    Window* next = nullptr;
    if (w->owner && IsReallyVisible(w->owner)) next = w->owner;
    for (Window* t : TopLevels())
      if (!next && t != w && IsReallyVisible(t) && !(t->exStyle & WS_EX_TOOLWINDOW && t->style & WS_POPUP)) next = t;
    Activate(next, WA_ACTIVE);
    if (!self) return TRUE;
  }
  if ((flags & SWP_HIDEWINDOW) && w->parent) {
    HWND f = Focus().focus;
    if (f && (f == hwnd || IsChild(hwnd, f))) SetFocus(w->parent->handle);
  }

  wp.flags = flags;
  if (!clientSizeChanged) wp.flags |= SWP_NOCLIENTSIZE;
  if (!clientMoved) wp.flags |= SWP_NOCLIENTMOVE;
  if (!sizeChanged) wp.flags |= SWP_NOSIZE;
  if (!moved) wp.flags |= SWP_NOMOVE;
  SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
  return TRUE;
}

void HostMovedOrSized(Window* top, const RECT& r) {
  if (SameRect(top->rect, r)) return;
  SetWindowPosInternal(top, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win::user

using namespace win::user;
namespace gdi = win::gdi;

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
  Window* w = FromHandle(hwnd);
  if (!w || !rect) return FALSE;
  *rect = ScreenRect(w);
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
  Window* w = FromHandle(hwnd);
  if (!w || !rect) return FALSE;
  if (w == Desktop()) ScreenRect(w);
  *rect = {0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
  return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  Window* w = FromHandle(hwnd);
  if (!w || w == Desktop()) return FALSE;
  // Asynchronous positioning is done at once: the window is always ours.
  return SetWindowPosInternal(w, insertAfter, x, y, cx, cy, flags & ~SWP_ASYNCWINDOWPOS);
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

namespace {
struct DeferList {
  std::vector<WINDOWPOS> items;
};
}  // namespace

HDWP BeginDeferWindowPos(int count) {
  if (count < 0) return nullptr;
  auto* d = new DeferList;
  d->items.reserve(static_cast<size_t>(count));
  return reinterpret_cast<HDWP>(d);
}

HDWP DeferWindowPos(HDWP info, HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  auto* d = reinterpret_cast<DeferList*>(info);
  if (!d) return nullptr;
  if (!IsWindow(hwnd)) {
    delete d;
    return nullptr;
  }
  for (WINDOWPOS& p : d->items) {
    if (p.hwnd == hwnd) {
      p = {hwnd, insertAfter, x, y, cx, cy, flags};
      return info;
    }
  }
  d->items.push_back({hwnd, insertAfter, x, y, cx, cy, flags});
  return info;
}

BOOL EndDeferWindowPos(HDWP info) {
  auto* d = reinterpret_cast<DeferList*>(info);
  if (!d) return FALSE;
  for (const WINDOWPOS& p : d->items) SetWindowPos(p.hwnd, p.hwndInsertAfter, p.x, p.y, p.cx, p.cy, p.flags);
  delete d;
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
  Window* w = FromHandle(hwnd);
  if (!w || !point) return FALSE;
  RECT c = ScreenClient(w);
  point->x += c.left;
  point->y += c.top;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
  Window* w = FromHandle(hwnd);
  if (!w || !point) return FALSE;
  RECT c = ScreenClient(w);
  point->x -= c.left;
  point->y -= c.top;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  POINT a{0, 0}, b{0, 0};
  if (from && !ClientToScreen(from, &a)) return 0;
  if (to && !ClientToScreen(to, &b)) return 0;
  int dx = a.x - b.x, dy = a.y - b.y;
  for (UINT i = 0; points && i < count; i++) {
    points[i].x += dx;
    points[i].y += dy;
  }
  return MAKELONG(dx, dy);
}

namespace {
bool InWindowShape(Window* w, POINT screen) {
  RECT r = ScreenRect(w);
  if (screen.x < r.left || screen.x >= r.right || screen.y < r.top || screen.y >= r.bottom) return false;
  if (w->windowRgn && !w->windowRgn->Contains(screen.x - r.left, screen.y - r.top)) return false;
  return true;
}

// The deepest visible, enabled-or-not child under a screen point.
Window* DeepestChild(Window* w, POINT screen) {
  for (Window* c : w->children) {
    if (!(c->style & WS_VISIBLE) || !InWindowShape(c, screen)) continue;
    if (c->exStyle & WS_EX_TRANSPARENT) continue;
    if (c->style & WS_DISABLED) return c;
    return DeepestChild(c, screen);
  }
  return w;
}
}  // namespace

namespace win::user {
Window* WindowAtScreenPoint(POINT screen) {
  for (Window* t : TopLevels()) {
    if (!(t->style & WS_VISIBLE) || !InWindowShape(t, screen)) continue;
    Window* w = DeepestChild(t, screen);
    // Windows that answer HTTRANSPARENT let the point through to a
    // sibling or parent underneath.
    while (w && w != t) {
      LRESULT ht = SendMessageA(w->handle, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
      if (ht != HTTRANSPARENT) break;
      w = w->parent;
    }
    return w;
  }
  return nullptr;
}
}  // namespace win::user

HWND WindowFromPoint(POINT point) {
  Window* w = WindowAtScreenPoint(point);
  return w ? w->handle : nullptr;
}

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
  Window* p = FromHandle(parent);
  if (!p) return nullptr;
  RECT cr;
  GetClientRect(parent, &cr);
  if (p != Desktop() && (point.x < cr.left || point.y < cr.top || point.x >= cr.right || point.y >= cr.bottom))
    return nullptr;
  POINT screen = point;
  ClientToScreen(parent, &screen);
  auto& list = p == Desktop() ? TopLevels() : p->children;
  for (Window* c : list) {
    if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) continue;
    if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
    if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT)) continue;
    if (InWindowShape(c, screen)) return c->handle;
  }
  return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
  return ChildWindowFromPointEx(parent, point, CWP_ALL);
}

HWND RealChildWindowFromPoint(HWND parent, POINT point) {
  return ChildWindowFromPointEx(parent, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
}

BOOL ShowWindow(HWND hwnd, int cmd) {
  Window* w = FromHandle(hwnd);
  if (!w || w == Desktop()) return FALSE;
  const WindowRef self(w);  // handlers may destroy the window at any send
  bool wasVisible = (w->style & WS_VISIBLE) != 0;
  UINT noActivate = w->parent ? SWP_NOACTIVATE : 0;
  switch (cmd) {
    case SW_HIDE:
      if (!wasVisible) return FALSE;
      SendMessageA(hwnd, WM_SHOWWINDOW, FALSE, 0);
      if (!self) return TRUE;
      SetWindowPosInternal(w, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      return TRUE;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE: {
      if (!wasVisible) {
        SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!self) return FALSE;
      }
      if (!w->minimized) {
        if (!w->maximized) w->restoreRect = w->rect;
        w->minimized = true;
        w->style |= WS_MINIMIZE;
        if (w->hostId) host::Get().Minimize(w->hostId);
      }
      SetWindowPosInternal(w, nullptr, 0, 0, 0, 0,
                           SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      if (self) SendMessageA(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
      if (self && Focus().active == hwnd && cmd != SW_SHOWMINIMIZED) {
        Activate(nullptr, WA_INACTIVE);
      }
      return wasVisible;
    }
    case SW_MAXIMIZE: {
      if (!wasVisible) {
        SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!self) return FALSE;
      }
      RECT target;
      if (w->parent) {
        target = {0, 0, w->parent->client.right - w->parent->client.left,
                  w->parent->client.bottom - w->parent->client.top};
      } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &target, 0);
      }
      int b = BorderThickness(w->style, w->exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
      target.left -= b;
      target.top -= b;
      target.right += b;
      target.bottom += b;
      if (!w->maximized && !w->minimized) w->restoreRect = w->rect;
      w->maximized = true;
      w->minimized = false;
      w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
      if (w->hostId) host::Get().Restore(w->hostId);
      SetWindowPosInternal(w, HWND_TOP, target.left, target.top, target.right - target.left, target.bottom - target.top,
                           SWP_SHOWWINDOW | SWP_FRAMECHANGED | noActivate);
      return wasVisible;
    }
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT: {
      if (!wasVisible) {
        SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!self) return FALSE;
      }
      if (w->minimized || w->maximized) {
        RECT r = w->restoreRect;
        bool wasMin = w->minimized;
        w->minimized = w->maximized = false;
        w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
        if (w->hostId && wasMin) host::Get().Restore(w->hostId);
        SetWindowPosInternal(w, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             SWP_SHOWWINDOW | SWP_FRAMECHANGED | noActivate);
        if (wasMin && self && !(w->parent))
          SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
                       MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
        return wasVisible;
      }
      SetWindowPosInternal(w, HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | noActivate);
      return wasVisible;
    }
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA:
      if (!wasVisible) {
        SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!self) return FALSE;
      }
      SetWindowPosInternal(
          w, HWND_TOP, 0, 0, 0, 0,
          SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | (cmd == SW_SHOWNA ? SWP_NOZORDER : 0));
      return wasVisible;
    case SW_SHOW:
    default:
      if (!wasVisible) {
        SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!self) return FALSE;
      }
      SetWindowPosInternal(w, HWND_TOP, 0, 0, 0, 0,
                           SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | noActivate | (w->parent ? SWP_NOZORDER : 0));
      return wasVisible;
  }
}

BOOL IsWindowVisible(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  return w && IsReallyVisible(w);
}

BOOL IsIconic(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  return w && w->minimized;
}

BOOL IsZoomed(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  return w && w->maximized;
}

BOOL CloseWindow(HWND hwnd) {
  return ShowWindow(hwnd, SW_MINIMIZE) || IsWindow(hwnd);
}
BOOL OpenIcon(HWND hwnd) {
  return ShowWindow(hwnd, SW_RESTORE) || IsWindow(hwnd);
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  const WindowRef self(w);  // handlers may destroy the window at any send
  bool wasDisabled = (w->style & WS_DISABLED) != 0;
  if (enable && wasDisabled) {
    w->style &= ~WS_DISABLED;
    SendMessageA(hwnd, WM_ENABLE, TRUE, 0);
  } else if (!enable && !wasDisabled) {
    SendMessageA(hwnd, WM_CANCELMODE, 0, 0);
    if (!self) return FALSE;
    w->style |= WS_DISABLED;
    HWND f = Focus().focus;
    if (f && (f == hwnd || IsChild(hwnd, f))) SetFocus(nullptr);
    if (Focus().capture == hwnd) ReleaseCapture();
    SendMessageA(hwnd, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  return w && !(w->style & WS_DISABLED);
}

BOOL BringWindowToTop(HWND hwnd) {
  return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* p) {
  Window* w = FromHandle(hwnd);
  if (!w || !p) return FALSE;
  p->flags = 0;
  p->showCmd = w->minimized              ? SW_SHOWMINIMIZED
               : w->maximized            ? SW_SHOWMAXIMIZED
               : (w->style & WS_VISIBLE) ? SW_SHOWNORMAL
                                         : SW_HIDE;
  p->ptMinPosition = {-1, -1};
  p->ptMaxPosition = {-1, -1};
  p->rcNormalPosition = (w->minimized || w->maximized) ? w->restoreRect : w->rect;
  return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* p) {
  Window* w = FromHandle(hwnd);
  if (!w || !p) return FALSE;
  const RECT& r = p->rcNormalPosition;
  if (w->minimized || w->maximized)
    w->restoreRect = r;
  else
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(hwnd, static_cast<int>(p->showCmd));
  return TRUE;
}
