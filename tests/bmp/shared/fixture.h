// The bitmap controls' tests run on the styled tests' fixture: the headless
// host, a manual clock, the class library's application and 32-bit sheets,
// with the bitmap controls started too.
#pragma once

#include "controls/bmp/BmpUtils.h"
#include "platform/vcl/Controls.h"
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

}  // namespace bmptest
