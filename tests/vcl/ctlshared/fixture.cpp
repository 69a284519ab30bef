#include "fixture.h"

#include <filesystem>

#include "platform/vcl/Classes.h"
#include "platform/vcl/classes/streaming/TextForm.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/vcl/graphics/Colors.h"
#include "tests/support/HeadlessApplication.h"
#include "support/FormText.h"
#include "support/HostMouse.h"

namespace ctltest {

void ControlTest::SetUp() {
  testsupport::StartApplication("Controls Test", startup);
  form = TCustomForm::CreateNew<TForm>(Application);
  form->SetBounds(100, 100, 480, 360);
  form->SetCaption("Controls");
  form->Show();
  Pump();
}

void ControlTest::TearDown() {
  testsupport::StopApplication();
}

void ControlTest::Advance(int milliseconds) {
  win::clock::Advance(static_cast<std::uint64_t>(milliseconds) * 1000);
  Pump();
}

void ControlTest::ClickAt(TControl* control, int x, int y, bool doubleClick) {
  for (int i = 0; i < (doubleClick ? 2 : 1); i++)
    for (host::EventType type : {host::EventType::MouseDown, host::EventType::MouseUp})
      testsupport::PushMouseEvent(type, control, x, y);
  Pump();
}

void ControlTest::QueueKey(WORD vk, std::uint32_t modifiers) {
  HWND top = GetAncestor(form->GetHandle(), GA_ROOT);
  for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
    host::Event e;
    e.type = type;
    e.key = vk;
    e.modifiers = modifiers;
    e.window = win::user::HostWindowOf(top);
    host::headless::PushEvent(e);
  }
}

void ControlTest::Type(const std::string& text) {
  HWND focus = GetFocus();
  for (char c : text) SendMessageA(focus, WM_CHAR, static_cast<unsigned char>(c), 1);
  Pump();
}

void ControlTest::PaintNow() {
  Pump();
  RedrawWindow(form->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
}

COLORREF ControlTest::PixelAt(TControl* control, int x, int y) {
  PaintNow();
  return Pixel(control, x, y);
}

COLORREF ControlTest::Pixel(TControl* control, int x, int y) {
  // What the desktop shows: the form's window as the host last presented it,
  // child windows and all.
  HWND top = GetAncestor(form->GetHandle(), GA_ROOT);
  RECT r{};
  GetWindowRect(top, &r);
  TPoint p = control->ClientToScreen(TPoint(x, y));
  host::Surface s = host::headless::PresentedImage(win::user::HostWindowOf(top));
  int sx = p.X - r.left, sy = p.Y - r.top;
  if (!s.pixels || sx < 0 || sy < 0 || sx >= s.width || sy >= s.height) return CLR_INVALID;
  std::uint32_t rgb = s.pixels[sy * s.stride + sx] & 0xFFFFFF;
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::string ControlTest::PictureDir() {
  return testsupport::PictureFolder("DRUMS_CONTROL_PICTURES");
}

bool ControlTest::SaveScreenshot(const std::string& name) {
  PaintNow();
  std::filesystem::create_directories(PictureDir());
  return host::Get().Screenshot(win::user::HostWindowOf(form->GetHandle()), PictureDir() + "/" + name);
}

void ControlTest::ReadForm(const std::string& text, TComponent* root) {
  testsupport::ReadComponentText(text, root);
}

std::string ControlTest::WriteForm(TComponent* root) {
  return testsupport::WriteFormText(root);
}

}  // namespace ctltest
