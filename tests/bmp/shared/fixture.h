// The bitmap controls' tests run on the styled tests' fixture: the headless
// host, a manual clock, the class library's application and 32-bit sheets,
// with the bitmap controls started too.
#pragma once

#include "controls/bmp/BmpUtils.h"
#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Controls.h"
#include "platform/win/drums_ext.h"
#include "styled/shared/fixture.h"

namespace bmptest {

class BmpTest : public styledtest::StyledProcs {
 protected:
  BmpTest() { startup.Parts.Include(ppBmpCtrls); }
};
using styledtest::Rgb;
using styledtest::Sheet;

// A skin: a gradient painted by a graphic control under the controls.
class TSkin : public TGraphicControl {
 public:
  explicit TSkin(TComponent* owner) : TGraphicControl(owner) {}

 protected:
  void Paint() override {
    GradientFill(GetCanvas()->GetHandle(), GetClientRect(), static_cast<TColor>(RGB(40, 20, 80)), false, 64,
                 static_cast<TColor>(RGB(200, 120, 40)));
  }
};

// A move, press and release at (x, y) of control on form, through the host
// as the desktop sends them; then the messages are handled.
inline void ClickThroughHost(TForm* form, TWinControl* control, int x, int y) {
  RECT r;
  GetWindowRect(control->GetHandle(), &r);
  HWND top = form->GetHandle();
  RECT f;
  GetWindowRect(top, &f);
  for (host::EventType type : {host::EventType::MouseMove, host::EventType::MouseDown, host::EventType::MouseUp}) {
    host::Event e;
    e.type = type;
    e.button = host::MouseButton::Left;
    e.window = win::user::HostWindowOf(top);
    e.screenX = r.left + x;
    e.screenY = r.top + y;
    e.x = e.screenX - f.left;
    e.y = e.screenY - f.top;
    host::headless::PushEvent(e);
  }
  Application->ProcessMessages();
}

}  // namespace bmptest
