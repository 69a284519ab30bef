// Records the messages windows receive and compares them with an expected
// table, so that an order the system relies on is pinned in one place.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/win/winuser.h"

namespace usertest {

struct Logged {
  std::string window;  // the name the test gave the window
  UINT msg = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// One expected entry. `optional` entries may be missing; when checkWParam is
// set, wParam must match too.
struct Expected {
  std::string window;
  UINT msg = 0;
  bool optional = false;
  bool checkWParam = false;
  WPARAM wParam = 0;
};
inline Expected E(std::string w, UINT m) {
  return {std::move(w), m, false, false, 0};
}
inline Expected Opt(std::string w, UINT m) {
  return {std::move(w), m, true, false, 0};
}
inline Expected EW(std::string w, UINT m, WPARAM wp) {
  return {std::move(w), m, false, true, wp};
}

class MessageLog {
 public:
  static MessageLog& Get();

  void Clear() { entries_.clear(); }
  const std::vector<Logged>& Entries() const { return entries_; }
  void Name(HWND hwnd, std::string name) { names_[hwnd] = std::move(name); }
  void Record(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  // Entries of those messages only, in order.
  std::vector<Logged> Only(const std::set<UINT>& msgs) const;
  std::vector<UINT> MessagesOf(const std::string& window) const;
  int Count(const std::string& window, UINT msg) const;

  // Handlers a test installs to answer a message instead of DefWindowProc.
  std::map<std::pair<std::string, UINT>, std::function<LRESULT(HWND, WPARAM, LPARAM)>> answers;

 private:
  std::vector<Logged> entries_;
  std::map<HWND, std::string> names_;
};

// Compares the recorded entries (only the messages named in `watched`, or
// every one when it is empty) with the table; returns "" or what differs.
std::string Compare(const std::vector<Expected>& table, const std::set<UINT>& watched);

std::string MessageName(UINT msg);

// The class of recording windows: every message is logged, then answered by
// an installed handler or DefWindowProcA.
const char* RecordingClass();
const char* RecordingClassDbl();  // the same with CS_DBLCLKS
LRESULT CALLBACK RecordingProc(HWND, UINT, WPARAM, LPARAM);

// Creates a recording window and names it before any message arrives.
HWND MakeWindow(const std::string& name, DWORD style, int x, int y, int w, int h, HWND parent = nullptr,
                DWORD exStyle = 0, const char* cls = nullptr, HMENU menu = nullptr);

}  // namespace usertest
