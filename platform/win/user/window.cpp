#include "platform/win/user/window.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <unordered_map>

#include <sys/syscall.h>
#include <unistd.h>

namespace win::user {
namespace {

std::mutex& TableMutex() {
  static std::mutex m;
  return m;
}

std::unordered_map<UINT_PTR, std::unique_ptr<Window>>& Table() {
  static std::unordered_map<UINT_PTR, std::unique_ptr<Window>> table;
  return table;
}

UINT_PTR g_nextHandle = 0x10000;

}  // namespace

Window* FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  std::lock_guard lock(TableMutex());
  auto it = Table().find(reinterpret_cast<UINT_PTR>(hwnd));
  return it == Table().end() ? nullptr : it->second.get();
}

HWND AddWindow(std::unique_ptr<Window> w) {
  std::lock_guard lock(TableMutex());
  UINT_PTR value = g_nextHandle;
  g_nextHandle += 4;
  HWND hwnd = reinterpret_cast<HWND>(value);
  w->handle = hwnd;
  Table()[value] = std::move(w);
  return hwnd;
}

void RemoveWindow(HWND hwnd) {
  std::unique_ptr<Window> dying;
  {
    std::lock_guard lock(TableMutex());
    auto it = Table().find(reinterpret_cast<UINT_PTR>(hwnd));
    if (it == Table().end()) return;
    dying = std::move(it->second);
    Table().erase(it);
  }
}

std::vector<Window*>& TopLevels() {
  static std::vector<Window*> tops;
  return tops;
}

Window* Desktop() {
  static Window* desktop = [] {
    auto w = std::make_unique<Window>();
    host::Rect s = host::Get().ScreenBounds();
    w->rect = {s.x, s.y, s.x + s.w, s.y + s.h};
    w->client = w->rect;
    w->style = WS_VISIBLE | WS_CLIPCHILDREN;
    Window* raw = w.get();
    AddWindow(std::move(w));
    return raw;
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
