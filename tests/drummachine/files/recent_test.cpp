#include <gtest/gtest.h>

#include <sys/stat.h>

#include "drummachine/core/RecentFiles.h"
#include "drummachine/core/TextLine.h"
#include "drummachine/core_test_support.h"
#include "largest_allocation.h"

namespace {

using core_test::TempFolder;

using Songs = TRangeArray<std::string, 1, RecentSongCount>;

Songs List(std::initializer_list<std::string> entries) {
  return Songs(entries);
}

TEST(RecentList, MostRecentFirstWithoutDuplicates) {
  struct Case {
    const char* opened;
    Songs expected;
  };
  const Case cases[] = {
      {"D", List({"D", "A", "B", "C", "E"})}, {"A", List({"A", "B", "C", "D", "E"})},
      {"F", List({"F", "A", "B", "C", "D"})}, {"E", List({"E", "A", "B", "C", "D"})},
      {"B", List({"B", "A", "C", "D", "E"})},
  };
  for (const Case& c : cases) {
    Songs list = List({"A", "B", "C", "D", "E"});
    UpdateRecentList(list, c.opened);
    EXPECT_EQ(list, c.expected) << c.opened;
  }
  Songs partly = List({"A", "B"});
  UpdateRecentList(partly, "C");
  EXPECT_EQ(partly, List({"C", "A", "B", "", ""}));
  UpdateRecentList(partly, "a");  // names differing in case are different songs
  EXPECT_EQ(partly, List({"a", "C", "A", "B", ""}));
}

TEST(RecentList, TheKitListFollowsTheSameRuleOverNinePlaces) {
  TRangeArray<std::string, 1, RecentKitCount> kits{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
  UpdateRecentList(kits, "8");
  EXPECT_EQ(kits, (TRangeArray<std::string, 1, RecentKitCount>{"8", "1", "2", "3", "4", "5", "6", "7", "9"}));
  UpdateRecentList(kits, "new");
  EXPECT_EQ(kits[1], "new");
  EXPECT_EQ(kits[9], "7");
}

class RecentFile : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.Path("Recent.inf");
};

TEST_F(RecentFile, WritesSixteenCrLfLines) {
  TMainModel m;
  m.RecentFiles[1] = "C:\\songs\\a.bkv";
  m.RecentFiles[3] = "/home/u/c.bkv";
  m.UserKitNames[1] = "My kit";
  m.UserKitNames[9] = "Last kit";
  m.SkinSchemeName = "Midnight";
  SaveRecent(m, true, path);
  EXPECT_EQ(core_test::ReadBytes(path),
            "C:\\songs\\a.bkv\r\n\r\n/home/u/c.bkv\r\n\r\n\r\n"
            "My kit\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nLast kit\r\n"
            "Midnight\r\n1\r\n");
  TMainModel back;
  back.RecentFiles[2] = "stale";
  EXPECT_EQ(LoadRecent(back, path), std::optional<bool>(true));
  EXPECT_EQ(back.RecentFiles, m.RecentFiles);
  EXPECT_EQ(back.UserKitNames, m.UserKitNames);
  EXPECT_EQ(back.SkinSchemeName, "Midnight");
  SaveRecent(m, false, path);
  EXPECT_EQ(LoadRecent(back, path), std::optional<bool>(false));
}

TEST_F(RecentFile, AStartWithoutTheFileHasEmptyListsAndTheTipsDefault) {
  TMainModel m;
  m.RecentFiles[1] = "stale";
  EXPECT_EQ(LoadRecent(m, path), std::nullopt);
  EXPECT_EQ(m.RecentFiles, Songs());
  EXPECT_EQ(m.SkinSchemeName, "");
}

TEST_F(RecentFile, AShortFileGivesWhatItHasAndEmptyEntriesAfter) {
  core_test::WriteBytes(path, "a.bkv\r\nb.bkv\r\n");
  TMainModel m;
  EXPECT_EQ(LoadRecent(m, path), std::nullopt);
  EXPECT_EQ(m.RecentFiles, List({"a.bkv", "b.bkv"}));
  EXPECT_EQ(m.UserKitNames[1], "");

  std::string fifteen;
  for (int i = 1; i <= 15; ++i) fifteen += "line " + std::to_string(i) + "\n";
  core_test::WriteBytes(path, fifteen);
  EXPECT_EQ(LoadRecent(m, path), std::nullopt);
  EXPECT_EQ(m.SkinSchemeName, "line 15");
}

TEST_F(RecentFile, ATipsLineOtherThanOneTurnsTheTipsOff) {
  std::string head;
  for (int i = 0; i < 15; ++i) head += "\r\n";
  for (auto [line, expected] : std::initializer_list<std::pair<const char*, bool>>{
           {"1", true}, {" 1 ", true}, {"0", false}, {"2", false}, {"yes", false}, {"", false}}) {
    core_test::WriteBytes(path, head + line + "\r\n");
    TMainModel m;
    EXPECT_EQ(LoadRecent(m, path), std::optional<bool>(expected)) << '"' << line << '"';
  }
}

TEST_F(RecentFile, AFailedWriteRaisesAndKeepsThePreviousFile) {
  TMainModel m;
  EXPECT_THROW(SaveRecent(m, true, folder.Path("missing folder/Recent.inf")), EInOutError);

  chmod(folder.Dir().c_str(), 0755);
  std::string sub = folder.Path("locked");
  ASSERT_EQ(mkdir(sub.c_str(), 0755), 0);
  std::string locked = sub + "/Recent.inf";
  core_test::WriteBytes(locked, "old\r\n");
  chmod(sub.c_str(), 0555);
  int code = core_test::InChild(
      [&] {
        try {
          SaveRecent(m, true, locked);
          return 1;
        } catch (const EInOutError&) {
          return 0;
        }
      },
      0, true);
  chmod(sub.c_str(), 0755);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(core_test::ReadBytes(locked), "old\r\n");
}

// Each line keeps at most LongestTextLine bytes and the rest is skipped
// without being held: a megabyte line costs a read buffer, not a megabyte.
TEST_F(RecentFile, ALongLineIsCutWithoutBeingHeldWhole) {
  std::string text = "a.bkv\r\n" + std::string(1 << 20, 'x') + "\r\n";
  for (int i = 3; i <= 15; ++i) text += "line " + std::to_string(i) + "\r\n";
  core_test::WriteBytes(path, text + "1\r\n");
  TMainModel m;
  files_test::LargestAllocation largest;
  EXPECT_EQ(LoadRecent(m, path), std::optional<bool>(true));
  EXPECT_LT(largest.Bytes(), 64u * 1024);
  EXPECT_EQ(m.RecentFiles[1], "a.bkv");
  EXPECT_EQ(m.RecentFiles[2], std::string(LongestTextLine, 'x'));
  EXPECT_EQ(m.RecentFiles[3], "line 3");
  EXPECT_EQ(m.SkinSchemeName, "line 15");
}

}  // namespace
