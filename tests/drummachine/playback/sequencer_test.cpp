#include <gtest/gtest.h>

#include "recorders.h"

namespace {

using playback_test::Hit;
using playback_test::Rig;

// Puts the numbers of order into the song order row by row.
void SetOrder(TSong& song, std::initializer_list<const char*> order) {
  int i = 0;
  for (const char* cell : order) {
    song.SequenceGrid.Cells(i % SequenceColumns, i / SequenceColumns) = cell;
    ++i;
  }
}

// Step 1 of every pattern sounds on track 1.
void MarkEveryPattern(TSong& song) {
  for (int p = 1; p <= SongPatterns; ++p) song.StepOn(1, 1, p) = 1;
}

std::vector<int> PatternsPlayed(const Rig& rig) {
  std::vector<int> patterns;
  for (const Hit& h : rig.log.hits) patterns.push_back(h.pattern);
  return patterns;
}

struct RowsCase {
  std::vector<std::string> cells;  // row by row
  int lastRow;
  std::array<int, 3> lastColumn;
};

TEST(Sequencer, CalcMaxRowsEndsTheOrderAtItsFirstCellThatNamesNoPattern) {
  std::vector<std::string> row0(12, "1");
  std::vector<std::string> rows01 = row0;
  for (int i = 0; i < 11; ++i) rows01.push_back("2");
  std::vector<std::string> all(36, "3");
  const RowsCase cases[] = {
      {{"3", "5", "7"}, 0, {2, 0, 0}},
      {rows01, 1, {11, 10, 0}},
      {all, 2, {11, 11, 11}},
      {row0, 0, {11, 0, 0}},
      {{}, 0, {11, 0, 0}},
      {{"3", "", "7"}, 0, {0, 0, 0}},
      {{"3", "17", "7"}, 0, {0, 0, 0}},
      {{"3", "x", "7"}, 0, {0, 0, 0}},
      {{"3", "0"}, 0, {0, 0, 0}},
  };
  for (const RowsCase& c : cases) {
    Rig rig;
    for (std::size_t i = 0; i < c.cells.size(); ++i)
      rig.model.Song.SequenceGrid.Cells(static_cast<int>(i % 12), static_cast<int>(i / 12)) = c.cells[i];
    rig.engine.CalcMaxRows();
    EXPECT_EQ(rig.model.LastRow, c.lastRow) << c.cells.size();
    for (int r = 0; r < 3; ++r) EXPECT_EQ(rig.model.LastColumn[r], c.lastColumn[r]) << c.cells.size() << " row " << r;
  }
}

TEST(Sequencer, PlaysTheOrderAndStartsAgain) {
  Rig rig;
  MarkEveryPattern(rig.model.Song);
  SetOrder(rig.model.Song, {"3", "5", "7"});
  rig.engine.btnplayseqClick();
  EXPECT_EQ(rig.model.PlayPattern, 3);
  rig.Tick(16 * 4);
  std::vector<int> expected = {3, 5, 7, 3};
  EXPECT_EQ(PatternsPlayed(rig), expected);
  EXPECT_EQ(rig.view.status[3], "Sequencer");
  EXPECT_EQ(rig.view.playSequencerCaption, "Stop Sequencer");
  EXPECT_EQ(rig.view.pauseCaption, "Pause");
  EXPECT_EQ(rig.view.selection, std::make_pair(0, 0));
}

TEST(Sequencer, TwoRowsPlayAllTheirCells) {
  Rig rig;
  MarkEveryPattern(rig.model.Song);
  for (int i = 0; i < 23; ++i) rig.model.Song.SequenceGrid.Cells(i % 12, i / 12) = IntToStr(i % 16 + 1);
  rig.engine.btnplayseqClick();
  rig.Tick(16 * 24);
  std::vector<int> expected;
  for (int i = 0; i < 23; ++i) expected.push_back(i % 16 + 1);
  expected.push_back(1);
  EXPECT_EQ(PatternsPlayed(rig), expected);
}

TEST(Sequencer, AnOrderCellThatNamesNoPatternEndsTheOrderWithoutAnError) {
  for (const char* bad : {"", "17", "0", "x"}) {
    Rig rig;
    MarkEveryPattern(rig.model.Song);
    SetOrder(rig.model.Song, {"3", bad, "7"});
    rig.engine.btnplayseqClick();
    rig.Tick(16 * 3);
    std::vector<int> expected = {3, 3, 3};
    EXPECT_EQ(PatternsPlayed(rig), expected) << '"' << bad << '"';
    EXPECT_TRUE(rig.view.messages.empty());
  }
}

TEST(Sequencer, AnEmptyOrderKeepsThePatternItHad) {
  Rig rig;
  MarkEveryPattern(rig.model.Song);
  rig.model.PlayPattern = 6;
  rig.engine.btnplayseqClick();
  rig.Tick(16 * 2);
  std::vector<int> expected = {6, 6};
  EXPECT_EQ(PatternsPlayed(rig), expected);
  EXPECT_TRUE(rig.view.messages.empty());
}

TEST(Sequencer, PauseKeepsThePositionAndContinuePlaysFromItsCell) {
  Rig rig;
  MarkEveryPattern(rig.model.Song);
  SetOrder(rig.model.Song, {"3", "5", "7"});
  rig.engine.btnplayseqClick();
  rig.Tick(16 + 4);  // into the second cell
  rig.engine.btnpauseClick();
  EXPECT_FALSE(rig.model.Playing);
  EXPECT_EQ(rig.model.SequenceColumn, 1);
  EXPECT_EQ(rig.view.pauseCaption, "Continue");
  EXPECT_EQ(rig.view.playSequencerCaption, "Play Sequencer");
  rig.log.hits.clear();
  rig.engine.btnpauseClick();
  EXPECT_TRUE(rig.model.Playing);
  EXPECT_TRUE(rig.model.SequencerMode);
  EXPECT_EQ(rig.view.pauseCaption, "Pause");
  rig.Tick(32);
  std::vector<int> expected = {5, 7};
  EXPECT_EQ(PatternsPlayed(rig), expected);
}

TEST(Sequencer, ACellChosenWhilePlayingTakesEffectAtThePatternBoundary) {
  Rig rig;
  MarkEveryPattern(rig.model.Song);
  SetOrder(rig.model.Song, {"3", "5", "7", "9"});
  rig.engine.btnplayseqClick();
  rig.Tick(8);
  rig.engine.sequencerSelectCell(1, 0);
  EXPECT_EQ(rig.view.pauseCaption, "Continue");
  rig.Tick(8 + 16);
  std::vector<int> expected = {3, 7};
  EXPECT_EQ(PatternsPlayed(rig), expected);
}

TEST(Sequencer, SwitchingToSequencerModeFinishesThePatternAndGoesOnWithTheSecondCell) {
  Rig rig;
  MarkEveryPattern(rig.model.Song);
  SetOrder(rig.model.Song, {"3", "5", "7"});
  rig.model.EditedPattern = 2;
  rig.engine.StyMMButton1Click();
  rig.Tick(4);
  rig.engine.PlayStyleChange(0);
  rig.Tick(12 + 16);
  std::vector<int> expected = {2, 5};
  EXPECT_EQ(PatternsPlayed(rig), expected);
  rig.engine.PlayStyleChange(1);
  EXPECT_FALSE(rig.model.SequencerMode);
  EXPECT_EQ(rig.view.status[3], "Normal");
}

TEST(Sequencer, StopSequencerGoesBackToNormalModeAtTheStartOfTheOrder) {
  Rig rig;
  SetOrder(rig.model.Song, {"3", "5"});
  rig.engine.btnplayseqClick();
  rig.Tick(20);
  int focusMoves = rig.view.focusMoves;
  rig.engine.btnplayseqClick();
  EXPECT_FALSE(rig.model.Playing);
  EXPECT_FALSE(rig.model.SequencerMode);
  EXPECT_EQ(rig.model.SequenceColumn, 0);
  EXPECT_EQ(rig.view.selection, std::make_pair(0, 0));
  EXPECT_EQ(rig.view.status[3], "Normal");
  EXPECT_EQ(rig.view.playSequencerCaption, "Play Sequencer");
  EXPECT_EQ(rig.view.focusMoves, focusMoves + 1);
  EXPECT_EQ(rig.model.PlayPattern, 5);
}

TEST(Sequencer, KeyUpReplacesEveryBadCellByOneWithAMessageEach) {
  Rig rig;
  SetOrder(rig.model.Song, {"3", "x", "", "17", "16"});
  rig.engine.sequencerKeyUp();
  ASSERT_EQ(rig.view.messages.size(), 2u);
  EXPECT_EQ(rig.view.messages[0], "Only numbers \"1-16\" can be in the Sequencer");
  const TSequenceGrid& g = rig.model.Song.SequenceGrid;
  EXPECT_EQ(g.Cells(1, 0), "1");
  EXPECT_EQ(g.Cells(2, 0), "");
  EXPECT_EQ(g.Cells(3, 0), "1");
  EXPECT_EQ(g.Cells(4, 0), "16");
}

TEST(Sequencer, ClearEmptiesTheOrder) {
  Rig rig;
  SetOrder(rig.model.Song, {"3", "5"});
  rig.model.SequenceColumn = 1;
  rig.engine.mnuClearSequencerClick();
  EXPECT_EQ(rig.model.Song.SequenceGrid, TSequenceGrid());
  EXPECT_EQ(rig.view.selection, std::make_pair(1, 0));
}

TEST(Tempo, TheCommandsSetTheInterval) {
  Rig rig;
  rig.engine.mnuBPM120Click("90");
  EXPECT_EQ(rig.model.Song.Tempo, 90);
  EXPECT_EQ(rig.view.interval, 167u);
  EXPECT_EQ(rig.view.tempoCaption, "90");
  EXPECT_EQ(rig.view.tempoPosition, 90);
  rig.engine.mnuBPM120Click("120");
  EXPECT_EQ(rig.view.interval, 125u);
  rig.engine.UpDown1Click(80);
  EXPECT_EQ(rig.view.interval, 188u);
  rig.engine.mnu34timeClick();
  EXPECT_EQ(rig.model.Song.Metre, 3);
  EXPECT_EQ(rig.view.interval, 250u);
  rig.model.AllSixteenth = false;
  rig.model.HalfTick = 1;
  rig.engine.NoteResolutionChanged();
  EXPECT_EQ(rig.model.HalfTick, 0);
  EXPECT_EQ(rig.view.interval, 125u);
}

TEST(Metre, ThreeFourHidesSteps4_8_12_16AndFourFourShowsThemAgain) {
  Rig rig;
  rig.model.Song.TrackUses32nd[2] = true;
  rig.engine.mnu44timeClick();  // already 4/4: nothing
  EXPECT_EQ(rig.view.checkedMetre, 0);
  rig.engine.mnu34timeClick();
  EXPECT_EQ(rig.view.checkedMetre, 3);
  for (int s : {4, 8, 12, 16}) {
    EXPECT_FALSE(rig.view.lightVisible.at(s));
    EXPECT_FALSE(rig.view.cellVisible.at({1, s}));
    EXPECT_FALSE(rig.view.cell32Visible.at({1, s}));
  }
  EXPECT_EQ(rig.view.cellVisible.size(), 48u);
  rig.view.cell32Visible.clear();
  rig.engine.mnu44timeClick();
  EXPECT_EQ(rig.view.checkedMetre, 4);
  EXPECT_EQ(rig.model.Song.Metre, 4);
  for (int s : {4, 8, 12, 16}) {
    EXPECT_TRUE(rig.view.lightVisible.at(s));
    EXPECT_TRUE(rig.view.cellVisible.at({1, s}));
    EXPECT_TRUE(rig.view.cell32Visible.at({2, s}));
  }
  // Only tracks that use 32nd notes show their 32nd cells again.
  EXPECT_EQ(rig.view.cell32Visible.size(), 4u);
}

}  // namespace
