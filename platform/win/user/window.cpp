#include "platform/win/user/window.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <unordered_map>

#include <sys/syscall.h>
#include <unistd.h>

#include "platform/win/user/wm_state.h"

namespace win::user {

WindowManagerState& WM() {
  // Never destroyed: threads and the host may still call in while the
  // process ends.
  static WindowManagerState* state = new WindowManagerState;
  return *state;
}

Window* FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  WindowManagerState& s = WM();
  std::lock_guard lock(s.tableMutex);
  auto it = s.windows.find(reinterpret_cast<UINT_PTR>(hwnd));
  return it == s.windows.end() ? nullptr : it->second.get();
}

WindowRef::WindowRef(HWND hwnd) {
  if (!hwnd) return;
  WindowManagerState& s = WM();
  std::lock_guard lock(s.tableMutex);
  auto it = s.windows.find(reinterpret_cast<UINT_PTR>(hwnd));
  if (it != s.windows.end()) w_ = it->second;
}

std::vector<WindowRef> RefsOf(const std::vector<Window*>& windows) {
  std::vector<WindowRef> refs;
  refs.reserve(windows.size());
  for (Window* w : windows) refs.emplace_back(w);
  return refs;
}

DWORD ThreadOfWindow(HWND hwnd) {
  if (!hwnd) return 0;
  WindowManagerState& s = WM();
  std::lock_guard lock(s.tableMutex);
  auto it = s.windows.find(reinterpret_cast<UINT_PTR>(hwnd));
  return it == s.windows.end() ? 0 : it->second->threadId;
}

std::vector<std::pair<HWND, DWORD>> TopLevelThreads() {
  WindowManagerState& s = WM();
  std::vector<std::pair<HWND, DWORD>> out;
  std::lock_guard lock(s.tableMutex);
  for (auto& [value, w] : s.windows)
    if (w->topLevel.load() && w->threadId) out.emplace_back(w->handle, w->threadId);  // not the desktop
  // The table has no order; handles grow with age.
  std::sort(out.begin(), out.end(), [](auto& a, auto& b) { return a.first < b.first; });
  return out;
}

HWND AddWindow(std::unique_ptr<Window> w) {
  WindowManagerState& s = WM();
  std::lock_guard lock(s.tableMutex);
  UINT_PTR value = s.nextHandle;
  s.nextHandle += 4;
  HWND hwnd = reinterpret_cast<HWND>(value);
  w->handle = hwnd;
  s.windows[value] = std::shared_ptr<Window>(std::move(w));
  return hwnd;
}

void RemoveWindow(HWND hwnd) {
  // Freed outside the lock, or later by the last WindowRef holding it.
  std::shared_ptr<Window> dying;
  WindowManagerState& s = WM();
  {
    std::lock_guard lock(s.tableMutex);
    auto it = s.windows.find(reinterpret_cast<UINT_PTR>(hwnd));
    if (it == s.windows.end()) return;
    dying = std::move(it->second);
    dying->removed.store(true, std::memory_order_release);
    s.windows.erase(it);
  }
}

std::vector<Window*>& TopLevels() {
  return WM().topLevels;
}

Window* Desktop() {
  static Window* desktop = [] {
    auto w = std::make_unique<Window>();
    host::Rect b = host::Get().ScreenBounds();
    w->rect = {b.x, b.y, b.x + b.w, b.y + b.h};
    w->client = w->rect;
    w->style = WS_VISIBLE | WS_CLIPCHILDREN;
    Window* raw = w.get();
    AddWindow(std::move(w));
    return WM().desktop = raw;
  }();
  return desktop;
}

DWORD CurrentThreadId() {
  thread_local DWORD id = static_cast<DWORD>(::syscall(SYS_gettid));
  return id;
}

std::vector<Window*>& SiblingsOf(Window* w) {
  return w->parent ? w->parent->children : TopLevels();
}

Window* TopLevelOf(Window* w) {
  while (w && w->parent) w = w->parent;
  return w;
}

bool IsDescendant(Window* ancestor, Window* w) {
  for (Window* p = w ? w->parent : nullptr; p; p = p->parent)
    if (p == ancestor) return true;
  return false;
}

bool IsReallyVisible(Window* w) {
  for (; w; w = w->parent)
    if (!(w->style & WS_VISIBLE)) return false;
  return true;
}

}  // namespace win::user
