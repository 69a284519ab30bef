#include <gtest/gtest.h>

#include "recorders.h"

namespace {

using editing_test::Rig;

TEST(Cells, AClickTogglesTheCellOfTheEditedPatternAndItsFace) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.model.EditedPattern = 4;
  rig.grid.M01_01Click(1, 3);
  EXPECT_EQ(song.StepOn(3, 1, 4), 1);
  EXPECT_EQ(song.StepOn(3, 1, 1), 0);
  EXPECT_EQ(rig.gridView.Face(1, 3), CellOn);
  EXPECT_EQ(rig.model.PopupStep, 3);

  rig.grid.M01_01Click(1, 3);
  EXPECT_EQ(song.StepOn(3, 1, 4), 0);
  EXPECT_EQ(rig.gridView.Face(1, 3), CellOff);
}

TEST(Cells, AModifiedCellSwitchedOffAndOnAgainPlaysTheTracksValues) {
  Rig rig;
  TSong& song = rig.model.Song;
  for (bool thirtySecond : {false, true}) {
    SCOPED_TRACE(thirtySecond ? "32nd" : "16th");
    auto& on = thirtySecond ? song.Step32On : song.StepOn;
    auto& modified = thirtySecond ? song.Step32Modified : song.StepModified;
    on(6, 1, 1) = 1;
    modified(6, 1, 1) = 1;
    auto click = [&] { thirtySecond ? rig.grid.N04_01Click(1, 6) : rig.grid.M01_01Click(1, 6); };
    click();
    EXPECT_EQ(on(6, 1, 1), 0);
    EXPECT_EQ(modified(6, 1, 1), 0);
    click();
    EXPECT_EQ(on(6, 1, 1), 1);
    EXPECT_EQ(rig.gridView.Face(1, 6, thirtySecond), CellOn);
  }
  // Each layer kept to its own cells.
  EXPECT_EQ(song.StepOn(6, 1, 1), 1);
  EXPECT_EQ(song.Step32On(6, 1, 1), 1);
  EXPECT_EQ(rig.gridView.faces.size(), 2u);
}

TEST(Cells, ACellOfAnotherTrackMakesThatTrackCurrentFirst) {
  Rig rig;
  rig.grid.N04_01Click(7, 2);
  EXPECT_EQ(rig.model.CurrentTrack, 7);
  EXPECT_EQ(rig.model.Song.Step32On(2, 7, 1), 1);
  EXPECT_EQ(rig.panelView.TracksMarked(), std::vector<int>{7});
  EXPECT_EQ(rig.panelView.trackNumber, "track 7");
}

TEST(Cells, APatternButtonDrawsEveryCellOfItsPatternAgain) {
  Rig rig;
  TSong& song = rig.model.Song;
  song.StepOn(1, 1, 5) = 1;
  song.StepOn(2, 3, 5) = 1;
  song.StepModified(2, 3, 5) = 1;
  song.Step32On(16, 12, 5) = 1;
  song.Step32Modified(16, 12, 5) = 1;
  song.StepModified(4, 4, 5) = 1;  // a stale flag of a cell that is off
  song.StepOn(9, 9, 1) = 1;  // another pattern

  rig.grid.btnPat2Click(5);

  EXPECT_EQ(rig.model.EditedPattern, 5);
  EXPECT_EQ(rig.gridView.faces.size(), 2u * SongTracks * SongSteps);
  for (const auto& [cell, repaint] : rig.gridView.repaints) EXPECT_TRUE(repaint);
  EXPECT_EQ(rig.gridView.Face(1, 1), CellOn);
  EXPECT_EQ(rig.gridView.Face(3, 2), CellModified);
  EXPECT_EQ(rig.gridView.Face(12, 16, true), CellModified);
  EXPECT_EQ(rig.gridView.Face(4, 4), CellOff);
  EXPECT_EQ(rig.gridView.Face(9, 9), CellOff);
}

TEST(Cells, ClearingTakesBothLayersOfTheEditedPatternOffAndKeepsOwnValues) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.model.EditedPattern = 2;
  rig.model.CurrentTrack = 3;
  for (int t : {3, 4}) {
    song.StepOn(5, t, 2) = song.StepModified(5, t, 2) = 1;
    song.Step32On(5, t, 2) = song.Step32Modified(5, t, 2) = 1;
  }
  song.StepVolume(5, 3, 2) = -700;
  song.StepOn(5, 3, 1) = 1;

  rig.grid.mnuClearTrackClick();
  EXPECT_EQ(song.StepOn(5, 3, 2) + song.StepModified(5, 3, 2) + song.Step32On(5, 3, 2) + song.Step32Modified(5, 3, 2),
            0);
  EXPECT_EQ(song.StepVolume(5, 3, 2), -700);
  EXPECT_EQ(song.StepOn(5, 4, 2), 1);
  EXPECT_EQ(song.StepOn(5, 3, 1), 1);
  EXPECT_EQ(rig.gridView.Face(3, 5, true), CellOff);

  rig.grid.mnuClearPatternClick();
  EXPECT_EQ(song.StepOn(5, 4, 2) + song.Step32On(5, 4, 2), 0);
  EXPECT_EQ(rig.gridView.Face(4, 5), CellOff);
  EXPECT_EQ(song.StepOn(5, 3, 1), 1);
}

TEST(Cells, ARandomTrackSetsTheStepsWhereTheDrawIsOneOfThree) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.model.CurrentTrack = 2;
  song.StepOn(2, 2, 1) = song.StepModified(2, 2, 1) = 1;
  song.Step32On(3, 2, 1) = 1;
  rig.random.script = {1, 0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};

  rig.grid.GenerateRandomTrack1Click();

  EXPECT_EQ(rig.random.reseeds, 1);
  EXPECT_EQ(rig.random.ranges, std::vector<int>(16, 3));
  for (int s = 1; s <= SongSteps; ++s) {
    bool expected = s == 1 || s == 4 || s == 16;
    EXPECT_EQ(song.StepOn(s, 2, 1), expected ? 1 : 0) << s;
    EXPECT_EQ(rig.gridView.Face(2, s), expected ? CellOn : CellOff) << s;
  }
  EXPECT_EQ(song.StepModified(2, 2, 1), 0);
  EXPECT_EQ(song.Step32On(3, 2, 1), 1);
}

TEST(Cells, TheRandomPatternFillsOnlyTheCheckedTracksOneInFour) {
  Rig rig;
  TSong& song = rig.model.Song;
  song.StepOn(1, 2, 1) = 1;
  song.StepOn(1, 3, 1) = 1;
  song.Step32On(1, 2, 1) = 1;
  TTrackArray<bool> checked;
  checked[2] = checked[5] = true;
  // Track 2's draws first, then track 5's.
  rig.random.script.assign(32, 0);
  rig.random.script[2] = 1;
  rig.random.script[16 + 9] = 1;
  rig.random.script[16 + 10] = 3;

  rig.grid.FillRandomPattern(checked);

  EXPECT_EQ(rig.random.reseeds, 1);
  EXPECT_EQ(rig.random.ranges, std::vector<int>(32, 4));
  EXPECT_EQ(song.StepOn(1, 2, 1), 0);
  EXPECT_EQ(song.StepOn(3, 2, 1), 1);
  EXPECT_EQ(song.StepOn(10, 5, 1), 1);
  EXPECT_EQ(song.StepOn(11, 5, 1), 0);
  EXPECT_EQ(song.StepOn(1, 3, 1), 1);
  EXPECT_EQ(song.Step32On(1, 2, 1), 1);
}

}  // namespace
