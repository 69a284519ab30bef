// The current cell and the selection: set from code without asking
// OnSelectCell, moved by clicks, keys and Tab through OnSelectCell, which
// may refuse the move; dragging spans a block.
#include <utility>
#include <vector>

#include "GridFixture.h"
#include "platform/vcl/forms/StdCtrls_Button.h"
#include "platform/win/windows.h"

namespace gridtest {
namespace {

using Cell = std::pair<int, int>;

class Selection : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    SongOrderShape(30);
    grid->OnSelectCell = [this](TObject* sender, int col, int row, bool& canSelect) {
      EXPECT_EQ(sender, grid);
      asked.emplace_back(col, row);
      if (col == refusedCol) canSelect = false;
    };
    grid->SetFocus();
    PaintNow();
  }
  std::vector<Cell> asked;
  int refusedCol = -1;
};

TEST_F(Selection, SetFromCodeMovesTheCurrentCellWithoutAskingOnSelectCell) {
  EXPECT_EQ(grid->GetCol(), 0);
  EXPECT_EQ(grid->GetRow(), 0);
  grid->SetSelection(GridRect(5, 1, 5, 1));
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(grid->GetCol(), 5);
  EXPECT_EQ(grid->GetRow(), 1);
  EXPECT_EQ(grid->GetSelection(), GridRect(5, 1, 5, 1));
  // A block: the anchor at its top-left, the current cell at its bottom-right.
  grid->SetSelection(GridRect(2, 0, 4, 2));
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(grid->GetCol(), 4);
  EXPECT_EQ(grid->GetRow(), 2);
  // Setting Col or Row asks.
  grid->SetCol(7);
  EXPECT_EQ(asked, (std::vector<Cell>{{7, 2}}));
}

TEST_F(Selection, ClicksAndKeysAskOnSelectCellAndARefusalKeepsTheCell) {
  struct Step {
    const char* what;
    int vk;  // 0: click the cell
    Cell click;
    Cell asked;
    Cell after;
  };
  refusedCol = 6;
  const Step steps[] = {
      {"click", 0, {3, 2}, {3, 2}, {3, 2}},
      {"right", VK_RIGHT, {}, {4, 2}, {4, 2}},
      {"up", VK_UP, {}, {4, 1}, {4, 1}},
      {"left", VK_LEFT, {}, {3, 1}, {3, 1}},
      {"down", VK_DOWN, {}, {3, 2}, {3, 2}},
      {"refused click", 0, {6, 0}, {6, 0}, {3, 2}},
      {"end", VK_END, {}, {11, 2}, {11, 2}},
      {"click back", 0, {5, 2}, {5, 2}, {5, 2}},
      {"refused right", VK_RIGHT, {}, {6, 2}, {5, 2}},
      {"home", VK_HOME, {}, {0, 2}, {0, 2}},
  };
  for (const Step& s : steps) {
    asked.clear();
    if (s.vk)
      Key(s.vk);
    else
      ClickCell(s.click.first, s.click.second);
    EXPECT_EQ(asked, std::vector<Cell>{s.asked}) << s.what;
    EXPECT_EQ(Cell(grid->GetCol(), grid->GetRow()), s.after) << s.what;
    EXPECT_EQ(grid->GetSelection(), GridRect(s.after.first, s.after.second, s.after.first, s.after.second)) << s.what;
  }
  // At the edge a key asks nothing.
  asked.clear();
  Key(VK_LEFT);
  EXPECT_TRUE(asked.empty());
}

TEST_F(Selection, DraggingSpansABlockFromTheClickedCell) {
  ClickCell(1, 0);
  asked.clear();
  TRect from = grid->CellRect(1, 0), to = grid->CellRect(3, 2);
  MouseAt(host::EventType::MouseDown, from.Left + 5, from.Top + 5);
  MouseAt(host::EventType::MouseMove, to.Left + 5, to.Top + 5);
  MouseAt(host::EventType::MouseUp, to.Left + 5, to.Top + 5);
  EXPECT_EQ(grid->GetSelection(), GridRect(1, 0, 3, 2));
  EXPECT_EQ(grid->GetCol(), 1);  // the current cell stays where the drag began
  EXPECT_EQ(asked, (std::vector<Cell>{{1, 0}}));
  // Shift with an arrow grows the block the same way.
  Key(VK_RIGHT);
  asked.clear();
  Key(VK_DOWN, host::ModShift);
  EXPECT_EQ(grid->GetSelection(), GridRect(2, 0, 2, 1));
  EXPECT_TRUE(asked.empty());
}

TEST_F(Selection, TabMovesAlongTheRowsOnlyWithGoTabs) {
  auto* other = new TButton(form);
  other->SetParent(form);
  other->SetBounds(8, 240, 75, 25);
  grid->SetFocus();
  Pump();
  grid->SetSelection(GridRect(10, 0, 10, 0));
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), other->GetHandle()) << "without goTabs, Tab leaves the grid";

  grid->SetOptions(grid->GetOptions() + TGridOptions{goTabs});
  grid->SetFocus();
  Pump();
  asked.clear();
  Key(VK_TAB);
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), grid->GetHandle());
  EXPECT_EQ(asked, (std::vector<Cell>{{11, 0}, {0, 1}})) << "past the row's end Tab goes on in the next row";
  asked.clear();
  Key(VK_TAB, host::ModShift);
  EXPECT_EQ(asked, (std::vector<Cell>{{11, 0}}));
  // At the very last cell Tab stays.
  grid->SetSelection(GridRect(11, 2, 11, 2));
  asked.clear();
  Key(VK_TAB);
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(GetFocus(), grid->GetHandle());
}

TEST_F(Selection, SettingAPropertyToItsValueDrawsAndReportsNothing) {
  int topLeftChanges = 0;
  grid->OnTopLeftChanged = [&](TObject*) { topLeftChanges++; };
  grid->SetCells(2, 1, "7");
  grid->SetColWidths(3, 44);
  grid->SetSelection(GridRect(2, 1, 2, 1));
  asked.clear();
  PaintNow();
  ASSERT_FALSE(GridInvalid());

  grid->SetCol(2);
  grid->SetRow(1);
  grid->SetSelection(GridRect(2, 1, 2, 1));
  grid->SetTopRow(0);
  grid->SetLeftCol(0);
  grid->SetCells(2, 1, "7");
  grid->SetColCount(12);
  grid->SetRowCount(3);
  grid->SetFixedCols(0);
  grid->SetFixedRows(0);
  grid->SetDefaultColWidth(30);
  grid->SetDefaultRowHeight(24);
  grid->SetColWidths(3, 44);
  grid->SetRowHeights(1, 24);
  grid->SetGridLineWidth(1);
  grid->SetOptions(grid->GetOptions());
  grid->SetFixedColor(grid->GetFixedColor());
  grid->SetDefaultDrawing(true);
  grid->SetScrollBars(ssBoth);
  grid->SetEditorMode(false);
  EXPECT_FALSE(GridInvalid());
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(topLeftChanges, 0);

  // A real change is drawn.
  grid->SetCells(2, 1, "8");
  EXPECT_TRUE(GridInvalid());
}

TEST_F(Selection, CellsOutsideTheGridAreRefusedAndShrinkingDropsThem) {
  EXPECT_THROW(grid->SetCells(12, 0, "x"), EInvalidGridOperation);
  EXPECT_THROW(grid->GetCells(0, -1), EInvalidGridOperation);
  EXPECT_THROW(grid->SetFixedCols(12), EInvalidGridOperation);
  grid->SetCells(11, 2, "16");
  grid->SetCells(1, 1, "3");
  grid->SetSelection(GridRect(11, 2, 11, 2));
  grid->SetColCount(4);
  EXPECT_EQ(grid->GetCol(), 3) << "the current cell stays inside";
  grid->SetColCount(12);
  EXPECT_EQ(grid->GetCells(11, 2), "");
  EXPECT_EQ(grid->GetCells(1, 1), "3");
}

}  // namespace
}  // namespace gridtest
