#include "controls_fixture.h"

namespace controlstest {

void ControlsTest::SetUp() {
  UserTest::SetUp();
  parent = Make("parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, 560, 420);
  auto& answers = usertest::MessageLog::Get().answers;
  answers[{"parent", WM_COMMAND}] = [this](HWND, WPARAM wp, LPARAM) {
    notes.push_back({LOWORD(wp), static_cast<short>(HIWORD(wp))});
    return LRESULT(0);
  };
  answers[{"parent", WM_NOTIFY}] = [this](HWND, WPARAM, LPARAM lp) {
    auto* h = reinterpret_cast<NMHDR*>(lp);
    notes.push_back({static_cast<int>(h->idFrom), static_cast<int>(h->code)});
    return onNotify ? onNotify(h) : LRESULT(0);
  };
  Pump();
  SetActiveWindow(parent);
  Pump();
}

void ControlsTest::TearDown() {
  onNotify = nullptr;
  UserTest::TearDown();
}

HWND ControlsTest::Child(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id,
                         DWORD exStyle) {
  HWND c = CreateWindowExA(exStyle, cls, text, style | WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  Pump();
  return c;
}

POINT ControlsTest::ScreenPoint(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  return p;
}

void ControlsTest::ClickAt(HWND hwnd, int x, int y, std::uint32_t mods) {
  DownAt(hwnd, x, y, mods);
  UpAt(hwnd, x, y, mods);
}

void ControlsTest::DownAt(HWND hwnd, int x, int y, std::uint32_t mods) {
  POINT p = ScreenPoint(hwnd, x, y);
  MouseDown(p.x, p.y, host::MouseButton::Left, mods);
}

void ControlsTest::UpAt(HWND hwnd, int x, int y, std::uint32_t mods) {
  POINT p = ScreenPoint(hwnd, x, y);
  MouseUp(p.x, p.y, host::MouseButton::Left, mods);
}

void ControlsTest::MoveTo(HWND hwnd, int x, int y) {
  POINT p = ScreenPoint(hwnd, x, y);
  MouseMove(p.x, p.y);
}

void ControlsTest::Type(const std::string& text) {
  host::Event e;
  e.type = host::EventType::TextInput;
  e.text = text;
  HWND active = GetActiveWindow();
  e.window = active ? HostOf(active) : 0;
  host::headless::PushEvent(e);
  Pump();
}

std::vector<int> ControlsTest::CodesOf(int id) const {
  std::vector<int> codes;
  for (const Note& n : notes)
    if (n.id == id) codes.push_back(n.code);
  return codes;
}

}  // namespace controlstest
