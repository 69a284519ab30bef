// Window values (GetWindowLong and friends), window procedures and properties.
#include <cstring>
#include <string>
#include <strings.h>

#include "platform/win/user/frame.h"
#include "platform/win/user/geometry.h"
#include "platform/win/user/window.h"

using namespace win::user;

namespace {

bool ExtraRange(Window* w, int index, size_t size) {
  return index >= 0 && static_cast<size_t>(index) + size <= w->extra.size();
}

LONG_PTR SetStyle(Window* w, int index, LONG_PTR value) {
  HWND hwnd = w->handle;
  STYLESTRUCT ss{};
  DWORD& slot = index == GWL_STYLE ? w->style : w->exStyle;
  ss.styleOld = slot;
  ss.styleNew = static_cast<DWORD>(value);
  SendMessageA(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
  if (!(w = FromHandle(hwnd))) return 0;
  DWORD& slot2 = index == GWL_STYLE ? w->style : w->exStyle;
  DWORD old = slot2;
  if (index == GWL_STYLE) {
    // Visibility changes only through ShowWindow; the child bit does not change.
    DWORD keep = WS_VISIBLE | WS_CHILD;
    ss.styleNew = (ss.styleNew & ~keep) | (old & keep);
  }
  slot2 = ss.styleNew;
  if (index == GWL_EXSTYLE) w->acceptFiles = (slot2 & WS_EX_ACCEPTFILES) != 0;
  SendMessageA(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
  return static_cast<LONG_PTR>(static_cast<LONG>(old));
}

}  // namespace

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
  Window* w = FromHandle(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(w->parent ? w->parent->handle : w->owner ? w->owner->handle : nullptr);
    case GWLP_ID: return w->parent ? w->id : reinterpret_cast<LONG_PTR>(w->menu);
    case GWL_STYLE: return static_cast<LONG>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG>(w->exStyle);
    case GWLP_USERDATA: return w->userData;
    default:
      if (ExtraRange(w, index, sizeof(LONG_PTR))) {
        LONG_PTR v;
        std::memcpy(&v, w->extra.data() + index, sizeof v);
        return v;
      }
      return 0;
  }
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  Window* w = FromHandle(hwnd);
  if (!w) return 0;
  LONG_PTR old = GetWindowLongPtrA(hwnd, index);
  switch (index) {
    case GWLP_WNDPROC: w->proc = reinterpret_cast<WNDPROC>(value); return old;
    case GWLP_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(value); return old;
    case GWLP_HWNDPARENT:
      if (!w->parent) {
        Window* o = FromHandle(reinterpret_cast<HWND>(value));
        w->owner = o ? TopLevelOf(o) : nullptr;
        if (w->owner == w) w->owner = nullptr;
      }
      return old;
    case GWLP_ID:
      if (w->parent) w->id = value;
      return old;
    case GWL_STYLE:
    case GWL_EXSTYLE: return SetStyle(w, index, value);
    case GWLP_USERDATA: w->userData = value; return old;
    default:
      if (ExtraRange(w, index, sizeof(LONG_PTR))) {
        std::memcpy(w->extra.data() + index, &value, sizeof value);
        return old;
      }
      return 0;
  }
}

LONG GetWindowLongA(HWND hwnd, int index) {
  Window* w = FromHandle(hwnd);
  if (!w) return 0;
  if (index >= 0 && ExtraRange(w, index, sizeof(LONG))) {
    LONG v;
    std::memcpy(&v, w->extra.data() + index, sizeof v);
    return v;
  }
  return static_cast<LONG>(GetWindowLongPtrA(hwnd, index));
}

LONG SetWindowLongA(HWND hwnd, int index, LONG value) {
  Window* w = FromHandle(hwnd);
  if (!w) return 0;
  if (index >= 0 && ExtraRange(w, index, sizeof(LONG))) {
    LONG old;
    std::memcpy(&old, w->extra.data() + index, sizeof old);
    std::memcpy(w->extra.data() + index, &value, sizeof value);
    return old;
  }
  if (index == GWL_STYLE || index == GWL_EXSTYLE)
    return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, static_cast<DWORD>(value)));
  return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, value));
}

WORD GetWindowWord(HWND hwnd, int index) {
  Window* w = FromHandle(hwnd);
  if (!w || !ExtraRange(w, index, sizeof(WORD))) return 0;
  WORD v;
  std::memcpy(&v, w->extra.data() + index, sizeof v);
  return v;
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!proc) return 0;
  return proc(hwnd, msg, wParam, lParam);
}

static bool SameName(const std::string& key, LPCSTR name) {
  if (IS_INTRESOURCE(name)) return key == "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
  return strcasecmp(key.c_str(), name) == 0;
}

static std::string Key(LPCSTR name) {
  if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
  return name;
}

BOOL SetPropA(HWND hwnd, LPCSTR name, HANDLE data) {
  Window* w = FromHandle(hwnd);
  if (!w || !name) return FALSE;
  for (auto& p : w->props)
    if (SameName(p.first, name)) {
      p.second = data;
      return TRUE;
    }
  w->props.emplace_back(Key(name), data);
  return TRUE;
}

HANDLE GetPropA(HWND hwnd, LPCSTR name) {
  Window* w = FromHandle(hwnd);
  if (!w || !name) return nullptr;
  for (auto& p : w->props)
    if (SameName(p.first, name)) return p.second;
  return nullptr;
}

HANDLE RemovePropA(HWND hwnd, LPCSTR name) {
  Window* w = FromHandle(hwnd);
  if (!w || !name) return nullptr;
  for (auto it = w->props.begin(); it != w->props.end(); ++it)
    if (SameName(it->first, name)) {
      HANDLE d = it->second;
      w->props.erase(it);
      return d;
    }
  return nullptr;
}

int EnumPropsA(HWND hwnd, PROPENUMPROCA proc) {
  Window* w = FromHandle(hwnd);
  if (!w || !proc) return -1;
  int last = -1;
  auto copy = w->props;
  for (auto& p : copy) {
    last = proc(hwnd, p.first.c_str(), p.second);
    if (!last) break;
  }
  return last;
}
