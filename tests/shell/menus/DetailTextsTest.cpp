// The size, modified and type texts of the list's detail columns, and
// display names by flags.
#include <sys/time.h>

#include <cstdlib>

#include "MenusFixture.h"

namespace {

TEST(DetailTextsTest, SizesAreKilobytesRoundedUpWithSeparators) {
  const std::vector<std::pair<std::uint64_t, const char*>> cases = {
      {0, "0KB"},
      {1, "1KB"},
      {1024, "1KB"},
      {1025, "2KB"},
      {1500000, "1,465KB"},
      {1048576000, "1,024,000KB"},
      {5368709121ULL, "5,242,881KB"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(FormatSizeKB(bytes), text) << bytes;
}

class DetailTexts : public MenusTest {
 protected:
  void SetUp() override {
    MenusTest::SetUp();
    const char* tz = std::getenv("TZ");
    savedTz = tz ? tz : "";
    hadTz = tz != nullptr;
    setenv("TZ", "UTC", 1);
    tzset();
  }
  void TearDown() override {
    if (hadTz)
      setenv("TZ", savedTz.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
    MenusTest::TearDown();
  }
  // Sets a file's last-write time (seconds since 1970, UTC).
  static void Touch(const std::string& path, time_t when) {
    const timeval times[2] = {{when, 0}, {when, 0}};
    utimes(path.c_str(), times);
  }
  struct Texts {
    std::string size, modified, type;
  };
  static Texts Of(const std::string& path, SFGAOF attributes) {
    TShellPidl list;
    EXPECT_EQ(PathToPidl(path, &list.p), S_OK) << path;
    Texts texts{"?", "?", "?"};
    GetDetailTexts(list.p, attributes, texts.size, texts.modified, texts.type);
    return texts;
  }
  std::string savedTz;
  bool hadTz = false;
};

TEST_F(DetailTexts, FilesFoldersAndItemsOutsideTheFileSystem) {
  const std::string file = home.MakeFile("beats/kick.wav", std::string(1025, 'k'));
  Touch(file, 1709647620);  // 2024-03-05 14:07:00 UTC
  const Texts ofFile = Of(file, SFGAO_FILESYSTEM);
  EXPECT_EQ(ofFile.size, "2KB");
  EXPECT_EQ(ofFile.modified, "3/5/2024 2:07 PM");
  EXPECT_FALSE(ofFile.type.empty());
  EXPECT_NE(ofFile.type, "System Folder");

  const std::string folder = home.Home + "/beats";
  Touch(folder, 1709647620 + 3600);
  const Texts ofFolder = Of(folder, SFGAO_FILESYSTEM | SFGAO_FOLDER);
  EXPECT_EQ(ofFolder.size, "");
  EXPECT_EQ(ofFolder.modified, "3/5/2024 3:07 PM");

  TShellPidl drives;
  ASSERT_EQ(GetSpecialFolderPidl(nullptr, CSIDL_DRIVES, &drives.p), S_OK);
  Texts ofDrives{"?", "?", "?"};
  GetDetailTexts(drives.p, SFGAO_FOLDER, ofDrives.size, ofDrives.modified, ofDrives.type);
  EXPECT_EQ(ofDrives.size, "");
  EXPECT_EQ(ofDrives.modified, "");
  EXPECT_EQ(ofDrives.type, "System Folder");
}

TEST_F(MenusTest, DisplayNamesFollowTheFlagsAsGiven) {
  home.MakeFile("beats/kick.wav");
  IShellFolder* folder = BindFolder(home.Home + "/beats");
  TShellPidl kick(ChildOf(home.Home + "/beats/kick.wav"));
  std::string name = "?";
  GetDisplayNameByFlags(folder, kick.p, SHGDN_INFOLDER, name);
  EXPECT_EQ(name, "kick.wav");
  GetDisplayNameByFlags(folder, kick.p, SHGDN_FORPARSING, name);
  EXPECT_EQ(name, win::kernel::ToWindowsPath(home.Home + "/beats/kick.wav"));
  // A list the folder cannot read gives the empty name.
  const BYTE broken[] = {3, 0, 0x32, 0, 0};
  GetDisplayNameByFlags(folder, reinterpret_cast<LPCITEMIDLIST>(broken), SHGDN_NORMAL, name);
  EXPECT_EQ(name, "");
  folder->Release();
}

}  // namespace
