// Controls going away in the middle of things: nothing is left behind and
// nothing is touched after it is gone.
#include "controls_fixture.h"

using namespace controlstest;

namespace {

class LifecycleTest : public ControlsTest {};

TEST_F(LifecycleTest, AComboDestroyedWhileDroppedTakesItsListAndCapture) {
  HWND c = Child("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 120, 150, 1);
  SendMessageA(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
  SendMessageA(c, CB_SHOWDROPDOWN, TRUE, 0);
  HWND list = GetCapture();
  ASSERT_NE(list, nullptr);
  DestroyWindow(c);
  Pump();
  EXPECT_FALSE(IsWindow(list));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(LifecycleTest, AParentMayDestroyTheComboWhenTheChoiceIsMade) {
  for (int code : {CBN_SELENDOK, CBN_SELENDCANCEL, CBN_DROPDOWN, CBN_CLOSEUP}) {
    SCOPED_TRACE(code);
    HWND c = Child("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 120, 150, 7);
    SendMessageA(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
    usertest::MessageLog::Get().answers[{"parent", WM_COMMAND}] = [c, code](HWND, WPARAM wp, LPARAM) {
      if (HIWORD(wp) == code && IsWindow(c)) DestroyWindow(c);
      return LRESULT(0);
    };
    SendMessageA(c, CB_SHOWDROPDOWN, TRUE, 0);
    if (IsWindow(c)) SendMessageA(c, WM_KEYDOWN, code == CBN_SELENDCANCEL ? VK_ESCAPE : VK_RETURN, 0);
    EXPECT_FALSE(IsWindow(c));
    EXPECT_EQ(GetCapture(), nullptr);
  }
  // The same with a mouse choice in the dropped list.
  HWND c = Child("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 120, 150, 8);
  SendMessageA(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
  usertest::MessageLog::Get().answers[{"parent", WM_COMMAND}] = [c](HWND, WPARAM wp, LPARAM) {
    if (HIWORD(wp) == CBN_SELENDOK && IsWindow(c)) DestroyWindow(c);
    return LRESULT(0);
  };
  SendMessageA(c, CB_SHOWDROPDOWN, TRUE, 0);
  HWND list = GetCapture();
  ASSERT_NE(list, nullptr);
  AdvanceMs(1000);
  ClickAt(list, 10, 5);
  EXPECT_FALSE(IsWindow(c));
  EXPECT_FALSE(IsWindow(list));
}

TEST_F(LifecycleTest, AParentMayDestroyAnEditWhenItsTextChanges) {
  for (int code : {EN_UPDATE, EN_CHANGE}) {
    SCOPED_TRACE(code);
    HWND e = Child("EDIT", "", 0, 10, 10, 120, 22, 9);
    SendMessageA(e, EM_LIMITTEXT, 2, 0);
    usertest::MessageLog::Get().answers[{"parent", WM_COMMAND}] = [e, code](HWND, WPARAM wp, LPARAM) {
      if (HIWORD(wp) == code && IsWindow(e)) DestroyWindow(e);
      return LRESULT(0);
    };
    SendMessageA(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("abcd"));  // cut at the limit too
    EXPECT_FALSE(IsWindow(e));
  }
}

TEST_F(LifecycleTest, AParentMayDestroyAnUpDownOrATabControlItHears) {
  InitCommonControls();
  for (UINT code : {UDN_DELTAPOS, TCN_SELCHANGING, TCN_SELCHANGE, static_cast<UINT>(NM_CLICK)}) {
    SCOPED_TRACE(static_cast<int>(code));
    bool updown = code == UDN_DELTAPOS;
    HWND h =
        updown ? Child(UPDOWN_CLASSA, "", 0, 10, 10, 16, 30, 11) : Child(WC_TABCONTROLA, "", 0, 10, 10, 200, 100, 11);
    if (!updown) {
      for (const char* name : {"A", "B"}) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(name);
        SendMessageA(h, TCM_INSERTITEMA, 9, reinterpret_cast<LPARAM>(&item));
      }
      SendMessageA(h, TCM_SETCURSEL, 0, 0);
    }
    onNotify = [h, code](NMHDR* n) {
      if (n->code == code && IsWindow(h)) DestroyWindow(h);
      return LRESULT(0);
    };
    RECT second{};
    if (!updown) SendMessageA(h, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    AdvanceMs(1000);
    if (updown)
      ClickAt(h, 8, 3);
    else
      ClickAt(h, (second.left + second.right) / 2, (second.top + second.bottom) / 2);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(GetCapture(), nullptr);
    onNotify = nullptr;
    AdvanceMs(1000);  // no timer of a destroyed up-down fires
  }
}

TEST_F(LifecycleTest, AnUpDownOutlivesItsBuddy) {
  InitCommonControls();
  HWND edit = Child("EDIT", "", 0, 10, 10, 60, 22, 2);
  HWND ud = Child(UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ALIGNRIGHT, 0, 0, 16, 22, 3);
  SendMessageA(ud, UDM_SETRANGE32, 0, 10);
  DestroyWindow(edit);
  ClickAt(ud, 8, 3);
  EXPECT_EQ(SendMessageA(ud, UDM_GETPOS32, 0, 0), 1);
  SendMessageA(ud, UDM_SETBUDDY, 0, 0);
  DestroyWindow(ud);
}

TEST_F(LifecycleTest, ControlsDestroyedDuringAMouseDragLetGo) {
  for (const char* cls : {"EDIT", "LISTBOX", "BUTTON", "SCROLLBAR"}) {
    SCOPED_TRACE(cls);
    HWND h = Child(cls, "x", cls[0] == 'S' ? SBS_HORZ : 0, 10, 10, 120, 60, 4);
    if (cls[0] == 'L') SendMessageA(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
    AdvanceMs(1000);
    DownAt(h, cls[0] == 'S' ? 3 : 20, 5);
    DestroyWindow(h);
    EXPECT_EQ(GetCapture(), nullptr);
    MoveTo(parent, 200, 200);
    UpAt(parent, 200, 200);
  }
}

TEST_F(LifecycleTest, AParentDestroyedWithOwnerDrawnListsHearsEveryDeletion) {
  HWND owner = Make("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
  int deleted = 0;
  usertest::MessageLog::Get().answers[{"owner", WM_DELETEITEM}] = [&](HWND, WPARAM, LPARAM) {
    deleted++;
    return LRESULT(TRUE);
  };
  HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED, 0, 0, 100, 100, owner,
                              reinterpret_cast<HMENU>(5), nullptr, nullptr);
  HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 110, 0,
                               100, 100, owner, reinterpret_cast<HMENU>(6), nullptr, nullptr);
  for (LPARAM d : {1, 2, 3}) {
    SendMessageA(list, LB_ADDSTRING, 0, d);
    SendMessageA(combo, CB_ADDSTRING, 0, d);
  }
  DestroyWindow(owner);
  EXPECT_EQ(deleted, 6);
}

}  // namespace
