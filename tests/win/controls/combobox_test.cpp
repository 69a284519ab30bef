// "COMBOBOX": the dropped list as a popup, the notifications of a choice and
// of a cancel, the keyboard, and owner drawing with item data.
#include <algorithm>

#include "controls_fixture.h"

using namespace controlstest;

namespace {

class ComboTest : public ControlsTest {
 protected:
  HWND MakeCombo(DWORD style, std::initializer_list<const char*> items, int id = 21) {
    HWND c = Child("COMBOBOX", "", style | WS_VSCROLL | WS_TABSTOP, 10, 10, 140, 160, id);
    for (const char* s : items) SendMessageA(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    Pump();
    return c;
  }
  // The dropped list: the visible popup window of class "ComboLBox".
  HWND DroppedList() {
    HWND l = FindWindowA("ComboLBox", nullptr);
    return l && IsWindowVisible(l) ? l : nullptr;
  }
  std::string Text(HWND c) {
    char buf[64] = {};
    GetWindowTextA(c, buf, sizeof buf);
    return buf;
  }
};

TEST_F(ComboTest, ADropDownListDropsAPopupAndReportsAChoice) {
  HWND c = MakeCombo(CBS_DROPDOWNLIST, {"Red", "Green", "Blue"});
  RECT wr;
  GetWindowRect(c, &wr);
  EXPECT_LT(wr.bottom - wr.top, 40) << "the control keeps the height of its field";
  ClickAt(c, 20, 8);
  HWND list = DroppedList();
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(SendMessageA(c, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(GetParent(list), parent) << "a popup owned by the top-level window";
  RECT lr;
  GetWindowRect(list, &lr);
  EXPECT_EQ(lr.top, wr.bottom) << "right below the field";
  EXPECT_EQ(lr.left, wr.left);
  EXPECT_EQ(CodesOf(21), (std::vector<int>{CBN_SETFOCUS, CBN_DROPDOWN}));
  notes.clear();
  RECT item{};
  SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  MoveTo(list, 10, item.top + 3);
  ClickAt(list, 10, item.top + 3);
  EXPECT_EQ(DroppedList(), nullptr);
  EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(Text(c), "Green");
  EXPECT_EQ(CodesOf(21), (std::vector<int>{CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
  EXPECT_EQ(GetFocus(), c) << "the popup took neither the focus nor the activation";
  EXPECT_EQ(GetActiveWindow(), parent);
}

TEST_F(ComboTest, EscapeOrAClickOutsideCancelsAndKeepsTheSelection) {
  HWND c = MakeCombo(CBS_DROPDOWNLIST, {"Red", "Green", "Blue"});
  SendMessageA(c, CB_SETCURSEL, 0, 0);
  ClickAt(c, 20, 8);
  ASSERT_NE(DroppedList(), nullptr);
  notes.clear();
  Press(VK_DOWN);  // moves inside the open list
  EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), 1);
  Press(VK_ESCAPE);
  EXPECT_EQ(DroppedList(), nullptr);
  EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), 0) << "the cancel puts the selection back";
  EXPECT_EQ(CodesOf(21), (std::vector<int>{CBN_SELCHANGE, CBN_SELENDCANCEL, CBN_CLOSEUP}));

  ClickAt(c, 20, 8);
  ASSERT_NE(DroppedList(), nullptr);
  notes.clear();
  ClickAt(parent, 400, 300);
  EXPECT_EQ(DroppedList(), nullptr);
  EXPECT_EQ(CodesOf(21), (std::vector<int>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboTest, TheDroppedListsScrollBarScrollsWithoutClosingIt) {
  HWND c = MakeCombo(CBS_DROPDOWNLIST, {});
  for (int i = 0; i < 30; i++) SendMessageA(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(i).c_str()));
  ClickAt(c, 20, 8);
  HWND list = DroppedList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
  RECT lr;
  GetWindowRect(list, &lr);
  // The down arrow of its scroll bar, at the bottom right inside the border.
  int x = lr.right - 8, y = lr.bottom - 6;
  QueueMouse(host::EventType::MouseDown, x, y);
  QueueMouse(host::EventType::MouseUp, x, y);
  Pump();
  EXPECT_NE(DroppedList(), nullptr) << "still open";
  EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 1);
  EXPECT_EQ(GetCapture(), list) << "the list has the mouse again";
  Press(VK_ESCAPE);
  EXPECT_EQ(DroppedList(), nullptr);
}

TEST_F(ComboTest, TheParentGivesTheColoursOfTheEditAndTheList) {
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  std::vector<std::pair<UINT, HWND>> asked;
  for (UINT msg : {WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX})
    usertest::MessageLog::Get().answers[{"parent", msg}] = [&, msg](HWND, WPARAM, LPARAM lp) {
      asked.push_back({msg, reinterpret_cast<HWND>(lp)});
      return reinterpret_cast<LRESULT>(red);
    };
  HWND c = MakeCombo(CBS_DROPDOWN, {"Soft", "Hard"});
  HWND edit = GetWindow(c, GW_CHILD);
  UpdateWindow(parent);
  SendMessageA(c, CB_SHOWDROPDOWN, TRUE, 0);
  HWND list = DroppedList();
  ASSERT_NE(list, nullptr);
  UpdateWindow(list);
  Pump();
  auto askedFor = [&](UINT msg, HWND who) {
    return std::find(asked.begin(), asked.end(), std::make_pair(msg, who)) != asked.end();
  };
  EXPECT_TRUE(askedFor(WM_CTLCOLOREDIT, edit)) << "the edit names itself";
  EXPECT_TRUE(askedFor(WM_CTLCOLORLISTBOX, list)) << "so does the list";
  RECT lr;
  GetWindowRect(list, &lr);
  EXPECT_EQ(Pixel(list, lr.right - lr.left - 24, lr.bottom - lr.top - 4), 0xFF0000u) << "below the items";
  SendMessageA(c, CB_SHOWDROPDOWN, FALSE, 0);
  DestroyWindow(c);
  DeleteObject(red);
}

TEST_F(ComboTest, KeysWorkTheClosedListAndTheExtendedInterfaceDropsIt) {
  HWND c = MakeCombo(CBS_DROPDOWNLIST, {"a", "b", "c"});
  SetFocus(c);
  Pump();
  notes.clear();
  Press(VK_DOWN);
  Press(VK_DOWN);
  EXPECT_EQ(SendMessageA(c, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(CodesOf(21), (std::vector<int>{CBN_SELCHANGE, CBN_SELCHANGE}));
  Press(VK_F4);
  EXPECT_NE(DroppedList(), nullptr);
  Press(VK_RETURN);
  EXPECT_EQ(DroppedList(), nullptr);
  SendMessageA(c, CB_SETEXTENDEDUI, TRUE, 0);
  EXPECT_TRUE(SendMessageA(c, CB_GETEXTENDEDUI, 0, 0));
  Press(VK_DOWN);
  EXPECT_NE(DroppedList(), nullptr) << "with the extended interface the down arrow drops the list";
  Press(VK_ESCAPE);
}

TEST_F(ComboTest, DroppedWidthAndShowDropDown) {
  HWND c = MakeCombo(CBS_DROPDOWNLIST, {"a", "b"});
  EXPECT_EQ(SendMessageA(c, CB_SETDROPPEDWIDTH, 260, 0), 260);
  SendMessageA(c, CB_SHOWDROPDOWN, TRUE, 0);
  HWND list = DroppedList();
  ASSERT_NE(list, nullptr);
  RECT lr;
  GetWindowRect(list, &lr);
  EXPECT_EQ(lr.right - lr.left, 260);
  SendMessageA(c, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_EQ(DroppedList(), nullptr);
  EXPECT_FALSE(SendMessageA(c, CB_GETDROPPEDSTATE, 0, 0));
}

TEST_F(ComboTest, AnEditComboReportsTypingAndFillsTheEditFromTheList) {
  HWND c = MakeCombo(CBS_DROPDOWN, {"Soft", "Hard"});
  SetFocus(c);
  Pump();
  notes.clear();
  Type("x");
  EXPECT_EQ(CodesOf(21), (std::vector<int>{CBN_EDITUPDATE, CBN_EDITCHANGE}));
  EXPECT_EQ(Text(c), "x");
  notes.clear();
  Press(VK_DOWN);
  EXPECT_EQ(Text(c), "Soft") << "the first item, when none was selected";
  EXPECT_EQ(CodesOf(21), std::vector<int>{CBN_SELCHANGE}) << "the combo's own edit text is no user edit";
  SendMessageA(c, CB_LIMITTEXT, 3, 0);
  SendMessageA(c, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  Type("abcdef");
  EXPECT_EQ(Text(c), "abc");
}

TEST_F(ComboTest, AnOwnerDrawnComboIsMeasuredDrawnAndFreesItsItemData) {
  struct Seen {
    std::vector<int> measured;
    std::vector<std::pair<int, UINT>> drawn;  // item, state
    std::vector<ULONG_PTR> deleted;
  } seen;
  auto& answers = usertest::MessageLog::Get().answers;
  answers[{"parent", WM_MEASUREITEM}] = [&](HWND, WPARAM, LPARAM lp) {
    auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
    EXPECT_EQ(m->CtlType, static_cast<UINT>(ODT_COMBOBOX));
    EXPECT_EQ(m->CtlID, 22u);
    seen.measured.push_back(static_cast<int>(m->itemID));
    m->itemHeight = 18;
    return LRESULT(TRUE);
  };
  answers[{"parent", WM_DRAWITEM}] = [&](HWND, WPARAM, LPARAM lp) {
    auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
    EXPECT_EQ(d->CtlType, static_cast<UINT>(ODT_COMBOBOX));
    seen.drawn.push_back({static_cast<int>(d->itemID), d->itemState});
    return LRESULT(TRUE);
  };
  answers[{"parent", WM_DELETEITEM}] = [&](HWND, WPARAM, LPARAM lp) {
    auto* d = reinterpret_cast<DELETEITEMSTRUCT*>(lp);
    EXPECT_EQ(d->CtlType, static_cast<UINT>(ODT_COMBOBOX));
    EXPECT_EQ(d->CtlID, 22u);
    seen.deleted.push_back(d->itemData);
    delete reinterpret_cast<std::string*>(d->itemData);
    return LRESULT(TRUE);
  };
  HWND c = Child("COMBOBOX", "", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | WS_VSCROLL, 10, 10, 160, 200, 22);
  EXPECT_EQ(seen.measured, (std::vector<int>{-1, 0})) << "the field, then the list's items";
  EXPECT_EQ(SendMessageA(c, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 18);
  std::vector<ULONG_PTR> data;
  for (const char* s : {"Desktop", "Home", "Kits"}) {
    data.push_back(reinterpret_cast<ULONG_PTR>(new std::string(s)));
    SendMessageA(c, CB_ADDSTRING, 0, static_cast<LPARAM>(data.back()));
  }
  EXPECT_EQ(static_cast<ULONG_PTR>(SendMessageA(c, CB_GETITEMDATA, 2, 0)), data[2]);
  SendMessageA(c, CB_SETCURSEL, 1, 0);
  SetFocus(c);
  UpdateWindow(c);
  Pump();
  ASSERT_FALSE(seen.drawn.empty());
  EXPECT_EQ(seen.drawn.back().first, 1);
  EXPECT_EQ(seen.drawn.back().second, static_cast<UINT>(ODS_COMBOBOXEDIT | ODS_SELECTED | ODS_FOCUS));
  seen.drawn.clear();
  SendMessageA(c, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  std::vector<int> items;
  for (auto& [item, state] : seen.drawn)
    if (!(state & ODS_COMBOBOXEDIT)) items.push_back(item);
  EXPECT_EQ(items, (std::vector<int>{0, 1, 2})) << "the dropped list draws each item";
  SendMessageA(c, CB_SHOWDROPDOWN, FALSE, 0);
  SendMessageA(c, CB_DELETESTRING, 0, 0);
  EXPECT_EQ(seen.deleted, std::vector<ULONG_PTR>{data[0]});
  DestroyWindow(c);
  EXPECT_EQ(seen.deleted, data) << "destroying the combo frees the rest";
}

}  // namespace
