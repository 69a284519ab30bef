#include <gtest/gtest.h>

#include <tuple>

#include "drummachine/core/MainModel.h"
#include "drummachine/core/RandomSource.h"
#include "drummachine/core/StepInterval.h"

namespace {

TEST(SongModel, GridIsStepByTrackByPatternWithThePatternFastest) {
  EXPECT_EQ(TStepGrid<int>::IndexOf(1, 1, 1), 0);
  EXPECT_EQ(TStepGrid<int>::IndexOf(1, 1, 2), 1);
  EXPECT_EQ(TStepGrid<int>::IndexOf(1, 2, 1), 16);
  EXPECT_EQ(TStepGrid<int>::IndexOf(2, 1, 1), 192);
  EXPECT_EQ(TStepGrid<int>::IndexOf(16, 12, 16), 3071);
  EXPECT_EQ(TStepGrid<int>::Size, 3072);

  TStepGrid<int> grid;
  grid(16, 12, 16) = 7;
  EXPECT_EQ(grid.Cells()[3071], 7);
}

TEST(SongModel, CellsOutsideTheGridRaiseInsteadOfReachingAnotherCell) {
  TStepGrid<int> grid;
  using Cell = std::tuple<int, int, int>;
  for (auto [s, t, p] :
       std::initializer_list<Cell>{{0, 1, 1}, {17, 1, 1}, {1, 0, 1}, {1, 13, 1}, {1, 1, 0}, {1, 1, 17}})
    EXPECT_THROW(grid(s, t, p), ERangeError) << s << " " << t << " " << p;
  TTrackArray<int> tracks;
  EXPECT_THROW(tracks[0], ERangeError);
  EXPECT_THROW(tracks[13], ERangeError);
  TSequenceGrid order;
  EXPECT_THROW(order.Cells(12, 0), ERangeError);
  EXPECT_THROW(order.Cells(0, 3), ERangeError);
}

TEST(SongModel, TheTwoLayersAreSeparate) {
  TSong song;
  song.Step32On(4, 5, 6) = 1;
  EXPECT_EQ(song.StepOn(4, 5, 6), 0);
  song.StepOn(4, 5, 6) = 1;
  song.Step32On(4, 5, 6) = 0;
  EXPECT_EQ(song.StepOn(4, 5, 6), 1);
}

TEST(SongModel, StartValues) {
  TMainModel m;
  for (int t = 1; t <= SongTracks; ++t) {
    EXPECT_EQ(m.Song.TrackVolume[t], -1000);
    EXPECT_EQ(m.Song.TrackPan[t], 0);
    EXPECT_EQ(m.Song.TrackPitch[t], 44100);
    EXPECT_EQ(m.Song.TrackOverdrive[t], 0);
    EXPECT_FALSE(m.Song.TrackHumanize[t]);
    EXPECT_EQ(m.Song.HumanizeVolume[t], 1);
    EXPECT_EQ(m.Song.HumanizePan[t], 1);
    EXPECT_EQ(m.Song.HumanizePitch[t], 1);
  }
  EXPECT_EQ(m.Song.Tempo, 100);
  EXPECT_EQ(m.Song.Metre, 4);
  EXPECT_TRUE(m.Song.HiHatCut);
  EXPECT_EQ(m.OpenHatTrack, 3);
  EXPECT_EQ(m.ClosedHatTrack, 4);
  EXPECT_EQ(m.EditedPattern, 1);
  EXPECT_EQ(m.CurrentTrack, 1);
  EXPECT_EQ(m.PlayStep, 0);
  EXPECT_FALSE(m.Playing);
  EXPECT_TRUE(m.AllSixteenth);
  EXPECT_EQ(m.MainVolume, 0);
  int notes[] = {36, 38, 46, 44, 45, 48, 50, 51, 54, 54, 54, 54};
  for (int t = 1; t <= SongTracks; ++t) EXPECT_EQ(m.MidiNoteOfTrack[t], notes[t - 1]);
  for (const auto& cell : m.Song.StepOn.Cells()) ASSERT_EQ(cell, 0);
}

TEST(LibraryRandom, ARangeOfZeroStillTakesADrawAsTheLibraryDoes) {
  TLibraryRandom random;
  RandSeed = 42;
  EXPECT_EQ(random.Random(0), 0);
  std::int32_t afterOne = RandSeed;
  EXPECT_NE(afterOne, 42);
  RandSeed = 42;
  ::Random(7);
  EXPECT_EQ(RandSeed, afterOne);
  EXPECT_EQ(random.Random(-5), 0);
}

struct IntervalCase {
  int tempo;
  int metre;
  bool allSixteenth;
  unsigned expected;
};

TEST(StepInterval, RoundsToTheNearestMillisecondWithHalvesToEven) {
  const IntervalCase cases[] = {
      {100, 4, true, 150}, {100, 3, true, 200}, {100, 4, false, 75}, {90, 4, true, 167},
      {80, 4, true, 188},  {48, 4, true, 312},  {240, 4, true, 62},  {120, 4, false, 62},
      {120, 4, true, 125}, {10, 4, true, 1500}, {300, 3, false, 33},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StepInterval(c.tempo, c.metre, c.allSixteenth), c.expected)
        << c.tempo << " bpm, metre " << c.metre << (c.allSixteenth ? " 16th" : " 32nd");
  EXPECT_DOUBLE_EQ(StepIntervalExact(80, 4, true), 187.5);
}

}  // namespace
