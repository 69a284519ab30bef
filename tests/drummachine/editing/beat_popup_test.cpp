#include <gtest/gtest.h>

#include "recorders.h"

namespace {

using editing_test::Rig;

struct PointCase {
  const char* name;
  int x;
  int y;
  int scroll;
  bool track32nd;  // the track at the point uses 32nd notes
  int track;
  int step;
  bool thirtySecond;
};

class CellAtPointTable : public testing::TestWithParam<PointCase> {};

TEST_P(CellAtPointTable, GivesTheCellUnderThePoint) {
  const PointCase& c = GetParam();
  TMainModel model;
  if (c.track32nd) model.Song.TrackUses32nd.Fill(true);
  TGridCell cell = CellAtPoint(model, c.x, c.y, c.scroll);
  EXPECT_EQ(cell.Track, c.track);
  EXPECT_EQ(cell.Step, c.step);
  EXPECT_EQ(cell.ThirtySecond, c.thirtySecond);
}

// Rows start at y = 69 + 32 x track, columns at x = 170 + 16 x step (those
// after step 8 at 178 + 16 x step).
INSTANTIATE_TEST_SUITE_P(Popup, CellAtPointTable,
                         testing::Values(PointCase{"FirstCell", 186, 110, 0, false, 1, 1, false},
                                         PointCase{"Track3Step5", 254, 170, 0, false, 3, 5, false},
                                         PointCase{"SecondHalfOfTheRow", 330, 110, 0, false, 1, 9, false},
                                         PointCase{"LastStep", 434, 110, 0, false, 1, 16, false},
                                         PointCase{"LeftOfTheGridTakenAsStep1", 160, 110, 0, false, 1, 1, false},
                                         PointCase{"ScrolledOneRow", 186, 110, 26, false, 2, 1, false},
                                         PointCase{"ScrolledThreeRows", 186, 110, 78, false, 3, 1, false},
                                         PointCase{"NarrowSixteenthCell", 188, 110, 0, true, 1, 1, false},
                                         PointCase{"ThirtySecondCell", 196, 110, 0, true, 1, 1, true},
                                         PointCase{"ThirtySecondCellSecondHalf", 330, 110, 0, true, 1, 9, true},
                                         PointCase{"AboveTheGrid", 186, 50, 0, false, 0, 1, false},
                                         PointCase{"BelowTheGrid", 186, 69 + 32 * 13, 0, true, 13, 1, false}),
                         [](const testing::TestParamInfo<PointCase>& info) { return std::string(info.param.name); });

TEST(BeatPopup, AModifiedCellPresetsItsOwnValues) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.model.EditedPattern = 3;
  rig.model.TrackName[4] = std::string("Snare");
  song.StepOn(7, 4, 3) = song.StepModified(7, 4, 3) = 1;
  song.StepVolume(7, 4, 3) = -800;
  song.StepPan(7, 4, 3) = -300;
  song.StepPitch(7, 4, 3) = 50000;

  TBeatPreset preset;
  ASSERT_TRUE(rig.grid.popBeatPopup({4, 7, false}, preset));
  EXPECT_EQ(preset, (TBeatPreset{"Track 4", "Beat 7", "Snare", -800, -300, 50000, 230 + 28, 115 + 20}));
  EXPECT_EQ(rig.model.PopupTrack, 4);
  EXPECT_EQ(rig.model.PopupStep, 7);
}

TEST(BeatPopup, AnUnmodifiedCellPresetsTheTracksValues) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.model.TrackName[12] = std::string("Crash");
  song.TrackVolume[12] = -2200;
  song.TrackPan[12] = 900;
  song.TrackPitch[12] = 40000;
  // The 16th cell of the step is modified; the 32nd cell asked for is not.
  song.StepModified(16, 12, 1) = 1;
  song.Step32On(16, 12, 1) = 1;

  TBeatPreset preset;
  ASSERT_TRUE(rig.grid.popBeatPopup({12, 16, true}, preset));
  EXPECT_EQ(preset, (TBeatPreset{"Track 12", "Beat 16 32nd", "Crash", -2200, 900, 40000, 230 + 64, 115 + 60}));
}

TEST(BeatPopup, APointOffTheGridOpensNothing) {
  Rig rig;
  TBeatPreset preset;
  for (TGridCell cell :
       {TGridCell{0, 1, false}, TGridCell{13, 1, false}, TGridCell{1, 0, false}, TGridCell{1, 17, true}}) {
    EXPECT_FALSE(rig.grid.popBeatPopup(cell, preset));
  }
  EXPECT_EQ(rig.model.PopupTrack, 0);
  EXPECT_EQ(rig.model.PopupStep, 0);
}

}  // namespace
