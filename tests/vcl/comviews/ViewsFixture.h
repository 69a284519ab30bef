// The view tests: a shown top-level windowed control on the headless host
// holding the views under test, a manual clock, an event log and helpers
// for solid-colour image lists and mouse presses sent to a view's window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

namespace viewtest {

class ViewsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void Pump();
  // Paints every invalid window now.
  void PaintNow();
  // A pixel of a control's window at client coordinates, as 0xBBGGRR.
  COLORREF Pixel(TWinControl* control, int x, int y);
  // A press and release of the left button at client coordinates.
  void Click(TWinControl* control, int x, int y);

  TWinControl* host = nullptr;
  std::vector<std::string> log;
};

// An image list of size x size pictures, one solid colour each.
void AddSolid(TCustomImageList* list, std::initializer_list<TColor> colours);
HIMAGELIST SolidList(std::initializer_list<COLORREF> colours, int size);

}  // namespace viewtest
