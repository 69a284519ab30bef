// The controls' tests: a recording parent window on the headless host, the
// notifications it hears in order, and input aimed at a control's points.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win/commctrl.h"
#include "platform/win/windows.h"
#include "win/user/fixture.h"

namespace controlstest {

// One notification the parent heard: WM_COMMAND (code from HIWORD(wParam))
// or WM_NOTIFY (code from the header).
struct Note {
  int id = 0;
  int code = 0;
  bool operator==(const Note& o) const { return id == o.id && code == o.code; }
};

class ControlsTest : public usertest::UserTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Child(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id, DWORD exStyle = 0);
  POINT ScreenPoint(HWND hwnd, int x, int y);
  // Mouse at a point of a control's client area.
  void ClickAt(HWND hwnd, int x, int y, std::uint32_t mods = 0);
  void DownAt(HWND hwnd, int x, int y, std::uint32_t mods = 0);
  void UpAt(HWND hwnd, int x, int y, std::uint32_t mods = 0);
  void MoveTo(HWND hwnd, int x, int y);
  // Text as the desktop's text input delivers it, to the focused window.
  void Type(const std::string& text);
  std::vector<int> CodesOf(int id) const;

  HWND parent = nullptr;
  std::vector<Note> notes;
  // Answers WM_NOTIFY instead of 0 when set.
  std::function<LRESULT(NMHDR*)> onNotify;
};

}  // namespace controlstest
