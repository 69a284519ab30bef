// "LISTBOX": the selection modes by mouse and keyboard, sorting, owner
// drawing and the deletion of item data.
#include <algorithm>

#include "controls_fixture.h"

using namespace controlstest;

namespace {

class ListBoxTest : public ControlsTest {
 protected:
  HWND MakeList(DWORD style, std::initializer_list<const char*> items) {
    HWND l = Child("LISTBOX", "", style | WS_VSCROLL, 10, 10, 150, 100, 11, WS_EX_CLIENTEDGE);
    for (const char* s : items) SendMessageA(l, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    Pump();
    return l;
  }
  int Row(HWND l, int i) {
    RECT r{};
    SendMessageA(l, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    return (r.top + r.bottom) / 2;
  }
  std::vector<int> Selected(HWND l) {
    std::vector<int> out;
    for (int i = 0; i < SendMessageA(l, LB_GETCOUNT, 0, 0); i++)
      if (SendMessageA(l, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) out.push_back(i);
    return out;
  }
  void ClickRow(HWND l, int i, std::uint32_t mods = 0) {
    AdvanceMs(1000);  // never a double-click
    ClickAt(l, 20, Row(l, i), mods);
  }
};

TEST_F(ListBoxTest, SelectionModesByMouse) {
  struct Click {
    int row;
    std::uint32_t mods;
  };
  struct Case {
    const char* name;
    DWORD style;
    std::vector<Click> clicks;
    std::vector<int> selected;
  };
  const Case cases[] = {
      {"single: the last click", LBS_NOTIFY, {{1, 0}, {3, 0}}, {3}},
      {"multiple: each click toggles", LBS_NOTIFY | LBS_MULTIPLESEL, {{1, 0}, {3, 0}, {4, 0}, {3, 0}}, {1, 4}},
      {"extended: a click alone", LBS_NOTIFY | LBS_EXTENDEDSEL, {{1, 0}, {3, 0}}, {3}},
      {"extended: shift takes the range", LBS_NOTIFY | LBS_EXTENDEDSEL, {{1, 0}, {3, host::ModShift}}, {1, 2, 3}},
      {"extended: ctrl adds",
       LBS_NOTIFY | LBS_EXTENDEDSEL,
       {{0, 0}, {2, host::ModCtrl}, {4, host::ModCtrl}},
       {0, 2, 4}},
      {"extended: ctrl+shift adds a range",
       LBS_NOTIFY | LBS_EXTENDEDSEL,
       {{0, 0}, {2, host::ModCtrl}, {4, host::ModCtrl | host::ModShift}},
       {0, 2, 3, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND l = MakeList(c.style, {"a", "b", "c", "d", "e"});
    notes.clear();
    for (const Click& k : c.clicks) ClickRow(l, k.row, k.mods);
    EXPECT_EQ(Selected(l), c.selected);
    std::vector<int> codes = CodesOf(11);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), LBN_SETFOCUS);
    EXPECT_EQ(static_cast<size_t>(std::count(codes.begin(), codes.end(), LBN_SELCHANGE)), c.clicks.size());
    if (!(c.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))) {
      EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), c.selected[0]);
      EXPECT_EQ(SendMessageA(l, LB_GETSELCOUNT, 0, 0), LB_ERR);
    } else {
      EXPECT_EQ(SendMessageA(l, LB_GETSELCOUNT, 0, 0), static_cast<LRESULT>(c.selected.size()));
      EXPECT_EQ(SendMessageA(l, LB_SETCURSEL, 0, 0), LB_ERR) << "no single selection here";
    }
    DestroyWindow(l);
  }
}

TEST_F(ListBoxTest, KeyboardMovesTheSelectionAndFindsByLetter) {
  HWND l = MakeList(LBS_NOTIFY | LBS_SORT, {"snare", "kick", "tom", "hihat", "clap"});
  char text[16] = {};
  SendMessageA(l, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "clap") << "sorted";
  SetFocus(l);
  Pump();
  notes.clear();
  Press(VK_DOWN);
  EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), 0) << "the first arrow selects the first item";
  Press(VK_DOWN);
  EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), 1);
  Press(VK_END);
  EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), 4);
  Type("k");
  EXPECT_EQ(SendMessageA(l, LB_GETCURSEL, 0, 0), 2) << "kick";
  EXPECT_EQ(CodesOf(11), (std::vector<int>{LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE}));
  // Messages change the selection silently.
  notes.clear();
  SendMessageA(l, LB_SETCURSEL, 0, 0);
  EXPECT_TRUE(CodesOf(11).empty());
  EXPECT_EQ(SendMessageA(l, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("TOM")), 4);
  EXPECT_EQ(SendMessageA(l, LB_FINDSTRING, 2, reinterpret_cast<LPARAM>("s")), 3);
}

TEST_F(ListBoxTest, ExtendedSelectionWithShiftArrows) {
  HWND l = MakeList(LBS_NOTIFY | LBS_EXTENDEDSEL, {"a", "b", "c", "d", "e"});
  ClickRow(l, 1);
  Key(VK_SHIFT, true);
  Press(VK_DOWN, host::ModShift);
  Press(VK_DOWN, host::ModShift);
  Key(VK_SHIFT, false);
  EXPECT_EQ(Selected(l), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(SendMessageA(l, LB_GETCARETINDEX, 0, 0), 3);
  EXPECT_EQ(SendMessageA(l, LB_GETANCHORINDEX, 0, 0), 1);
}

TEST_F(ListBoxTest, ScrollingByWheelAndScrollBar) {
  HWND l = MakeList(LBS_NOTIFY, {});
  for (int i = 0; i < 40; i++) SendMessageA(l, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(i).c_str()));
  EXPECT_EQ(SendMessageA(l, LB_GETTOPINDEX, 0, 0), 0);
  SendMessageA(l, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(SendMessageA(l, LB_GETTOPINDEX, 0, 0), 3);
  SendMessageA(l, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(SendMessageA(l, LB_GETTOPINDEX, 0, 0), 4);
  EXPECT_EQ(GetScrollPos(l, SB_VERT), 4);
  SendMessageA(l, WM_VSCROLL, SB_BOTTOM, 0);
  int top = static_cast<int>(SendMessageA(l, LB_GETTOPINDEX, 0, 0));
  RECT last{};
  SendMessageA(l, LB_GETITEMRECT, 39, reinterpret_cast<LPARAM>(&last));
  RECT client;
  GetClientRect(l, &client);
  EXPECT_LE(last.bottom, client.bottom) << "the last item shows at the bottom";
  EXPECT_GT(top, 30);
  SendMessageA(l, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(SendMessageA(l, LB_GETTOPINDEX, 0, 0), 0);
  // Selecting an item off the page brings it into view.
  SendMessageA(l, LB_SETCURSEL, 30, 0);
  SendMessageA(l, LB_GETITEMRECT, 30, reinterpret_cast<LPARAM>(&last));
  EXPECT_GE(last.top, 0);
  EXPECT_LE(last.bottom, client.bottom);
}

TEST_F(ListBoxTest, DraggingItsScrollBarThumbScrollsTheList) {
  HWND l = MakeList(LBS_NOTIFY, {});
  for (int i = 0; i < 40; i++) SendMessageA(l, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(i).c_str()));
  RECT client;
  GetClientRect(l, &client);
  POINT origin{0, 0};
  ClientToScreen(l, &origin);
  int x = origin.x + client.right + 8;  // the middle of the vertical bar
  int y = origin.y + 17 + 4;  // just below the up arrow: the thumb at the top
  QueueMouse(host::EventType::MouseDown, x, y);
  QueueMouse(host::EventType::MouseMove, x, y + 30);
  QueueMouse(host::EventType::MouseMove, x, y + 50);
  QueueMouse(host::EventType::MouseUp, x, y + 50);
  Pump();
  int top = static_cast<int>(SendMessageA(l, LB_GETTOPINDEX, 0, 0));
  EXPECT_GT(top, 5) << "the list followed the thumb";
  EXPECT_EQ(GetScrollPos(l, SB_VERT), top);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ListBoxTest, OwnerDrawnVariableItemsAreMeasuredDrawnAndDeleted) {
  std::vector<std::pair<UINT, ULONG_PTR>> measured, drawn, deleted;
  auto& answers = usertest::MessageLog::Get().answers;
  answers[{"parent", WM_MEASUREITEM}] = [&](HWND, WPARAM, LPARAM lp) {
    auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
    EXPECT_EQ(m->CtlType, static_cast<UINT>(ODT_LISTBOX));
    measured.push_back({m->itemID, m->itemData});
    m->itemHeight = 10 + static_cast<UINT>(m->itemData);
    return LRESULT(TRUE);
  };
  answers[{"parent", WM_DRAWITEM}] = [&](HWND, WPARAM, LPARAM lp) {
    auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
    drawn.push_back({d->itemID, d->itemData});
    EXPECT_EQ(d->rcItem.bottom - d->rcItem.top, 10 + static_cast<int>(d->itemData));
    return LRESULT(TRUE);
  };
  answers[{"parent", WM_DELETEITEM}] = [&](HWND, WPARAM, LPARAM lp) {
    auto* d = reinterpret_cast<DELETEITEMSTRUCT*>(lp);
    deleted.push_back({d->itemID, d->itemData});
    return LRESULT(TRUE);
  };
  HWND l = Child("LISTBOX", "", LBS_OWNERDRAWVARIABLE | LBS_NOTIFY, 10, 10, 150, 100, 12);
  for (ULONG_PTR data : {5, 9, 2}) SendMessageA(l, LB_ADDSTRING, 0, static_cast<LPARAM>(data));
  EXPECT_EQ(measured, (std::vector<std::pair<UINT, ULONG_PTR>>{{0, 5}, {1, 9}, {2, 2}}));
  EXPECT_EQ(SendMessageA(l, LB_GETITEMDATA, 1, 0), 9) << "without strings the value is the item's data";
  UpdateWindow(l);
  Pump();
  EXPECT_EQ(drawn.size(), 3u);
  RECT r{};
  SendMessageA(l, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.top, 15 + 19);
  SendMessageA(l, LB_DELETESTRING, 1, 0);
  SendMessageA(l, LB_RESETCONTENT, 0, 0);
  EXPECT_EQ(deleted, (std::vector<std::pair<UINT, ULONG_PTR>>{{1, 9}, {0, 5}, {1, 2}}));
}

}  // namespace
