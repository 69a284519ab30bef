// "BUTTON": clicks on release inside, check boxes and radio groups, the
// keyboard, and owner drawing.
#include "controls_fixture.h"

using namespace controlstest;

namespace {

class ButtonTest : public ControlsTest {};

TEST_F(ButtonTest, AClickIsReportedOnReleaseInsideOnly) {
  HWND b = Child("BUTTON", "Play", BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 80, 24, 7);
  DownAt(b, 20, 10);
  EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED) << "held down";
  EXPECT_EQ(GetFocus(), b);
  EXPECT_TRUE(CodesOf(7).empty()) << "nothing before the release";
  UpAt(b, 20, 10);
  EXPECT_EQ(CodesOf(7), std::vector<int>{BN_CLICKED});
  EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);

  notes.clear();
  DownAt(b, 20, 10);
  MoveTo(b, 200, 10);
  EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0) << "pops up when the pointer leaves";
  UpAt(b, 200, 10);
  EXPECT_TRUE(CodesOf(7).empty()) << "released outside: no click";
}

TEST_F(ButtonTest, SpaceEnterAndBmClickPressTheButton) {
  HWND b = Child("BUTTON", "Stop", BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 10, 80, 24, 8);
  SetFocus(b);
  Pump();
  Key(VK_SPACE, true);
  EXPECT_TRUE(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED);
  EXPECT_TRUE(CodesOf(8).empty());
  Key(VK_SPACE, false);
  Press(VK_RETURN);
  SendMessageA(b, BM_CLICK, 0, 0);
  EXPECT_EQ(CodesOf(8), (std::vector<int>{BN_CLICKED, BN_CLICKED, BN_CLICKED}));
  EXPECT_EQ(SendMessageA(b, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
}

TEST_F(ButtonTest, CheckBoxesChangeBeforeTheParentHearsTheClick) {
  struct Case {
    const char* name;
    DWORD style;
    std::vector<LRESULT> checks;  // after each of three clicks
  };
  const Case cases[] = {
      {"auto check box", BS_AUTOCHECKBOX, {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}},
      {"auto three-state", BS_AUTO3STATE, {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}},
      {"plain check box leaves it to the parent", BS_CHECKBOX, {BST_UNCHECKED, BST_UNCHECKED, BST_UNCHECKED}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND b = Child("BUTTON", "Loop", c.style, 10, 40, 120, 20, 9);
    std::vector<LRESULT> seen;
    usertest::MessageLog::Get().answers[{"parent", WM_COMMAND}] = [&](HWND, WPARAM wp, LPARAM lp) {
      if (HIWORD(wp) == BN_CLICKED) seen.push_back(SendMessageA(reinterpret_cast<HWND>(lp), BM_GETCHECK, 0, 0));
      return LRESULT(0);
    };
    for (int i = 0; i < 3; i++) ClickAt(b, 5, 10);
    EXPECT_EQ(seen, c.checks);
    DestroyWindow(b);
  }
}

TEST_F(ButtonTest, AnAutomaticRadioButtonClearsTheOthersOfItsGroup) {
  HWND a = Child("BUTTON", "16th", BS_AUTORADIOBUTTON | WS_GROUP, 10, 10, 100, 20, 1);
  HWND b = Child("BUTTON", "32nd", BS_AUTORADIOBUTTON, 10, 30, 100, 20, 2);
  HWND other = Child("BUTTON", "Other group", BS_AUTORADIOBUTTON | WS_GROUP, 10, 60, 100, 20, 3);
  SendMessageA(a, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(other, BM_SETCHECK, BST_CHECKED, 0);
  ClickAt(b, 5, 10);
  EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(other, BM_GETCHECK, 0, 0), BST_CHECKED) << "another group keeps its check";
}

TEST_F(ButtonTest, AnOwnerDrawnButtonIsDrawnByItsParentWithItsState) {
  std::vector<UINT> states;
  std::vector<HDC> dcs;
  usertest::MessageLog::Get().answers[{"parent", WM_DRAWITEM}] = [&](HWND, WPARAM, LPARAM lp) {
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
    EXPECT_EQ(dis->CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(dis->CtlID, 5u);
    states.push_back(dis->itemState);
    dcs.push_back(dis->hDC);
    return LRESULT(TRUE);
  };
  HWND b = Child("BUTTON", "Kick", BS_OWNERDRAW, 10, 10, 60, 24, 5);
  ASSERT_FALSE(states.empty());
  EXPECT_EQ(states.back(), 0u);
  DownAt(b, 10, 10);
  EXPECT_EQ(states.back(), static_cast<UINT>(ODS_SELECTED | ODS_FOCUS));
  UpAt(b, 10, 10);
  EXPECT_EQ(states.back(), static_cast<UINT>(ODS_FOCUS));
  SetFocus(parent);
  EnableWindow(b, FALSE);
  Pump();
  EXPECT_EQ(states.back(), static_cast<UINT>(ODS_DISABLED));
  EXPECT_EQ(CodesOf(5), std::vector<int>{BN_CLICKED});
  // A parent printing its children hands the button a context to draw in.
  HDC printed = CreateCompatibleDC(nullptr);
  SendMessageA(b, WM_PAINT, reinterpret_cast<WPARAM>(printed), 0);
  EXPECT_EQ(dcs.back(), printed);
  DeleteDC(printed);
}

TEST_F(ButtonTest, ACopyOfTheClassWorksWithOrWithoutItsExtraBytes) {
  // Programs register their own classes on the system class's procedure.
  WNDCLASSA wc{};
  ASSERT_TRUE(GetClassInfoA(nullptr, "BUTTON", &wc));
  for (int extra : {wc.cbWndExtra, 0}) {
    SCOPED_TRACE(extra);
    WNDCLASSA copy = wc;
    copy.cbWndExtra = extra;
    copy.lpszClassName = "CopiedButton";
    ASSERT_TRUE(RegisterClassA(&copy));
    HWND b = Child("CopiedButton", "Copy", BS_AUTOCHECKBOX, 10, 10, 100, 20, 9);
    notes.clear();
    ClickAt(b, 5, 10);
    EXPECT_EQ(CodesOf(9), std::vector<int>{BN_CLICKED});
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    DestroyWindow(b);
    EXPECT_TRUE(UnregisterClassA("CopiedButton", nullptr));
  }
}

}  // namespace
