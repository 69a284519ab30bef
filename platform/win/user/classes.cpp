// Window classes: registration, lookup and class values.
#include <algorithm>
#include <cstring>
#include <list>
#include <strings.h>

#include "platform/win/controls/system_classes.h"
#include "platform/win/user/window.h"
#include "platform/win/user/wm_state.h"

namespace win::user {
namespace {

std::list<WndClass>& Classes() {
  return WM().classes;
}

}  // namespace

WndClass* FindClass(LPCSTR nameOrAtom) {
  // The standard controls are there for every program without a set-up call.
  static bool systemControls = false;
  if (!systemControls) {
    systemControls = true;
    win::controls::RegisterSystemControls();
  }
  if (!nameOrAtom) return nullptr;
  for (WndClass& c : Classes()) {
    if (IS_INTRESOURCE(nameOrAtom)) {
      if (c.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(nameOrAtom))) return &c;
    } else if (strcasecmp(c.name.c_str(), nameOrAtom) == 0) {
      return &c;
    }
  }
  return nullptr;
}

}  // namespace win::user

using namespace win::user;

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
  if (!wc || !wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName) || !wc->lpfnWndProc) return 0;
  if (FindClass(wc->lpszClassName)) return 0;  // already registered
  if (wc->cbWndExtra < 0 || wc->cbClsExtra < 0) return 0;
  WndClass c;
  c.name = wc->lpszClassName;
  c.atom = WM().nextAtom++;
  c.style = wc->style;
  c.proc = wc->lpfnWndProc;
  c.cbClsExtra = wc->cbClsExtra;
  c.cbWndExtra = wc->cbWndExtra;
  c.instance = wc->hInstance;
  c.icon = wc->hIcon;
  c.iconSm = wc->hIconSm;
  c.cursor = wc->hCursor;
  c.background = wc->hbrBackground;
  if (wc->lpszMenuName && !IS_INTRESOURCE(wc->lpszMenuName)) c.menuName = wc->lpszMenuName;
  c.extra.assign(static_cast<size_t>(wc->cbClsExtra), 0);
  Classes().push_back(std::move(c));
  return Classes().back().atom;
}

ATOM RegisterClassA(const WNDCLASSA* wc) {
  if (!wc) return 0;
  WNDCLASSEXA ex{};
  ex.cbSize = sizeof ex;
  ex.style = wc->style;
  ex.lpfnWndProc = wc->lpfnWndProc;
  ex.cbClsExtra = wc->cbClsExtra;
  ex.cbWndExtra = wc->cbWndExtra;
  ex.hInstance = wc->hInstance;
  ex.hIcon = wc->hIcon;
  ex.hCursor = wc->hCursor;
  ex.hbrBackground = wc->hbrBackground;
  ex.lpszMenuName = wc->lpszMenuName;
  ex.lpszClassName = wc->lpszClassName;
  return RegisterClassExA(&ex);
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
  WndClass* c = FindClass(className);
  if (!c || c->windows > 0) return FALSE;  // a class in use stays
  Classes().remove_if([c](const WndClass& x) { return &x == c; });
  return TRUE;
}

BOOL GetClassInfoExA(HINSTANCE, LPCSTR className, LPWNDCLASSEXA wc) {
  WndClass* c = FindClass(className);
  if (!c || !wc) return FALSE;
  wc->style = c->style;
  wc->lpfnWndProc = c->proc;
  wc->cbClsExtra = c->cbClsExtra;
  wc->cbWndExtra = c->cbWndExtra;
  wc->hInstance = c->instance;
  wc->hIcon = c->icon;
  wc->hIconSm = c->iconSm;
  wc->hCursor = c->cursor;
  wc->hbrBackground = c->background;
  wc->lpszMenuName = c->menuName.empty() ? nullptr : c->menuName.c_str();
  wc->lpszClassName = c->name.c_str();
  return c->atom;
}

BOOL GetClassInfoA(HINSTANCE instance, LPCSTR className, LPWNDCLASSA wc) {
  WNDCLASSEXA ex{};
  if (!wc || !GetClassInfoExA(instance, className, &ex)) return FALSE;
  wc->style = ex.style;
  wc->lpfnWndProc = ex.lpfnWndProc;
  wc->cbClsExtra = ex.cbClsExtra;
  wc->cbWndExtra = ex.cbWndExtra;
  wc->hInstance = ex.hInstance;
  wc->hIcon = ex.hIcon;
  wc->hCursor = ex.hCursor;
  wc->hbrBackground = ex.hbrBackground;
  wc->lpszMenuName = ex.lpszMenuName;
  wc->lpszClassName = ex.lpszClassName;
  return TRUE;
}

int GetClassNameA(HWND hwnd, LPSTR name, int maxCount) {
  Window* w = FromHandle(hwnd);
  if (!w || !w->cls || !name || maxCount <= 0) return 0;
  int n = std::min<int>(static_cast<int>(w->cls->name.size()), maxCount - 1);
  std::memcpy(name, w->cls->name.data(), static_cast<size_t>(n));
  name[n] = 0;
  return n;
}

ULONG_PTR GetClassLongPtrA(HWND hwnd, int index) {
  Window* w = FromHandle(hwnd);
  if (!w || !w->cls) return 0;
  WndClass* c = w->cls;
  switch (index) {
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(c->background);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(c->cursor);
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(c->icon);
    case GCLP_HICONSM: return reinterpret_cast<ULONG_PTR>(c->iconSm);
    case GCLP_HMODULE: return reinterpret_cast<ULONG_PTR>(c->instance);
    case GCL_CBWNDEXTRA: return static_cast<ULONG_PTR>(c->cbWndExtra);
    case GCL_CBCLSEXTRA: return static_cast<ULONG_PTR>(c->cbClsExtra);
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(c->proc);
    case GCL_STYLE: return c->style;
    case GCW_ATOM: return c->atom;
    default:
      if (index >= 0 && static_cast<size_t>(index) + sizeof(ULONG_PTR) <= c->extra.size()) {
        ULONG_PTR v;
        std::memcpy(&v, c->extra.data() + index, sizeof v);
        return v;
      }
      return 0;
  }
}

ULONG_PTR SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  Window* w = FromHandle(hwnd);
  if (!w || !w->cls) return 0;
  WndClass* c = w->cls;
  ULONG_PTR old = GetClassLongPtrA(hwnd, index);
  switch (index) {
    case GCLP_HBRBACKGROUND: c->background = reinterpret_cast<HBRUSH>(value); break;
    case GCLP_HCURSOR: c->cursor = reinterpret_cast<HCURSOR>(value); break;
    case GCLP_HICON: c->icon = reinterpret_cast<HICON>(value); break;
    case GCLP_HICONSM: c->iconSm = reinterpret_cast<HICON>(value); break;
    case GCLP_HMODULE: c->instance = reinterpret_cast<HINSTANCE>(value); break;
    case GCLP_WNDPROC: c->proc = reinterpret_cast<WNDPROC>(value); break;
    case GCL_STYLE: c->style = static_cast<UINT>(value); break;
    default:
      if (index >= 0 && static_cast<size_t>(index) + sizeof(ULONG_PTR) <= c->extra.size()) {
        std::memcpy(c->extra.data() + index, &value, sizeof value);
        break;
      }
      return 0;
  }
  return old;
}

DWORD GetClassLongA(HWND hwnd, int index) {
  return static_cast<DWORD>(GetClassLongPtrA(hwnd, index));
}
DWORD SetClassLongA(HWND hwnd, int index, LONG value) {
  return static_cast<DWORD>(SetClassLongPtrA(hwnd, index, value));
}
