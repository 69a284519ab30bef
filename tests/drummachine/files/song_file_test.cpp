#include <gtest/gtest.h>

#include <random>

#include "drummachine/core/SongCommands.h"
#include "drummachine/core_test_support.h"
#include "drummachine/core/TextLine.h"
#include "fake_kit.h"
#include "largest_allocation.h"

namespace {

using core_test::SplitCrLfLines;
using core_test::TempFolder;
using core_test::Words;
using files_test::ApplyStartUpKit;
using files_test::FakeKit;

class SongFile : public ::testing::Test {
 protected:
  SongFile() { ApplyStartUpKit(model); }

  // Saves the model and returns the file's lines (1-based: lines[0] unused).
  std::vector<std::string> SaveAndSplit(const std::string& name = "song.bkv") {
    model.SongFileName = folder.Path(name);
    model.SaveConfirmed = true;
    SaveBKVFile(model, kit, false);
    std::vector<std::string> lines;
    EXPECT_TRUE(SplitCrLfLines(core_test::ReadBytes(model.SongFileName), lines));
    lines.insert(lines.begin(), std::string());
    return lines;
  }

  TempFolder folder;
  TMainModel model;
  FakeKit kit;
};

TEST_F(SongFile, LinesAfterStartUp) {
  auto lines = SaveAndSplit();
  ASSERT_EQ(lines.size(), 1966u);
  EXPECT_EQ(lines[397], "1 100 0 4");
  EXPECT_EQ(lines[977], "10");
  EXPECT_EQ(lines[978], "Soft Synth kit");
  EXPECT_EQ(lines[979], "0 0 0 0 0 0 3 0 0 0 0 0");
  EXPECT_EQ(lines[385], "-1000 0 44100 0 1 1 1 0 0 0");
  EXPECT_EQ(lines[1], "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
  for (int l = 980; l <= 1003; ++l) EXPECT_EQ(lines[l], "") << l;
  EXPECT_EQ(lines[1964], "0");
  EXPECT_EQ(lines[1965], "0 0 0 0 0 0 0 0 0 0 0 0");
  EXPECT_FALSE(model.SaveConfirmed);
  EXPECT_TRUE(model.HasFileName);
}

TEST_F(SongFile, CellsLandOnTheirLines) {
  model.Song.StepOn(3, 2, 5) = 1;
  model.Song.StepPitch(16, 12, 16) = 4321;
  model.Song.Step32On(1, 1, 16) = 1;
  model.Song.HiHatCut = false;
  model.Song.SequenceGrid.Cells(1, 2) = "9";
  auto lines = SaveAndSplit();
  EXPECT_EQ(Words(lines[50]).at(2), "1");
  EXPECT_EQ(Words(lines[50]).size(), 16u);
  EXPECT_EQ(Words(lines[973]).back(), "4321");
  EXPECT_EQ(Words(lines[1184]).front(), "1");
  EXPECT_EQ(lines[397], "0 100 0 4");
  EXPECT_EQ(lines[976], "0 9 0 0 0 0 0 0 0 0 0 0");
}

TEST_F(SongFile, AUserWaveIsNamedAndAKitWaveOrAWaveOutsideTheListIsNot) {
  kit.waves[2].push_back("kick");
  model.Song.TrackSample[2] = 4;  // the user's wave
  model.SamplePath[2][4] = "C:\\samples\\kick.wav";
  model.Song.TrackSample[3] = 2;  // a kit wave
  model.Song.TrackSample[5] = 9;  // beyond the list
  model.SamplePath[5][9] = "never written";
  model.Song.TrackSample[6] = -1;
  auto lines = SaveAndSplit();
  EXPECT_EQ(lines[982], "C:\\samples\\kick.wav");
  EXPECT_EQ(lines[983], "kick");
  for (int l : {984, 985, 988, 989, 990, 991}) EXPECT_EQ(lines[l], "") << l;
}

// A song with every field set at random within the ranges the program keeps.
void Randomise(TMainModel& model, FakeKit& kit, std::mt19937& rng) {
  auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  TSong& s = model.Song;
  for (int t = 1; t <= SongTracks; ++t) model.KitSampleCount[t] = 4;
  for (int p = 1; p <= SongPatterns; ++p)
    for (int t = 1; t <= SongTracks; ++t)
      for (int st = 1; st <= SongSteps; ++st) {
        s.StepOn(st, t, p) = pick(0, 1);
        s.StepModified(st, t, p) = pick(0, 1);
        s.StepVolume(st, t, p) = pick(-10000, 0);
        s.StepPan(st, t, p) = pick(-10000, 10000);
        s.StepPitch(st, t, p) = pick(4100, 84100);
        s.Step32On(st, t, p) = pick(0, 1);
        s.Step32Modified(st, t, p) = pick(0, 1);
        s.Step32Volume(st, t, p) = pick(-10000, 0);
        s.Step32Pan(st, t, p) = pick(-10000, 10000);
        s.Step32Pitch(st, t, p) = pick(4100, 84100);
      }
  for (int t = 1; t <= SongTracks; ++t) {
    s.TrackVolume[t] = pick(-5000, 0);
    s.TrackPan[t] = pick(-10000, 10000);
    s.TrackPitch[t] = pick(4100, 84100);
    s.TrackOverdrive[t] = pick(0, 10);
    s.TrackMute[t] = pick(0, 1);
    s.TrackSolo[t] = pick(0, 1);
    s.TrackHumanize[t] = pick(0, 1);
    s.HumanizeVolume[t] = pick(0, 10);
    s.HumanizePan[t] = pick(0, 10);
    s.HumanizePitch[t] = pick(0, 10);
    s.TrackUses32nd[t] = pick(0, 1);
    // Half the tracks play a user wave.
    if (pick(0, 1)) {
      std::string name = "wave " + std::to_string(t);
      kit.waves[t].push_back(name);
      s.TrackSample[t] = static_cast<int>(kit.waves[t].size()) - 1;
      model.SamplePath[t][s.TrackSample[t]] = "/samples/track " + std::to_string(t) + ".wav";
      s.SongSamplePath[t] = model.SamplePath[t][s.TrackSample[t]];
      s.SongSampleName[t] = name;
    } else {
      s.TrackSample[t] = pick(0, 3);
      s.SongSamplePath[t].clear();
      s.SongSampleName[t].clear();
    }
  }
  s.SoloActive = pick(0, 1);
  s.HiHatCut = pick(0, 1);
  s.Tempo = pick(10, 300);
  s.Metre = pick(0, 1) ? 4 : 3;
  s.KitId = pick(0, 14);
  s.KitName = "Kit " + std::to_string(pick(0, 999));
  for (int r = 0; r < SequenceRows; ++r)
    for (int c = 0; c < SequenceColumns; ++c) {
      int n = pick(0, 16);
      s.SequenceGrid.Cells(c, r) = n == 0 ? std::string() : std::to_string(n);
    }
}

TEST_F(SongFile, ARandomSongSurvivesWriteNewAndRead) {
  for (unsigned seed : {1u, 2u, 3u}) {
    TMainModel original;
    FakeKit waves;
    std::mt19937 rng(seed);
    Randomise(original, waves, rng);
    original.SongFileName = folder.Path("random.bkv");
    original.SaveConfirmed = true;
    SaveBKVFile(original, waves, true);

    TMainModel m = original;
    NewSong(m, kit, 3);
    ASSERT_NE(m.Song, original.Song);
    TSongFileExtras extras = LoadFile(m, original.SongFileName, true);
    EXPECT_TRUE(extras.AllTracks32nd);
    EXPECT_TRUE(m.Song == original.Song) << "seed " << seed;
    EXPECT_EQ(m.SongFileName, original.SongFileName);
  }
}

TEST_F(SongFile, WithoutTheKitTheKitLinesKeepTheirValuesAndEverythingElseIsRead) {
  TMainModel saved;
  FakeKit waves;
  std::mt19937 rng(7);
  Randomise(saved, waves, rng);
  saved.SongFileName = folder.Path("other.bkv");
  saved.SaveConfirmed = true;
  SaveBKVFile(saved, waves, false);

  TSong before = model.Song;
  LoadFile(model, saved.SongFileName, false);
  EXPECT_EQ(model.Song.KitName, before.KitName);
  EXPECT_EQ(model.Song.TrackSample, before.TrackSample);
  EXPECT_EQ(model.Song.SongSamplePath, before.SongSamplePath);
  EXPECT_EQ(model.Song.KitId, saved.Song.KitId);
  EXPECT_EQ(model.Song.StepOn, saved.Song.StepOn);
  EXPECT_EQ(model.Song.Step32Pitch, saved.Song.Step32Pitch);
  EXPECT_EQ(model.Song.TrackUses32nd, saved.Song.TrackUses32nd);
}

// Replaces line n (from 1) of a song file.
std::string WithLine(const std::string& text, int n, const std::string& line) {
  std::vector<std::string> lines;
  SplitCrLfLines(text, lines);
  lines.at(n - 1) = line;
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

TEST_F(SongFile, ABrokenFileChangesNothing) {
  SaveAndSplit("good.bkv");
  std::string good = core_test::ReadBytes(folder.Path("good.bkv"));
  std::vector<std::string> lines;
  SplitCrLfLines(good, lines);
  std::size_t upTo977 = 0;
  for (int i = 0; i < 977; ++i) upTo977 += lines[i].size() + 2;

  struct Case {
    const char* what;
    std::string text;
  };
  const Case cases[] = {
      {"empty", ""},
      {"cut in line 1", good.substr(0, 9)},
      {"cut after line 977", good.substr(0, upTo977)},
      {"cut in the kit lines", good.substr(0, upTo977 + 10)},
      {"cut before line 1965", good.substr(0, good.size() - 12)},
      {"letters in line 40", WithLine(good, 40, "0 0 0 a 0 0 0 0 0 0 0 0 0 0 0 0")},
      {"letters in line 1965", WithLine(good, 1965, "0 0 0 0 0 0 0 0 0 0 0 x")},
      {"a step flag beyond a byte", WithLine(good, 2, "0 0 300 0 0 0 0 0 0 0 0 0 0 0 0 0")},
  };
  model.Song.StepOn(1, 1, 1) = 1;
  model.Song.Tempo = 133;
  model.SongFileName = "previous.bkv";
  const TMainModel before = model;
  for (const Case& c : cases) {
    core_test::WriteBytes(folder.Path("bad.bkv"), c.text);
    EXPECT_THROW(LoadFile(model, folder.Path("bad.bkv"), true), EInOutError) << c.what;
    EXPECT_TRUE(model.Song == before.Song) << c.what;
    EXPECT_EQ(model.SongFileName, "previous.bkv") << c.what;
  }
  EXPECT_THROW(LoadFile(model, folder.Path("missing.bkv"), true), EInOutError);
  EXPECT_TRUE(model.Song == before.Song);
}

TEST_F(SongFile, ValuesReadAreClampedToWhatThePlayerTakes) {
  std::string good;
  SaveAndSplit("good.bkv");
  good = core_test::ReadBytes(folder.Path("good.bkv"));
  std::string text = WithLine(good, 397, "7 0 1 6");
  text = WithLine(text, 385, "300 0 44100 99 -5 11 12 1 2 1");
  text = WithLine(text, 1, "5 1 0 0 0 0 0 0 0 0 0 0 0 0 0 255");
  core_test::WriteBytes(folder.Path("odd.bkv"), text);
  LoadFile(model, folder.Path("odd.bkv"), true);
  const TSong& s = model.Song;
  EXPECT_EQ(s.Tempo, 10);
  EXPECT_FALSE(s.HiHatCut);  // only 1 is on
  EXPECT_TRUE(s.SoloActive);
  EXPECT_EQ(s.Metre, 3);
  EXPECT_EQ(s.TrackVolume[1], 0);
  EXPECT_EQ(s.TrackOverdrive[1], 10);
  EXPECT_EQ(s.HumanizeVolume[1], 0);
  EXPECT_EQ(s.HumanizePan[1], 10);
  EXPECT_EQ(s.HumanizePitch[1], 10);
  EXPECT_TRUE(s.TrackMute[1]);
  EXPECT_FALSE(s.TrackSolo[1]);
  // The grids are taken as they are.
  EXPECT_EQ(s.StepOn(1, 1, 1), 5);
  EXPECT_EQ(s.StepOn(16, 1, 1), 255);

  core_test::WriteBytes(folder.Path("fast.bkv"), WithLine(good, 397, "1 999 0 4"));
  LoadFile(model, folder.Path("fast.bkv"), true);
  EXPECT_EQ(model.Song.Tempo, 300);
}

TEST_F(SongFile, AKitNameThatLeavesTheKitFolderIsRefused) {
  SaveAndSplit("good.bkv");
  std::string good = core_test::ReadBytes(folder.Path("good.bkv"));
  const TSong before = model.Song;
  for (const char* name : {"..", "../../etc/x", "a\\b", "a/b", "x..y"}) {
    core_test::WriteBytes(folder.Path("kit.bkv"), WithLine(good, 978, name));
    EXPECT_THROW(LoadFile(model, folder.Path("kit.bkv"), true), EInOutError) << name;
    EXPECT_TRUE(model.Song == before) << name;
    // Without the kit the name is not used.
    EXPECT_NO_THROW(LoadFile(model, folder.Path("kit.bkv"), false)) << name;
  }
  core_test::WriteBytes(folder.Path("kit.bkv"), WithLine(good, 978, "My Kit 2"));
  LoadFile(model, folder.Path("kit.bkv"), true);
  EXPECT_EQ(model.Song.KitName.Get(), "My Kit 2");
}

TEST_F(SongFile, AKitNameIsCutToThirtyCharacters) {
  SaveAndSplit("good.bkv");
  std::string good = core_test::ReadBytes(folder.Path("good.bkv"));
  core_test::WriteBytes(folder.Path("long.bkv"), WithLine(good, 978, std::string(40, 'k')));
  LoadFile(model, folder.Path("long.bkv"), true);
  EXPECT_EQ(model.Song.KitName.Get(), std::string(30, 'k'));
}

TEST_F(SongFile, OrderCellsComeBackAsTheirDecimalTextAndEmptyCellsEmpty) {
  model.Song.SequenceGrid.Cells(0, 0) = "3";
  model.Song.SequenceGrid.Cells(11, 2) = "16";
  SaveAndSplit("order.bkv");
  model.Song.SequenceGrid.Clear();
  LoadFile(model, folder.Path("order.bkv"), false);
  EXPECT_EQ(model.Song.SequenceGrid.Cells(0, 0), "3");
  EXPECT_EQ(model.Song.SequenceGrid.Cells(11, 2), "16");
  EXPECT_EQ(model.Song.SequenceGrid.Cells(1, 0), "");
}

// A line of a megabyte once was read whole before the field took its part
// of it (a 100 MB line took 400 MB). Each field reads at most its own bound
// and skips the rest, so the largest block held stays a read buffer's size;
// an overlong number is refused the same way.
TEST_F(SongFile, ALongLineIsNeverHeldWhole) {
  SaveAndSplit("good.bkv");
  const std::string good = core_test::ReadBytes(folder.Path("good.bkv"));
  const std::string letters(1 << 20, 'k'), digits(1 << 20, '7');
  struct Case {
    int line;
    const std::string& text;
    std::string (*field)(const TSong&);  // null: the file is refused
    std::string expected;
  };
  const Case cases[] = {
      {978, letters, [](const TSong& s) { return s.KitName.Get(); }, std::string(30, 'k')},
      {980, letters, [](const TSong& s) { return s.SongSamplePath[1]; }, std::string(LongestTextLine, 'k')},
      {981, letters, [](const TSong& s) { return s.SongSampleName[1]; }, std::string(LongestTextLine, 'k')},
      {397, digits, nullptr, ""},
  };
  for (const Case& c : cases) {
    core_test::WriteBytes(folder.Path("long.bkv"), WithLine(good, c.line, c.text));
    files_test::LargestAllocation largest;
    if (c.field) {
      EXPECT_NO_THROW(LoadFile(model, folder.Path("long.bkv"), true)) << c.line;
      EXPECT_EQ(c.field(model.Song), c.expected) << c.line;
    } else {
      EXPECT_THROW(LoadFile(model, folder.Path("long.bkv"), true), EInOutError) << c.line;
    }
    EXPECT_LT(largest.Bytes(), 64u * 1024) << c.line;
  }
}

}  // namespace
