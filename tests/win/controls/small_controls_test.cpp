// The status bar, the tab control and the up-down control with its buddy.
#include "controls_fixture.h"

using namespace controlstest;

namespace {

class SmallControlsTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    ASSERT_TRUE(InitCommonControlsEx(&icc));
  }
  std::string PartText(HWND sb, int part, LRESULT* info = nullptr) {
    char buf[64] = {};
    LRESULT r = SendMessageA(sb, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(buf));
    if (info) *info = r;
    return buf;
  }
};

TEST_F(SmallControlsTest, TheStatusBarSitsAtTheBottomWithItsParts) {
  HWND sb = Child(STATUSCLASSNAMEA, "Ready", SBARS_SIZEGRIP, 0, 0, 0, 0, 31);
  RECT pc, sr;
  GetClientRect(parent, &pc);
  GetWindowRect(sb, &sr);
  POINT tl{sr.left, sr.top};
  ScreenToClient(parent, &tl);
  EXPECT_EQ(tl.y + (sr.bottom - sr.top), pc.bottom);
  EXPECT_EQ(sr.right - sr.left, pc.right);
  EXPECT_EQ(PartText(sb, 0), "Ready");

  int edges[] = {205, 420, -1};
  ASSERT_TRUE(SendMessageA(sb, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges)));
  SendMessageA(sb, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("Untitled.kit"));
  SendMessageA(sb, SB_SETTEXTA, 2 | SBT_POPOUT, reinterpret_cast<LPARAM>("Track 1"));
  LRESULT info = 0;
  EXPECT_EQ(PartText(sb, 1, &info), "Untitled.kit");
  EXPECT_EQ(LOWORD(info), 12);
  EXPECT_EQ(PartText(sb, 2, &info), "Track 1");
  EXPECT_EQ(HIWORD(info), SBT_POPOUT);
  int back[3] = {};
  EXPECT_EQ(SendMessageA(sb, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(back)), 3);
  EXPECT_EQ(back[1], 420);
  RECT part{};
  SendMessageA(sb, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
  EXPECT_EQ(part.left, 207);
  EXPECT_EQ(part.right, 420);

  // Simple mode shows one text of its own and tells the parent.
  notes.clear();
  SendMessageA(sb, SB_SIMPLE, TRUE, 0);
  EXPECT_TRUE(SendMessageA(sb, SB_ISSIMPLE, 0, 0));
  EXPECT_EQ(CodesOf(31), std::vector<int>{static_cast<int>(SBN_SIMPLEMODECHANGE)});
  SendMessageA(sb, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>("Loading..."));
  EXPECT_EQ(PartText(sb, SB_SIMPLEID), "Loading...");
  EXPECT_EQ(PartText(sb, 1), "Untitled.kit") << "the parts keep their texts";
  SendMessageA(sb, SB_SIMPLE, FALSE, 0);

  // The parent grows: the bar follows on its WM_SIZE.
  SetWindowPos(parent, nullptr, 0, 0, 600, 460, SWP_NOMOVE | SWP_NOZORDER);
  SendMessageA(sb, WM_SIZE, 0, 0);
  GetClientRect(parent, &pc);
  GetWindowRect(sb, &sr);
  EXPECT_EQ(sr.right - sr.left, pc.right);
}

TEST_F(SmallControlsTest, TheSizeGripSizesTheWindow) {
  HWND sb = Child(STATUSCLASSNAMEA, "", SBARS_SIZEGRIP, 0, 0, 0, 0, 33);
  RECT before, r;
  GetWindowRect(parent, &before);
  GetClientRect(sb, &r);
  POINT grip = ScreenPoint(sb, r.right - 4, r.bottom - 4);
  QueueMouse(host::EventType::MouseDown, grip.x, grip.y);
  QueueMouse(host::EventType::MouseMove, grip.x + 30, grip.y + 20);
  QueueMouse(host::EventType::MouseUp, grip.x + 30, grip.y + 20);
  Pump();
  RECT after;
  GetWindowRect(parent, &after);
  EXPECT_EQ(after.right - after.left, before.right - before.left + 30);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top + 20);
  EXPECT_EQ(after.left, before.left);
}

TEST_F(SmallControlsTest, AnOwnerDrawnStatusPartIsDrawnByTheParent) {
  HWND sb = Child(STATUSCLASSNAMEA, "", 0, 0, 0, 0, 0, 32);
  int edges[] = {100, -1};
  SendMessageA(sb, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  std::vector<std::pair<UINT, ULONG_PTR>> drawn;
  usertest::MessageLog::Get().answers[{"parent", WM_DRAWITEM}] = [&](HWND, WPARAM, LPARAM lp) {
    auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
    drawn.push_back({d->itemID, d->itemData});
    return LRESULT(TRUE);
  };
  SendMessageA(sb, SB_SETTEXTA, 1 | SBT_OWNERDRAW, 0x1234);
  UpdateWindow(sb);
  Pump();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back(), (std::pair<UINT, ULONG_PTR>{1, 0x1234}));
  EXPECT_EQ(SendMessageA(sb, SB_GETTEXTA, 1, 0), 0x1234) << "an owner-drawn part gives back its value";
}

TEST_F(SmallControlsTest, TheTabControlAsksBeforeChangingAndAdjustsThePageRect) {
  HWND tab = Child(WC_TABCONTROLA, "", WS_TABSTOP, 10, 10, 300, 200, 41);
  const char* names[] = {"Pattern", "Song", "Mixer"};
  for (int i = 0; i < 3; i++) {
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>(names[i]);
    item.lParam = 100 + i;
    EXPECT_EQ(SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)), i);
  }
  EXPECT_EQ(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(tab, TCM_SETCURSEL, 0, 0), -1);
  notes.clear();
  RECT r{};
  SendMessageA(tab, TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
  ClickAt(tab, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_EQ(SendMessageA(tab, TCM_GETCURSEL, 0, 0), 2);
  std::vector<int> codes = CodesOf(41);
  std::vector<int> wanted{static_cast<int>(TCN_SELCHANGING), static_cast<int>(TCN_SELCHANGE)};
  ASSERT_GE(codes.size(), 2u);
  EXPECT_EQ(std::vector<int>(codes.end() - 2, codes.end()), wanted);

  // A parent that answers TRUE to TCN_SELCHANGING keeps the page.
  onNotify = [](NMHDR* h) { return LRESULT(h->code == TCN_SELCHANGING); };
  Press(VK_LEFT);
  EXPECT_EQ(SendMessageA(tab, TCM_GETCURSEL, 0, 0), 2);
  onNotify = nullptr;
  Press(VK_LEFT);
  EXPECT_EQ(SendMessageA(tab, TCM_GETCURSEL, 0, 0), 1);

  TCITEMA item{};
  char buf[16] = {};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = buf;
  item.cchTextMax = sizeof buf;
  ASSERT_TRUE(SendMessageA(tab, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
  EXPECT_STREQ(buf, "Song");
  EXPECT_EQ(item.lParam, 101);

  RECT page{0, 0, 300, 200};
  SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  EXPECT_GT(page.top, r.bottom) << "the page lies below the tabs";
  EXPECT_LT(page.right, 300);
  SendMessageA(tab, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&page));
  EXPECT_EQ(page.top, 0);
  EXPECT_EQ(page.right, 300);
  TCHITTESTINFO hit{{(r.left + r.right) / 2, 150}, 0};
  EXPECT_EQ(SendMessageA(tab, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
  EXPECT_EQ(hit.flags, static_cast<UINT>(TCHT_NOWHERE));
}

TEST_F(SmallControlsTest, TabsWiderThanTheControlScrollWithArrows) {
  HWND tab = Child(WC_TABCONTROLA, "", 0, 10, 10, 160, 120, 42);
  const char* names[] = {"Pattern", "Song", "Mixer", "Effects", "Kit", "Settings"};
  for (int i = 0; i < 6; i++) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(names[i]);
    SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  HWND arrows = FindWindowExA(tab, nullptr, UPDOWN_CLASSA, nullptr);
  ASSERT_NE(arrows, nullptr) << "the row does not fit";
  RECT first{}, second{};
  SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  SendMessageA(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  RECT ar;
  GetClientRect(arrows, &ar);
  ClickAt(arrows, ar.right - 4, ar.bottom / 2);  // the right arrow
  RECT shifted{};
  SendMessageA(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&shifted));
  EXPECT_EQ(shifted.left, first.left) << "the second tab moved to the front";
  TCHITTESTINFO hit{{(first.left + first.right) / 2, (first.top + first.bottom) / 2}, 0};
  EXPECT_EQ(SendMessageA(tab, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
  // Selecting the last tab brings it into view.
  SendMessageA(tab, TCM_SETCURSEL, 5, 0);
  RECT last{};
  SendMessageA(tab, TCM_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&last));
  RECT arrowsInTab;
  GetWindowRect(arrows, &arrowsInTab);
  MapWindowPoints(nullptr, tab, reinterpret_cast<POINT*>(&arrowsInTab), 2);
  EXPECT_LE(last.right, arrowsInTab.left);
  EXPECT_GE(last.left, 0);
  // Fewer tabs fit again: the arrows go.
  for (int i = 5; i >= 2; i--) SendMessageA(tab, TCM_DELETEITEM, static_cast<WPARAM>(i), 0);
  EXPECT_EQ(FindWindowExA(tab, nullptr, UPDOWN_CLASSA, nullptr), nullptr);
  SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&shifted));
  EXPECT_EQ(shifted.left, first.left);
}

TEST_F(SmallControlsTest, AMultiLineTabControlWrapsItsTabsIntoRows) {
  HWND tab = Child(WC_TABCONTROLA, "", TCS_MULTILINE, 10, 10, 160, 160, 43);
  const char* names[] = {"Pattern", "Song", "Mixer", "Effects", "Kit", "Settings"};
  for (int i = 0; i < 6; i++) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(names[i]);
    SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  EXPECT_EQ(FindWindowExA(tab, nullptr, UPDOWN_CLASSA, nullptr), nullptr) << "rows, not arrows";
  int rows = static_cast<int>(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0));
  EXPECT_GE(rows, 2);
  RECT page{0, 0, 160, 160};
  SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  RECT one{};
  SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&one));
  EXPECT_GE(page.top, rows * (one.bottom - one.top)) << "the page lies below every row";
  for (int i = 0; i < 6; i++) {
    RECT r{};
    SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    EXPECT_LE(r.right, 160) << i;
    EXPECT_GE(r.left, 0) << i;
  }
  // The selected tab's row moves next to the page.
  SendMessageA(tab, TCM_SETCURSEL, 0, 0);
  RECT sel{}, last{};
  SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&sel));
  SendMessageA(tab, TCM_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&last));
  EXPECT_GT(sel.top, last.top);
  TCHITTESTINFO hit{{(last.left + last.right) / 2, (last.top + last.bottom) / 2}, 0};
  EXPECT_EQ(SendMessageA(tab, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 5);
}

TEST_F(SmallControlsTest, TheUpDownStepsItsBuddyAndTheParentMayRefuse) {
  HWND edit = Child("EDIT", "", ES_NUMBER, 10, 10, 60, 22, 51, WS_EX_CLIENTEDGE);
  HWND ud =
      Child(UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_AUTOBUDDY, 0, 0, 16, 22, 52);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(ud, UDM_GETBUDDY, 0, 0)), edit);
  RECT er, ur;
  GetWindowRect(edit, &er);
  GetWindowRect(ud, &ur);
  EXPECT_EQ(ur.left, er.right) << "beside the buddy, which gave up the room";
  EXPECT_EQ(er.right - er.left, 60 - 16);
  SendMessageA(ud, UDM_SETRANGE32, 10, 300);
  SendMessageA(ud, UDM_SETPOS32, 0, 100);
  char text[16] = {};
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "100");

  std::vector<std::pair<int, int>> deltas;  // position, delta
  std::vector<int> scrolls;
  onNotify = [&](NMHDR* h) {
    if (h->code == UDN_DELTAPOS) {
      auto* nm = reinterpret_cast<NMUPDOWN*>(h);
      deltas.push_back({nm->iPos, nm->iDelta});
    }
    return LRESULT(0);
  };
  usertest::MessageLog::Get().answers[{"parent", WM_VSCROLL}] = [&](HWND, WPARAM wp, LPARAM) {
    scrolls.push_back(LOWORD(wp));
    return LRESULT(0);
  };
  ClickAt(ud, 8, 3);  // the upper arrow
  ClickAt(ud, 8, 18);  // the lower arrow
  ClickAt(ud, 8, 18);
  EXPECT_EQ(deltas, (std::vector<std::pair<int, int>>{{100, 1}, {101, -1}, {100, -1}}));
  EXPECT_EQ(scrolls, (std::vector<int>{SB_THUMBPOSITION, SB_ENDSCROLL, SB_THUMBPOSITION, SB_ENDSCROLL, SB_THUMBPOSITION,
                                       SB_ENDSCROLL}));
  EXPECT_EQ(LOWORD(SendMessageA(ud, UDM_GETPOS, 0, 0)), 99);

  // Arrow keys in the buddy step too; a refusal keeps the position.
  SetFocus(edit);
  Pump();
  Press(VK_UP);
  EXPECT_EQ(SendMessageA(ud, UDM_GETPOS32, 0, 0), 100);
  onNotify = [](NMHDR* h) { return LRESULT(h->code == UDN_DELTAPOS); };
  Press(VK_UP);
  EXPECT_EQ(SendMessageA(ud, UDM_GETPOS32, 0, 0), 100);
  onNotify = nullptr;

  // What the user typed in the buddy is the position the next step starts from.
  SetWindowTextA(edit, "299");
  Press(VK_UP);
  Press(VK_UP);
  EXPECT_EQ(SendMessageA(ud, UDM_GETPOS32, 0, 0), 300) << "held at the maximum without UDS_WRAP";
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "300");
  SetWindowTextA(edit, "");
  BOOL failed = FALSE;
  SendMessageA(ud, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed));
  EXPECT_TRUE(failed) << "an empty buddy is no number";
}

TEST_F(SmallControlsTest, HoldingAnArrowRepeatsAfterADelay) {
  HWND ud = Child(UPDOWN_CLASSA, "", 0, 10, 10, 16, 30, 53);
  SendMessageA(ud, UDM_SETRANGE32, 0, 1000);
  DownAt(ud, 8, 3);
  EXPECT_EQ(SendMessageA(ud, UDM_GETPOS32, 0, 0), 1);
  AdvanceMs(400);
  EXPECT_EQ(SendMessageA(ud, UDM_GETPOS32, 0, 0), 1) << "not before the first delay";
  AdvanceMs(150);
  AdvanceMs(110);
  AdvanceMs(110);
  EXPECT_EQ(SendMessageA(ud, UDM_GETPOS32, 0, 0), 4);
  UpAt(ud, 8, 3);
  AdvanceMs(500);
  EXPECT_EQ(SendMessageA(ud, UDM_GETPOS32, 0, 0), 4);
}

}  // namespace
