#include <gtest/gtest.h>

#include "recorders.h"

namespace {

using editing_test::Rig;

// The row of a track as the view shows it.
struct Row {
  int width;
  bool visible32;
  bool faces32;
  bool operator==(const Row&) const = default;
};

Row RowOf(const Rig& rig, int track) {
  return {rig.gridView.widths.at(track), rig.gridView.row32Visible.at(track), rig.gridView.faceSet.at(track)};
}

const Row Sixteenth{SixteenthCellWidth, false, false};
const Row ThirtySecond{NarrowCellWidth, true, true};

TEST(Resolution, TheCurrentTrackSwitchesTo32ndNotesAndBack) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.model.CurrentTrack = 3;
  rig.model.HalfTick = 1;
  song.Step32On(2, 3, 1) = 1;

  rig.grid.mnu32ndNotesClick();
  EXPECT_TRUE(song.TrackUses32nd[3]);
  EXPECT_FALSE(rig.model.AllSixteenth);
  EXPECT_EQ(rig.model.HalfTick, 0);
  EXPECT_EQ(rig.playbackView.interval, 75u);
  EXPECT_EQ(RowOf(rig, 3), ThirtySecond);
  EXPECT_EQ(rig.gridView.Face(3, 2, true), CellOn);
  EXPECT_TRUE(rig.gridView.trackMenu32nd);
  EXPECT_FALSE(rig.gridView.allSixteenthChecked);
  EXPECT_EQ(rig.gridView.widths.size(), 1u);

  rig.model.HalfTick = 1;
  rig.grid.mnu16thNotesClick();
  EXPECT_FALSE(song.TrackUses32nd[3]);
  EXPECT_TRUE(rig.model.AllSixteenth);
  EXPECT_EQ(rig.model.HalfTick, 0);
  EXPECT_EQ(rig.playbackView.interval, 150u);
  EXPECT_EQ(RowOf(rig, 3), Sixteenth);
  EXPECT_TRUE(rig.gridView.rowVisible.at(3));
  EXPECT_FALSE(rig.gridView.trackMenu32nd);
  EXPECT_TRUE(rig.gridView.allSixteenthChecked);
  // The hidden 32nd cell keeps its note.
  EXPECT_EQ(song.Step32On(2, 3, 1), 1);
}

TEST(Resolution, A16thTrackLeavesTheClockAtDoubleRateWhileAnotherKeeps32ndNotes) {
  Rig rig;
  rig.model.CurrentTrack = 3;
  rig.grid.mnu32ndNotesClick();
  rig.model.CurrentTrack = 8;
  rig.grid.mnu32ndNotesClick();
  rig.model.Song.Tempo = 120;  // an interval set now would change
  rig.model.HalfTick = 1;

  rig.grid.mnu16thNotesClick();

  EXPECT_FALSE(rig.model.AllSixteenth);
  EXPECT_EQ(rig.model.HalfTick, 0);
  EXPECT_EQ(rig.playbackView.interval, 75u);
  EXPECT_FALSE(rig.gridView.allSixteenthChecked);
  EXPECT_EQ(RowOf(rig, 8), Sixteenth);
  EXPECT_EQ(RowOf(rig, 3), ThirtySecond);
}

TEST(Resolution, AllTracksSwitchTogetherAndShowHiddenNotesIn34Time) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.engine.Make34Time();
  // A note the grid never drew: a 32nd cell of a 16th-note track, as a song
  // file brings it.
  song.Step32On(4, 5, 1) = 1;
  song.Step32Modified(8, 6, 1) = 1;
  song.Step32On(8, 6, 1) = 1;

  rig.grid.mnu32ndnotes2Click();
  for (int t = 1; t <= SongTracks; ++t) {
    EXPECT_TRUE(song.TrackUses32nd[t]);
    EXPECT_EQ(RowOf(rig, t), ThirtySecond) << t;
  }
  EXPECT_FALSE(rig.model.AllSixteenth);
  EXPECT_EQ(rig.playbackView.interval, 100u);
  EXPECT_EQ(rig.gridView.Face(5, 4, true), CellOn);
  EXPECT_EQ(rig.gridView.Face(6, 8, true), CellModified);
  EXPECT_TRUE(rig.gridView.trackMenu32nd);
  EXPECT_TRUE(rig.gridView.allThirtySecondChecked);
  EXPECT_FALSE(rig.gridView.allSixteenthChecked);

  rig.grid.mnu16thNotes2Click();
  for (int t = 1; t <= SongTracks; ++t) {
    EXPECT_FALSE(song.TrackUses32nd[t]);
    EXPECT_EQ(RowOf(rig, t), Sixteenth) << t;
  }
  EXPECT_TRUE(rig.model.AllSixteenth);
  EXPECT_EQ(rig.playbackView.interval, 200u);
  EXPECT_TRUE(rig.gridView.allSixteenthChecked);
  EXPECT_FALSE(rig.gridView.allThirtySecondChecked);
}

TEST(Resolution, TheScreenRedrawGivesEachTrackTheRowOfItsResolution) {
  Rig rig;
  rig.model.Song.TrackUses32nd[2] = true;
  rig.model.Song.StepOn(1, 2, 1) = 1;
  rig.grid.refreshscreen();
  EXPECT_EQ(RowOf(rig, 2), ThirtySecond);
  EXPECT_EQ(RowOf(rig, 1), Sixteenth);
  EXPECT_EQ(rig.gridView.Face(2, 1), CellOn);
  EXPECT_TRUE(rig.gridView.repaints.at({2, 1, false}));
}

}  // namespace
