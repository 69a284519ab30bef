// Loading a user kit: the kit file and the twelve wave collection files of
// its tracks, into the model and into wave lists bound to a live device.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "drummachine/core/MainModel.h"
#include "drummachine/core_test_support.h"
#include "drummachine/userkit/Loadkit.h"
#include "drummachine/userkit/UserKitFile.h"
#include "sound/support/sound_fixture.h"

namespace {

namespace fs = std::filesystem;
using soundtest::FillConstant;
using soundtest::SoundTest;

// The sample value of wave w (from 0) of track t: every wave of a kit sounds
// a value of its own.
std::int16_t WaveValue(int t, int w) {
  return static_cast<std::int16_t>(1000 * t + 10 * w + 1);
}

constexpr int WaveFrames = 4410;

// What a kit load may change, compared whole.
struct TKitState {
  TSong Song;
  TTrackArray<TTrackName> TrackName;
  std::int32_t OpenHatTrack = 0;
  std::int32_t ClosedHatTrack = 0;
  TTrackArray<std::int32_t> KitSampleCount;
  TTrackArray<TRangeArray<std::string, 0, TrackWaveSlots - 1>> SamplePath;
  TRangeArray<std::string, 1, RecentKitCount> UserKitNames;
  TTrackArray<std::vector<std::string>> Waves;  // the names in each list
  bool operator==(const TKitState&) const = default;
};

class Loadkit : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    sound = NewSound();
    for (int t = 1; t <= SongTracks; ++t) {
      lists[t] = NewList(sound);
      AddItem(lists[t], "built-in " + std::to_string(t), static_cast<std::int16_t>(500 + t), 100);
    }
    fs::create_directories(temp / "user kits");
    model.ProgramFolder = temp.string();
    // The kit loaded before: a built-in kit with a user sample on track 2.
    model.Song.KitId = 10;
    model.Song.KitName = std::string("Soft Synth kit");
    for (int t = 1; t <= SongTracks; ++t) model.TrackName[t] = std::string("old ") + std::to_string(t);
    model.Song.TrackSample[7] = 3;
    model.KitSampleCount.Fill(1);
    model.SamplePath[2][1] = "C:\\samples\\clap.wav";
    model.UserKitNames = {"Mine", "Yours", "Theirs", "Funk", "Five", "Six", "Seven", "Eight", "Nine"};
  }

  std::string KitPath(const std::string& name) const { return (temp / "user kits" / (name + ".kit")).string(); }

  // A kit file of 15 lines joined by CR LF.
  void WriteKit(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    core_test::WriteBytes(path, text);
  }

  static std::vector<std::string> KitLines(const std::string& name, const std::string& hats = "5 6",
                                           const std::string& samples = "0 1 2 0 1 2 0 1 2 0 1 2") {
    std::vector<std::string> lines{name};
    for (int t = 1; t <= SongTracks; ++t) lines.push_back("Drum " + std::to_string(t));
    lines.push_back(hats);
    lines.push_back(samples);
    return lines;
  }

  // Where the loader finds the bank of track t, as the file system names it.
  std::string BankPath(const std::string& name, int t) const {
    std::string path = UserKitBankFileName((temp / "user kits").string(), name, t);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
  }

  // The twelve wave collection files of kit name, count waves each.
  void WriteBanks(const std::string& name, int count = 3) {
    for (int t = 1; t <= SongTracks; ++t) {
      TWaveCollection bank(nullptr);
      for (int w = 0; w < count; ++w) {
        auto* item = static_cast<TWaveCollectionItem*>(bank.Add());
        item->SetName(name + " " + std::to_string(t) + "." + std::to_string(w));
        FillConstant(*item->GetWave(), WaveValue(t, w), WaveFrames);
      }
      bank.SaveToFile(BankPath(name, t));
    }
  }

  TKitState State() const {
    TKitState s{model.Song,           model.TrackName,  model.OpenHatTrack, model.ClosedHatTrack,
                model.KitSampleCount, model.SamplePath, model.UserKitNames, {}};
    for (int t = 1; t <= SongTracks; ++t)
      for (int i = 0; i < lists[t]->GetItems()->GetCount(); ++i)
        s.Waves[t].push_back(lists[t]->GetItems()->GetItems(i)->GetName());
    return s;
  }

  TDsSound* sound = nullptr;
  TTrackArray<TDsWaveList*> lists;
  TMainModel model;
};

TEST_F(Loadkit, TheKitFillsTheModelAndEveryTrackPlaysItsOwnWaves) {
  WriteKit(KitPath("Funk"), KitLines("Funk"));
  WriteBanks("Funk");
  ::Loadkit(model, KitPath("Funk"), lists);

  EXPECT_EQ(model.Song.KitName, std::string("Funk"));
  EXPECT_EQ(model.Song.KitId, UserKitId);
  EXPECT_EQ(model.OpenHatTrack, 5);
  EXPECT_EQ(model.ClosedHatTrack, 6);
  EXPECT_EQ(model.UserKitNames, (TRangeArray<std::string, 1, RecentKitCount>{"Funk", "Mine", "Yours", "Theirs", "Five",
                                                                             "Six", "Seven", "Eight", "Nine"}))
      << "entry 4 moves to the top, the others keep their order";
  for (int t = 1; t <= SongTracks; ++t) {
    SCOPED_TRACE("track " + std::to_string(t));
    EXPECT_EQ(model.TrackName[t], "Drum " + std::to_string(t));
    EXPECT_EQ(model.Song.TrackSample[t], (t - 1) % 3);
    EXPECT_EQ(model.KitSampleCount[t], 3) << "every wave of a user kit is a kit wave";
    for (int w = 0; w < TrackWaveSlots; ++w) EXPECT_EQ(model.SamplePath[t][w], "") << w;
    TWaveCollection* bank = lists[t]->GetItems();
    ASSERT_EQ(bank->GetCount(), 3);
    for (int w = 0; w < 3; ++w) {
      TWaveCollectionItem* item = bank->GetItems(w);
      EXPECT_EQ(item->GetName(), "Funk " + std::to_string(t) + "." + std::to_string(w));
      ASSERT_EQ(item->GetWave()->GetSize(), WaveFrames * 2);
      const auto* frames = static_cast<const std::int16_t*>(item->GetWave()->GetData());
      EXPECT_TRUE(std::all_of(frames, frames + WaveFrames, [&](std::int16_t v) { return v == WaveValue(t, w); }));
      EXPECT_NE(item->GetMaster(), nullptr) << "restored: playable at once";
    }
  }
  // The selected wave of track 8 sounds its own value through the mixer.
  lists[8]->GetItems()->GetItems(model.Song.TrackSample[8])->Play();
  auto out = Render(Latency() + 10);
  EXPECT_EQ(out.back(), WaveValue(8, 1));
}

TEST_F(Loadkit, TrackNamesKeepThirtyBytesAndLineFeedsAloneEndLinesToo) {
  std::vector<std::string> lines = KitLines("Funk");
  lines[3] = std::string(40, 'n');
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  core_test::WriteBytes(KitPath("Funk"), text);
  WriteBanks("Funk");
  ::Loadkit(model, KitPath("Funk"), lists);
  EXPECT_EQ(model.TrackName[3], std::string(30, 'n'));
  EXPECT_EQ(model.TrackName[4], std::string("Drum 4"));
  EXPECT_EQ(model.ClosedHatTrack, 6);
}

TEST_F(Loadkit, TheBanksComeFromUserKitsBelowTheProgramFolderWhereverTheKitFileLies) {
  fs::create_directories(temp / "elsewhere");
  const std::string kitFile = (temp / "elsewhere" / "Funk.kit").string();
  WriteKit(kitFile, KitLines("Funk"));
  WriteBanks("Funk", 2);
  ::Loadkit(model, kitFile, lists);
  EXPECT_EQ(lists[12]->GetItems()->GetCount(), 2);
  EXPECT_EQ(model.Song.KitName, std::string("Funk"));
}

// A wave index outside the track's waves counts as 0; an empty bank plays
// index 0 too (the track shows "Empty").
TEST_F(Loadkit, AWaveIndexOutsideTheTracksWavesCountsAsZero) {
  struct Case {
    int count;
    const char* samples;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {3, "2 3 -1 99 1 0 2 2147483647 -2147483648 1 2 0", {2, 0, 0, 0, 1, 0, 2, 0, 0, 1, 2, 0}},
      {1, "0 1 0 0 0 0 0 0 0 0 0 -1", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {0, "0 1 2 3 0 0 0 0 0 0 0 0", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.samples) + " of " + std::to_string(c.count));
    WriteKit(KitPath("Funk"), KitLines("Funk", "3 4", c.samples));
    WriteBanks("Funk", c.count);
    ::Loadkit(model, KitPath("Funk"), lists);
    for (int t = 1; t <= SongTracks; ++t) {
      EXPECT_EQ(model.Song.TrackSample[t], c.expected[static_cast<size_t>(t - 1)]) << "track " << t;
      EXPECT_EQ(lists[t]->GetItems()->GetCount(), c.count);
      EXPECT_EQ(model.KitSampleCount[t], c.count);
    }
  }
}

// The longest name and the hat tracks on either end of their range.
TEST_F(Loadkit, TheEdgesOfWhatAKitMayHoldAreTaken) {
  const std::string name = "Funk " + std::string(22, 'y') + " 30";  // 30 bytes
  WriteKit(KitPath(name), KitLines(name, "12 1"));
  WriteBanks(name);
  ::Loadkit(model, KitPath(name), lists);
  EXPECT_EQ(model.Song.KitName, name);
  EXPECT_EQ(model.UserKitNames[1], name);
  EXPECT_EQ(model.OpenHatTrack, 12);
  EXPECT_EQ(model.ClosedHatTrack, 1);
}

// Each broken kit is refused as a whole: the exception names what is wrong,
// and the model and the wave lists keep the kit loaded before.
TEST_F(Loadkit, ABrokenKitIsRefusedAndTheLoadedKitStays) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;  // the kit file; none: no kit file
    const char* bankName;  // the kit whose banks exist
    int brokenTrack;  // this track's bank is missing (>0) or garbage (<0)
    const char* raised;  // the exception's class
    const char* message;  // a part of the message
  };
  auto lines = [](const std::string& name) { return KitLines(name); };
  std::vector<std::string> cutShort = lines("Funk");
  cutShort.resize(10);
  std::vector<std::string> noSamples = lines("Funk");
  noSamples.pop_back();
  const Case cases[] = {
      {"a name of 31 bytes", lines(std::string(31, 'k')), "", 0, "EInOutError", "invalid kit"},
      {"a name of 4,100 bytes", lines(std::string(4100, 'k')), "", 0, "EInOutError", "invalid kit"},
      {"an empty name", lines(""), "", 0, "EInOutError", "invalid kit"},
      {"a backslash", lines("..\\Funk"), "", 0, "EInOutError", "invalid kit"},
      {"a slash", lines("sub/Funk"), "", 0, "EInOutError", "invalid kit \"sub/Funk\""},
      {"two dots", lines("Fu..nk"), "", 0, "EInOutError", "invalid kit"},
      {"an open hat of 0", KitLines("Funk", "0 4"), "Funk", 0, "EInOutError", "hat tracks 0 and 4 outside 1..12"},
      {"a closed hat of 13", KitLines("Funk", "3 13"), "Funk", 0, "EInOutError", "hat tracks 3 and 13"},
      {"a negative hat", KitLines("Funk", "-3 4"), "Funk", 0, "EInOutError", "hat tracks -3 and 4"},
      {"a word for a hat", KitLines("Funk", "three 4"), "Funk", 0, "EInOutError", "Invalid numeric input"},
      {"a word for a wave", KitLines("Funk", "3 4", "0 0 0 x 0 0 0 0 0 0 0 0"), "Funk", 0, "EInOutError",
       "Invalid numeric input"},
      {"a file cut after line 10", cutShort, "Funk", 0, "EInOutError", "Read beyond end of file"},
      {"no line 15", noSamples, "Funk", 0, "EInOutError", "Read beyond end of file"},
      {"no kit file", {}, "Funk", 0, "EInOutError", "File not found"},
      {"the bank of track 7 missing", lines("Funk"), "Funk", 7, "EFOpenError", "Funk_07.dsw"},
      {"the bank of track 12 missing", lines("Funk"), "Funk", 12, "EFOpenError", "Cannot open file"},
      {"the bank of track 9 not a bank", lines("Funk"), "Funk", -9, "EInvalidImage", "Invalid stream format"},
      {"the banks of another kit", lines("Funk"), "Soul", 0, "EFOpenError", "Funk_01.dsw"},
  };
  const TKitState before = State();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(temp / "user kits");
    fs::create_directories(temp / "user kits");
    if (!c.lines.empty()) WriteKit(KitPath("Funk"), c.lines);
    if (*c.bankName) WriteBanks(c.bankName);
    if (c.brokenTrack > 0) {
      ASSERT_TRUE(fs::remove(BankPath("Funk", c.brokenTrack)));
    }
    if (c.brokenTrack < 0) core_test::WriteBytes(BankPath("Funk", -c.brokenTrack), "TPF0 no bank");
    try {
      ::Loadkit(model, KitPath("Funk"), lists);
      ADD_FAILURE() << "loaded";
    } catch (const Exception& e) {
      EXPECT_STREQ(e.ClassName(), c.raised) << e.GetMessage();
      EXPECT_NE(e.GetMessage().find(c.message), std::string::npos) << e.GetMessage();
    }
    EXPECT_TRUE(State() == before);
    EXPECT_NE(lists[1]->GetItems()->GetItems(0)->GetMaster(), nullptr) << "the loaded kit still plays";
  }
}

}  // namespace
