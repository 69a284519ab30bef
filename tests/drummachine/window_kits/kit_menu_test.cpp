// Every built-in kit chosen from the "Drum Kits" menu of the real window:
// the strips, the status bar and the check marks follow the kit table, and
// the step engine plays the table's wave of each track through the mixer.
#include <memory>

#include "drummachine/kits/DsTrackWaveList.h"
#include "kits_window_fixture.h"

namespace windowkits {
namespace {

// The waves of one of the built kit files, as its own reader gives them.
struct TFileWave {
  std::string Name;
  std::vector<std::int16_t> Frames;
};

std::vector<TFileWave> ReadKitFile(const std::string& name) {
  TWaveCollection bank(nullptr);
  bank.LoadFromFile(std::string(std::getenv("DRUMS_PROGRAM_DIR")) + "\\kits\\" + name);
  std::vector<TFileWave> waves;
  for (int i = 0; i < bank.GetCount(); ++i) {
    const TWave* wave = bank.GetItems(i)->GetWave();
    const auto* s = static_cast<const std::int16_t*>(wave->GetData());
    waves.push_back({bank.GetItems(i)->GetName(), std::vector<std::int16_t>(s, s + wave->GetSize() / 2)});
  }
  return waves;
}

const char* const KitItems[BuiltinKitCount] = {"mnuAnalog",    "mnuBreakbeat", "mnuBrush", "mnuCasiaha",    "mnuDisco",
                                               "mnuEnsonik",   "mnuGalaxy",    "mnuHR16",  "mnuIndustrial", "mnuLofi",
                                               "mnuSoftSynth", "mnuYahmeha",   "mnuEmpty"};

using KitMenu = KitsWindow;

// The kits in menu order, the empty one last: it keeps the names the
// Yahmeha kit gave. The pattern plays on while the kits change (a kit item
// does not stop it). Track t's cell sits on step t, so each tick of a pass
// through the pattern sounds one track alone at full track volume, and the
// mixer's output from the hit on is that wave's own samples.
TEST_F(KitMenu, EachKitItemShowsAndPlaysTheTablesWaves) {
  constexpr int Compared = 256;  // frames of each hit compared with its wave
  for (int t = 1; t <= SongTracks; ++t) window->Model.Song.StepOn(t, t, 1) = 1;
  ClickAt(window->StyMMButton1, 24, 12);
  ASSERT_TRUE(window->Model.Playing);

  for (const TBuiltinKit& kit : BuiltinKits) {
    SCOPED_TRACE(kit.KitName);
    std::vector<std::string> namesBefore;
    for (int t = 1; t <= SongTracks; ++t) namesBefore.push_back(window->TrackButtons[t]->GetCaption());
    Named<TMenuItem>(KitItems[kit.KitId])->Click();
    Pump();

    EXPECT_EQ(Panel(1), kit.KitName);
    EXPECT_EQ(window->Model.Song.KitId, kit.KitId);
    std::vector<std::string> checked;
    for (const char* item : KitItems)
      if (Named<TMenuItem>(item)->GetChecked()) checked.emplace_back(item);
    for (int n = 1; n <= RecentKitCount; ++n)
      if (window->UserKitItems[static_cast<std::size_t>(n - 1)]->GetChecked())
        checked.push_back("mnukit" + std::to_string(n));
    EXPECT_EQ(checked, std::vector<std::string>{KitItems[kit.KitId]});

    for (int t = 1; t <= SongTracks; ++t) window->Model.Song.TrackVolume[t] = 0;
    for (int t = 1; t <= SongTracks; ++t) {
      SCOPED_TRACE("track " + std::to_string(t));
      const TBuiltinKitTrack& entry = kit.Tracks[static_cast<std::size_t>(t - 1)];
      const std::vector<TFileWave> file = ReadKitFile(BuiltinKitFileName(entry));
      const std::string tableName = kit.TrackNames[static_cast<std::size_t>(t - 1)];
      EXPECT_EQ(window->TrackButtons[t]->GetCaption(),
                kit.KitId == EmptyKitId ? namesBefore[static_cast<std::size_t>(t - 1)] : tableName);
      EXPECT_EQ(window->TrackWaveLists[t]->GetItems()->GetCount(), static_cast<int>(file.size()));

      Advance(150);
      ASSERT_EQ(window->Model.PlayStep, t);
      const std::vector<std::int16_t> out = RenderUntilNowAnd(Compared + 64);
      if (file.empty()) {
        EXPECT_EQ(window->DrumButtons[t]->GetCaption(), "Empty");
        EXPECT_EQ(std::count(out.begin(), out.end(), 0), static_cast<long>(out.size())) << "an empty track is silent";
        continue;
      }
      const TFileWave& pick = file.at(static_cast<std::size_t>(entry.Wave));
      EXPECT_EQ(window->DrumButtons[t]->GetCaption(), pick.Name);

      // The hit's first sound lines up with the wave's first sound.
      const auto firstSound = [](const std::vector<std::int16_t>& v) {
        return std::find_if(v.begin(), v.end(), [](std::int16_t s) { return s != 0; }) - v.begin();
      };
      const long onset = static_cast<long>(firstSound(out)) - static_cast<long>(firstSound(pick.Frames));
      ASSERT_GE(onset, 0) << "the hit sounds";
      int same = 0;
      const int compared = std::min<int>(Compared, static_cast<int>(pick.Frames.size()));
      for (int i = 0; i < compared && onset + i < static_cast<long>(out.size()); ++i)
        same += out[static_cast<std::size_t>(onset + i)] == pick.Frames[static_cast<std::size_t>(i)];
      EXPECT_EQ(same, compared) << "the table's wave sounds";
      TDsTrackWaveList(window->TrackWaveLists[t]).StopItem(entry.Wave);
    }
    // Steps 13 to 16 are silent; the next kit starts at step 1.
    for (int step = 13; step <= SongSteps; ++step) Advance(150);
  }
}

}  // namespace
}  // namespace windowkits
