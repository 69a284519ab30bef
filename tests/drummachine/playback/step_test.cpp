#include <gtest/gtest.h>

#include "recorders.h"

namespace {

using playback_test::Hit;
using playback_test::Rig;
using playback_test::Stop;

std::vector<int> StepsOf(const std::vector<Hit>& hits, int halfTick) {
  std::vector<int> steps;
  for (const Hit& h : hits)
    if (h.halfTick == halfTick) steps.push_back(h.step);
  return steps;
}

void AllStepsOn(TSong& song, int track, int pattern) {
  for (int s = 1; s <= SongSteps; ++s) song.StepOn(s, track, pattern) = 1;
}

TEST(Step, NothingHappensWhileStopped) {
  Rig rig;
  AllStepsOn(rig.model.Song, 1, 1);
  rig.Tick(5);
  EXPECT_TRUE(rig.log.hits.empty());
  EXPECT_EQ(rig.model.PlayStep, 0);
  EXPECT_EQ(rig.random.reseeds, 0);
}

TEST(Step, NormalModeLoopsTheEditedPatternFromStepOne) {
  Rig rig;
  AllStepsOn(rig.model.Song, 1, 1);
  rig.engine.StyMMButton1Click();
  rig.Tick(18);
  std::vector<int> expected = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 1, 2};
  EXPECT_EQ(StepsOf(rig.log.hits, 0), expected);
  EXPECT_EQ(rig.view.status[4], "2");
  EXPECT_EQ(rig.view.status[2], "Playing");
  EXPECT_EQ(rig.view.status[3], "Normal");
  EXPECT_EQ(rig.random.reseeds, 18);
}

TEST(Step, ThreeFourTimeSkipsSteps4_8_12_16AndKeepsTheirCells) {
  Rig rig;
  AllStepsOn(rig.model.Song, 1, 1);
  rig.model.Song.Metre = 3;
  rig.engine.StyMMButton1Click();
  rig.Tick(14);
  std::vector<int> expected = {1, 2, 3, 5, 6, 7, 9, 10, 11, 13, 14, 15, 1, 2};
  EXPECT_EQ(StepsOf(rig.log.hits, 0), expected);
  EXPECT_EQ(rig.model.Song.StepOn(4, 1, 1), 1);
}

TEST(Step, ThirtySecondCellsAfter3_7_11_15SoundInThreeFourAndThoseAfter4_8_12_16Never) {
  Rig rig;
  TSong& song = rig.model.Song;
  for (int s = 1; s <= SongSteps; ++s) song.Step32On(s, 1, 1) = 1;
  song.TrackUses32nd[1] = true;
  rig.model.AllSixteenth = false;
  song.Metre = 3;
  rig.engine.StyMMButton1Click();
  rig.Tick(27);
  // The first tick turns the half-tick phase to 1: a half tick at step 0.
  std::vector<int> expected = {1, 2, 3, 5, 6, 7, 9, 10, 11, 13, 14, 15, 1};
  EXPECT_EQ(StepsOf(rig.log.hits, 1), expected);
  EXPECT_TRUE(StepsOf(rig.log.hits, 0).empty());
}

TEST(Step, ThirtySecondCellsPlayOnlyOnTracksThatUseThem) {
  Rig rig;
  TSong& song = rig.model.Song;
  song.StepOn(1, 2, 1) = 1;
  song.Step32On(1, 2, 1) = 1;
  song.Step32On(1, 3, 1) = 1;
  song.TrackUses32nd[3] = true;
  rig.model.AllSixteenth = false;
  rig.model.HalfTick = 1;  // the phase kept from an earlier run: the first tick plays step 1
  rig.engine.StyMMButton1Click();
  rig.Tick(2);
  ASSERT_EQ(rig.log.hits.size(), 2u);
  EXPECT_EQ(rig.log.hits[0].track, 2);
  EXPECT_EQ(rig.log.hits[0].halfTick, 0);
  EXPECT_EQ(rig.log.hits[1].track, 3);
  EXPECT_EQ(rig.log.hits[1].halfTick, 1);
}

TEST(Step, TheStepLightFollowsOnlyThePatternOnScreen) {
  Rig rig;
  rig.engine.StyMMButton1Click();
  rig.Tick(2);
  std::vector<std::pair<int, bool>> expected = {{1, true}, {1, false}, {2, true}};
  EXPECT_EQ(rig.view.lights, expected);
  rig.model.SequencerMode = true;
  rig.model.PlayPattern = 2;
  rig.view.lights.clear();
  rig.Tick();
  expected = {{2, false}};
  EXPECT_EQ(rig.view.lights, expected);
}

TEST(Step, MutedTracksEmptyListsAndMissingWavesAreSkipped) {
  Rig rig;
  TSong& song = rig.model.Song;
  for (int t = 1; t <= 4; ++t) song.StepOn(1, t, 1) = 1;
  song.TrackMute[1] = true;
  rig.engine.TrackWaveLists[2] = nullptr;
  song.TrackSample[3] = 1;  // its list holds one wave
  rig.engine.StyMMButton1Click();
  rig.Tick();
  ASSERT_EQ(rig.log.hits.size(), 1u);
  EXPECT_EQ(rig.log.hits[0].track, 4);
}

TEST(Step, WithASoloOnlyTheSoloedTrackSounds) {
  Rig rig;
  TSong& song = rig.model.Song;
  for (int t = 1; t <= SongTracks; ++t) song.StepOn(1, t, 1) = 1;
  song.TrackSolo[5] = true;
  song.SoloActive = true;
  rig.engine.StyMMButton1Click();
  rig.Tick();
  ASSERT_EQ(rig.log.hits.size(), 1u);
  EXPECT_EQ(rig.log.hits[0].track, 5);
}

TEST(Step, TrackValuesAndMainVolumeGoToTheItem) {
  Rig rig;
  TSong& song = rig.model.Song;
  song.StepOn(1, 1, 1) = 1;
  song.TrackVolume[1] = -1200;
  song.TrackPan[1] = -3000;
  song.TrackPitch[1] = 22050;
  rig.model.MainVolume = -500;
  rig.engine.StyMMButton1Click();
  rig.Tick();
  ASSERT_EQ(rig.log.hits.size(), 1u);
  EXPECT_EQ(rig.log.hits[0], (Hit{1, 0, -1700, -3000, 22050, 1, 0, 1}));
}

TEST(Step, OverdrivePlaysMoreCopiesAtTheTrackVolumeRaisedBy5dB) {
  Rig rig;
  TSong& song = rig.model.Song;
  song.StepOn(1, 1, 1) = 1;
  song.TrackOverdrive[1] = 10;
  song.TrackVolume[1] = -200;
  rig.model.MainVolume = -3000;
  rig.engine.StyMMButton1Click();
  rig.Tick();
  auto hits = rig.HitsOf(1);
  ASSERT_EQ(hits.size(), 11u);
  EXPECT_EQ(hits[0].volume, -3200);
  for (std::size_t i = 1; i < hits.size(); ++i) EXPECT_EQ(hits[i].volume, 0) << i;
}

TEST(Step, AHitThatTheMainVolumeTakesBelowSilencePlaysSilent) {
  Rig rig;
  TSong& song = rig.model.Song;
  song.StepOn(1, 1, 1) = 1;
  song.TrackVolume[1] = -5000;
  rig.model.MainVolume = -10000;
  rig.engine.StyMMButton1Click();
  rig.Tick();
  ASSERT_EQ(rig.log.hits.size(), 1u);
  EXPECT_EQ(rig.log.hits[0].volume, -10000);
}

TEST(Step, ValuesOutsideTheSoundRangesAreClampedBeforeTheyAreSet) {
  struct Case {
    int volume, pan, pitch;
    int expectedVolume, expectedPan, expectedFrequency;
  };
  const Case cases[] = {
      {-20000, 12000, 50, -10000, 10000, 100},
      {-100, -15000, 200000, -100, -10000, 100000},
      {0, 10000, 100, 0, 10000, 100},
  };
  for (const Case& c : cases) {
    Rig rig;
    TSong& song = rig.model.Song;
    song.StepOn(1, 1, 1) = 1;
    song.TrackVolume[1] = c.volume;
    song.TrackPan[1] = c.pan;
    song.TrackPitch[1] = c.pitch;
    rig.engine.StyMMButton1Click();
    rig.Tick();
    ASSERT_EQ(rig.log.hits.size(), 1u);
    EXPECT_EQ(rig.log.hits[0].volume, c.expectedVolume);
    EXPECT_EQ(rig.log.hits[0].pan, c.expectedPan);
    EXPECT_EQ(rig.log.hits[0].frequency, c.expectedFrequency);
  }
}

TEST(Step, HumaniseDrawsSixNumbersInOrderAndVariesTheTrackValues) {
  Rig rig;
  TSong& song = rig.model.Song;
  song.StepOn(1, 1, 1) = 1;
  song.TrackHumanize[1] = true;
  song.HumanizeVolume[1] = 2;
  song.HumanizePitch[1] = 3;
  song.HumanizePan[1] = 4;
  song.TrackVolume[1] = -1000;
  song.TrackPitch[1] = 44100;
  song.TrackPan[1] = 100;
  // volume +300, pitch -700, pan +1999
  rig.random.script = {300, 0, 700, 1, 1999, 0};
  rig.engine.StyMMButton1Click();
  rig.Tick();
  std::vector<int> ranges = {500, 2, 1500, 2, 2000, 2};
  EXPECT_EQ(rig.random.ranges, ranges);
  ASSERT_EQ(rig.log.hits.size(), 1u);
  EXPECT_EQ(rig.log.hits[0].volume, -700);
  EXPECT_EQ(rig.log.hits[0].frequency, 43400);
  EXPECT_EQ(rig.log.hits[0].pan, 2099);
}

TEST(Step, HumaniseNeverRaisesTheVolumeAboveFullLevel) {
  Rig rig;
  TSong& song = rig.model.Song;
  song.StepOn(1, 1, 1) = 1;
  song.TrackHumanize[1] = true;
  song.TrackVolume[1] = -100;
  rig.random.script = {240, 0};
  rig.engine.StyMMButton1Click();
  rig.Tick();
  EXPECT_EQ(rig.log.hits.at(0).volume, 0);
}

TEST(Step, HumaniseWithAllAmountsZeroPlaysTheTrackValuesExactly) {
  Rig rig;
  TSong& song = rig.model.Song;
  song.StepOn(1, 1, 1) = 1;
  song.TrackHumanize[1] = true;
  song.HumanizeVolume[1] = song.HumanizePitch[1] = song.HumanizePan[1] = 0;
  song.TrackVolume[1] = -1500;
  song.TrackPitch[1] = 30000;
  song.TrackPan[1] = 2500;
  rig.random.script = {0, 1, 0, 1, 0, 0};
  rig.engine.StyMMButton1Click();
  rig.Tick();
  std::vector<int> ranges = {0, 2, 0, 2, 0, 2};
  EXPECT_EQ(rig.random.ranges, ranges);
  EXPECT_EQ(rig.log.hits.at(0), (Hit{1, 0, -1500, 2500, 30000, 1, 0, 1}));
}

TEST(Step, AModifiedNotePlaysItsOwnValuesWithoutHumanising) {
  Rig rig;
  TSong& song = rig.model.Song;
  song.StepOn(1, 1, 1) = 1;
  song.StepModified(1, 1, 1) = 1;
  song.StepVolume(1, 1, 1) = -600;
  song.StepPan(1, 1, 1) = 4000;
  song.StepPitch(1, 1, 1) = 11025;
  song.TrackHumanize[1] = true;
  song.TrackOverdrive[1] = 1;
  song.TrackVolume[1] = -2000;
  rig.random.script = {100, 0, 100, 0, 100, 0};
  rig.model.MainVolume = -100;
  rig.engine.StyMMButton1Click();
  rig.Tick();
  auto hits = rig.HitsOf(1);
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_EQ(hits[0], (Hit{1, 0, -700, 4000, 11025, 1, 0, 1}));
  // The overdrive copy takes the track volume; pan and pitch stay the note's.
  EXPECT_EQ(hits[1], (Hit{1, 0, -1500, 4000, 11025, 1, 0, 1}));
}

TEST(Step, AClosedHatStopsTheOpenHatOnlyWhereTheOpenHatCellIsOff) {
  struct Case {
    bool cut;
    bool openOn;
    bool stops;
  };
  for (const Case c : {Case{true, false, true}, Case{true, true, false}, Case{false, false, false}}) {
    Rig rig;
    TSong& song = rig.model.Song;
    song.HiHatCut = c.cut;
    song.StepOn(1, 4, 1) = 1;  // closed hat (track 4)
    song.StepOn(1, 3, 1) = c.openOn ? 1 : 0;
    rig.engine.StyMMButton1Click();
    rig.Tick();
    std::vector<Stop> expected;
    if (c.stops) expected.push_back({3, 0});
    EXPECT_EQ(rig.log.stops, expected) << c.cut << c.openOn;
  }
}

TEST(Step, StopKeepsThePatternAndTheOrderPositionAndSilencesEveryTrack) {
  Rig rig;
  rig.engine.StyMMButton1Click();
  rig.Tick(3);
  rig.model.SequenceColumn = 4;
  rig.engine.StyMMButton1Click();
  EXPECT_FALSE(rig.model.Playing);
  EXPECT_EQ(rig.model.PlayStep, 0);
  EXPECT_EQ(rig.model.PlayPattern, 1);
  EXPECT_EQ(rig.model.SequenceColumn, 4);
  EXPECT_EQ(rig.view.status[4], "1");
  EXPECT_EQ(rig.view.status[2], "Stopped");
  EXPECT_EQ(rig.view.lights.back(), std::make_pair(3, false));
  EXPECT_EQ(rig.view.playButtonReleases, 1);
  EXPECT_EQ(rig.log.stops.size(), 12u);
}

}  // namespace
