// The colour combo: its entries from the named-colour table and the custom
// colours, the current colour read and set, the measured heights and the
// owner-drawn entries.
#include <memory>
#include <string>
#include <vector>

#include "combo_fixture.h"
#include "controls/styled/styextcS.h"
#include "platform/win/windows.h"

namespace styledtest {
namespace {

class ColorCombo : public ComboTest {
 protected:
  TStyColorComboBox* Make() {
    auto* combo = new TStyColorComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, combo->GetHeight());
    combo->OnChange = [this](TObject*) { ++changes; };
    return combo;
  }
  std::vector<std::string> Entries(TStyColorComboBox* combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo->GetItems()->GetCount(); ++i) items.push_back(combo->GetItems()->GetStrings(i));
    return items;
  }
  int changes = 0;
};

TEST_F(ColorCombo, ListsTheSixteenStandardColoursInTableOrder) {
  TStyColorComboBox* combo = Make();
  const std::vector<std::string> items = Entries(combo);
  ASSERT_EQ(items.size(), 16u);
  EXPECT_EQ(items.front(), "clBlack");
  EXPECT_EQ(items[11], "clYellow");
  EXPECT_EQ(items.back(), "clWhite");
  EXPECT_EQ(combo->GetCurrentColor(), -1);  // nothing chosen: not the no-colour value either
  EXPECT_NE(combo->GetCurrentColor(), combo->NoColor());
}

TEST_F(ColorCombo, SettingAColourSelectsItsEntryOrAddsItsValue) {
  TStyColorComboBox* combo = Make();
  combo->SetCurrentColor(clYellow);
  EXPECT_EQ(combo->GetItemIndex(), 11);
  EXPECT_EQ(combo->GetCurrentColor(), clYellow);
  EXPECT_EQ(changes, 1);
  combo->SetCurrentColor(clYellow);
  EXPECT_EQ(changes, 1);

  combo->SetCurrentColor(0x123456);
  ASSERT_EQ(combo->GetItems()->GetCount(), 17);
  EXPECT_EQ(combo->GetItems()->GetStrings(16), "$00123456");
  EXPECT_EQ(combo->GetItemIndex(), 16);
  EXPECT_EQ(combo->GetCurrentColor(), 0x123456);

  combo->SetCurrentColor(clNone);
  EXPECT_EQ(combo->GetItems()->GetCount(), 17);
  EXPECT_EQ(combo->GetItemIndex(), -1);
  EXPECT_EQ(combo->GetCurrentColor(), -1);

  combo->SetOptions(TStyColorCBOptions{coDefaultColors});
  combo->SetCurrentColor(0x654321);
  EXPECT_EQ(combo->GetItems()->IndexOf("$00654321"), -1);
  EXPECT_EQ(combo->GetItemIndex(), -1);
}

TEST_F(ColorCombo, OptionsChooseTheGroupsAndTheChoiceSurvivesARefill) {
  TStyColorComboBox* combo = Make();
  combo->SetCurrentColor(clRed);
  combo->SetOptions(TStyColorCBOptions{coDefaultColors, coSystemColors, coAllowAnyColor});
  EXPECT_EQ(combo->GetCurrentColor(), clRed);
  std::vector<std::string> items = Entries(combo);
  EXPECT_NE(std::find(items.begin(), items.end(), "clBtnFace"), items.end());
  EXPECT_EQ(std::find(items.begin(), items.end(), "clNone"), items.end());

  combo->SetOptions(TStyColorCBOptions{coSystemColors});
  items = Entries(combo);
  EXPECT_EQ(std::find(items.begin(), items.end(), "clBlack"), items.end());
  EXPECT_EQ(std::find(items.begin(), items.end(), "clWhite"), items.end());
  EXPECT_NE(std::find(items.begin(), items.end(), "clWindow"), items.end());
  EXPECT_EQ(combo->GetItemIndex(), -1);  // red is gone and no colour may be added
}

TEST_F(ColorCombo, CustomColoursAreHexadecimalValues) {
  TStyColorComboBox* combo = Make();
  TStringList custom;
  custom.Add("ColorA=FF8000");
  custom.Add("ColorB=00ff00AA");  // the first six figures count
  custom.Add("ColorC=XYZ123");  // no colour: skipped
  custom.Add("ColorD=FFFFFFFF");  // the colour dialog's unused slot
  custom.Add("ColorE=000123");
  custom.Add("Other=123456");
  combo->SetCustomColors(&custom);
  EXPECT_EQ(combo->GetCustomColors()->GetCount(), 3);
  EXPECT_EQ(combo->GetCustomColors()->GetValues("ColorB"), "00ff00");
  combo->SetOptions(TStyColorCBOptions{coCustomColors, coAllowAnyColor});
  EXPECT_EQ(Entries(combo), (std::vector<std::string>{"$00FF8000", "$0000ff00", "$00000123"}));
  combo->SetCurrentColor(0xFF8000);
  EXPECT_EQ(combo->GetItemIndex(), 0);
  EXPECT_EQ(combo->GetCurrentColor(), 0xFF8000);
  combo->SetItemIndex(2);
  EXPECT_EQ(combo->GetCurrentColor(), 0x000123);
  // A value stored by hand as the dialog's unused slot is not listed.
  combo->GetCustomColors()->SetValues("ColorF", "FFFFFFFF");
  combo->SetOptions(TStyColorCBOptions{coCustomColors});
  EXPECT_EQ(combo->GetItems()->GetCount(), 3);
  // The combo's own list given back (after editing it in place) keeps its
  // colours and refills the entries.
  combo->GetCustomColors()->SetValues("ColorG", "0000FF");
  combo->SetCustomColors(combo->GetCustomColors());
  EXPECT_EQ(combo->GetCustomColors()->GetCount(), 4);
  EXPECT_EQ(Entries(combo), (std::vector<std::string>{"$00FF8000", "$0000ff00", "$00000123", "$000000FF"}));
}

TEST_F(ColorCombo, ItemHeightsFollowTheDisplayStyleAndTheFont) {
  // The field's height follows its item height (the platform's rule).
  TStyColorComboBox* combo = Make();
  auto fieldItem = [&] { return SendMessageA(combo->GetHandle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0); };
  auto entry = [&] { return SendMessageA(combo->GetHandle(), CB_GETITEMHEIGHT, 0, 0); };
  TBitmap measure;
  measure.GetCanvas()->SetFont(combo->GetFont());
  const int text = measure.GetCanvas()->TextHeight("Wg");
  EXPECT_EQ(fieldItem(), text + 2);
  EXPECT_EQ(entry(), text + 2);
  combo->SetCurrentColor(clBlue);
  changes = 0;
  combo->SetDisplayStyle(csColor);
  EXPECT_EQ(fieldItem(), 15);
  EXPECT_EQ(entry(), 15);
  EXPECT_EQ(combo->GetCurrentColor(), clBlue);
  const int small = combo->GetHeight();
  combo->GetFont()->SetSize(16);
  combo->SetDisplayStyle(csText);
  measure.GetCanvas()->SetFont(combo->GetFont());
  EXPECT_EQ(fieldItem(), measure.GetCanvas()->TextHeight("Wg") + 2);
  EXPECT_GT(combo->GetHeight(), small);
  EXPECT_EQ(combo->GetCurrentColor(), clBlue);
  EXPECT_EQ(changes, 0);  // the same colour chosen again is no change
}

TEST_F(ColorCombo, EntriesShowASwatchAndTheNameWithoutItsPrefix) {
  std::vector<TStyColorComboBox*> combos;
  const TStyColorCBStyle styles[] = {csColor, csText, csColorText, csColor3DText};
  for (int i = 0; i < 4; ++i) {
    TStyColorComboBox* combo = Make();
    combo->SetDisplayStyle(styles[i]);
    combo->SetBounds(10, 10 + i * 34, 150, combo->GetHeight());
    combo->SetCurrentColor(i == 3 ? 0x123456 : clRed);
    combos.push_back(combo);
  }
  PaintNow();
  ASSERT_TRUE(SaveWindow(form->GetHandle(), "combo_colour_styles.png"));
  // The field shows the chosen entry: in csColor a red bar inset by 3.
  TStyColorComboBox* bar = combos[0];
  bar->SetFocus();
  combos[1]->SetFocus();  // the field is drawn unselected
  PaintNow();
  HDC dc = GetDC(bar->GetHandle());
  EXPECT_EQ(GetPixel(dc, 10, bar->GetHeight() / 2) & 0xFFFFFF, static_cast<COLORREF>(clRed));
  ReleaseDC(bar->GetHandle(), dc);

  // The dropped list of the swatch-and-text style.
  combos[2]->SetFocus();
  combos[2]->SetDroppedDown(true);
  Pump();
  HWND list = GetCapture();
  ASSERT_NE(list, nullptr);
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  EXPECT_TRUE(SaveWindow(list, "combo_colour_list.png"));
  combos[2]->SetDroppedDown(false);
}

TEST_F(ColorCombo, AFormReadsTheComboAndFillsItOnceLoaded) {
  std::unique_ptr<TStyledTestForm> f = ReadTestForm(R"(  object cbxLEDColor: TStyColorComboBox
    Left = 8
    Top = 8
    Width = 120
    CustomColors.Strings = (
      'ColorA=FF8000')
    DisplayStyle = csColor3DText
    Flat = True
    Options = [coDefaultColors, coCustomColors, coAllowAnyColor]
  end
)");
  ASSERT_NE(f->cbxLEDColor, nullptr);
  EXPECT_TRUE(f->cbxLEDColor->GetFlat());
  EXPECT_EQ(f->cbxLEDColor->GetDisplayStyle(), csColor3DText);
  ASSERT_EQ(f->cbxLEDColor->GetItems()->GetCount(), 17);
  EXPECT_EQ(f->cbxLEDColor->GetItems()->GetStrings(16), "$00FF8000");
  const std::string written = WriteForm(f.get());
  EXPECT_NE(written.find("Options = [coDefaultColors, coCustomColors, coAllowAnyColor]"), std::string::npos);
  EXPECT_EQ(written.find("Items.Strings"), std::string::npos) << written;
}

}  // namespace
}  // namespace styledtest
