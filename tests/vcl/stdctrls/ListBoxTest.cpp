// List boxes: items before and after the window, the index set by code (no
// click) and by the user (a click), sorting, multiple selection, and owner
// drawing with its measure and draw events.
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/vcl/rtl/Exceptions.h"

namespace ctltest {
namespace {

class ListBoxTest : public ControlTest {
 protected:
  TListBox* MakeList(bool withParent = true) {
    auto* list = new TListBox(form);
    if (withParent) list->SetParent(form);
    list->SetBounds(10, 10, 150, 120);
    list->OnClick = [this](TObject*) { clicks++; };
    return list;
  }
  int clicks = 0;
};

TEST_F(ListBoxTest, ItemsAddedBeforeTheWindowGoIntoIt) {
  TListBox* list = MakeList(false);
  list->GetItems()->Add("Snare");
  list->GetItems()->Add("Bassdrum");
  list->SetItemIndex(1);
  EXPECT_EQ(list->GetItemIndex(), 1);
  list->SetParent(form);
  HWND hwnd = list->GetHandle();
  EXPECT_EQ(SendMessageA(hwnd, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(hwnd, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(list->GetItems()->GetStrings(1), "Bassdrum");
  EXPECT_EQ(clicks, 0);
}

TEST_F(ListBoxTest, SettingItemIndexFromCodeFiresNothingAndTheUsersClickFiresOnClick) {
  TListBox* list = MakeList();
  for (const char* s : {"Tom1", "Tom2", "Cymbal"}) list->GetItems()->Add(s);
  list->SetItemIndex(2);
  list->SetItemIndex(2);
  list->SetItemIndex(-1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(list->GetItemIndex(), -1);
  int lineHeight = list->GetItemHeight();
  ClickAt(list, 20, lineHeight + lineHeight / 2);
  EXPECT_EQ(list->GetItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  // A click on the line already chosen changes nothing.
  ClickAt(list, 20, lineHeight + lineHeight / 2);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ListBoxTest, OutOfRangeIndexClearsTheSelectionAndBadLinesRaise) {
  TListBox* list = MakeList();
  list->GetItems()->Add("Perc");
  list->SetItemIndex(0);
  list->SetItemIndex(5);
  EXPECT_EQ(list->GetItemIndex(), -1);
  EXPECT_THROW(list->GetItems()->GetStrings(3), EStringListError);
  EXPECT_THROW(list->GetItems()->Delete(-1), EStringListError);
  EXPECT_THROW(list->SetSelected(4, true), EListError);
}

TEST_F(ListBoxTest, SortedListsKeepTheirOrderAcrossANewWindow) {
  TListBox* list = MakeList();
  list->SetSorted(true);
  for (const char* s : {"snare", "Bassdrum", "hat"}) list->GetItems()->Add(s);
  list->SetItemIndex(list->GetItems()->IndexOf("hat"));
  list->SetStyle(lbOwnerDrawFixed);  // a new window
  std::vector<std::string> items;
  for (int i = 0; i < list->GetItems()->GetCount(); i++) items.push_back(list->GetItems()->GetStrings(i));
  EXPECT_EQ(items, (std::vector<std::string>{"Bassdrum", "hat", "snare"}));
  EXPECT_EQ(list->GetItemIndex(), 1);
}

TEST_F(ListBoxTest, MultiSelectSelectsSeveralLines) {
  TListBox* list = MakeList();
  for (const char* s : {"a", "b", "c", "d"}) list->GetItems()->Add(s);
  list->SetMultiSelect(true);
  list->SetSelected(0, true);
  list->SetSelected(2, true);
  EXPECT_EQ(list->GetSelCount(), 2);
  list->SetExtendedSelect(false);  // a new window keeps the selection
  EXPECT_TRUE(list->GetSelected(0));
  EXPECT_FALSE(list->GetSelected(1));
  EXPECT_TRUE(list->GetSelected(2));
}

TEST_F(ListBoxTest, TopIndexScrollsTheList) {
  TListBox* list = MakeList();
  for (int i = 0; i < 40; i++) list->GetItems()->Add("line " + std::to_string(i));
  list->SetTopIndex(10);
  EXPECT_EQ(list->GetTopIndex(), 10);
  EXPECT_EQ(list->ItemAtPos(TPoint(5, 1), true), 10);
}

TEST_F(ListBoxTest, VariableOwnerDrawMeasuresEachItemAndDrawsOnTheCanvas) {
  TListBox* list = MakeList();
  list->SetStyle(lbOwnerDrawVariable);
  std::vector<int> measured;
  list->OnMeasureItem = [&](TWinControl* control, int index, int& height) {
    EXPECT_EQ(control, list);
    measured.push_back(index);
    height = 10 + index * 10;
  };
  struct Drawn {
    int index;
    TRect rect;
    bool selected;
  };
  std::vector<Drawn> drawn;
  list->OnDrawItem = [&](TWinControl*, int index, TRect rect, TOwnerDrawState state) {
    drawn.push_back({index, rect, state.Contains(odSelected)});
    TCanvas* c = list->GetCanvas();
    c->GetBrush()->SetColor(index == 1 ? clRed : clLime);
    c->FillRect(rect);
  };
  for (const char* s : {"Openhat", "Closedhat", "Crash"}) list->GetItems()->Add(s);
  list->SetItemIndex(2);
  EXPECT_EQ(measured, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(list->ItemRect(1).Top, 10);
  EXPECT_EQ(list->ItemRect(1).Height(), 20);
  EXPECT_EQ(list->ItemRect(2).Height(), 30);
  EXPECT_EQ(PixelAt(list, 30, 20), 0x0000FFu);  // item 1 in red (COLORREF)
  EXPECT_EQ(PixelAt(list, 30, 5), 0x00FF00u);
  ASSERT_FALSE(drawn.empty());
  bool sawSelected = false;
  for (const Drawn& d : drawn) {
    EXPECT_EQ(d.selected, d.index == 2) << "item " << d.index;
    sawSelected = sawSelected || d.selected;
  }
  EXPECT_TRUE(sawSelected);
}

TEST_F(ListBoxTest, FixedOwnerDrawUsesItemHeightAndDrawsTextWithoutAHandler) {
  TListBox* list = MakeList();
  list->SetItemHeight(24);
  list->SetStyle(lbOwnerDrawFixed);
  int measured = 0;
  list->OnMeasureItem = [&](TWinControl*, int, int&) { measured++; };
  list->GetItems()->Add("Perc2");
  list->GetItems()->Add("Perc3");
  EXPECT_EQ(list->ItemRect(1).Top, 24);
  EXPECT_EQ(measured, 0);  // only a variable list asks for each item
  list->SetItemIndex(0);
  EXPECT_EQ(PixelAt(list, 140, 12), ColorToRGB(clHighlight));
  list->SetItemHeight(30);
  EXPECT_EQ(list->ItemRect(1).Top, 30);
}

}  // namespace
}  // namespace ctltest
