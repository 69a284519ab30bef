#include <gtest/gtest.h>

#include <sys/stat.h>

#include "drummachine/core/RecentFiles.h"
#include "drummachine/core/SongCommands.h"
#include "drummachine/core_test_support.h"
#include "fake_kit.h"

namespace {

using core_test::TempFolder;
using files_test::ApplyStartUpKit;
using files_test::FakeKit;

// 0 when the save raised EInOutError, 1 when it went through.
int TrySave(TMainModel& model, const ISongKit& kit) {
  try {
    model.SaveConfirmed = true;
    SaveBKVFile(model, kit, false);
    return 1;
  } catch (const EInOutError&) {
    return 0;
  }
}

class SongCommands : public ::testing::Test {
 protected:
  SongCommands() { ApplyStartUpKit(model); }
  TempFolder folder;
  TMainModel model;
  FakeKit kit;
};

TEST_F(SongCommands, ASaveThatFailsMidwayKeepsThePreviousFileWhole) {
  const std::string old = "the previous song\r\n";
  model.SongFileName = folder.Path("song.bkv");
  core_test::WriteBytes(model.SongFileName, old);
  // A song file is about 60 kB; the child may write 20 kB.
  int code = core_test::InChild([&] { return TrySave(model, kit); }, 20000, false);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(core_test::ReadBytes(model.SongFileName), old);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"song.bkv"}) << "the temporary file is removed";
}

TEST_F(SongCommands, ASaveIntoAFolderThatCannotBeWrittenKeepsThePreviousFile) {
  const std::string old = "the previous song\r\n";
  chmod(folder.Dir().c_str(), 0755);  // the child may pass through
  std::string sub = folder.Path("locked");
  ASSERT_EQ(mkdir(sub.c_str(), 0755), 0);
  model.SongFileName = sub + "/song.bkv";
  core_test::WriteBytes(model.SongFileName, old);
  chmod(model.SongFileName.c_str(), 0666);  // the file itself could be written
  chmod(sub.c_str(), 0555);
  int code = core_test::InChild([&] { return TrySave(model, kit); }, 0, true);
  chmod(sub.c_str(), 0755);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(core_test::ReadBytes(model.SongFileName), old);
}

TEST_F(SongCommands, ASaveIntoAMissingFolderRaises) {
  model.SongFileName = folder.Path("no such folder/song.bkv");
  EXPECT_EQ(TrySave(model, kit), 0);
  EXPECT_FALSE(model.SaveConfirmed);
}

TEST_F(SongCommands, SaveWritesOnlyWhenConfirmed) {
  model.SongFileName = folder.Path("song.bkv");
  SaveBKVFile(model, kit, false);
  EXPECT_TRUE(folder.Names().empty());
  SaveSongAs(model, kit, folder.Path("other.bkv"), false, false);
  EXPECT_TRUE(folder.Names().empty());
  EXPECT_EQ(model.SongFileName, folder.Path("other.bkv"));
  EXPECT_EQ(model.RecentFiles[1], folder.Path("other.bkv"));
  SaveSongAs(model, kit, folder.Path("other.bkv"), true, false);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"other.bkv"});
  EXPECT_TRUE(model.HasFileName);
}

TEST_F(SongCommands, NewClearsTheCellsAndTheMixerAndLoadsTheChosenKit) {
  TSong& s = model.Song;
  s.StepOn(2, 3, 4) = 1;
  s.StepModified(2, 3, 4) = 1;
  s.StepVolume(2, 3, 4) = -700;
  s.Step32On(5, 6, 7) = 1;
  s.TrackVolume[2] = -3000;
  s.TrackMute[2] = true;
  s.HumanizePan[2] = 7;
  s.TrackUses32nd[2] = true;
  s.Tempo = 140;
  s.SoloActive = true;
  s.SequenceGrid.Cells(0, 0) = "2";
  model.SongFileName = "x.bkv";
  model.HasFileName = true;
  model.EditedPattern = 5;
  model.NewConfirmed = true;
  NewSong(model, kit, 4);
  EXPECT_EQ(s.StepOn(2, 3, 4), 0);
  EXPECT_EQ(s.StepModified(2, 3, 4), 0);
  EXPECT_EQ(s.Step32On(5, 6, 7), 0);
  EXPECT_EQ(s.StepVolume(2, 3, 4), -700);
  EXPECT_EQ(s.TrackVolume[2], -1000);
  EXPECT_FALSE(s.TrackMute[2]);
  EXPECT_EQ(s.HumanizePan[2], 1);
  EXPECT_TRUE(s.TrackUses32nd[2]);
  EXPECT_EQ(s.Tempo, 140);
  EXPECT_FALSE(s.SoloActive);
  EXPECT_EQ(s.SequenceGrid, TSequenceGrid());
  EXPECT_EQ(model.SongFileName, "");
  EXPECT_FALSE(model.HasFileName);
  EXPECT_EQ(model.EditedPattern, 1);
  EXPECT_FALSE(model.NewConfirmed);
  NewSong(model, kit, 13);
  EXPECT_EQ(kit.loadedKits, (std::vector<int>{4, 10}));
}

TEST_F(SongCommands, OpenPutsTheSongFirstInTheRecentListAndReloadsTheKitOnlyWhenAsked) {
  model.SongFileName = folder.Path("a.bkv");
  model.SaveConfirmed = true;
  SaveBKVFile(model, kit, false);
  model.EditedPattern = 4;
  OpenSong(model, kit, folder.Path("a.bkv"), false);
  EXPECT_EQ(kit.kitFileLoads, 0);
  EXPECT_EQ(model.RecentFiles[1], folder.Path("a.bkv"));
  EXPECT_EQ(model.EditedPattern, 1);
  EXPECT_TRUE(model.HasFileName);
  OpenSong(model, kit, folder.Path("a.bkv"), true);
  EXPECT_EQ(kit.kitFileLoads, 1);

  model.RecentFiles[1] = "kept";
  EXPECT_THROW(OpenSong(model, kit, folder.Path("missing.bkv"), true), EInOutError);
  EXPECT_EQ(model.RecentFiles[1], "kept");
  EXPECT_EQ(kit.kitFileLoads, 1);
}

TEST(FileNames, CompletionAndTheSaveAsProposal) {
  EXPECT_EQ(CompleteFileName("beat", ".bkv", "/songs"), "/songs\\beat.bkv");
  EXPECT_EQ(CompleteFileName("beat.txt", ".bkv", "/songs"), "/songs\\beat.txt");
  EXPECT_EQ(CompleteFileName("C:\\x\\beat", ".bkv", "/songs"), "C:\\x\\beat.bkv");
  EXPECT_EQ(CompleteFileName("/home/u/beat.bkv", ".bkv", "/songs"), "/home/u/beat.bkv");
  EXPECT_EQ(SaveAsProposal("C:\\songs\\beat.bkv"), "beat.bkv");
  EXPECT_EQ(SaveAsProposal("C:\\a.b\\longsongname.bkv"), "longsong");
  EXPECT_EQ(SaveAsProposal("beat.bkv"), "");
}

}  // namespace
