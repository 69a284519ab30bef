// The details header of the list view base: owner-drawn items, the sort
// arrow placed by each display mode, and the header's own notifications in
// either character set.
#include <gtest/gtest.h>

#include "controls/shell/UNavShellUtils/SystemInfo.h"
#include "controls/shell/UNavTreeList.h"
#include "tests/shell/shared/ViewHost.h"

namespace shelltest {
namespace {

class SortHeaderTest : public ViewHostTest {
 protected:
  std::string HostTitle() const override { return "Sort header"; }

  TNavCustomListView* MakeList(int top, std::initializer_list<int> widths) {
    auto* list = new TNavCustomListView(host);
    list->SetParent(host);
    list->SetBounds(10, top, 600, 60);
    list->SetViewStyle(vsReport);
    const char* captions[] = {"Name", "Size", "Type", "Modified"};
    int i = 0;
    for (int width : widths) {
      TListColumn* column = list->GetColumns()->Add();
      column->SetCaption(captions[i % 4]);
      column->SetWidth(width);
      if (i == 1) column->SetAlignment(taRightJustify);
      i++;
    }
    list->GetItems()->Add()->SetCaption("Kick.wav");
    Pump();
    return list;
  }
  static int Format(TNavCustomListView* list, int index) {
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    SendMessageA(list->HeaderWindow(), HDM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item.fmt;
  }
  // Plants a format behind the list's back: the header's change report
  // goes to the host while it is set.
  void SetFormat(TNavCustomListView* list, int index, int fmt) {
    HWND header = list->HeaderWindow();
    SetParent(header, host->GetHandle());
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    item.fmt = fmt;
    SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    SetParent(header, list->GetHandle());
    ASSERT_EQ(Format(list, index), fmt);
  }
  static RECT ItemRect(TNavCustomListView* list, int index) {
    RECT r{};
    SendMessageA(list->HeaderWindow(), HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  // The left and right x of the arrow's shadow-coloured edge in a header item (-1: none).
  std::pair<int, int> ArrowSpan(TNavCustomListView* list, int index) {
    RECT r = ItemRect(list, index);
    int first = -1, last = -1;
    for (int y = r.top; y < r.bottom; y++)
      for (int x = r.left; x < r.right; x++)
        if (Pixel(list->HeaderWindow(), x, y) == ColorToRGB(clBtnShadow) && x > r.left + 2 && x < r.right - 3 &&
            y > r.top + 2 && y < r.bottom - 3) {
          if (first < 0 || x < first) first = x;
          last = std::max(last, x);
        }
    return {first, last};
  }
  static bool ModesAvailable() { return Comctl32Version().Most >= kComctl32SortArrows; }
};

TEST_F(SortHeaderTest, ItemsAreOwnerDrawnKeepingTheirAlignment) {
  TNavCustomListView* list = MakeList(10, {150, 80});
  ASSERT_NE(list->HeaderWindow(), nullptr);
  if (!ModesAvailable()) GTEST_SKIP() << "common controls without sort arrows";
  EXPECT_EQ(Format(list, 0), HDF_OWNERDRAW | HDF_LEFT);
  EXPECT_EQ(Format(list, 1), HDF_OWNERDRAW | HDF_RIGHT);
  list->SetHeaderSortDisplayMode(navlvNone);
  EXPECT_EQ(Format(list, 0), HDF_STRING | HDF_LEFT);
  EXPECT_EQ(Format(list, 1), HDF_STRING | HDF_RIGHT);
}

// The stand-in header reports in the "A" set, a system one may report in
// the "W" set: either makes the list set its items owner-drawn again.
TEST_F(SortHeaderTest, HeaderNotificationsInEitherSetRefreshTheItems) {
  TNavCustomListView* list = MakeList(10, {150, 80});
  if (!ModesAvailable()) GTEST_SKIP() << "common controls without sort arrows";
  const UINT codes[] = {HDN_BEGINTRACKA, HDN_BEGINTRACKW,  HDN_ENDTRACKA,
                        HDN_ENDTRACKW,   HDN_ITEMCHANGEDA, HDN_ITEMCHANGEDW};
  for (UINT code : codes) {
    SetFormat(list, 0, HDF_STRING);
    NMHEADERA nm{};
    nm.hdr.hwndFrom = list->HeaderWindow();
    nm.hdr.code = code;
    SendMessageA(list->GetHandle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
    EXPECT_EQ(Format(list, 0), HDF_OWNERDRAW) << static_cast<int>(code);
  }
  // Dragging a divider with the mouse reports through the real header.
  SetFormat(list, 0, HDF_STRING);
  RECT r = ItemRect(list, 0);
  HWND header = list->HeaderWindow();
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right, 5));
  SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(r.right + 20, 5));
  SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(r.right + 20, 5));
  EXPECT_EQ(Format(list, 0), HDF_OWNERDRAW);
}

TEST_F(SortHeaderTest, ViewStyleRefreshesTheHeaderOnlyWhenItChanges) {
  TNavCustomListView* list = MakeList(10, {150, 80});
  if (!ModesAvailable()) GTEST_SKIP() << "common controls without sort arrows";
  SetFormat(list, 0, HDF_STRING);
  list->SetViewStyle(vsReport);
  EXPECT_EQ(Format(list, 0), HDF_STRING);
  list->SetViewStyle(vsList);
  list->SetViewStyle(vsReport);
  EXPECT_EQ(Format(list, 0), HDF_OWNERDRAW);
}

struct ArrowCase {
  const char* name;
  TNavLvHeaderSortDisplayMode mode;
  int column;  // 1 is right-aligned
  int width;
  bool arrow;
  // Where the arrow lies in the item: 0 left part, 1 after the caption, 2 right end.
  int place;
};

TEST_F(SortHeaderTest, ArrowPlacedByTheDisplayMode) {
  if (!ModesAvailable()) GTEST_SKIP() << "common controls without sort arrows";
  const ArrowCase cases[] = {
      {"none", navlvNone, 0, 160, false, 0},
      {"left", navlvLeftAlign, 0, 160, true, 0},
      {"left in a narrow column", navlvLeftAlign, 0, 15, false, 0},
      {"right of text", navlvRightOfText, 0, 160, true, 1},
      {"right of text, right-aligned column", navlvRightOfText, 1, 160, true, 2},
      {"right", navlvRightAlign, 0, 160, true, 2},
  };
  for (const ArrowCase& c : cases) {
    SCOPED_TRACE(c.name);
    TNavCustomListView* list = MakeList(10, {c.column == 0 ? c.width : 60, c.column == 1 ? c.width : 60, 60});
    list->SetHeaderSortDisplayMode(c.mode);
    list->SetSortColumn(c.column);
    list->SetSortDirection(1);
    PaintNow();
    auto [first, last] = ArrowSpan(list, c.column);
    EXPECT_EQ(first >= 0, c.arrow);
    // Never an arrow in the other columns.
    EXPECT_EQ(ArrowSpan(list, 2).first, -1);
    if (c.arrow) {
      RECT r = ItemRect(list, c.column);
      int centre = (first + last) / 2 - r.left;
      if (c.place == 0) {
        EXPECT_LT(centre, 20);
      } else if (c.place == 1) {
        EXPECT_GT(centre, 20);
        EXPECT_LT(centre, c.width / 2);
      } else {
        EXPECT_GT(centre, c.width - 25);
      }
    }
    delete list;
  }
}

TEST_F(SortHeaderTest, DirectionTurnsTheArrow) {
  if (!ModesAvailable()) GTEST_SKIP() << "common controls without sort arrows";
  TNavCustomListView* list = MakeList(10, {160, 60});
  list->SetHeaderSortDisplayMode(navlvLeftAlign);
  list->SetSortColumn(0);
  // The shadow edge of an arrow pointing up is its left edge only: one
  // shadow pixel per row; pointing down it also has the top edge.
  auto widestShadowRow = [&]() {
    RECT r = ItemRect(list, 0);
    int widest = 0;
    for (int y = r.top + 3; y < r.bottom - 3; y++) {
      int n = 0;
      for (int x = r.left + 3; x < r.left + 30; x++) n += Pixel(list->HeaderWindow(), x, y) == ColorToRGB(clBtnShadow);
      widest = std::max(widest, n);
    }
    return widest;
  };
  list->SetSortDirection(1);
  PaintNow();
  int up = widestShadowRow();
  list->SetSortDirection(0);
  PaintNow();
  int down = widestShadowRow();
  EXPECT_GE(up, 1);
  EXPECT_LE(up, 2);
  EXPECT_GT(down, 4);
}

TEST_F(SortHeaderTest, SortChangesRepaintOnlyTheColumnsConcerned) {
  TNavCustomListView* list = MakeList(10, {120, 120, 120});
  list->SetSortColumn(0);
  HWND header = list->HeaderWindow();
  PaintNow();
  auto invalid = [&]() {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(header, rgn, FALSE);
    std::vector<bool> columns;
    for (int i = 0; i < 3; i++) {
      RECT r = ItemRect(list, i);
      columns.push_back(PtInRegion(rgn, (r.left + r.right) / 2, (r.top + r.bottom) / 2) != FALSE);
    }
    DeleteObject(rgn);
    return columns;
  };
  list->SetSortColumn(2);
  EXPECT_EQ(invalid(), (std::vector<bool>{true, false, true}));
  PaintNow();
  list->SetSortDirection(1);
  EXPECT_EQ(invalid(), (std::vector<bool>{false, false, true}));
  PaintNow();
  // Unchanged values repaint nothing.
  list->SetSortColumn(2);
  list->SetSortDirection(1);
  EXPECT_EQ(invalid(), (std::vector<bool>{false, false, false}));
}

TEST_F(SortHeaderTest, EachModePictured) {
  if (!ModesAvailable()) GTEST_SKIP() << "common controls without sort arrows";
  int top = 10;
  int mode = 0;
  for (TNavLvHeaderSortDisplayMode m : {navlvNone, navlvLeftAlign, navlvRightOfText, navlvRightAlign}) {
    TNavCustomListView* list = MakeList(top, {180, 90, 120});
    list->SetHeaderSortDisplayMode(m);
    list->SetSortColumn(mode % 2);
    list->SetSortDirection(mode < 2 ? 1 : 0);
    top += 70;
    mode++;
  }
  SaveShot("shell_sort_header_modes");
}

}  // namespace
}  // namespace shelltest
