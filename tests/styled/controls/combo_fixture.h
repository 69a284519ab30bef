// The combo boxes' tests: the standard controls' fixture (a shown form,
// input through the headless host) with the styled library's application
// object on top, and screenshots of single windows.
#pragma once

#include <string>

#include "fixture.h"  // tests/vcl/ctlshared
#include "styled/shared/fixture.h"

namespace styledtest {

class ComboTest : public ctltest::ControlTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A left click at a screen point, delivered where the desktop would.
  void ClickScreen(TPoint p);
  // The window as the host last presented it, saved as a PNG under
  // PictureDir().
  bool SaveWindow(HWND window, const std::string& name);
};

}  // namespace styledtest
