// Creating and destroying windows, with the messages in their documented order.
#include <algorithm>

#include "platform/win/user/geometry.h"
#include "platform/win/user/input.h"
#include "platform/win/user/nonclient.h"
#include "platform/win/user/paint.h"
#include "platform/win/user/queue.h"
#include "platform/win/user/state.h"
#include "platform/win/user/window.h"
#include "platform/win/user/wm_state.h"

namespace win::user {
namespace {

// CW_USEDEFAULT for a top-level window: cascade from the work area's corner,
// three quarters of the screen big.
void DefaultPlacement(int& x, int& y, int& cx, int& cy, bool child) {
  if (child) {
    if (x == CW_USEDEFAULT) x = y = 0;
    if (cx == CW_USEDEFAULT) cx = cy = 0;
    return;
  }
  host::Rect wa = host::Get().WorkArea();
  if (x == CW_USEDEFAULT) {
    int step = 26 * (WM().cascade++ % 8);
    x = wa.x + step;
    y = wa.y + step;
  }
  if (cx == CW_USEDEFAULT) {
    cx = wa.w * 3 / 4;
    cy = wa.h * 3 / 4;
  }
}

void FreeWindow(Window* w) {
  if (w->cls) w->cls->windows--;
  if (w->hostId) host::Get().DestroyWindow(w->hostId);
  w->hostId = 0;
  HWND h = w->handle;
  RemoveWindow(h);
}

void SendDestroy(Window* w) {
  WindowRef self(w);
  SendMessageA(w->handle, WM_DESTROY, 0, 0);
  if (!self) return;
  for (const WindowRef& c : RefsOf(w->children))
    if (c) SendDestroy(c.Get());
}

void SendNcDestroyAndFree(Window* w) {
  WindowRef self(w);
  for (const WindowRef& c : RefsOf(w->children))
    if (c) SendNcDestroyAndFree(c.Get());
  if (!self) return;
  HWND h = w->handle;
  KillWindowTimers(h);
  PurgeWindowMessages(h);
  LeaveStates(w);
  ForgetWindowInput(w);
  SendMessageA(h, WM_NCDESTROY, 0, 0);
  if (!self) return;
  auto& sib = SiblingsOf(w);
  sib.erase(std::remove(sib.begin(), sib.end(), w), sib.end());
  // Owned windows left (made by a handler during destruction) lose their owner.
  for (Window* t : TopLevels())
    if (t->owner == w) t->owner = nullptr;
  FreeWindow(w);
}

void NotifyParents(Window* w, UINT event) {
  if (!(w->style & WS_CHILD) || (w->exStyle & WS_EX_NOPARENTNOTIFY)) return;
  for (Window* p = w->parent; p; p = p->parent) {
    SendMessageA(p->handle, WM_PARENTNOTIFY, MAKEWPARAM(event, w->id), reinterpret_cast<LPARAM>(w->handle));
    if (!(p->style & WS_CHILD) || (p->exStyle & WS_EX_NOPARENTNOTIFY)) break;
  }
}

}  // namespace
}  // namespace win::user

using namespace win::user;

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parentHwnd, HMENU menu, HINSTANCE instance, LPVOID param) {
  WndClass* cls = FindClass(className);
  if (!cls) return nullptr;
  Window* parent = nullptr;
  Window* owner = nullptr;
  if (parentHwnd == HWND_MESSAGE) parentHwnd = nullptr;
  if (style & WS_CHILD) {
    parent = FromHandle(parentHwnd);
    if (!parent || parent == Desktop()) {
      if (!parent) return nullptr;
      parent = nullptr;
      style &= ~WS_CHILD;
    }
  } else if (parentHwnd) {
    owner = FromHandle(parentHwnd);
    if (!owner) return nullptr;
    owner = TopLevelOf(owner);
    if (owner == Desktop()) owner = nullptr;
  }
  if (!parent) {
    // Top-level windows always clip their siblings; an overlapped one
    // always has a caption.
    style |= WS_CLIPSIBLINGS;
    if (!(style & WS_POPUP)) style |= WS_CAPTION;
    if ((style & (WS_DLGFRAME | WS_THICKFRAME)) || (exStyle & WS_EX_DLGMODALFRAME)) exStyle |= WS_EX_WINDOWEDGE;
  }
  DefaultPlacement(x, y, width, height, parent != nullptr);

  auto owned = std::make_unique<Window>();
  Window* w = owned.get();
  w->cls = cls;
  w->proc = cls->proc;
  w->style = style;
  w->exStyle = exStyle;
  w->text = windowName && !IS_INTRESOURCE(windowName) ? windowName : "";
  w->parent = parent;
  w->topLevel = parent == nullptr;
  w->owner = owner;
  w->instance = instance;
  w->extra.assign(static_cast<size_t>(cls->cbWndExtra), 0);
  w->threadId = CurrentThreadId();
  w->acceptFiles = (exStyle & WS_EX_ACCEPTFILES) != 0;
  if (parent)
    w->id = reinterpret_cast<LONG_PTR>(menu);
  else
    w->menu = menu;
  HWND hwnd = AddWindow(std::move(owned));
  const WindowRef self(w);  // a handler may destroy the window at any send
  cls->windows++;
  ClaimHostThread();

  // Newest sibling on top (topmost windows stay above the others).
  auto& sib = SiblingsOf(w);
  if (!parent && !(exStyle & WS_EX_TOPMOST)) {
    auto it = std::find_if(sib.begin(), sib.end(), [](Window* s) { return !(s->exStyle & WS_EX_TOPMOST); });
    sib.insert(it, w);
  } else if (parent) {
    sib.push_back(w);  // children: the first made is on top, as Windows orders them
  } else {
    sib.insert(sib.begin(), w);
  }

  if (!parent) {
    MINMAXINFO mmi{};
    mmi.ptMaxSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
    mmi.ptMaxPosition = {-GetSystemMetrics(SM_CXFRAME), -GetSystemMetrics(SM_CYFRAME)};
    mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    if (style & (WS_THICKFRAME | WS_CAPTION)) {
      SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
      if (!self) return nullptr;
      if (style & WS_THICKFRAME) {
        width = std::clamp<int>(width, mmi.ptMinTrackSize.x, std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
        height = std::clamp<int>(height, mmi.ptMinTrackSize.y, std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
      }
    }
  }
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  w->rect = {x, y, x + width, y + height};
  w->client = w->rect;

  CREATESTRUCTA cs{};
  cs.lpCreateParams = param;
  cs.hInstance = instance;
  cs.hMenu = menu;
  cs.hwndParent = parent ? parent->handle : (owner ? owner->handle : nullptr);
  cs.cx = width;
  cs.cy = height;
  cs.x = x;
  cs.y = y;
  cs.style = static_cast<LONG>(style);
  cs.lpszName = windowName;
  cs.lpszClass = className;
  cs.dwExStyle = exStyle;

  auto fail = [&](bool sendDestroy) -> HWND {
    if (self && sendDestroy) SendDestroy(w);
    if (self) SendNcDestroyAndFree(w);
    return nullptr;
  };
  if (!SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) return fail(false);
  if (!self) return nullptr;
  w->created = true;
  RecalcClient(w);
  if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) return fail(true);
  if (!self) return nullptr;

  // The first size and position, as the window sees them.
  SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
               MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
  if (!self) return nullptr;
  // The client corner: in the parent's client coordinates, or on the screen.
  SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(w->client.left, w->client.top));
  if (!self) return nullptr;

  NotifyParents(w, WM_CREATE);
  if (!self) return nullptr;

  if (style & WS_VISIBLE) {
    w->style &= ~WS_VISIBLE;
    int cmd = SW_SHOW;
    if (style & WS_MINIMIZE)
      cmd = SW_SHOWMINIMIZED;
    else if (style & WS_MAXIMIZE)
      cmd = SW_SHOWMAXIMIZED;
    w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
    ShowWindow(hwnd, cmd);
  }
  return self ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  if (!w || w == Desktop() || w->destroying) return FALSE;
  if (w->threadId != CurrentThreadId()) return FALSE;
  w->destroying = true;
  const WindowRef self(w);  // handlers may finish the window off meanwhile
  NotifyParents(w, WM_DESTROY);
  if (!self) return TRUE;
  if (w->style & WS_VISIBLE) {
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | (w->parent ? SWP_NOACTIVATE : 0));
    if (!self) return TRUE;
  }
  // Owned windows go first, with their owner still alive.
  if (!w->parent) {
    for (const WindowRef& t : RefsOf(TopLevels()))
      if (t && t->owner == w) DestroyWindow(t.Handle());
  }
  if (!self) return TRUE;
  SendDestroy(w);
  if (self) SendNcDestroyAndFree(w);
  return TRUE;
}

BOOL IsWindow(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  return w != nullptr;
}
