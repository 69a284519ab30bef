#include <sys/stat.h>

#include "kernel_test_support.h"
#include "platform/win/kernel/paths.h"
#include "platform/win/winbase.h"

namespace {

using kernel_test::ScratchDir;
using win::kernel::ResolvePath;

class ResolvePathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mkdir((dir / "kits").c_str(), 0755);
    kernel_test::WriteText(dir / "kits/analog_01.dsw", "wave");
    mkdir((dir / "Skins").c_str(), 0755);
  }
  ScratchDir dir;
};

TEST_F(ResolvePathTest, FindsNamesThatDifferOnlyInCaseComponentByComponent) {
  struct {
    std::string windowsPath;
    std::string expected;
  } cases[] = {
      {dir.Win("Kits\\Analog_01.dsw"), dir / "kits/analog_01.dsw"},
      {dir.Win("KITS/ANALOG_01.DSW"), dir / "kits/analog_01.dsw"},
      {dir.Win("skins\\New.skn"), dir / "Skins/New.skn"},  // missing file keeps its spelling
      {dir.Win("Missing\\Kits\\x"), dir / "Missing/Kits/x"},  // nothing looked up below a missing folder
      {dir.Win("kits\\.\\..\\Kits\\analog_01.dsw"), dir / "kits/analog_01.dsw"},
      {dir.Win("kits\\"), dir / "kits"},
      {"C:\\", "/"},
      {"c:/", "/"},
  };
  for (auto& c : cases) EXPECT_EQ(ResolvePath(c.windowsPath), c.expected) << c.windowsPath;
}

TEST_F(ResolvePathTest, RelativePathsStartAtTheBaseOrTheCurrentDirectory) {
  EXPECT_EQ(ResolvePath("KITS\\analog_01.DSW", dir.Path()), dir / "kits/analog_01.dsw");
  std::string saved = win::kernel::CurrentDir();
  ASSERT_TRUE(SetCurrentDirectoryA(dir.Win("KITS").c_str()));
  EXPECT_EQ(ResolvePath("Analog_01.dsw"), dir / "kits/analog_01.dsw");
  EXPECT_EQ(ResolvePath("C:analog_01.dsw"), dir / "kits/analog_01.dsw");
  char current[MAX_PATH];
  EXPECT_EQ(GetCurrentDirectoryA(MAX_PATH, current), dir.Win("kits").size());
  EXPECT_EQ(std::string(current), dir.Win("kits"));
  ASSERT_EQ(chdir(saved.c_str()), 0);
}

TEST_F(ResolvePathTest, OpeningAMixedCaseWindowsPathFindsTheFile) {
  HANDLE f = CreateFileA(dir.Win("Kits\\Analog_01.dsw").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  char buffer[8] = {};
  DWORD read = 0;
  EXPECT_TRUE(ReadFile(f, buffer, sizeof buffer, &read, nullptr));
  EXPECT_EQ(std::string(buffer, read), "wave");
  CloseHandle(f);
}

TEST(FullPathName, FoldsDotsWithoutTouchingTheDisk) {
  struct {
    const char* in;
    const char* out;
    const char* filePart;
  } cases[] = {
      {"C:\\a\\b\\..\\c.txt", "C:\\a\\c.txt", "c.txt"},
      {"\\x\\.\\y", "C:\\x\\y", "y"},
      {"C:/a/b/", "C:\\a\\b\\", nullptr},
      {"C:\\..\\..", "C:\\", nullptr},
  };
  for (auto& c : cases) {
    char buffer[MAX_PATH];
    LPSTR part = nullptr;
    DWORD n = GetFullPathNameA(c.in, MAX_PATH, buffer, &part);
    EXPECT_EQ(std::string(buffer), c.out) << c.in;
    EXPECT_EQ(n, std::string(c.out).size());
    EXPECT_EQ(part ? std::string(part) : std::string("(null)"), c.filePart ? c.filePart : "(null)") << c.in;
  }
  char tiny[4];
  EXPECT_EQ(GetFullPathNameA("C:\\a\\c.txt", sizeof tiny, tiny, nullptr), 11u) << "size needed, with the terminator";
}

TEST(Drives, OnlyDriveCIsThere) {
  EXPECT_EQ(GetLogicalDrives(), 1u << 2);
  EXPECT_EQ(GetDriveTypeA("C:\\"), static_cast<UINT>(DRIVE_FIXED));
  EXPECT_EQ(GetDriveTypeA(nullptr), static_cast<UINT>(DRIVE_FIXED));
  EXPECT_EQ(GetDriveTypeA("D:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
  EXPECT_EQ(GetDriveTypeA("C:\\tmp"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
  ULARGE_INTEGER free{}, total{};
  EXPECT_TRUE(GetDiskFreeSpaceExA("C:\\", &free, &total, nullptr));
  EXPECT_GT(total.QuadPart, 0u);
}

}  // namespace
