// The window tree: parents, children, owners, siblings and enumeration.
#include <algorithm>
#include <cstring>
#include <strings.h>
#include <unistd.h>

#include "platform/win/user/geometry.h"
#include "platform/win/user/paint.h"
#include "platform/win/user/window.h"

using namespace win::user;

HWND GetDesktopWindow() {
  return Desktop()->handle;
}

HWND GetParent(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  if (!w) return nullptr;
  if (w->style & WS_CHILD) return w->parent ? w->parent->handle : nullptr;
  // A popup's "parent" is its owner.
  if ((w->style & WS_POPUP) && w->owner) return w->owner->handle;
  return nullptr;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  Window* w = FromHandle(hwnd);
  if (!w || w == Desktop()) return nullptr;
  switch (flags) {
    case GA_PARENT: return w->parent ? w->parent->handle : Desktop()->handle;
    case GA_ROOT: return TopLevelOf(w)->handle;
    case GA_ROOTOWNER: {
      Window* t = TopLevelOf(w);
      while (t->owner) t = t->owner;
      return t->handle;
    }
    default: return nullptr;
  }
}

BOOL IsChild(HWND parent, HWND hwnd) {
  Window* p = FromHandle(parent);
  Window* w = FromHandle(hwnd);
  if (!p || !w) return FALSE;
  for (Window* a = w; a && (a->style & WS_CHILD); a = a->parent)
    if (a->parent == p) return TRUE;
  return FALSE;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
  Window* w = FromHandle(hwnd);
  if (!w) return nullptr;
  if (cmd == GW_CHILD) {
    auto& list = w == Desktop() ? TopLevels() : w->children;
    return list.empty() ? nullptr : list.front()->handle;
  }
  if (cmd == GW_OWNER) return w->owner ? w->owner->handle : nullptr;
  if (w == Desktop()) return nullptr;
  auto& sib = SiblingsOf(w);
  auto it = std::find(sib.begin(), sib.end(), w);
  if (it == sib.end()) return nullptr;
  switch (cmd) {
    case GW_HWNDFIRST: return sib.front()->handle;
    case GW_HWNDLAST: return sib.back()->handle;
    case GW_HWNDNEXT: return it + 1 == sib.end() ? nullptr : (*(it + 1))->handle;
    case GW_HWNDPREV: return it == sib.begin() ? nullptr : (*(it - 1))->handle;
    default: return nullptr;
  }
}

HWND GetTopWindow(HWND hwnd) {
  return GetWindow(hwnd ? hwnd : GetDesktopWindow(), GW_CHILD);
}

HWND SetParent(HWND child, HWND newParent) {
  Window* w = FromHandle(child);
  if (!w || w == Desktop()) return nullptr;
  Window* p = newParent ? FromHandle(newParent) : Desktop();
  if (!p || p == w || IsDescendant(w, p)) return nullptr;
  HWND old = w->parent ? w->parent->handle : GetDesktopWindow();
  bool visible = (w->style & WS_VISIBLE) != 0;
  if (visible) ShowWindow(child, SW_HIDE);
  RECT screen = ScreenRect(w);
  auto& sib = SiblingsOf(w);
  sib.erase(std::remove(sib.begin(), sib.end(), w), sib.end());
  if (p == Desktop()) {
    // Becoming a top-level window is not something this system does;
    // the window keeps its records but stands alone.
    w->parent = nullptr;
    w->topLevel = true;
    TopLevels().insert(TopLevels().begin(), w);
  } else {
    w->parent = p;
    w->topLevel = false;
    p->children.insert(p->children.begin(), w);
  }
  RECT pc = w->parent ? ScreenClient(w->parent) : RECT{0, 0, 0, 0};
  int dx = screen.left - pc.left - w->rect.left, dy = screen.top - pc.top - w->rect.top;
  w->rect.left += dx;
  w->rect.right += dx;
  w->rect.top += dy;
  w->rect.bottom += dy;
  w->client.left += dx;
  w->client.right += dx;
  w->client.top += dy;
  w->client.bottom += dy;
  if (visible) ShowWindow(child, SW_SHOWNA);
  return old;
}

static BOOL EnumDescendants(Window* w, WNDENUMPROC proc, LPARAM lParam) {
  for (const WindowRef& c : RefsOf(w->children)) {
    if (!c) continue;
    if (!proc(c.Handle(), lParam)) return FALSE;
    if (c && !EnumDescendants(c.Get(), proc, lParam)) return FALSE;
  }
  return TRUE;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  Window* p = parent ? FromHandle(parent) : Desktop();
  if (!p || !proc) return FALSE;
  if (p == Desktop()) return EnumWindows(proc, lParam);
  EnumDescendants(p, proc, lParam);
  return TRUE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  if (!proc) return FALSE;
  for (const WindowRef& t : RefsOf(TopLevels())) {
    if (!t) continue;
    if (!proc(t.Handle(), lParam)) return FALSE;
  }
  return TRUE;
}

BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam) {
  if (!proc) return FALSE;
  for (const WindowRef& t : RefsOf(TopLevels())) {
    if (!t || t->threadId != threadId) continue;
    if (!proc(t.Handle(), lParam)) return FALSE;
  }
  return TRUE;
}

static bool NameMatches(Window* w, LPCSTR className, LPCSTR windowName) {
  if (className) {
    if (IS_INTRESOURCE(className)) {
      if (!w->cls || w->cls->atom != static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(className))) return false;
    } else if (!w->cls || strcasecmp(w->cls->name.c_str(), className) != 0) {
      return false;
    }
  }
  return !windowName || w->text == windowName;
}

HWND FindWindowA(LPCSTR className, LPCSTR windowName) {
  for (Window* t : TopLevels())
    if (NameMatches(t, className, windowName)) return t->handle;
  return nullptr;
}

HWND FindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName) {
  Window* p = parent ? FromHandle(parent) : Desktop();
  if (!p) return nullptr;
  auto& list = p == Desktop() ? TopLevels() : p->children;
  bool started = childAfter == nullptr;
  for (Window* c : list) {
    if (!started) {
      started = c->handle == childAfter;
      continue;
    }
    if (NameMatches(c, className, windowName)) return c->handle;
  }
  return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  return w && w->parent ? static_cast<int>(w->id) : 0;
}

HWND GetDlgItem(HWND dialog, int id) {
  Window* d = FromHandle(dialog);
  if (!d) return nullptr;
  for (Window* c : d->children)
    if (static_cast<int>(c->id) == id) return c->handle;
  return nullptr;
}

DWORD GetWindowThreadProcessId(HWND hwnd, LPDWORD processId) {
  DWORD thread = ThreadOfWindow(hwnd);  // any thread may ask
  if (!thread) return 0;
  if (processId) *processId = static_cast<DWORD>(::getpid());
  return thread;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
  if (!IsWindow(hwnd)) return FALSE;
  return static_cast<BOOL>(SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")));
}

int GetWindowTextA(HWND hwnd, LPSTR text, int maxCount) {
  if (!text || maxCount <= 0) return 0;
  text[0] = 0;
  if (!IsWindow(hwnd)) return 0;
  return static_cast<int>(
      SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthA(HWND hwnd) {
  if (!IsWindow(hwnd)) return 0;
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}
