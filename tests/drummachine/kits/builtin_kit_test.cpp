// The built-in kits: every kit from the program folder's built files, the
// displays and the check mark that follow it, and a kit whose files are
// missing or broken.
#include <gtest/gtest.h>

#include <functional>

#include "drummachine/kits/BuiltinKitLoader.h"
#include "drummachine/kits/DsTrackWaveList.h"
#include "drummachine/kits/KitDisplay.h"
#include "kits_fixture.h"

namespace {

using kits_test::KitsTest;
using kits_test::ProgramDir;
namespace fs = std::filesystem;

// The waves of one kit file as its own reader gives them.
struct TFileWave {
  std::string Name;
  std::vector<std::int16_t> Frames;
};

std::vector<TFileWave> ReadKitFile(const std::string& name) {
  TWaveCollection bank(nullptr);
  bank.LoadFromFile(ProgramDir() + "\\kits\\" + name);
  std::vector<TFileWave> waves;
  for (int i = 0; i < bank.GetCount(); ++i) {
    const TWave* wave = bank.GetItems(i)->GetWave();
    const auto* s = static_cast<const std::int16_t*>(wave->GetData());
    waves.push_back({bank.GetItems(i)->GetName(), std::vector<std::int16_t>(s, s + wave->GetSize() / 2)});
  }
  return waves;
}

// Each kit in menu order, the empty kit after the Yahmeha kit: every track
// holds its file's waves, plays the table's pick and carries the table's
// name (the empty kit keeps the names before it), the displays show it, and
// a played pick sounds that wave's own samples.
TEST_F(KitsTest, EveryBuiltinKitLoadsItsTableIntoTheTracksAndTheDisplays) {
  constexpr int Compared = 256;  // frames of each pick compared with the mixer's output
  for (const TBuiltinKit& kit : BuiltinKits) {
    SCOPED_TRACE(kit.KitName);
    const TTrackArray<TTrackName> namesBefore = model.TrackName;
    LoadBuiltinKit(kits, kit.KitId);

    EXPECT_EQ(model.Song.KitId, kit.KitId);
    EXPECT_EQ(model.Song.KitName, std::string(kit.KitName));
    EXPECT_EQ(view.Checked(), std::vector<std::string>{"built-in " + std::to_string(kit.KitId)});
    EXPECT_EQ(view.KitCaptions[0], kit.KitName);
    EXPECT_TRUE(view.Messages.empty()) << view.Messages.front();
    for (int t = 1; t <= SongTracks; ++t) {
      SCOPED_TRACE("track " + std::to_string(t));
      const TBuiltinKitTrack& entry = kit.Tracks[static_cast<size_t>(t - 1)];
      const std::vector<TFileWave> file = ReadKitFile(BuiltinKitFileName(entry));
      std::vector<std::string> fileNames;
      for (const TFileWave& w : file) fileNames.push_back(w.Name);
      EXPECT_EQ(WaveNames(t), fileNames);
      EXPECT_EQ(model.KitSampleCount[t], static_cast<int>(file.size()));
      const std::string tableName = kit.TrackNames[static_cast<size_t>(t - 1)];
      EXPECT_EQ(model.TrackName[t], kit.KitId == EmptyKitId ? namesBefore[t] : TTrackName(tableName));
      EXPECT_EQ(view.TrackButtons[t], model.TrackName[t].Get());
      if (file.empty()) {
        EXPECT_EQ(model.Song.TrackSample[t], 0);
        EXPECT_EQ(view.DrumButtons[t], "Empty");
        continue;
      }
      ASSERT_EQ(model.Song.TrackSample[t], entry.Wave);
      const TFileWave& pick = file[static_cast<size_t>(entry.Wave)];
      EXPECT_EQ(view.DrumButtons[t], pick.Name);

      TDsTrackWaveList track(lists[t]);
      Sync();
      track.PlayItem(model.Song.TrackSample[t]);
      const std::vector<std::int16_t> out = Render(Latency() + Compared);
      track.StopItem(model.Song.TrackSample[t]);
      int same = 0;
      for (int i = 0; i < Compared && i < static_cast<int>(pick.Frames.size()); ++i)
        same += out[static_cast<size_t>(2 * (Latency() + i))] == pick.Frames[static_cast<size_t>(i)];
      EXPECT_EQ(same, std::min<int>(Compared, static_cast<int>(pick.Frames.size()))) << "the pick sounds";
    }
  }
}

TEST_F(KitsTest, TheKitsNameAndTheCurrentTracksWavesAreShown) {
  model.CurrentTrack = 7;
  LoadBuiltinKit(kits, 8);  // "Industrial kit": track 7 plays wave 6 of its file
  EXPECT_EQ(view.KitCaptions,
            (std::array<std::string, 4>{"Industrial kit", "Industrial kit", "Industrial k", "Industrial kit"}));
  EXPECT_EQ(view.SampleItems, WaveNames(7));
  EXPECT_EQ(view.SampleIndex, 6);
  EXPECT_EQ(view.SampleLabel, WaveNames(7)[6]);

  LoadBuiltinKit(kits, EmptyKitId);
  EXPECT_EQ(view.KitCaptions, (std::array<std::string, 4>{"<Empty>", "<Empty>", "<Empty>", "<Empty>"}));
  EXPECT_EQ(view.SampleItems, std::vector<std::string>{"Empty"});
  EXPECT_EQ(view.SampleIndex, 0);
  EXPECT_EQ(view.SampleLabel, "Empty");
}

// A kit file that cannot be read leaves its tracks empty and playing wave 0;
// the other tracks get their waves, the displays and counts follow, and the
// user hears of it once.
TEST_F(KitsTest, AKitFileThatCannotBeReadLeavesItsTracksEmptyAndIsReportedOnce) {
  struct Case {
    const char* what;
    std::function<void(const fs::path& kitsFolder)> spoil;
    std::vector<int> emptyTracks;
    const char* message;  // a part of the one message
  };
  const Case cases[] = {
      {"analog_06.dsw missing", [](const fs::path& k) { fs::remove(k / "analog_06.dsw"); }, {6, 7}, "analog_06.dsw"},
      {"analog_09.dsw cut short",
       [](const fs::path& k) { fs::resize_file(k / "analog_09.dsw", 6000); },
       {10, 11, 12},
       "analog_09.dsw"},
      {"no kits folder",
       [](const fs::path& k) { fs::remove_all(k); },
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
       "analog_01.dsw"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(temp / "kits");
    UseCopiedProgramFolder();
    LoadBuiltinKit(kits, 10);  // a full kit before, with a user wave's path
    model.SamplePath[4][5] = "C:\\samples\\clap.wav";
    model.SamplePath[4][0] = "C:\\samples\\kick.wav";
    view.Messages.clear();
    c.spoil(temp / "kits");

    LoadBuiltinKit(kits, 0);
    ASSERT_EQ(view.Messages.size(), 1u);
    EXPECT_NE(view.Messages[0].find(c.message), std::string::npos) << view.Messages[0];
    EXPECT_EQ(model.Song.KitName, std::string("Analog kit"));
    EXPECT_EQ(view.Checked(), std::vector<std::string>{"built-in 0"});
    for (int t = 1; t <= SongTracks; ++t) {
      SCOPED_TRACE("track " + std::to_string(t));
      const bool empty = std::count(c.emptyTracks.begin(), c.emptyTracks.end(), t) > 0;
      const int count = lists[t]->GetItems()->GetCount();
      EXPECT_EQ(count == 0, empty);
      EXPECT_EQ(model.KitSampleCount[t], count);
      EXPECT_EQ(model.SamplePath[t][0], "");
      EXPECT_EQ(model.SamplePath[t][5], "");
      EXPECT_EQ(model.TrackName[t], TTrackName(BuiltinKits[0].TrackNames[static_cast<size_t>(t - 1)]));
      EXPECT_EQ(view.TrackButtons[t], model.TrackName[t].Get());
      if (empty) {
        EXPECT_EQ(model.Song.TrackSample[t], 0);
        EXPECT_EQ(view.DrumButtons[t], "Empty");
      } else {
        EXPECT_EQ(model.Song.TrackSample[t], BuiltinKits[0].Tracks[static_cast<size_t>(t - 1)].Wave);
        EXPECT_EQ(view.DrumButtons[t], WaveNames(t)[static_cast<size_t>(model.Song.TrackSample[t])]);
      }
    }
  }
}

// The user-kit items follow UserKitNames once the window is ready; a wave
// choice outside a track's list shows as no wave.
TEST_F(KitsTest, UpdateDrumButtonsShowsTheUserKitsOnceReadyAndNoWaveForAChoiceOutsideTheList) {
  FillTrack(1, 3);
  FillTrack(2, 3);
  model.UserKitNames = {"Funk", "Soul", "", "", "", "", "", "", ""};
  model.Song.TrackSample[1] = 3;
  model.Song.TrackSample[2] = -1;
  UpdateDrumButtons(kits);
  EXPECT_EQ(view.UserKitCaptions[1], "as in the form") << "not before FormReady";
  EXPECT_EQ(view.DrumButtons[1], "Empty");
  EXPECT_EQ(view.DrumButtons[2], "Empty");
  EXPECT_EQ(view.SampleItems, WaveNames(1));
  EXPECT_EQ(view.SampleIndex, -1);
  EXPECT_EQ(view.SampleLabel, "");

  model.FormReady = true;
  model.CurrentTrack = 2;
  UpdateDrumButtons(kits);
  EXPECT_EQ(view.UserKitCaptions, (TRangeArray<std::string, 1, RecentKitCount>{"1. Funk", "2. Soul", "3. ", "4. ",
                                                                               "5. ", "6. ", "7. ", "8. ", "9. "}));
  EXPECT_EQ(view.UserKitVisible,
            (TRangeArray<bool, 1, RecentKitCount>{true, true, false, false, false, false, false, false, false}));
  EXPECT_TRUE(view.SeparatorVisible);
  EXPECT_EQ(view.SampleIndex, -1);

  model.UserKitNames.Fill(std::string());
  UpdateDrumButtons(kits);
  EXPECT_FALSE(view.SeparatorVisible);
}

}  // namespace
