// The window manager's own records: window classes, windows and the handle
// table that maps an HWND to its record.
#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/host/host.h"
#include "platform/win/gdi/region.h"
#include "platform/win/winuser.h"

namespace win::user {

struct WndClass {
  std::string name;
  ATOM atom = 0;
  UINT style = 0;
  WNDPROC proc = nullptr;
  int cbClsExtra = 0;
  int cbWndExtra = 0;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HICON iconSm = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  std::string menuName;
  std::vector<BYTE> extra;
  int windows = 0;  // live windows of this class
};

struct ScrollBarState {
  int min = 0, max = 100;
  UINT page = 0;
  int pos = 0;
  int trackPos = 0;
  bool tracking = false;
  UINT disabledArrows = 0;
  bool shown = true;  // only meaningful while the window has the style bit
};

struct Window : std::enable_shared_from_this<Window> {
  HWND handle = nullptr;
  WndClass* cls = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::string text;
  Window* parent = nullptr;  // nullptr: a top-level window
  Window* owner = nullptr;  // top-level windows only
  std::vector<Window*> children;  // z-order, topmost first
  RECT rect{};  // window rectangle: parent client coordinates, or screen
  RECT client{};  // client rectangle, same coordinates as rect
  LONG_PTR id = 0;  // child id (GWLP_ID)
  LONG_PTR userData = 0;
  HINSTANCE instance = nullptr;
  std::vector<BYTE> extra;  // cbWndExtra bytes
  std::vector<std::pair<std::string, HANDLE>> props;
  HMENU menu = nullptr;  // menu bar of a top-level window
  host::WindowId hostId = 0;  // top-level windows only
  DWORD threadId = 0;  // set before the window is in the table, never changed
  // Read by any thread: the table took the window out (it is being freed)
  // and whether it has no parent (a broadcast reaches it).
  std::atomic<bool> removed{false};
  std::atomic<bool> topLevel{true};

  // Painting.
  gdi::Region update;  // client coordinates
  bool erase = false;  // WM_ERASEBKGND due before the next paint
  bool ncPaint = false;  // the frame needs drawing
  bool internalPaint = false;
  bool inPaint = false;
  std::optional<gdi::Region> windowRgn;  // window coordinates
  HDC ownDC = nullptr;

  ScrollBarState hscroll, vscroll;
  bool minimized = false;
  bool maximized = false;
  RECT restoreRect{};  // normal position while minimized or maximized

  bool destroying = false;
  bool created = false;  // WM_NCCREATE answered
  bool acceptFiles = false;
  HFONT font = nullptr;
  HCURSOR cursorOverride = nullptr;
};

// The handle table. Handles are never reused, so a stale one fails lookup.
// FromHandle's pointer is for the window's own thread, which alone destroys
// it; other threads use ThreadOfWindow or WindowRef.
Window* FromHandle(HWND hwnd);
HWND AddWindow(std::unique_ptr<Window> w);
void RemoveWindow(HWND hwnd);
// The thread that owns a window, read under the table lock; 0 when none.
DWORD ThreadOfWindow(HWND hwnd);
// Every live top-level window with its thread, read under the table lock.
std::vector<std::pair<HWND, DWORD>> TopLevelThreads();

// A reference to a window that outlives its destruction: the record stays
// readable while one is held, and Get() answers nullptr once the window is
// gone. Code that sends a message and then goes on with the window keeps
// one, since the receiver may destroy the window meanwhile.
class WindowRef {
 public:
  WindowRef() = default;
  explicit WindowRef(Window* w) : w_(w ? w->shared_from_this() : nullptr) {}
  explicit WindowRef(HWND hwnd);
  Window* Get() const { return w_ && !w_->removed.load(std::memory_order_acquire) ? w_.get() : nullptr; }
  explicit operator bool() const { return Get() != nullptr; }
  Window* operator->() const { return Get(); }
  HWND Handle() const { return w_ ? w_->handle : nullptr; }

 private:
  std::shared_ptr<Window> w_;
};
// References to a list of windows (children, top-levels), taken before
// messages go out so that each is checked before it is used.
std::vector<WindowRef> RefsOf(const std::vector<Window*>& windows);
// Every live window, top-level ones in z-order (topmost first).
std::vector<Window*>& TopLevels();

// The pseudo window for the whole screen.
Window* Desktop();

WndClass* FindClass(LPCSTR nameOrAtom);

DWORD CurrentThreadId();

// Sibling list a window sits in (its parent's children or the top-levels).
std::vector<Window*>& SiblingsOf(Window* w);
// The top-level window a window belongs to.
Window* TopLevelOf(Window* w);
bool IsDescendant(Window* ancestor, Window* w);
// Whether the window and all its ancestors are visible.
bool IsReallyVisible(Window* w);

}  // namespace win::user
