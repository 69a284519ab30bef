// The common controls' tests: a shown form on the headless host with a
// manual clock, input injected as the desktop would report it, and probes
// of the windows the controls made.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/host/headless.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Forms.h"
#include "platform/win/commctrl.h"
#include "platform/win/windows.h"

namespace comctrlstest {

// A text box on the window manager's "EDIT" class, to associate an up-down with.
class TEditProbe : public TWinControl {
  DRUMS_CLASS(TEditProbe, TWinControl)

 public:
  explicit TEditProbe(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 60, 22); }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    InitCommonControls();
    CreateSubClass(params, "EDIT");
  }
};

class ComCtrlsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void Pump();
  void AdvanceMs(int ms);
  // Paints every invalid part of the form now.
  void Paint();
  // Mouse input at client coordinates of a control's window.
  void MouseDown(TWinControl* control, int x, int y);
  void MouseMove(TWinControl* control, int x, int y);
  void MouseUp(TWinControl* control, int x, int y);
  void Click(TWinControl* control, int x, int y);
  // A pixel of the form's surface at client coordinates of control, 0xRRGGBB.
  std::uint32_t Pixel(TWinControl* control, int x, int y);
  // Whether the control's window waits to be painted.
  bool NeedsPaint(TWinControl* control);
  std::string WindowText(TWinControl* control);

  TForm* form = nullptr;

 private:
  void Push(host::Event e, TWinControl* control, int x, int y);
  void Mouse(host::EventType type, TWinControl* control, int x, int y);
  host::WindowId HostOfForm();
};

}  // namespace comctrlstest
