// The list view driven by messages, mouse and keyboard: notification order,
// selection, custom draw, label editing, columns and the header.
#include <cstring>
#include <utility>

#include "comctl_fixture.h"

namespace comctltest {
namespace {

class ListViewTest : public ComctlTest {
 protected:
  HWND MakeList(DWORD style, const std::vector<std::string>& texts, int w = 300, int h = 200) {
    MakeParent(w + 20, h + 20);
    HWND lv = MakeChild(WC_LISTVIEWA, style, 10, 10, w, h);
    if (style & LVS_REPORT) {
      AddColumn(lv, 0, "Name", 120);
      AddColumn(lv, 1, "Size", 80);
    }
    for (size_t i = 0; i < texts.size(); i++) AddItem(lv, static_cast<int>(i), texts[i], static_cast<LPARAM>(100 + i));
    Paint();
    heard.clear();
    return lv;
  }
  static void AddColumn(HWND lv, int at, const char* text, int width) {
    LVCOLUMNA c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    c.pszText = const_cast<LPSTR>(text);
    c.cx = width;
    c.fmt = at == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT;
    SendMessageA(lv, LVM_INSERTCOLUMNA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&c));
  }
  static int AddItem(HWND lv, int at, const std::string& text, LPARAM param) {
    LVITEMA it{};
    it.mask = LVIF_TEXT | LVIF_PARAM;
    it.iItem = at;
    it.pszText = const_cast<LPSTR>(text.c_str());
    it.lParam = param;
    return static_cast<int>(SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it)));
  }
  static RECT ItemRect(HWND lv, int item, int code) {
    RECT r{};
    r.left = code;
    SendMessageA(lv, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  static UINT State(HWND lv, int item) {
    return static_cast<UINT>(
        SendMessageA(lv, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_SELECTED | LVIS_FOCUSED));
  }
  static std::string Text(HWND lv, int item, int sub = 0) {
    char buffer[256] = {0};
    LVITEMA it{};
    it.iSubItem = sub;
    it.pszText = buffer;
    it.cchTextMax = sizeof buffer;
    SendMessageA(lv, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it));
    return buffer;
  }
  void ClickItem(HWND lv, int item, std::uint32_t mods = 0) {
    RECT r = ItemRect(lv, item, LVIR_LABEL);
    Click(lv, r.left + 5, (r.top + r.bottom) / 2, mods);
  }
  std::vector<Heard> Changes() const {
    std::vector<Heard> out;
    for (const Heard& h : heard)
      if (h.code == LVN_ITEMCHANGING || h.code == LVN_ITEMCHANGED) out.push_back(h);
    return out;
  }
};

TEST_F(ListViewTest, ClickOnItemSendsChangingChangedThenClick) {
  HWND lv = MakeList(LVS_REPORT, {"one", "two", "three"});
  ClickItem(lv, 1);
  EXPECT_EQ(Codes({LVN_ITEMCHANGING, LVN_ITEMCHANGED, NM_CLICK, NM_SETFOCUS}),
            (std::vector<UINT>{NM_SETFOCUS, LVN_ITEMCHANGING, LVN_ITEMCHANGED, NM_CLICK}));
  auto changes = Changes();
  ASSERT_EQ(changes.size(), 2u);
  for (const Heard& h : changes) {
    EXPECT_EQ(h.item, 1);
    EXPECT_EQ(h.oldState, 0u);
    EXPECT_EQ(h.newState, static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(h.changed, static_cast<UINT>(LVIF_STATE));
  }
  EXPECT_EQ(heard.back().code, static_cast<UINT>(NM_CLICK));
  EXPECT_EQ(heard.back().item, 1);
  EXPECT_EQ(State(lv, 1), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));

  // A click on another item first takes the old item's state away.
  heard.clear();
  ClickItem(lv, 2);
  changes = Changes();
  ASSERT_EQ(changes.size(), 4u);
  EXPECT_EQ(changes[0].item, 1);
  EXPECT_EQ(changes[0].oldState, static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
  EXPECT_EQ(changes[0].newState, 0u);
  EXPECT_EQ(changes[2].item, 2);
  EXPECT_EQ(State(lv, 1), 0u);
}

TEST_F(ListViewTest, ShiftAndCtrlClicksExtendAndToggleTheSelection) {
  HWND lv = MakeList(LVS_REPORT, {"a", "b", "c", "d", "e"});
  ClickItem(lv, 1);
  ClickItem(lv, 3, host::ModShift);
  EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 3);
  EXPECT_EQ(State(lv, 3), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
  ClickItem(lv, 2, host::ModCtrl);
  EXPECT_EQ(State(lv, 2), static_cast<UINT>(LVIS_FOCUSED));
  EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
  EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, 1, LVNI_SELECTED), 3);
  EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 2);
  // A single-selection list keeps one.
  DestroyWindow(lv);
  HWND single = MakeChild(WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL, 10, 10, 200, 100, 2);
  AddColumn(single, 0, "Name", 100);
  AddItem(single, 0, "x", 0);
  AddItem(single, 1, "y", 0);
  ClickItem(single, 0);
  ClickItem(single, 1, host::ModCtrl);
  EXPECT_EQ(SendMessageA(single, LVM_GETSELECTEDCOUNT, 0, 0), 1);
}

TEST_F(ListViewTest, ParentCanRefuseAStateChange) {
  HWND lv = MakeList(LVS_REPORT, {"a", "b"});
  answers[LVN_ITEMCHANGING] = [](NMHDR*) -> LRESULT { return TRUE; };
  ClickItem(lv, 0);
  EXPECT_EQ(State(lv, 0), 0u);
  EXPECT_EQ(Codes({LVN_ITEMCHANGED}).size(), 0u);
}

TEST_F(ListViewTest, KeysMoveTheSelectionAndReturnIsReported) {
  HWND lv = MakeList(LVS_REPORT, {"a", "b", "c", "d"});
  ClickItem(lv, 0);
  heard.clear();
  Press(VK_DOWN);
  EXPECT_EQ(heard.front().code, static_cast<UINT>(LVN_KEYDOWN));
  EXPECT_EQ(State(lv, 1), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
  EXPECT_EQ(State(lv, 0), 0u);
  Press(VK_END);
  EXPECT_EQ(State(lv, 3), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
  Press(VK_UP, host::ModShift);
  EXPECT_EQ(SendMessageA(lv, LVM_GETSELECTEDCOUNT, 0, 0), 2);
  Press(VK_HOME, host::ModCtrl);  // the focus moves, the selection stays
  EXPECT_EQ(State(lv, 0), static_cast<UINT>(LVIS_FOCUSED));
  heard.clear();
  Press(VK_RETURN);
  EXPECT_EQ(Codes({NM_RETURN}).size(), 1u);
}

TEST_F(ListViewTest, TypingFindsItemsByTheirFirstLetters) {
  HWND lv = MakeList(LVS_LIST, {"Apple", "Banana", "Blueberry", "Cherry"});
  SetFocus(lv);
  Type("b");
  EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
  Type("l");
  EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2);
  AdvanceMs(2000);  // a pause starts a new search
  Type("c");
  EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 3);
  AdvanceMs(2000);
  Type("a");
  EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
}

TEST_F(ListViewTest, CustomDrawGetsOneItemStagePerVisibleItemAndItsTextColourShows) {
  std::vector<std::string> texts;
  for (int i = 0; i < 40; i++) texts.push_back("WWWWWWWW " + std::to_string(i));
  HWND lv = MakeList(LVS_REPORT, texts, 300, 150);
  answers[NM_CUSTOMDRAW] = [](NMHDR* h) -> LRESULT {
    auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(h);
    if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    if (cd->nmcd.dwDrawStage == CDDS_ITEMPREPAINT && cd->nmcd.dwItemSpec == 1) cd->clrText = RGB(255, 0, 0);
    return CDRF_DODEFAULT;
  };
  Paint();
  RECT client;
  GetClientRect(lv, &client);
  RECT header;
  GetWindowRect(reinterpret_cast<HWND>(SendMessageA(lv, LVM_GETHEADER, 0, 0)), &header);
  int visible = 0;
  for (int i = 0; i < 40; i++) {
    RECT r = ItemRect(lv, i, LVIR_BOUNDS), shown;
    if (r.bottom > header.bottom - header.top && IntersectRect(&shown, &r, &client)) visible++;
  }
  ASSERT_GT(visible, 3);
  ASSERT_LT(visible, 40);
  std::vector<int> items;
  std::vector<DWORD> stages;
  for (const Heard& h : heard)
    if (h.code == NM_CUSTOMDRAW) {
      stages.push_back(h.stage);
      if (h.stage == CDDS_ITEMPREPAINT) items.push_back(h.item);
    }
  EXPECT_EQ(static_cast<int>(items.size()), visible);
  EXPECT_EQ(stages.front(), static_cast<DWORD>(CDDS_PREPAINT));
  EXPECT_EQ(stages.back(), static_cast<DWORD>(CDDS_POSTPAINT));
  for (int i = 0; i < static_cast<int>(items.size()); i++) EXPECT_EQ(items[i], i);

  auto redIn = [&](int item) {
    RECT r = ItemRect(lv, item, LVIR_LABEL);
    int red = 0;
    for (int y = r.top; y < r.bottom; y++)
      for (int x = r.left; x < r.right; x++)
        if (Pixel(lv, x, y) == 0xFF0000) red++;
    return red;
  };
  EXPECT_GT(redIn(1), 10);
  EXPECT_EQ(redIn(2), 0);
}

TEST_F(ListViewTest, CustomDrawSkipDefaultLeavesTheItemUndrawn) {
  HWND lv = MakeList(LVS_REPORT, {"WWWWWWWW", "WWWWWWWW"});
  answers[NM_CUSTOMDRAW] = [](NMHDR* h) -> LRESULT {
    auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(h);
    if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    return cd->nmcd.dwItemSpec == 0 ? CDRF_SKIPDEFAULT : CDRF_DODEFAULT;
  };
  Paint();
  auto darkIn = [&](int item) {
    RECT r = ItemRect(lv, item, LVIR_LABEL);
    int dark = 0;
    for (int y = r.top; y < r.bottom; y++)
      for (int x = r.left; x < r.right; x++)
        if ((Pixel(lv, x, y) & 0xFFFFFF) == 0) dark++;
    return dark;
  };
  EXPECT_EQ(darkIn(0), 0);
  EXPECT_GT(darkIn(1), 10);
}

TEST_F(ListViewTest, HeaderItemSwitchedToOwnerDrawIsDrawnThroughDrawItem) {
  HWND lv = MakeList(LVS_REPORT, {"a"});
  HWND header = reinterpret_cast<HWND>(SendMessageA(lv, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(GetDlgCtrlID(header), 0);
  HDITEMA hd{};
  hd.mask = HDI_FORMAT;
  ASSERT_TRUE(SendMessageA(header, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&hd)));
  EXPECT_EQ(hd.fmt & HDF_JUSTIFYMASK, HDF_RIGHT);
  hd.fmt = (hd.fmt & HDF_JUSTIFYMASK) | HDF_OWNERDRAW;
  SendMessageA(header, HDM_SETITEMA, 1, reinterpret_cast<LPARAM>(&hd));
  // The list view's header sends WM_DRAWITEM to the list view itself, where
  // the class library's list view (a subclass) answers it.
  static WNDPROC original = nullptr;
  static std::vector<UINT> drawnByList;
  drawnByList.clear();
  original = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      lv, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_DRAWITEM) {
          auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(l);
          if (dis->CtlType == ODT_HEADER) drawnByList.push_back(dis->itemID);
          return TRUE;
        }
        return CallWindowProcA(original, h, m, w, l);
      })));
  Paint();
  EXPECT_EQ(drawnByList, (std::vector<UINT>{1}));
  SetWindowLongPtrA(lv, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  // A header of the test's own draws through its parent the same way.
  DestroyWindow(lv);
  HWND own = MakeChild(WC_HEADERA, HDS_BUTTONS, 10, 10, 200, 24, 7);
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = const_cast<LPSTR>("First");
  item.cxy = 80;
  item.fmt = HDF_STRING;
  SendMessageA(own, HDM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  item.pszText = const_cast<LPSTR>("Second");
  SendMessageA(own, HDM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));
  hd.mask = HDI_FORMAT;
  SendMessageA(own, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&hd));
  hd.fmt = (hd.fmt & HDF_JUSTIFYMASK) | HDF_OWNERDRAW;
  SendMessageA(own, HDM_SETITEMA, 1, reinterpret_cast<LPARAM>(&hd));
  RECT drawn{};
  onDrawItem = [&](const DRAWITEMSTRUCT& dis) {
    drawn = dis.rcItem;
    HBRUSH b = CreateSolidBrush(RGB(0, 128, 255));
    RECT inner = dis.rcItem;
    InflateRect(&inner, -3, -3);
    FillRect(dis.hDC, &inner, b);
    DeleteObject(b);
  };
  heard.clear();
  Paint();
  std::vector<Heard> draws;
  for (const Heard& h : heard)
    if (h.msg == WM_DRAWITEM) draws.push_back(h);
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].code, static_cast<UINT>(ODT_HEADER));
  EXPECT_EQ(draws[0].item, 1);
  EXPECT_EQ(draws[0].from, own);
  EXPECT_EQ(drawn.left, 80);
  EXPECT_EQ(Pixel(own, 120, 12), 0x0080FFu);
}

TEST_F(ListViewTest, LabelEditEndsWithTheNewTextAndEscapeCancels) {
  HWND lv = MakeList(LVS_REPORT | LVS_EDITLABELS, {"alpha", "beta"});
  answers[LVN_ENDLABELEDITA] = [](NMHDR*) -> LRESULT { return TRUE; };
  HWND edit = reinterpret_cast<HWND>(SendMessageA(lv, LVM_EDITLABELA, 1, 0));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(lv, LVM_GETEDITCONTROL, 0, 0)), edit);
  EXPECT_EQ(GetFocus(), edit);
  Type("gamma");  // replaces the selected text
  Press(VK_RETURN);
  ASSERT_EQ(Codes({LVN_BEGINLABELEDITA, LVN_ENDLABELEDITA}),
            (std::vector<UINT>{LVN_BEGINLABELEDITA, LVN_ENDLABELEDITA}));
  const Heard* end = nullptr;
  for (const Heard& h : heard)
    if (h.code == LVN_ENDLABELEDITA) end = &h;
  EXPECT_EQ(end->text, "gamma");
  EXPECT_EQ(end->item, 1);
  EXPECT_EQ(Text(lv, 1), "gamma");
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_EQ(GetFocus(), lv);

  heard.clear();
  SendMessageA(lv, LVM_EDITLABELA, 0, 0);
  Type("zzz");
  Press(VK_ESCAPE);
  ASSERT_EQ(Codes({LVN_ENDLABELEDITA}).size(), 1u);
  for (const Heard& h : heard)
    if (h.code == LVN_ENDLABELEDITA) {
      EXPECT_EQ(h.text, "<null>");
    }
  EXPECT_EQ(Text(lv, 0), "alpha");

  // A parent that answers FALSE keeps the old text; one that refuses the
  // start gets no editor.
  answers[LVN_ENDLABELEDITA] = [](NMHDR*) -> LRESULT { return FALSE; };
  SendMessageA(lv, LVM_EDITLABELA, 0, 0);
  Type("new");
  Press(VK_RETURN);
  EXPECT_EQ(Text(lv, 0), "alpha");
  answers[LVN_BEGINLABELEDITA] = [](NMHDR*) -> LRESULT { return TRUE; };
  EXPECT_EQ(SendMessageA(lv, LVM_EDITLABELA, 0, 0), 0);
  EXPECT_EQ(SendMessageA(lv, LVM_GETEDITCONTROL, 0, 0), 0);
}

TEST_F(ListViewTest, DestroyingTheViewWhileEditingEndsTheEditAsLossOfFocusDoes) {
  HWND lv = MakeList(LVS_REPORT | LVS_EDITLABELS, {"a", "b"});
  HWND edit = reinterpret_cast<HWND>(SendMessageA(lv, LVM_EDITLABELA, 0, 0));
  ASSERT_NE(edit, nullptr);
  Type("typed");
  DestroyWindow(lv);
  EXPECT_FALSE(IsWindow(edit));
  auto ends = Codes({LVN_ENDLABELEDITA});
  ASSERT_EQ(ends.size(), 1u);
  for (const Heard& h : heard)
    if (h.code == LVN_ENDLABELEDITA) {
      EXPECT_EQ(h.text, "typed");
    }
}

TEST_F(ListViewTest, SlowSecondClickOnTheFocusedItemStartsTheEdit) {
  HWND lv = MakeList(LVS_REPORT | LVS_EDITLABELS, {"alpha", "beta"});
  ClickItem(lv, 0);
  ClickItem(lv, 0);
  EXPECT_EQ(SendMessageA(lv, LVM_GETEDITCONTROL, 0, 0), 0);
  AdvanceMs(GetDoubleClickTime() + 10);
  EXPECT_NE(SendMessageA(lv, LVM_GETEDITCONTROL, 0, 0), 0);
  EXPECT_EQ(Codes({LVN_BEGINLABELEDITA}).size(), 1u);
  Press(VK_ESCAPE);
}

TEST_F(ListViewTest, DragFromAnItemBeginsADragInsteadOfAClick) {
  HWND lv = MakeList(LVS_REPORT, {"a", "b"});
  RECT r = ItemRect(lv, 0, LVIR_LABEL);
  AdvanceMs(1000);
  MouseDown(lv, r.left + 5, r.top + 3);
  MouseMove(lv, r.left + 25, r.top + 30, host::ButtonLeft);
  MouseUp(lv, r.left + 25, r.top + 30);
  EXPECT_EQ(Codes({LVN_BEGINDRAG, NM_CLICK}), (std::vector<UINT>{LVN_BEGINDRAG}));
  heard.clear();
  RightClick(lv, r.left + 5, r.top + 3);
  EXPECT_EQ(Codes({NM_RCLICK, LVN_BEGINRDRAG}), (std::vector<UINT>{NM_RCLICK}));
}

TEST_F(ListViewTest, CallbackTextsComeFromTheParent) {
  HWND lv = MakeList(LVS_REPORT, {});
  LVITEMA it{};
  it.mask = LVIF_TEXT | LVIF_PARAM;
  it.pszText = LPSTR_TEXTCALLBACKA;
  it.lParam = 7;
  SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it));
  answers[LVN_GETDISPINFOA] = [](NMHDR* h) -> LRESULT {
    auto* di = reinterpret_cast<NMLVDISPINFOA*>(h);
    std::string text = "item " + std::to_string(di->item.lParam) + "/" + std::to_string(di->item.iSubItem);
    if (di->item.mask & LVIF_TEXT) std::strncpy(di->item.pszText, text.c_str(), di->item.cchTextMax);
    return 0;
  };
  EXPECT_EQ(Text(lv, 0), "item 7/0");
  LVITEMA sub{};
  sub.iSubItem = 1;
  sub.pszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(lv, LVM_SETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&sub));
  EXPECT_EQ(Text(lv, 0, 1), "item 7/1");
}

TEST_F(ListViewTest, DeletingItemsAnnouncesEachUnlessTheParentDeclines) {
  HWND lv = MakeList(LVS_REPORT, {"a", "b", "c"});
  EXPECT_TRUE(SendMessageA(lv, LVM_DELETEITEM, 1, 0));
  EXPECT_EQ(Codes(), (std::vector<UINT>{LVN_DELETEITEM}));
  EXPECT_EQ(heard[0].item, 1);
  heard.clear();
  SendMessageA(lv, LVM_DELETEALLITEMS, 0, 0);
  EXPECT_EQ(Codes({LVN_DELETEALLITEMS, LVN_DELETEITEM}),
            (std::vector<UINT>{LVN_DELETEALLITEMS, LVN_DELETEITEM, LVN_DELETEITEM}));
  AddItem(lv, 0, "x", 0);
  AddItem(lv, 1, "y", 0);
  heard.clear();
  answers[LVN_DELETEALLITEMS] = [](NMHDR*) -> LRESULT { return TRUE; };
  SendMessageA(lv, LVM_DELETEALLITEMS, 0, 0);
  EXPECT_EQ(Codes({LVN_DELETEALLITEMS, LVN_DELETEITEM}), (std::vector<UINT>{LVN_DELETEALLITEMS}));
  EXPECT_EQ(SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, SortItemsOrdersByTheCompareFunction) {
  HWND lv = MakeList(LVS_REPORT, {"a", "b", "c"});
  SendMessageA(lv, LVM_SORTITEMS, 0,
               reinterpret_cast<LPARAM>(+[](LPARAM a, LPARAM b, LPARAM) -> int { return static_cast<int>(b - a); }));
  EXPECT_EQ(Text(lv, 0), "c");
  EXPECT_EQ(Text(lv, 2), "a");
  LVFINDINFOA find{};
  find.flags = LVFI_PARAM;
  find.lParam = 101;
  EXPECT_EQ(SendMessageA(lv, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), 1);
  find.flags = LVFI_STRING | LVFI_PARTIAL;
  find.psz = "A";
  EXPECT_EQ(SendMessageA(lv, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), 2);
}

TEST_F(ListViewTest, HeaderClickIsAColumnClickAndDraggingADividerResizesTheColumn) {
  HWND lv = MakeList(LVS_REPORT, {"a"});
  HWND header = reinterpret_cast<HWND>(SendMessageA(lv, LVM_GETHEADER, 0, 0));
  Click(header, 150, 8);
  EXPECT_EQ(Codes({LVN_COLUMNCLICK}), (std::vector<UINT>{LVN_COLUMNCLICK}));
  for (const Heard& h : heard)
    if (h.code == LVN_COLUMNCLICK) {
      EXPECT_EQ(h.item, 1);
    }
  heard.clear();
  AdvanceMs(1000);
  MouseDown(header, 119, 8);
  MouseMove(header, 140, 8, host::ButtonLeft);
  MouseMove(header, 160, 8, host::ButtonLeft);
  MouseUp(header, 160, 8);
  EXPECT_EQ(
      Codes({HDN_BEGINTRACKA, HDN_TRACKA, HDN_ENDTRACKA, HDN_ITEMCHANGINGA, HDN_ITEMCHANGEDA}),
      (std::vector<UINT>{HDN_BEGINTRACKA, HDN_TRACKA, HDN_TRACKA, HDN_ENDTRACKA, HDN_ITEMCHANGINGA, HDN_ITEMCHANGEDA}));
  EXPECT_EQ(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 0, 0), 161);
  EXPECT_EQ(ItemRect(lv, 0, LVIR_BOUNDS).right - ItemRect(lv, 0, LVIR_BOUNDS).left, 161 + 80);
  // A parent that refuses the start of the drag keeps the width.
  answers[HDN_BEGINTRACKA] = [](NMHDR*) -> LRESULT { return TRUE; };
  AdvanceMs(1000);
  MouseDown(header, 160, 8);
  MouseMove(header, 60, 8, host::ButtonLeft);
  MouseUp(header, 60, 8);
  EXPECT_EQ(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 0, 0), 161);
}

TEST_F(ListViewTest, ColumnWidthsAutosizeAndTheListViewHasOneColumnWidth) {
  HWND lv = MakeList(LVS_REPORT, {"a fairly long caption here", "b"});
  SendMessageA(lv, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE, 0));
  int autosized = static_cast<int>(SendMessageA(lv, LVM_GETCOLUMNWIDTH, 0, 0));
  EXPECT_GT(autosized, static_cast<int>(SendMessageA(lv, LVM_GETSTRINGWIDTHA, 0,
                                                     reinterpret_cast<LPARAM>("a fairly long caption here"))));
  SendMessageA(lv, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
  RECT client;
  GetClientRect(lv, &client);
  EXPECT_EQ(autosized + SendMessageA(lv, LVM_GETCOLUMNWIDTH, 1, 0), client.right);
}

TEST_F(ListViewTest, IconViewPlacesItemsInAGridAndHitTestsThem) {
  HWND lv = MakeList(LVS_ICON | LVS_AUTOARRANGE, {"one", "two", "three", "four", "five"});
  HIMAGELIST large = SolidImages({RGB(255, 0, 0), RGB(0, 0, 255)}, 32);
  SendMessageA(lv, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(large));
  RECT a = ItemRect(lv, 0, LVIR_ICON), b = ItemRect(lv, 1, LVIR_ICON);
  EXPECT_EQ(a.top, b.top);
  EXPECT_GT(b.left, a.left);
  LVHITTESTINFO hit{};
  hit.pt = POINT{(b.left + b.right) / 2, b.top + 10};
  EXPECT_EQ(SendMessageA(lv, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
  EXPECT_EQ(hit.flags, static_cast<UINT>(LVHT_ONITEMICON));
  hit.pt = POINT{290, 190};
  EXPECT_EQ(SendMessageA(lv, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
  EXPECT_EQ(hit.flags, static_cast<UINT>(LVHT_NOWHERE));
  // Arrow keys move through the grid by position.
  ClickItem(lv, 0);
  Press(VK_RIGHT);
  EXPECT_EQ(SendMessageA(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 1);
  // Switching to the report view shows the header; back, it hides.
  HWND header = reinterpret_cast<HWND>(SendMessageA(lv, LVM_GETHEADER, 0, 0));
  EXPECT_FALSE(IsWindowVisible(header));
  SetWindowLongA(lv, GWL_STYLE, (GetWindowLongA(lv, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_REPORT);
  EXPECT_TRUE(IsWindowVisible(header));
  DestroyWindow(lv);
  EXPECT_FALSE(ImageList_Destroy(large));  // not shared: the view destroyed it
}

// An icon placed by either message stays where it was put; the 32-bit
// message without a point is refused and moves nothing.
TEST_F(ListViewTest, SettingAnItemPositionMovesItUnlessThePointIsMissing) {
  HWND lv = MakeList(LVS_ICON, {"one", "two"});
  auto position = [&](int item) {
    POINT p{-1, -1};
    SendMessageA(lv, LVM_GETITEMPOSITION, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&p));
    return std::pair<LONG, LONG>(p.x, p.y);
  };
  POINT to{120, 60};
  EXPECT_TRUE(SendMessageA(lv, LVM_SETITEMPOSITION32, 1, reinterpret_cast<LPARAM>(&to)));
  EXPECT_EQ(position(1), std::make_pair(LONG{120}, LONG{60}));
  EXPECT_TRUE(SendMessageA(lv, LVM_SETITEMPOSITION, 1, MAKELPARAM(40, 90)));
  EXPECT_EQ(position(1), std::make_pair(LONG{40}, LONG{90}));
  EXPECT_FALSE(SendMessageA(lv, LVM_SETITEMPOSITION32, 1, 0));
  EXPECT_EQ(position(1), std::make_pair(LONG{40}, LONG{90}));
}

TEST_F(ListViewTest, FocusedIconShowsItsWholeLabel) {
  HWND lv = MakeList(LVS_ICON, {"short", "A very long sample name that wraps a lot.wav"});
  RECT shortLabel = ItemRect(lv, 0, LVIR_LABEL);
  RECT wrapped = ItemRect(lv, 1, LVIR_LABEL);
  int line = shortLabel.bottom - shortLabel.top - 2;
  EXPECT_EQ(wrapped.bottom - wrapped.top, 2 * line + 2);
  SetFocus(lv);
  LVITEMA st{};
  st.stateMask = st.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(lv, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&st));
  RECT whole = ItemRect(lv, 1, LVIR_LABEL);
  EXPECT_GT(whole.bottom - whole.top, 2 * line + 2);
  SetFocus(parent);
  RECT again = ItemRect(lv, 1, LVIR_LABEL);
  EXPECT_EQ(again.bottom - again.top, 2 * line + 2);
}

TEST_F(ListViewTest, SharedImageListsOutliveTheView) {
  HWND lv = MakeList(LVS_REPORT | LVS_SHAREIMAGELISTS, {"a"});
  HIMAGELIST small = SolidImages({RGB(0, 255, 0)});
  SendMessageA(lv, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small));
  Paint();
  RECT icon = ItemRect(lv, 0, LVIR_ICON);
  EXPECT_EQ(Pixel(lv, (icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2), 0x00FF00u);
  DestroyWindow(lv);
  EXPECT_TRUE(ImageList_Destroy(small));
}

TEST_F(ListViewTest, OverlayAndCutStatesChangeHowTheIconIsDrawn) {
  HWND lv = MakeList(LVS_REPORT | LVS_SHAREIMAGELISTS, {"plain", "overlaid", "cut"});
  HIMAGELIST small = SolidImages({RGB(0, 0, 255), RGB(255, 0, 0)});
  ImageList_SetOverlayImage(small, 1, 1);
  SendMessageA(lv, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small));
  LVITEMA st{};
  st.stateMask = LVIS_OVERLAYMASK;
  st.state = INDEXTOOVERLAYMASK(1);
  SendMessageA(lv, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&st));
  st.stateMask = st.state = LVIS_CUT;
  SendMessageA(lv, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&st));
  Paint();
  auto centre = [&](int item) {
    RECT r = ItemRect(lv, item, LVIR_ICON);
    return Pixel(lv, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  };
  EXPECT_EQ(centre(0), 0x0000FFu);
  EXPECT_EQ(centre(1), 0xFF0000u);
  EXPECT_NE(centre(2), 0x0000FFu);  // ghosted towards the background
  EXPECT_GT(centre(2) & 0xFF0000, 0x700000u);
  DestroyWindow(lv);
  ImageList_Destroy(small);
}

TEST_F(ListViewTest, ChangingTextIsOfferedAndReportedAndFocusLossIsAnnounced) {
  HWND lv = MakeList(LVS_REPORT, {"a", "b"});
  LVITEMA it{};
  it.mask = LVIF_TEXT;
  it.iItem = 1;
  it.pszText = const_cast<LPSTR>("renamed");
  EXPECT_TRUE(SendMessageA(lv, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it)));
  auto changes = Changes();
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].changed, static_cast<UINT>(LVIF_TEXT));
  EXPECT_EQ(Text(lv, 1), "renamed");
  SetFocus(lv);
  heard.clear();
  SetFocus(parent);
  EXPECT_EQ(Codes({NM_KILLFOCUS}).size(), 1u);
}

TEST_F(ListViewTest, EnsureVisibleScrollsTheReportView) {
  std::vector<std::string> texts;
  for (int i = 0; i < 50; i++) texts.push_back("row " + std::to_string(i));
  HWND lv = MakeList(LVS_REPORT, texts, 300, 150);
  EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 0);
  SendMessageA(lv, LVM_ENSUREVISIBLE, 30, FALSE);
  int top = static_cast<int>(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0));
  int page = static_cast<int>(SendMessageA(lv, LVM_GETCOUNTPERPAGE, 0, 0));
  EXPECT_EQ(top + page - 1, 30);
  SendMessageA(lv, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 0);
  SendMessageA(lv, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(SendMessageA(lv, LVM_GETTOPINDEX, 0, 0), 1);
}

}  // namespace
}  // namespace comctltest
