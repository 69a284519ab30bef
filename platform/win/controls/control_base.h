// What every standard control shares: its state object kept in the window's
// extra bytes, notifications to the parent, colours and fonts asked of it.
// The controls stand on the public window API only, as real controls do.
#pragma once

#include <string>

#include "platform/win/wingdi.h"
#include "platform/win/winuser.h"

namespace win::controls {

// Bytes of window extra every control class reserves for its state pointer.
constexpr int kStateBytes = sizeof(LONG_PTR);

// Where a control keeps its state: the class's extra bytes, or a window
// property when a program registered a copy of the class without them.
constexpr char kStateProp[] = "ControlState";
inline void* LoadState(HWND hwnd) {
  if (GetClassLongA(hwnd, GCL_CBWNDEXTRA) >= kStateBytes) return reinterpret_cast<void*>(GetWindowLongPtrA(hwnd, 0));
  return GetPropA(hwnd, kStateProp);
}
inline void StoreState(HWND hwnd, void* state) {
  if (GetClassLongA(hwnd, GCL_CBWNDEXTRA) >= kStateBytes)
    SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(state));
  else if (state)
    SetPropA(hwnd, kStateProp, state);
  else
    RemovePropA(hwnd, kStateProp);
}

// The window procedure of a control whose state is a T built at WM_NCCREATE
// (T(HWND, const CREATESTRUCTA&)) and deleted after WM_NCDESTROY; T::Handle
// answers every message in between.
template <class T>
LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  T* state = static_cast<T*>(LoadState(hwnd));
  if (!state) {
    if (msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wParam, lParam);
    state = new T(hwnd, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
    StoreState(hwnd, state);
  }
  if (msg == WM_NCDESTROY) {
    LRESULT r = state->Handle(msg, wParam, lParam);
    StoreState(hwnd, nullptr);
    delete state;
    return r;
  }
  return state->Handle(msg, wParam, lParam);
}

// Registers a class for every program, as the system's own are.
void RegisterControlClass(const char* name, WNDPROC proc, UINT style, LPCSTR cursor = IDC_ARROW);

// WM_COMMAND to the parent (or owner) with the control's id and a code.
void NotifyParent(HWND hwnd, int code);
// The brush a parent gives for WM_CTLCOLORxxx; its colours are set in dc.
HBRUSH ParentBrush(HWND hwnd, HDC dc, UINT ctlColorMsg);
// The font controls use until WM_SETFONT gives another.
HFONT DefaultControlFont();
// Line height of a font (tmHeight).
int FontHeight(HFONT font);
// The window's text through WM_GETTEXT.
std::string WindowText(HWND hwnd);
bool KeyDown(int vk);

// A device context with a font selected, restored on leaving.
class FontScope {
 public:
  FontScope(HDC dc, HFONT font) : dc_(dc), old_(SelectObject(dc, font ? font : DefaultControlFont())) {}
  ~FontScope() { SelectObject(dc_, old_); }
  FontScope(const FontScope&) = delete;
  FontScope& operator=(const FontScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace win::controls
