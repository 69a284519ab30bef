// The flat combo: its selection event, the focus hand-over after a choice
// by mouse or Enter (not while browsing with the arrow keys), its frames and
// its search timer.
#include <string>
#include <vector>

#include "combo_fixture.h"
#include "controls/styled/stycombo.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/win/windows.h"

namespace styledtest {
namespace {

class FlatCombo : public ComboTest {
 protected:
  void SetUp() override {
    ComboTest::SetUp();
    combo = new TStyCustomComboBox(form);
    combo->SetStyle(csDropDownList);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 21);
    for (int i = 1; i <= 6; ++i) combo->GetItems()->Add("Item " + std::to_string(i));
    combo->SetItemIndex(0);
    combo->OnSelect = [this](TObject*) { events.push_back("select " + std::to_string(combo->GetItemIndex())); };
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 100, 150, 21);
    Pump();
  }
  TStyCustomComboBox* combo = nullptr;
  TEdit* edit = nullptr;
  std::vector<std::string> events;
};

TEST_F(FlatCombo, ArrowKeysSelectButKeepTheFocusAndEnterHandsItOver) {
  combo->SetFocusControl(edit);
  combo->SetFocus();
  Pump();
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(events, (std::vector<std::string>{"select 1", "select 2"}));
  EXPECT_TRUE(combo->Focused());
  PressKey(VK_RETURN);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(combo->GetItemIndex(), 2);
}

TEST_F(FlatCombo, AChoiceWithTheMouseHandsTheFocusOver) {
  combo->SetFocusControl(edit);
  ClickAt(combo, 140, 10);  // drops the list
  ASSERT_TRUE(combo->GetDroppedDown());
  RECT dropped{};
  SendMessageA(combo->GetHandle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  const int itemHeight = static_cast<int>(SendMessageA(combo->GetHandle(), CB_GETITEMHEIGHT, 0, 0));
  // Item 4 of the list below the field.
  ClickScreen(TPoint(dropped.left + 20, dropped.top + combo->GetHeight() + 1 + itemHeight * 3 + itemHeight / 2));
  EXPECT_FALSE(combo->GetDroppedDown());
  EXPECT_EQ(combo->GetItemIndex(), 3);
  EXPECT_EQ(events, (std::vector<std::string>{"select 3"}));
  EXPECT_TRUE(edit->Focused());
}

TEST_F(FlatCombo, WithoutAFocusControlTheFocusStaysAndARemovedOneIsForgotten) {
  combo->SetFocusControl(edit);
  delete edit;
  edit = nullptr;
  EXPECT_EQ(combo->GetFocusControl(), nullptr);
  combo->SetFocus();
  Pump();
  PressKey(VK_RETURN);
  EXPECT_TRUE(combo->Focused());
}

TEST_F(FlatCombo, FlatFrameWhileAwayAndTheSunkenFrameWithTheFocus) {
  auto pixel = [this](int x, int y) {
    HDC dc = GetWindowDC(combo->GetHandle());
    const COLORREF c = GetPixel(dc, x, y) & 0xFFFFFF;
    ReleaseDC(combo->GetHandle(), dc);
    return c;
  };
  edit->SetFocus();
  combo->SetFlat(true);
  PaintNow();
  EXPECT_EQ(pixel(0, 0), ColorToRGB(clBtnFace));
  EXPECT_EQ(pixel(1, 1), ColorToRGB(clBtnFace));
  EXPECT_EQ(pixel(2, 5), ColorToRGB(clWindow));
  EXPECT_TRUE(SaveWindow(form->GetHandle(), "combo_flat_away.png"));
  combo->SetFocus();
  PaintNow();
  // The sunken outer edge: shadow on the top and left, highlight at the
  // bottom and right.
  EXPECT_EQ(pixel(0, 5), ColorToRGB(clBtnShadow));
  EXPECT_EQ(pixel(combo->GetWidth() - 1, 5), ColorToRGB(clBtnHighlight));
  EXPECT_TRUE(SaveWindow(form->GetHandle(), "combo_flat_focused.png"));
}

TEST_F(FlatCombo, TakesADisabledSearchTimerAndGivesItBack) {
  const WORD ident = combo->GetSearchTimer();
  ASSERT_NE(ident, 0);
  ASSERT_NE(StyApplication->TimerItemById(ident), nullptr);
  EXPECT_FALSE(StyApplication->TimerItemById(ident)->GetEnabled());
  delete combo;
  combo = nullptr;
  EXPECT_EQ(StyApplication->TimerItemById(ident), nullptr);
}

TEST_F(FlatCombo, DropDownWidthReachesTheWindow) {
  combo->SetDropDownWidth(300);
  Pump();
  EXPECT_EQ(SendMessageA(combo->GetHandle(), CB_GETDROPPEDWIDTH, 0, 0), 300);
  combo->SetDropDownWidth(0);
  Pump();
  EXPECT_EQ(SendMessageA(combo->GetHandle(), CB_GETDROPPEDWIDTH, 0, 0), combo->GetWidth());
}

}  // namespace
}  // namespace styledtest
