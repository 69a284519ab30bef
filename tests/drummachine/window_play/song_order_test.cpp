// The song order typed into the order grid through its editor, and played in
// sequencer mode.
#include <string>
#include <vector>

#include "play_fixture.h"

namespace windowplay {
namespace {

class SongOrder : public PlayingWindow {
 protected:
  host::WindowId HostWindow() { return win::user::HostWindowOf(GetAncestor(window->GetHandle(), GA_ROOT)); }

  void ClickControl(TComponent* component) {
    auto* control = dynamic_cast<TControl*>(component);
    ASSERT_NE(control, nullptr);
    ClickAt(control, control->GetWidth() / 2, control->GetHeight() / 2);
    win::clock::Advance(1'000'000);
  }

  // Selecting a cell sends the keyboard focus away from the grid; a second
  // click on the selected cell opens its editor. The text is typed there.
  void TypeOrderCell(int col, int row, const std::string& text) {
    ClickOrderCell(col, row);
    ClickOrderCell(col, row);
    ASSERT_EQ(GetFocus(), window->sequencer->GetInplaceEditor()->GetHandle()) << "the cell's editor has the keys";
    Type(text);
  }

  void ClickOrderCell(int col, int row) {
    const TRect cell = window->sequencer->CellRect(col, row);
    ClickAt(window->sequencer, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
    win::clock::Advance(1'000'000);
  }

  // Keys as the desktop sends them: key down, the character, key up.
  void Type(const std::string& text) {
    for (char ch : text) {
      host::Event e;
      e.window = HostWindow();
      e.type = host::EventType::KeyDown;
      // A letter's key is its capital's code.
      e.key = ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : static_cast<unsigned char>(ch);
      host::headless::PushEvent(e);
      e.type = host::EventType::TextInput;
      e.text = std::string(1, ch);
      host::headless::PushEvent(e);
      e.type = host::EventType::KeyUp;
      host::headless::PushEvent(e);
      Pump();
    }
  }
};

TEST_F(SongOrder, TypedPatternsPlayInTurnAndTheOrderComesRound) {
  // Each pattern is known by the track of its one cell.
  const std::pair<int, int> marks[] = {{3, 1}, {5, 2}, {7, 4}};
  for (auto [pattern, track] : marks) {
    ClickControl(window->FindComponent("btnPat" + std::to_string(pattern)));
    ClickCell(track, 1);
  }
  TypeOrderCell(0, 0, "3");
  TypeOrderCell(1, 0, "5");
  TypeOrderCell(2, 0, "7");
  ClickControl(window->btnplayseq);
  EXPECT_EQ(window->sequencer->GetCells(0, 0), "3");
  EXPECT_EQ(window->sequencer->GetCells(2, 0), "7");
  for (int col = 0; col < SequenceColumns; ++col)
    EXPECT_EQ(window->Model.Song.SequenceGrid.Cells(col, 0), col < 3 ? std::to_string(3 + 2 * col) : "") << col;
  ASSERT_TRUE(window->Model.Playing);
  EXPECT_EQ(Panel(3), "Sequencer");
  EXPECT_EQ(window->btnplayseq->GetCaption(), "Stop Sequencer");
  tick = 0;

  std::vector<int> patternOfTick;
  std::vector<int> selectedColumn;
  for (int k = 1; k <= 49; ++k) {
    Tick();
    patternOfTick.push_back(window->Model.PlayPattern);
    selectedColumn.push_back(window->sequencer->GetCol());
  }
  std::vector<int> expectedPatterns, expectedColumns;
  for (auto [pattern, column] : {std::pair{3, 0}, {5, 1}, {7, 2}})
    for (int step = 1; step <= SongSteps; ++step) {
      expectedPatterns.push_back(pattern);
      expectedColumns.push_back(column);
    }
  expectedPatterns.push_back(3);
  expectedColumns.push_back(0);
  EXPECT_EQ(patternOfTick, expectedPatterns);
  EXPECT_EQ(selectedColumn, expectedColumns) << "the order grid shows the cell that plays";
  std::vector<std::pair<int, int>> heard;
  for (const Play& p : plays) heard.emplace_back(p.tick, p.track);
  EXPECT_EQ(heard, (std::vector<std::pair<int, int>>{{1, 1}, {17, 2}, {33, 4}, {49, 1}}));
}

TEST_F(SongOrder, OnlyPatternNumbersStayInTheOrder) {
  struct Case {
    const char* typed;
    const char* kept;
    std::size_t messages;
  };
  const Case cases[] = {{"16", "16", 0}, {"17", "1", 1}, {"0", "1", 1}, {"x", "1", 1}, {"99", "1", 1}};
  int col = 0;
  for (const Case& c : cases) {
    TypeOrderCell(col, 1, c.typed);
    const auto boxes = win::user::TakeMessageBoxRecords();
    ASSERT_EQ(boxes.size(), c.messages) << c.typed;
    for (const auto& box : boxes) EXPECT_EQ(box.text, "Only numbers \"1-16\" can be in the Sequencer") << c.typed;
    EXPECT_EQ(window->sequencer->GetCells(col, 1), c.kept) << c.typed;
    EXPECT_EQ(window->Model.Song.SequenceGrid.Cells(col, 1), c.kept) << c.typed;
    ++col;
  }
  // Leaving the last cell keeps what the check left, in the grid and the song.
  ClickOrderCell(0, 2);
  EXPECT_TRUE(win::user::TakeMessageBoxRecords().empty());
  for (int i = 0; i < col; ++i) {
    EXPECT_EQ(window->sequencer->GetCells(i, 1), cases[i].kept) << cases[i].typed;
    EXPECT_EQ(window->Model.Song.SequenceGrid.Cells(i, 1), cases[i].kept) << cases[i].typed;
  }
}

}  // namespace
}  // namespace windowplay
