#include <gtest/gtest.h>

#include "drummachine/editing/Audition.h"
#include "recorders.h"

namespace {

using playback_test::Hit;
using playback_test::RecordingWaveList;
using playback_test::SoundLog;

struct AuditionCase {
  const char* name;
  int waves;  // in the track's list; -1 for no list
  int sample;
  int trackVolume;
  int mainVolume;
  int expected;  // the volume returned and played
};

class AuditionTable : public testing::TestWithParam<AuditionCase> {};

TEST_P(AuditionTable, PlaysTheTracksWaveWithTheMainVolumeAdded) {
  const AuditionCase& c = GetParam();
  TMainModel model;
  SoundLog log;
  RecordingWaveList list(5, c.waves < 0 ? 0 : c.waves, log, model);
  model.Song.TrackSample[5] = c.sample;
  model.Song.TrackVolume[5] = c.trackVolume;
  model.Song.TrackPan[5] = -2500;
  model.Song.TrackPitch[5] = 22050;
  model.MainVolume = c.mainVolume;

  int played = AuditionTrack(model, c.waves < 0 ? nullptr : &list, 5);

  EXPECT_EQ(played, c.expected);
  if (c.expected == NothingAuditioned) {
    EXPECT_TRUE(log.hits.empty());
  } else {
    ASSERT_EQ(log.hits.size(), 1u);
    const Hit& h = log.hits[0];
    EXPECT_EQ(h.item, c.sample);
    EXPECT_EQ(h.volume, c.expected);
    EXPECT_EQ(h.pan, -2500);
    EXPECT_EQ(h.frequency, 22050);
  }
}

INSTANTIATE_TEST_SUITE_P(Audition, AuditionTable,
                         testing::Values(AuditionCase{"TrackAndMainVolume", 3, 2, -1000, -2000, -3000},
                                         AuditionCase{"FullLevel", 1, 0, 0, 0, 0},
                                         AuditionCase{"NeverBelowSilence", 1, 0, -5000, -10000, -10000},
                                         AuditionCase{"NoList", -1, 0, -1000, 0, NothingAuditioned},
                                         AuditionCase{"EmptyList", 0, 0, -1000, 0, NothingAuditioned},
                                         AuditionCase{"WaveBeyondTheList", 2, 2, -1000, 0, NothingAuditioned},
                                         AuditionCase{"NegativeWave", 2, -1, -1000, 0, NothingAuditioned}),
                         [](const testing::TestParamInfo<AuditionCase>& info) { return std::string(info.param.name); });

}  // namespace
