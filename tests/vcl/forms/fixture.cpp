#include "fixture.h"

#include "platform/win/drums_ext.h"
#include "tests/support/HeadlessApplication.h"

// Made by the build, which embeds the test forms (tests/vcl/forms/embedded).
void RegisterResources_forms_test();
void UnregisterResources_forms_test();

namespace formstest {

void FormsTest::SetUp() {
  testsupport::StartApplication("Forms Test",
                                {{ppClassLibrary}, {{RegisterResources_forms_test, UnregisterResources_forms_test}}});
}

void FormsTest::TearDown() {
  testsupport::StopApplication();
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
