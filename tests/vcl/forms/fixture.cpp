#include "fixture.h"

#include "platform/vcl/controls/Screen.h"
#include "platform/vcl/graphics/Colors.h"
#include "platform/win/drums_ext.h"

// Made by the build, which embeds the test forms (tests/vcl/forms/embedded).
void RegisterResources_forms_test();

namespace formstest {

void FormsTest::SetUp() {
  static bool registered = false;
  if (!registered) {
    RegisterResources_forms_test();
    RegisterColorIdents();
    registered = true;
  }
  win::clock::UseManual(1'000'000'000);
  host::headless::SetScreen({0, 0, 1280, 1024}, {0, 0, 1280, 984});
  vcl::InitControls();
  InitApplication();
  Application->Initialize();
  Application->SetTitle("Forms Test");
}

void FormsTest::TearDown() {
  win::user::SetMessageBoxAnswer(nullptr);
  win::user::TakeMessageBoxRecords();
  DoneApplication();
  vcl::DoneControls();
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {}
  win::clock::UseReal();
}

host::WindowId FormsTest::HostOf(HWND hwnd) {
  return win::user::HostWindowOf(hwnd);
}

void FormsTest::Click(int sx, int sy) {
  POINT p{sx, sy};
  HWND top = GetAncestor(WindowFromPoint(p), GA_ROOT);
  RECT r{};
  GetWindowRect(top, &r);
  for (host::EventType type : {host::EventType::MouseDown, host::EventType::MouseUp}) {
    host::Event e;
    e.type = type;
    e.window = HostOf(top);
    e.screenX = sx;
    e.screenY = sy;
    e.x = sx - r.left;
    e.y = sy - r.top;
    host::headless::PushEvent(e);
  }
  Pump();
}

}  // namespace formstest
