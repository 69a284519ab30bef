// The kit reload after a song was read, through the song commands' view of
// the kits, and the user-kit menu items.
#include <gtest/gtest.h>

#include <optional>

#include "drummachine/kits/BuiltinKitLoader.h"
#include "drummachine/kits/DrumKits.h"
#include "drummachine/kits/UserKitMenu.h"
#include "drummachine/userkit/UserKitFile.h"
#include "kits_fixture.h"

namespace {

using kits_test::KitsTest;
using kits_test::WriteWavFile;
namespace fs = std::filesystem;

class SongKitTest : public KitsTest {
 protected:
  void SetUp() override {
    KitsTest::SetUp();
    UseCopiedProgramFolder();
    fs::create_directories(temp / "samples");
    LoadBuiltinKit(kits, 10);
    view.Messages.clear();
    songKit.emplace(kits);
  }

  std::string SamplePath(const std::string& name) const { return (temp / "samples" / name).string(); }

  // A user kit of count waves a track, in "user kits".
  void WriteUserKit(const std::string& name, int count) {
    std::string text = name + "\r\n";
    for (int t = 1; t <= SongTracks; ++t) text += "User " + std::to_string(t) + "\r\n";
    text += "5 6\r\n1 1 1 1 1 1 1 1 1 1 1 1\r\n";
    core_test::WriteBytes((temp / "user kits" / (name + ".kit")).string(), text);
    for (int t = 1; t <= SongTracks; ++t) {
      TWaveCollection bank(nullptr);
      for (int w = 0; w < count; ++w) {
        auto* item = static_cast<TWaveCollectionItem*>(bank.Add());
        item->SetName(name + " " + std::to_string(w));
        soundtest::FillConstant(*item->GetWave(), static_cast<std::int16_t>(10 * t + w), 100);
      }
      bank.SaveToFile(UserKitBankFileName((temp / "user kits").string(), name, t));
    }
  }

  std::optional<TDrumKits> songKit;
};

// Tracks 3 and 8 name missing files: each gives its own message and plays
// wave 0; track 5's file is read and added after the kit's waves; the other
// tracks keep the song's choices.
TEST_F(SongKitTest, MissingUserSamplesAreReportedTrackByTrackAndTheOthersAreAdded) {
  WriteWavFile(SamplePath("clap.wav"), 1234, 500);
  model.Song.KitId = 0;
  model.Song.KitName = std::string("Analog kit");
  for (int t = 1; t <= SongTracks; ++t) model.Song.TrackSample[t] = 1;
  model.Song.SongSamplePath[3] = SamplePath("gone.wav");
  model.Song.SongSamplePath[5] = SamplePath("clap.wav");
  model.Song.SongSampleName[5] = "My Clap";
  model.Song.SongSamplePath[8] = "C:\\nowhere\\boom.wav";
  model.CurrentTrack = 5;

  songKit->LoadKitFile();

  EXPECT_EQ(view.Messages, (std::vector<std::string>{
                               "The following file \"" + SamplePath("gone.wav") + "\" could not be found for Track 3",
                               "The following file \"C:\\nowhere\\boom.wav\" could not be found for Track 8"}));
  EXPECT_EQ(view.Checked(), std::vector<std::string>{"built-in 0"});
  for (int t = 1; t <= SongTracks; ++t) {
    SCOPED_TRACE("track " + std::to_string(t));
    const int kitWaves = model.KitSampleCount[t];
    if (t == 5) {
      ASSERT_EQ(songKit->GetWaveCount(5), kitWaves + 1);
      EXPECT_EQ(model.Song.TrackSample[5], kitWaves);
      EXPECT_EQ(songKit->GetWaveName(5, kitWaves), "My Clap");
      EXPECT_EQ(model.SamplePath[5][kitWaves], SamplePath("clap.wav"));
      EXPECT_EQ(view.DrumButtons[5], "My Clap");
      EXPECT_EQ(view.SampleLabel, "My Clap");
    } else {
      EXPECT_EQ(songKit->GetWaveCount(t), kitWaves);
      const int expected = t == 3 || t == 8 || kitWaves < 2 ? 0 : 1;
      EXPECT_EQ(model.Song.TrackSample[t], expected) << "the song's choice, 0 when missing or outside the list";
    }
  }
  // The added wave sounds the file's samples.
  Sync();
  lists[5]->GetItems()->GetItems(model.Song.TrackSample[5])->Play();
  EXPECT_EQ(Render(Latency() + 10).back(), 1234);
}

// A KitId that names no kit keeps the loaded kit and its check mark; the
// song's wave choices apply to it, one outside its list counting as 0.
TEST_F(SongKitTest, AKitIdOfNoKitKeepsTheLoadedKit) {
  for (int kitId : {13, 99, -1}) {
    SCOPED_TRACE(kitId);
    LoadBuiltinKit(kits, 10);
    const TTrackArray<std::vector<std::string>> before = [&] {
      TTrackArray<std::vector<std::string>> names;
      for (int t = 1; t <= SongTracks; ++t) names[t] = WaveNames(t);
      return names;
    }();
    model.Song.KitId = kitId;
    model.Song.KitName = std::string("Whatever");
    model.Song.TrackSample.Fill(0);
    model.Song.TrackSample[7] = 2;
    model.Song.TrackSample[8] = 500;
    songKit->LoadKitFile();
    for (int t = 1; t <= SongTracks; ++t) EXPECT_EQ(WaveNames(t), before[t]) << t;
    EXPECT_EQ(view.Checked(), std::vector<std::string>{"built-in 10"});
    EXPECT_EQ(model.Song.TrackSample[7], 2);
    EXPECT_EQ(model.Song.TrackSample[8], 0);
    ASSERT_GT(WaveNames(7).size(), 2u);
    EXPECT_EQ(view.DrumButtons[7], WaveNames(7)[2]);
    EXPECT_TRUE(view.Messages.empty());
  }
}

// A song on a user kit reloads it: the kit's waves are all kit waves, the
// paths of the waves added before are forgotten, and the song's own sample
// is added after them.
TEST_F(SongKitTest, ASongOnAUserKitLoadsItAndRecordsItsWaveCounts) {
  WriteUserKit("Funk", 2);
  WriteWavFile(SamplePath("clap.wav"), 321, 100);
  model.SamplePath[4][9] = "C:\\old\\added.wav";
  model.Song.KitId = 14;
  model.Song.KitName = std::string("Funk");
  model.Song.TrackSample.Fill(1);
  model.Song.SongSamplePath[4] = SamplePath("clap.wav");
  model.Song.SongSampleName[4] = "clap";

  songKit->LoadKitFile();

  EXPECT_TRUE(view.Messages.empty());
  EXPECT_EQ(view.Checked(), std::vector<std::string>{"mnukit1"});
  EXPECT_EQ(model.UserKitNames[1], "Funk");
  for (int t = 1; t <= SongTracks; ++t) EXPECT_EQ(model.KitSampleCount[t], 2) << t;
  EXPECT_EQ(model.SamplePath[4][9], "");
  EXPECT_EQ(model.SamplePath[4][2], SamplePath("clap.wav"));
  EXPECT_EQ(model.Song.TrackSample[4], 2);
  EXPECT_EQ(model.Song.TrackSample[5], 1);
  EXPECT_EQ(WaveNames(4), (std::vector<std::string>{"Funk 0", "Funk 1", "clap"}));
  EXPECT_EQ(view.TrackButtons[4], "User 4");
}

// A user kit that cannot be read keeps the kit loaded before: the song's
// samples still come, and the user hears of the kit once.
TEST_F(SongKitTest, AMissingUserKitKeepsTheLoadedKitAndTheSongsSamplesStillCome) {
  WriteWavFile(SamplePath("clap.wav"), 321, 100);
  model.Song.KitId = 14;
  model.Song.KitName = std::string("Gone");
  model.Song.TrackSample.Fill(0);
  model.Song.SongSamplePath[4] = SamplePath("clap.wav");
  model.Song.SongSampleName[4] = "clap";
  const std::vector<std::string> kitWaves = WaveNames(4);

  songKit->LoadKitFile();

  ASSERT_EQ(view.Messages.size(), 1u);
  EXPECT_NE(view.Messages[0].find("Gone.kit"), std::string::npos) << view.Messages[0];
  EXPECT_EQ(view.Checked(), std::vector<std::string>{"built-in 10"});
  EXPECT_EQ(model.Song.TrackSample[4], static_cast<int>(kitWaves.size()));
  EXPECT_EQ(WaveNames(4).back(), "clap");
}

// A song's kit name leads only into "user kits": one that would reach
// another folder is refused, though a kit file lies there.
TEST_F(SongKitTest, ASongsKitNameThatLeavesTheUserKitsFolderIsRefused) {
  WriteUserKit("Funk", 2);
  fs::copy_file(temp / "user kits" / "Funk.kit", temp / "Funk.kit");
  for (const char* name : {"..\\Funk", "../Funk"}) {
    SCOPED_TRACE(name);
    view.Messages.clear();
    model.Song.KitId = 14;
    model.Song.KitName = std::string(name);
    songKit->LoadKitFile();
    EXPECT_EQ(view.Messages, std::vector<std::string>{"\"" + std::string(name) + "\" cannot name a user kit"});
    EXPECT_EQ(model.Song.KitId, 14);
    EXPECT_EQ(model.UserKitNames[1], "");
    EXPECT_EQ(view.Checked(), std::vector<std::string>{"built-in 10"});
  }
}

// A track that holds 16 waves takes no song sample: it is reported and the
// track plays wave 0.
TEST_F(SongKitTest, ASongSampleForAFullTrackIsReported) {
  WriteUserKit("Full", TrackWaveSlots);
  WriteWavFile(SamplePath("clap.wav"), 321, 100);
  model.Song.KitId = 14;
  model.Song.KitName = std::string("Full");
  model.Song.TrackSample.Fill(3);
  model.Song.SongSamplePath[6] = SamplePath("clap.wav");

  songKit->LoadKitFile();

  ASSERT_EQ(view.Messages.size(), 1u);
  EXPECT_NE(view.Messages[0].find("could not be added to Track 6"), std::string::npos) << view.Messages[0];
  EXPECT_EQ(lists[6]->GetItems()->GetCount(), TrackWaveSlots);
  EXPECT_EQ(model.Song.TrackSample[6], 0);
  EXPECT_EQ(model.Song.TrackSample[7], 3);
}

// mnukitN loads UserKitNames[N]: the kit goes to the top and mnukit1 alone
// carries the check mark; a kit that cannot be read changes nothing.
TEST_F(SongKitTest, AUserKitItemLoadsItsKitOrReportsWhyNot) {
  const std::string longName = "A Kit With A Name Of Thirty Ch";  // 30 characters
  WriteUserKit(longName, 3);
  model.FormReady = true;
  model.UserKitNames = {"Soul", longName, "Missing", "", "", "", "", "", ""};

  EXPECT_TRUE(LoadUserKitItem(kits, 2));
  EXPECT_EQ(model.Song.KitName, longName);
  EXPECT_EQ(model.Song.KitId, 14);
  EXPECT_EQ(view.Checked(), std::vector<std::string>{"mnukit1"});
  EXPECT_EQ(view.UserKitCaptions[1], "1. " + longName);
  EXPECT_EQ(view.UserKitCaptions[2], "2. Soul");
  EXPECT_EQ(view.KitCaptions, (std::array<std::string, 4>{longName, "A Kit With A Na", "A Kit With A", longName}))
      << "the kit labels keep 15, 12 and all characters";
  EXPECT_EQ(view.DrumButtons[1], longName + " 1");
  EXPECT_TRUE(view.Messages.empty());

  LoadBuiltinKit(kits, 3);
  EXPECT_FALSE(LoadUserKitItem(kits, 3));
  ASSERT_EQ(view.Messages.size(), 1u);
  EXPECT_EQ(model.Song.KitId, 3);
  EXPECT_EQ(view.Checked(), std::vector<std::string>{"built-in 3"});

  EXPECT_FALSE(LoadUserKitItem(kits, 4)) << "an item without a name";
  EXPECT_EQ(view.Messages.size(), 1u);
}

}  // namespace
