// The combo boxes' tests: the standard controls' fixture (a shown form,
// input through the headless host) with the styled library's application
// object on top, and screenshots of single windows.
#pragma once

#include <memory>
#include <string>

#include "controls/styled/styextcS.h"
#include "controls/styled/styshapA.h"
#include "fixture.h"  // tests/vcl/ctlshared
#include "styled/shared/fixture.h"

namespace styledtest {

// A form the tests read from text: its fields name the controls they look at.
class TStyledTestForm : public TForm {
  DRUMS_CLASS(TStyledTestForm, TForm)
 public:
  using TForm::TForm;
  TStyColorComboBox* cbxLEDColor = nullptr;
  TStyShapeButton* trkMute_01 = nullptr;

 private:
  static void Publish(TPublisher<TStyledTestForm>& p);
};

class ComboTest : public ctltest::ControlTest {
 protected:
  void SetUp() override;
  // A left click at a screen point, delivered where the desktop would.
  void ClickScreen(TPoint p);
  // The window as the host last presented it, saved as a PNG under
  // PictureDir().
  bool SaveWindow(HWND window, const std::string& name);
  // A form read from the body of an "object Form: TStyledTestForm" text.
  std::unique_ptr<TStyledTestForm> ReadTestForm(const std::string& body);
};

}  // namespace styledtest
