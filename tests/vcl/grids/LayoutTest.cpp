// Where the cells lie: OnDrawCell's rectangles and states with fixed rows
// and columns and grid lines, the lines' colours, the cell under the mouse,
// and scrolling through the window's scroll bar and the keys.
#include <map>
#include <utility>

#include "GridFixture.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/vcl/forms/StdCtrls_Button.h"
#include "platform/win/windows.h"

namespace gridtest {
namespace {

struct Drawn {
  TRect rect;
  TGridDrawState state;
};

class Layout : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    // Another control holds the focus, so that the grid shows no focus.
    other = new TButton(form);
    other->SetParent(form);
    other->SetBounds(8, 240, 75, 25);
    other->SetFocus();
    PaintNow();
  }
  TButton* other = nullptr;
  std::map<std::pair<int, int>, Drawn> DrawAll() {
    std::map<std::pair<int, int>, Drawn> drawn;
    grid->OnDrawCell = [&](TObject* sender, int col, int row, TRect rect, TGridDrawState state) {
      EXPECT_EQ(sender, grid);
      drawn[{col, row}] = {rect, state};
    };
    grid->Invalidate();
    PaintNow();
    grid->OnDrawCell = nullptr;
    return drawn;
  }
  COLORREF GridPixel(int x, int y) {
    HDC dc = GetDC(grid->GetHandle());
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(grid->GetHandle(), dc);
    return c & 0xFFFFFF;
  }
};

TEST_F(Layout, CellsLieAfterTheFixedOnesWithTheGridLinesBetween) {
  struct Case {
    const char* what;
    TGridOptions options;
    int lineWidth;
    int step;  // from one cell's left to the next one's
  };
  const Case cases[] = {
      {"lines of 2", {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine}, 2, 42},
      {"lines of 1", {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine}, 1, 41},
      {"no lines take no room", {}, 3, 40},
  };
  grid->SetColCount(4);
  grid->SetRowCount(3);
  grid->SetDefaultColWidth(40);
  grid->SetDefaultRowHeight(20);
  for (const Case& c : cases) {
    grid->SetOptions(c.options);
    grid->SetGridLineWidth(c.lineWidth);
    grid->SetSelection(GridRect(2, 1, 2, 1));
    auto drawn = DrawAll();
    ASSERT_EQ(drawn.size(), 12u) << c.what;
    int rowStep = c.step - 40 + 20;
    for (const auto& [cell, d] : drawn) {
      auto [col, row] = cell;
      EXPECT_EQ(d.rect, TRect(col * c.step, row * rowStep, col * c.step + 40, row * rowStep + 20))
          << c.what << " cell " << col << "," << row;
      EXPECT_EQ(d.state.Contains(gdFixed), col == 0 || row == 0) << c.what;
      EXPECT_EQ(d.state.Contains(gdSelected), col == 2 && row == 1) << c.what;
      EXPECT_FALSE(d.state.Contains(gdFocused)) << "the grid has no focus";
    }
    TGridCoord hit = grid->MouseCoord(2 * c.step + 5, rowStep + 5);
    EXPECT_EQ(hit, (TGridCoord{2, 1})) << c.what;
  }
  grid->SetFocus();
  auto drawn = DrawAll();
  EXPECT_TRUE((drawn[{2, 1}].state.Contains(gdFocused)));
  EXPECT_FALSE((drawn[{1, 1}].state.Contains(gdFocused)));
}

TEST_F(Layout, FixedLinesAreDarkAndTheOthersLight) {
  grid->SetColCount(4);
  grid->SetRowCount(3);
  grid->SetDefaultColWidth(40);
  grid->SetDefaultRowHeight(20);
  grid->SetGridLineWidth(2);
  grid->SetFixedColor(clYellow);
  grid->SetColor(clWhite);
  grid->SetSelection(GridRect(1, 1, 1, 1));
  PaintNow();
  EXPECT_EQ(GridPixel(41, 30), 0x000000u) << "the line after the fixed column";
  EXPECT_EQ(GridPixel(20, 21), 0x000000u) << "the line under a fixed row";
  EXPECT_EQ(GridPixel(83, 30), 0xC0C0C0u) << "a line between cells";
  EXPECT_EQ(GridPixel(20, 10), 0x00FFFFu) << "a fixed cell (yellow)";
  EXPECT_EQ(GridPixel(120, 60), 0xFFFFFFu) << "a plain cell";
  // The selected cell of a grid without focus is filled with the highlight.
  EXPECT_EQ(GridPixel(60, 30), static_cast<COLORREF>(GetSysColor(COLOR_HIGHLIGHT)) & 0xFFFFFF);
}

class Scrolling : public Layout {
 protected:
  void SetUp() override {
    Layout::SetUp();
    grid->SetColCount(3);
    grid->SetRowCount(50);
    grid->SetDefaultRowHeight(20);
    grid->SetGridLineWidth(1);
    PaintNow();
  }
  void Scroll(int code, int pos = 0) { SendMessageA(grid->GetHandle(), WM_VSCROLL, MAKEWPARAM(code, pos), 0); }
  int BarPos() {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(grid->GetHandle(), SB_VERT, &info);
    return info.nPos;
  }
};

TEST_F(Scrolling, TheScrollBarMovesTopRowAndFollowsIt) {
  int visible = grid->GetVisibleRowCount();
  // 200 pixels less the border: the fixed row and eight more rows in full.
  EXPECT_EQ(visible, 8);
  EXPECT_EQ(grid->GetTopRow(), 1);
  EXPECT_NE(GetWindowLongA(grid->GetHandle(), GWL_STYLE) & WS_VSCROLL, 0) << "the bar is shown";
  Scroll(SB_LINEDOWN);
  EXPECT_EQ(grid->GetTopRow(), 2);
  Scroll(SB_PAGEDOWN);
  EXPECT_EQ(grid->GetTopRow(), 2 + visible);
  EXPECT_EQ(BarPos(), 1 + visible);
  Scroll(SB_BOTTOM);
  EXPECT_EQ(grid->GetTopRow(), 50 - visible) << "the last row shows in full at the bottom";
  TRect last = grid->CellRect(0, 49);
  EXPECT_LE(last.Bottom, grid->GetClientHeight());
  Scroll(SB_LINEDOWN);
  EXPECT_EQ(grid->GetTopRow(), 50 - visible) << "no further";
  // The dragged thumb moves the view only with goThumbTracking.
  Scroll(SB_THUMBTRACK, 5);
  EXPECT_EQ(grid->GetTopRow(), 50 - visible);
  grid->SetOptions(grid->GetOptions() + TGridOptions{goThumbTracking});
  Scroll(SB_TOP);
  EXPECT_EQ(grid->GetTopRow(), 1);
  EXPECT_EQ(BarPos(), 0);
  // Scrolling leaves the current cell where it was.
  EXPECT_EQ(grid->GetRow(), 1);
}

TEST_F(Scrolling, TheHorizontalBarMovesLeftCol) {
  grid->SetColCount(20);
  PaintNow();
  auto scroll = [this](int code) { SendMessageA(grid->GetHandle(), WM_HSCROLL, MAKEWPARAM(code, 0), 0); };
  EXPECT_EQ(grid->GetLeftCol(), 1);
  scroll(SB_LINEDOWN);
  EXPECT_EQ(grid->GetLeftCol(), 2);
  int visible = grid->GetVisibleColCount();
  scroll(SB_PAGEDOWN);
  EXPECT_EQ(grid->GetLeftCol(), 2 + visible);
  grid->SetLeftCol(100);
  EXPECT_LT(grid->GetLeftCol(), 20);
  EXPECT_LE(grid->CellRect(19, 1).Right, grid->GetClientWidth()) << "the last column shows in full";
  EXPECT_EQ(grid->CellRect(grid->GetLeftCol() - 1, 1), TRect()) << "columns scrolled out have no rectangle";
}

TEST_F(Scrolling, AClickOnTheBarsArrowScrollsOneRow) {
  RECT client{};
  GetClientRect(grid->GetHandle(), &client);
  int bar = GetSystemMetrics(SM_CXVSCROLL);
  // Both at once: the bar follows the pressed button in a loop of its own
  // until the button comes up.
  PushMouse(host::EventType::MouseDown, client.right + bar / 2, client.bottom - bar / 2);
  PushMouse(host::EventType::MouseUp, client.right + bar / 2, client.bottom - bar / 2);
  Pump();
  EXPECT_EQ(grid->GetTopRow(), 2);
}

TEST_F(Scrolling, MovingTheCurrentCellOutOfViewScrollsToIt) {
  grid->SetFocus();
  int visible = grid->GetVisibleRowCount();
  for (int i = 0; i < visible; i++) Key(VK_DOWN);
  EXPECT_EQ(grid->GetRow(), 1 + visible);
  EXPECT_EQ(grid->GetTopRow(), 2);
  Key(VK_END, host::ModCtrl);
  EXPECT_EQ(grid->GetRow(), 49);
  EXPECT_EQ(grid->GetTopRow(), 50 - visible);
  Key(VK_HOME, host::ModCtrl);
  EXPECT_EQ(grid->GetRow(), 1);
  EXPECT_EQ(grid->GetTopRow(), 1);
  // A grid tall enough for every row shows no bar and does not scroll.
  grid->SetRowCount(5);
  PaintNow();
  EXPECT_EQ(GetWindowLongA(grid->GetHandle(), GWL_STYLE) & WS_VSCROLL, 0);
  grid->SetTopRow(3);
  EXPECT_EQ(grid->GetTopRow(), 1);
}

}  // namespace
}  // namespace gridtest
