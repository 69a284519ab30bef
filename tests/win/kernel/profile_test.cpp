#include <string>

#include "kernel_test_support.h"
#include "platform/win/winbase.h"
#include "settings_failure.h"

namespace {

using kernel_test::ReadText;
using kernel_test::ScratchDir;
using kernel_test::WriteText;

std::string Get(const char* section, const char* key, const char* def, const std::string& file, DWORD size = 256) {
  std::string buffer(size, '\xAA');
  DWORD n = GetPrivateProfileStringA(section, key, def, buffer.data(), size, file.c_str());
  return buffer.substr(0, n);
}

// A NUL-separated list as returned for a NULL section or key.
std::string List(const char* section, const std::string& file, DWORD size = 256) {
  std::string buffer(size, '\xAA');
  DWORD n = GetPrivateProfileStringA(section, nullptr, "", buffer.data(), size, file.c_str());
  EXPECT_EQ(buffer[n], '\0');
  if (n + 2 == size) {
    EXPECT_EQ(buffer[n + 1], '\0') << "a cut list still ends in two NULs";
  }
  std::string out = buffer.substr(0, n);
  for (char& c : out)
    if (c == '\0') c = '|';
  return out;
}

class Profiles : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::string file = dir.Win("Settings.INI");
};

TEST_F(Profiles, ReadsWhatIsThereIgnoringCaseAndQuotes) {
  WriteText(dir / "settings.ini",
            "; comment\n[Main]\nName = Drum Kit \nQuoted=\"  padded  \"\nCount=42abc\n\n[Other]\r\nx=1\r\n");
  EXPECT_EQ(Get("main", "NAME", "", file), "Drum Kit");
  EXPECT_EQ(Get("Main", "Quoted", "", file), "  padded  ");
  EXPECT_EQ(Get("Main", "Missing", "fallback  ", file), "fallback");
  EXPECT_EQ(Get("Nope", "Name", nullptr, file), "");
  EXPECT_EQ(Get("Main", "Name", "", file, 5), "Drum") << "cut to the buffer, terminated";
  EXPECT_EQ(GetPrivateProfileIntA("Main", "Count", 7, file.c_str()), 42u);
  EXPECT_EQ(GetPrivateProfileIntA("Main", "Missing", -3, file.c_str()), static_cast<UINT>(-3));
  EXPECT_EQ(List(nullptr, file), "Main|Other|");
  EXPECT_EQ(List("MAIN", file), "Name|Quoted|Count|");
  EXPECT_EQ(List(nullptr, file, 8), "Main|O") << "cut to nSize - 2";
}

TEST_F(Profiles, WritesKeepTheRestOfTheFileAndDeleteKeysAndSections) {
  WriteText(dir / "settings.ini", "; keep me\n[Main]\nA=1\n\n[Other]\nB=2\n");
  ASSERT_TRUE(WritePrivateProfileStringA("MAIN", "a", "one", file.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringA("Main", "C", "3", file.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringA("New", "D", "4", file.c_str()));
  EXPECT_EQ(ReadText(dir / "settings.ini"),
            "; keep me\r\n[Main]\r\nA=one\r\nC=3\r\n\r\n[Other]\r\nB=2\r\n[New]\r\nD=4\r\n");

  ASSERT_TRUE(WritePrivateProfileStringA("Main", "A", nullptr, file.c_str()));
  EXPECT_EQ(Get("Main", "A", "gone", file), "gone");
  EXPECT_EQ(Get("Main", "C", "", file), "3");
  ASSERT_TRUE(WritePrivateProfileStringA("other", nullptr, nullptr, file.c_str()));
  EXPECT_EQ(List(nullptr, file), "Main|New|");
  EXPECT_FALSE(WritePrivateProfileStringA(nullptr, "K", "V", file.c_str()));
}

TEST_F(Profiles, BareNamesAndWinIniLiveInTheWindowsDirectory) {
  kernel_test::UserDirOverride user(dir.Path());
  ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "V", "app.ini"));
  EXPECT_EQ(ReadText(dir / "windows/app.ini"), "[S]\r\nK=V\r\n");
  ASSERT_TRUE(WriteProfileStringA("Desktop", "Wallpaper", "none"));
  char value[32];
  EXPECT_EQ(GetProfileStringA("desktop", "wallpaper", "", value, sizeof value), 4u);
  EXPECT_EQ(std::string(value), "none");
  EXPECT_TRUE(kernel_test::Exists(dir / "windows/win.ini"));
}

TEST_F(Profiles, AFailedWriteLeavesTheOldFileWhole) {
  std::string old = "[Main]\r\nA=1\r\n";
  WriteText(dir / "settings.ini", old);
  std::string big(4096, 'x');
  bool failed = kernel_test::FailsUnderFileSizeLimit(
      1024, [&] { return WritePrivateProfileStringA("Main", "Big", big.c_str(), file.c_str()) != FALSE; });
  EXPECT_TRUE(failed);
  EXPECT_EQ(ReadText(dir / "settings.ini"), old);
  // No temporary file is left behind.
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA(dir.Win("settings.ini.??????").c_str(), &fd);
  EXPECT_EQ(h, INVALID_HANDLE_VALUE);
}

}  // namespace
