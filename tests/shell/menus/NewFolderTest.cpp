// New folders with automatic names, and what the user is told when none can
// be made.
#include "MenusFixture.h"

namespace {

TEST_F(MenusTest, ANewFolderTakesTheFirstFreeName) {
  struct Case {
    const char* what;
    std::vector<std::string> present;
    const char* expected;
  };
  std::vector<std::string> allPlain = {"New Folder"};
  for (int n = 2; n <= 50; ++n) allPlain.push_back("New Folder (" + std::to_string(n) + ")");
  std::vector<std::string> allButLast = allPlain;
  allButLast.push_back("fldr");
  const std::vector<Case> cases = {
      {"empty folder", {}, "New Folder"},
      {"two taken", {"New Folder", "New Folder (2)"}, "New Folder (3)"},
      {"a gap", {"New Folder", "New Folder (3)"}, "New Folder (2)"},
      {"a file holds the name", {"New Folder"}, "New Folder (2)"},
      {"first series full", allPlain, "fldr"},
      {"first series full and fldr taken", allButLast, "fldr2"},
  };
  int round = 0;
  for (const Case& c : cases) {
    const std::string parent = home.MakeFolder("round" + std::to_string(round++));
    for (const std::string& name : c.present) std::filesystem::create_directory(parent + "/" + name);
    std::string made;
    EXPECT_TRUE(CreateNewFolder(parent, made)) << c.what;
    EXPECT_EQ(made, c.expected) << c.what;
    EXPECT_TRUE(std::filesystem::is_directory(parent + "/" + made)) << c.what;
  }
  EXPECT_TRUE(win::user::TakeMessageBoxRecords().empty());
}

TEST_F(MenusTest, WhenNoFolderCanBeMadeTheUserIsToldAndTheAnswerIsFalse) {
  // A path that runs through a file: each series stops at its first name.
  home.MakeFile("song.bkv");
  std::string made = "unchanged";
  EXPECT_FALSE(CreateNewFolder(home.Home + "/song.bkv/inside", made));
  EXPECT_EQ(made, "unchanged");
  auto boxes = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Unable to create the folder 'New Folder'\n\n" + SystemErrorText(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(boxes[1].text.rfind("Unable to create the folder 'fldr'", 0), 0u) << boxes[1].text;
  EXPECT_EQ(boxes[0].caption, "Warning");

  // Every name of both series taken: one message, with the system's text
  // for a name that exists.
  const std::string full = home.MakeFolder("full");
  std::filesystem::create_directory(full + "/New Folder");
  std::filesystem::create_directory(full + "/fldr");
  for (int n = 2; n <= 50; ++n) {
    std::filesystem::create_directory(full + "/New Folder (" + std::to_string(n) + ")");
    std::filesystem::create_directory(full + "/fldr" + std::to_string(n));
  }
  EXPECT_FALSE(CreateNewFolder(full, made));
  boxes = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(
      boxes[0].text,
      "Unable to create the folder 'New Folder'\n\nA file with that name already exists, so it cannot be created.");

  // A folder without a path (My Computer) is refused; nothing lands in the
  // current directory.
  const std::string cwd = GetCurrentDir();
  EXPECT_FALSE(CreateNewFolder("", made));
  EXPECT_FALSE(std::filesystem::exists(cwd + "/New Folder"));
  EXPECT_EQ(win::user::TakeMessageBoxRecords().size(), 1u);
}

}  // namespace
