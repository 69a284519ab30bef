// The in-place editor: opened by F2, Enter, a typed character or a second
// click; its text comes through OnGetEditText and every change goes to
// Cells and OnSetEditText; keys typed in it reach the grid's key events.
#include <string>
#include <vector>

#include "GridFixture.h"
#include "platform/vcl/forms/StdCtrls_Button.h"
#include "platform/win/windows.h"

namespace gridtest {
namespace {

class Edit : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    SongOrderShape(30);
    grid->SetOptions(grid->GetOptions() + TGridOptions{goEditing});
    grid->OnGetEditText = [this](TObject* sender, int col, int row, std::string& value) {
      EXPECT_EQ(sender, grid);
      log.push_back("get " + std::to_string(col) + "," + std::to_string(row) + " " + value);
    };
    grid->OnSetEditText = [this](TObject* sender, int col, int row, const std::string& value) {
      EXPECT_EQ(sender, grid);
      // The cell holds the text by the time the event runs.
      EXPECT_EQ(grid->GetCells(col, row), value);
      log.push_back("set " + std::to_string(col) + "," + std::to_string(row) + " " + value);
    };
    grid->SetCells(2, 1, "7");
    grid->SetSelection(GridRect(2, 1, 2, 1));
    grid->SetFocus();
    PaintNow();
  }
  HWND EditorWindow() { return grid->GetInplaceEditor()->GetHandle(); }
  std::string EditorText() { return grid->GetInplaceEditor()->GetText(); }
  std::vector<std::string> log;
};

TEST_F(Edit, F2OpensTheEditorAndTypingStoresEveryChange) {
  Key(VK_F2);
  ASSERT_TRUE(grid->GetEditorMode());
  ASSERT_NE(grid->GetInplaceEditor(), nullptr);
  EXPECT_EQ(GetFocus(), EditorWindow());
  EXPECT_EQ(EditorText(), "7");
  EXPECT_EQ(log, std::vector<std::string>{"get 2,1 7"});
  // The editor lies over its cell.
  TRect cell = grid->CellRect(2, 1);
  EXPECT_EQ(grid->GetInplaceEditor()->GetBoundsRect(), cell);
  // The text opens selected: typing replaces it.
  log.clear();
  Type("12");
  EXPECT_EQ(grid->GetCells(2, 1), "12");
  EXPECT_EQ(log, (std::vector<std::string>{"set 2,1 1", "set 2,1 12"}));
  // Enter closes the editor and gives the focus back to the grid.
  Key(VK_RETURN);
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_EQ(GetFocus(), grid->GetHandle());
  EXPECT_FALSE(IsWindowVisible(EditorWindow()));
  EXPECT_EQ(grid->GetCells(2, 1), "12");
}

TEST_F(Edit, OnGetEditTextMayChangeWhatTheEditorShows) {
  grid->OnGetEditText = [](TObject*, int, int, std::string& value) { value = "[" + value + "]"; };
  Key(VK_RETURN);
  ASSERT_TRUE(grid->GetEditorMode());
  EXPECT_EQ(EditorText(), "[7]");
  EXPECT_EQ(grid->GetCells(2, 1), "7") << "opening the editor stores nothing";
}

TEST_F(Edit, ATypedCharacterOpensTheEditorWithIt) {
  Type("5");
  ASSERT_TRUE(grid->GetEditorMode());
  EXPECT_EQ(EditorText(), "5");
  EXPECT_EQ(grid->GetCells(2, 1), "5");
  Type("1");
  EXPECT_EQ(grid->GetCells(2, 1), "51");
}

TEST_F(Edit, EscapeBringsBackTheTextTheCellHad) {
  Key(VK_F2);
  Type("99");
  EXPECT_EQ(grid->GetCells(2, 1), "99");
  Key(VK_ESCAPE);
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_EQ(grid->GetCells(2, 1), "7");
  EXPECT_EQ(GetFocus(), grid->GetHandle());
}

TEST_F(Edit, KeysInTheEditorReachTheGridsKeyEventsAndArrowsMoveOn) {
  std::vector<std::string> keys;
  grid->OnKeyDown = [&](TObject* sender, WORD& key, TShiftState) {
    EXPECT_EQ(sender, grid);
    keys.push_back("down " + std::to_string(key));
  };
  grid->OnKeyUp = [&](TObject* sender, WORD& key, TShiftState) {
    EXPECT_EQ(sender, grid);
    // The cell already holds what was typed when the key comes up.
    keys.push_back("up " + std::to_string(key) + " " + grid->GetCells(grid->GetCol(), grid->GetRow()));
  };
  Key(VK_F2);
  keys.clear();
  Type("4");
  EXPECT_EQ(keys, (std::vector<std::string>{"down 52", "up 52 4"}));
  // Down leaves the cell for the one below, the editor going with it.
  Key(VK_DOWN);
  EXPECT_EQ(grid->GetRow(), 2);
  EXPECT_TRUE(grid->GetEditorMode());
  EXPECT_EQ(grid->GetInplaceEditor()->GetBoundsRect(), grid->CellRect(2, 2));
  EXPECT_EQ(EditorText(), "");
  EXPECT_EQ(grid->GetCells(2, 1), "4");
}

TEST_F(Edit, ACellSetFromCodeWhileEditedShowsInTheEditor) {
  // A key-up check that puts a valid value back into a bad cell.
  grid->OnKeyUp = [this](TObject*, WORD&, TShiftState) {
    std::string text = grid->GetCells(2, 1);
    if (!text.empty() && text != "1" && text.find_first_not_of("0123456789") != std::string::npos)
      grid->SetCells(2, 1, "1");
  };
  Key(VK_F2);
  Type("x");
  EXPECT_EQ(grid->GetCells(2, 1), "1");
  EXPECT_EQ(EditorText(), "1");
}

TEST_F(Edit, AClickOnTheCurrentCellOpensTheEditorEvenWhenSelectingSendsTheFocusAway) {
  // As the song order's handler does: the focus goes to another control
  // whenever a cell is selected.
  auto* other = new TButton(form);
  other->SetParent(form);
  other->SetBounds(8, 240, 75, 25);
  int selections = 0;
  grid->OnSelectCell = [&](TObject*, int, int, bool&) {
    selections++;
    other->SetFocus();
  };
  ClickCell(4, 0);
  EXPECT_EQ(selections, 1);
  EXPECT_EQ(GetFocus(), other->GetHandle());
  EXPECT_FALSE(grid->GetEditorMode());
  ClickCell(4, 0);
  EXPECT_EQ(selections, 1) << "the cell stays: nothing to ask";
  ASSERT_TRUE(grid->GetEditorMode());
  EXPECT_EQ(GetFocus(), EditorWindow());
  Type("3");
  EXPECT_EQ(grid->GetCells(4, 0), "3");
}

TEST_F(Edit, ASecondClickOnTheCurrentCellOpensTheEditor) {
  ClickCell(4, 0);
  EXPECT_FALSE(grid->GetEditorMode());
  ClickCell(4, 0);
  EXPECT_TRUE(grid->GetEditorMode());
  EXPECT_EQ(GetFocus(), EditorWindow());
  // Clicking another cell moves the editor there.
  ClickCell(5, 0);
  EXPECT_EQ(grid->GetCol(), 5);
  EXPECT_EQ(grid->GetInplaceEditor()->GetBoundsRect(), grid->CellRect(5, 0));
}

TEST_F(Edit, GoAlwaysShowEditorKeepsTheEditorOpenWhileTheGridHasTheFocus) {
  auto* other = new TButton(form);
  other->SetParent(form);
  other->SetBounds(8, 240, 75, 25);
  grid->SetOptions(grid->GetOptions() + TGridOptions{goAlwaysShowEditor});
  other->SetFocus();
  Pump();
  EXPECT_FALSE(grid->GetEditorMode());
  grid->SetFocus();
  Pump();
  ASSERT_TRUE(grid->GetEditorMode());
  EXPECT_EQ(EditorText(), "7");
  // The first Right ends the selection of the text, the second leaves the cell.
  Key(VK_RIGHT);
  Key(VK_RIGHT);
  EXPECT_EQ(grid->GetCol(), 3);
  EXPECT_TRUE(grid->GetEditorMode());
  Key(VK_RETURN);
  EXPECT_TRUE(grid->GetEditorMode()) << "Enter does not close an editor that is always shown";
}

TEST_F(Edit, FocusLeavingForAnotherControlClosesTheEditorAndKeepsTheText) {
  auto* other = new TButton(form);
  other->SetParent(form);
  other->SetBounds(8, 240, 75, 25);
  std::vector<std::string> focus;
  grid->OnEnter = [&](TObject*) { focus.push_back("enter"); };
  grid->OnExit = [&](TObject*) { focus.push_back("exit"); };
  // Into the editor and back is inside the grid.
  Key(VK_F2);
  Key(VK_RETURN);
  EXPECT_TRUE(focus.empty());
  Key(VK_F2);
  Type("9");
  other->SetFocus();
  Pump();
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_EQ(grid->GetCells(2, 1), "9");
  EXPECT_EQ(GetFocus(), other->GetHandle());
  EXPECT_EQ(focus, std::vector<std::string>{"exit"});
  grid->SetFocus();
  Pump();
  EXPECT_EQ(focus, (std::vector<std::string>{"exit", "enter"}));
}

TEST_F(Edit, GoRowSelectSelectsWholeRowsAndEditsNothing) {
  grid->SetOptions(grid->GetOptions() + TGridOptions{goRowSelect});
  ClickCell(5, 2);
  EXPECT_EQ(grid->GetSelection(), GridRect(0, 2, 11, 2));
  EXPECT_EQ(grid->GetCol(), 5);
  Key(VK_F2);
  Type("3");
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_EQ(grid->GetCells(5, 2), "");
}

TEST_F(Edit, WithoutGoEditingNothingOpens) {
  grid->SetOptions(grid->GetOptions() - TGridOptions{goEditing});
  Key(VK_F2);
  Type("3");
  Key(VK_RETURN);
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_EQ(grid->GetCells(2, 1), "7");
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace gridtest
