// The current track's waves: choosing one, and adding one from a ".wav" file.
#include <gtest/gtest.h>

#include "drummachine/kits/TrackSamples.h"
#include "kits_fixture.h"

namespace {

using kits_test::KitsTest;
using kits_test::WriteWavFile;
namespace fs = std::filesystem;

// What the file choice gives, and the file and name the wave comes from.
TEST(SampleFileOf, TheNameIsTheFileNamePartWithoutItsExtension) {
  struct Case {
    const char* path;
    const char* file;
    const char* name;
  };
  const Case cases[] = {
      {"C:\\samples\\kick.wav", "C:\\samples\\kick.wav", "kick"},
      {"snare", "D:\\list\\snare.wav", "snare"},
      {"C:\\my.samples\\kick", "C:\\my.samples\\kick.wav", "kick"},
      {"/home/me/my.samples/tom", "/home/me/my.samples/tom.wav", "tom"},
      {"C:\\my.samples/low.tom.wav", "C:\\my.samples/low.tom.wav", "low.tom"},
      {"hat.WAV", "D:\\list\\hat.WAV", "hat"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const TSampleFile file = SampleFileOf(c.path, "D:\\list");
    EXPECT_EQ(file.Path, c.file);
    EXPECT_EQ(file.Name, c.name);
  }
}

class TrackSamplesTest : public KitsTest {
 protected:
  void SetUp() override {
    KitsTest::SetUp();
    fs::create_directories(temp / "my.samples");
    WriteWavFile((temp / "my.samples" / "kick.wav").string(), 2000, 300);
    WriteWavFile((temp / "my.samples" / "snare.wav").string(), 3000, 300);
    core_test::WriteBytes((temp / "my.samples" / "broken.wav").string(), "RIFF\x04\x00\x00\x00WAVE");
    model.CurrentTrack = 4;
    FillTrack(4, 3);
    model.Song.TrackSample[4] = 1;
  }
  std::string Folder() const { return (temp / "my.samples").string(); }
};

// Each way of naming the file adds the wave, names it, and makes it the
// track's wave, which then sounds the file.
TEST_F(TrackSamplesTest, AnAddedWaveIsNamedAfterItsFileAndPlays) {
  struct Case {
    std::string path;
    std::string name;
    std::string stored;  // SamplePath
    std::int16_t value;
  };
  const std::string folder = Folder();
  const Case cases[] = {
      {folder + "/kick.wav", "kick", folder + "/kick.wav", 2000},
      {"snare", "snare", folder + "\\snare.wav", 3000},
      {folder + "\\kick", "kick", folder + "\\kick.wav", 2000},
  };
  int count = 3;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    ASSERT_TRUE(AddWave(kits, c.path, folder));
    EXPECT_EQ(WaveNames(4).back(), c.name);
    ASSERT_EQ(lists[4]->GetItems()->GetCount(), ++count);
    EXPECT_EQ(model.Song.TrackSample[4], count - 1);
    EXPECT_EQ(model.SamplePath[4][count - 1], c.stored);
    EXPECT_EQ(view.SampleItems, WaveNames(4));
    EXPECT_EQ(view.SampleIndex, count - 1);
    EXPECT_EQ(view.SampleLabel, c.name);
    EXPECT_EQ(view.DrumButtons[4], c.name);
    Sync();
    lists[4]->GetItems()->GetItems(count - 1)->Play();
    EXPECT_EQ(Render(Latency() + 10).back(), c.value);
    Render(400);
  }
  EXPECT_TRUE(view.Messages.empty());
}

TEST_F(TrackSamplesTest, AWaveAddedToAnEmptyTrackReplacesTheEmptyItem) {
  model.CurrentTrack = 9;
  ASSERT_TRUE(AddWave(kits, Folder() + "/kick.wav", Folder()));
  EXPECT_EQ(view.SampleItems, std::vector<std::string>{"kick"});
  EXPECT_EQ(view.SampleIndex, 0);
  EXPECT_EQ(model.Song.TrackSample[9], 0);
  EXPECT_EQ(model.SamplePath[9][0], Folder() + "/kick.wav");
}

// A file that cannot be read, or a full track, changes nothing and is
// reported once.
TEST_F(TrackSamplesTest, AWaveThatCannotBeAddedChangesNothing) {
  struct Case {
    const char* what;
    std::string path;
    int waves;  // the track's waves before
    const char* message;  // a part of the message
  };
  const std::string folder = Folder();
  const Case cases[] = {
      {"a broken file", folder + "/broken.wav", 3, ""},
      {"a missing file", folder + "/gone.wav", 3, ""},
      {"a full track", folder + "/kick.wav", TrackWaveSlots, "16"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    lists[4]->GetItems()->Clear();
    FillTrack(4, c.waves);
    view = kits_test::RecordingView();
    const TMainModel before = model;
    const std::vector<std::string> waves = WaveNames(4);
    EXPECT_EQ(CanAddWave(kits), c.waves < TrackWaveSlots);
    EXPECT_FALSE(AddWave(kits, c.path, folder));
    EXPECT_EQ(WaveNames(4), waves);
    EXPECT_EQ(model.Song.TrackSample, before.Song.TrackSample);
    EXPECT_EQ(model.SamplePath, before.SamplePath);
    ASSERT_EQ(view.Messages.size(), 1u);
    EXPECT_NE(view.Messages[0].find(c.message), std::string::npos) << view.Messages[0];
    EXPECT_EQ(view.DrumButtons[4], "");
    EXPECT_EQ(view.SampleIndex, -2);
  }
}

TEST_F(TrackSamplesTest, OnlyAWaveOfTheTrackCanBeChosen) {
  struct Case {
    int index;
    bool chosen;
  };
  const Case cases[] = {{2, true}, {0, true}, {3, false}, {-1, false}, {TrackWaveSlots, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    model.Song.TrackSample[4] = 1;
    view = kits_test::RecordingView();
    EXPECT_EQ(ChooseWave(kits, c.index), c.chosen);
    EXPECT_EQ(model.Song.TrackSample[4], c.chosen ? c.index : 1);
    EXPECT_EQ(view.SampleIndex, c.chosen ? c.index : -2);
    EXPECT_EQ(view.SampleLabel, c.chosen ? "wave " + std::to_string(c.index) : "");
    EXPECT_EQ(view.DrumButtons[4], view.SampleLabel);
  }
}

}  // namespace
