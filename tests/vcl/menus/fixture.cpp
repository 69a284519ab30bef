#include "fixture.h"

#include <cstdlib>

#include "platform/host/png_file.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/vcl/graphics/Colors.h"
#include "tests/support/HeadlessApplication.h"

namespace menustest {

void MenusTest::SetUp() {
  testsupport::StartApplication("Menus Test");
}

void MenusTest::TearDown() {
  Application->OnIdle = nullptr;
  testsupport::StopApplication();
}

void MenusTest::Click(int sx, int sy, host::MouseButton button) {
  POINT p{sx, sy};
  HWND top = GetAncestor(WindowFromPoint(p), GA_ROOT);
  RECT r{};
  GetWindowRect(top, &r);
  for (host::EventType type : {host::EventType::MouseMove, host::EventType::MouseDown, host::EventType::MouseUp}) {
    host::Event e;
    e.type = type;
    e.button = button;
    e.window = win::user::HostWindowOf(top);
    e.screenX = sx;
    e.screenY = sy;
    e.x = sx - r.left;
    e.y = sy - r.top;
    host::headless::PushEvent(e);
  }
  Pump();
}

void MenusTest::Key(HWND window, int vk, std::uint32_t modifiers) {
  QueueKey(window, vk, modifiers);
  Pump();
}

void MenusTest::QueueKey(HWND window, int vk, std::uint32_t modifiers) {
  for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
    host::Event e;
    e.type = type;
    e.key = vk;
    e.modifiers = modifiers;
    e.window = win::user::HostWindowOf(window);
    host::headless::PushEvent(e);
  }
}

TForm* MenusTest::MakeForm(int width, int height) {
  TForm* form = TCustomForm::CreateNew<TForm>(Application);
  form->SetLeft(100);
  form->SetTop(100);
  form->SetClientWidth(width);
  form->SetClientHeight(height);
  form->SetCaption("Menus");
  form->Show();
  Pump();
  return form;
}

TMenuItem* MenusTest::AddItem(TMenuItem* parent, const std::string& caption, TComponent* owner) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

std::string MenusTest::EntryText(HMENU menu, int position) {
  char text[256] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

std::vector<std::uint32_t> MenusTest::Desktop(const RECT& area, const std::string& name) {
  int w = area.right - area.left, h = area.bottom - area.top;
  std::vector<std::uint32_t> out(static_cast<size_t>(w) * static_cast<size_t>(h), 0x808080);
  for (bool topmost : {false, true})
    for (host::WindowId id : host::headless::Windows()) {
      host::headless::WindowState state;
      if (!host::headless::GetWindowState(id, state) || !state.visible || state.minimized || state.topmost != topmost)
        continue;
      host::Surface s = host::headless::PresentedImage(id);
      for (int y = 0; y < s.height; y++)
        for (int x = 0; x < s.width; x++) {
          int sx = state.bounds.x + x - area.left, sy = state.bounds.y + y - area.top;
          if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
          out[static_cast<size_t>(sy) * static_cast<size_t>(w) + static_cast<size_t>(sx)] =
              s.pixels[static_cast<size_t>(y) * static_cast<size_t>(s.stride) + static_cast<size_t>(x)] & 0xFFFFFF;
        }
    }
  if (const char* dir = std::getenv("DRUMS_CONTROL_PICTURES"); dir && *dir) {
    host::Surface surface{out.data(), w, h, w};
    host::WritePng(std::string(dir) + "/" + name + ".png", surface);
  }
  return out;
}

}  // namespace menustest
