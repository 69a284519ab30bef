// The labels' tests: a shown form to put labels on, clicks through the
// form's window, the form painted onto a sheet, and a recording opener in
// place of the desktop's.
#pragma once

#include <string>
#include <vector>

#include "controls/styled/stystdcS.h"
#include "styled/shared/fixture.h"

namespace styledtest {

class LabelTest : public StyledProcs {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A label on the form at (x, y) in Arial 10 with the caption.
  TStySimpleLabel* NewLabel(const std::string& caption, int x = 10, int y = 10);
  // A left click at a point of a control on the form.
  void ClickAt(TControl* control, int x, int y);
  // The form's client area as it paints now.
  std::unique_ptr<Sheet> PaintForm();
  // The extent of text in the label's font.
  static TSize TextExtent(TStySimpleLabel* label, const std::string& text);

  TForm* form = nullptr;
  // Every command line the shell started, and whether the opener works.
  std::vector<std::vector<std::string>> opened;
  bool openerWorks = true;
};

}  // namespace styledtest
