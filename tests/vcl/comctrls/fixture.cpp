#include "fixture.h"

#include "platform/win/drums_ext.h"
#include "tests/support/HeadlessApplication.h"

namespace comctrlstest {

void ComCtrlsTest::SetUp() {
  testsupport::StartApplication("Common Controls Test");
  form = TForm::CreateNew<TForm>(Application);
  form->SetCaption("Common controls");
  form->SetBounds(100, 100, 520, 380);
  form->Show();
  Pump();
}

void ComCtrlsTest::TearDown() {
  delete form;
  form = nullptr;
  ReleaseCapture();
  testsupport::StopApplication();
}

void ComCtrlsTest::Pump() {
  Application->ProcessMessages();
}

void ComCtrlsTest::AdvanceMs(int ms) {
  win::clock::Advance(static_cast<std::uint64_t>(ms) * 1000);
  Pump();
}

void ComCtrlsTest::Paint() {
  RedrawWindow(form->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
}

host::WindowId ComCtrlsTest::HostOfForm() {
  return win::user::HostWindowOf(form->GetHandle());
}

void ComCtrlsTest::Push(host::Event e, TWinControl* control, int x, int y) {
  POINT p{x, y};
  ClientToScreen(control->GetHandle(), &p);
  // The top-level window holding the control (the fixture's form or another).
  HWND top = GetAncestor(control->GetHandle(), GA_ROOT);
  RECT r;
  GetWindowRect(top, &r);
  e.window = win::user::HostWindowOf(top);
  e.screenX = p.x;
  e.screenY = p.y;
  e.x = p.x - r.left;
  e.y = p.y - r.top;
  host::headless::PushEvent(e);
  Pump();
}

void ComCtrlsTest::Mouse(host::EventType type, TWinControl* control, int x, int y) {
  host::Event e;
  e.type = type;
  e.button = host::MouseButton::Left;
  Push(e, control, x, y);
}

void ComCtrlsTest::MouseDown(TWinControl* control, int x, int y) {
  Mouse(host::EventType::MouseDown, control, x, y);
}

void ComCtrlsTest::MouseMove(TWinControl* control, int x, int y) {
  Mouse(host::EventType::MouseMove, control, x, y);
}

void ComCtrlsTest::MouseUp(TWinControl* control, int x, int y) {
  Mouse(host::EventType::MouseUp, control, x, y);
}

void ComCtrlsTest::Click(TWinControl* control, int x, int y) {
  // Far enough from any earlier click not to make a double click.
  AdvanceMs(1000);
  MouseDown(control, x, y);
  MouseUp(control, x, y);
}

std::uint32_t ComCtrlsTest::Pixel(TWinControl* control, int x, int y) {
  POINT p{x, y};
  ClientToScreen(control->GetHandle(), &p);
  RECT r;
  GetWindowRect(form->GetHandle(), &r);
  host::Surface s = host::Get().GetSurface(HostOfForm());
  int sx = p.x - r.left, sy = p.y - r.top;
  if (!s.pixels || sx < 0 || sy < 0 || sx >= s.width || sy >= s.height) return 0xFFFFFFFF;
  return s.pixels[sy * s.stride + sx] & 0xFFFFFF;
}

bool ComCtrlsTest::NeedsPaint(TWinControl* control) {
  RECT r;
  return GetUpdateRect(control->GetHandle(), &r, FALSE) != FALSE;
}

std::string ComCtrlsTest::WindowText(TWinControl* control) {
  char text[256] = {0};
  GetWindowTextA(control->GetHandle(), text, sizeof text);
  return text;
}

}  // namespace comctrlstest
