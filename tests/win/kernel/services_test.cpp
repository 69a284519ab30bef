#include <cstdlib>
#include <cstring>
#include <thread>

#include "kernel_test_support.h"
#include "platform/win/mmsystem.h"
#include "platform/win/winbase.h"

namespace {

TEST(MulDiv, RoundsHalvesAwayFromZeroAndRejectsWhatDoesNotFit) {
  struct {
    int a, b, c, expected;
  } cases[] = {
      {1, -255, 2, -128}, {1, 255, 2, 128},       {2, 100, 16, 13},       {3, 100, 16, 19},
      {-5, 1, 2, -3},     {5, 1, -2, -3},         {-5, -1, 2, 3},         {7, 0, 3, 0},
      {1, 1, 0, -1},      {0x7FFFFFFF, 2, 1, -1}, {0x40000000, 4, 2, -1}, {0x40000000, 4, 4, 0x40000000},
      {1, 1, 3, 0},       {2, 1, 3, 1},
  };
  for (auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(FileTimes, SystemTimeConversionsRoundTripAndValidate) {
  struct {
    SYSTEMTIME st;
    ULONGLONG ticks;
  } cases[] = {
      {{1601, 1, 1, 1, 0, 0, 0, 0}, 0},
      {{1970, 1, 4, 1, 0, 0, 0, 0}, 116444736000000000ULL},
      {{2000, 2, 2, 29, 12, 30, 15, 250}, 125963010152500000ULL},
  };
  for (auto& c : cases) {
    FILETIME ft;
    ASSERT_TRUE(SystemTimeToFileTime(&c.st, &ft));
    EXPECT_EQ((ULONGLONG(ft.dwHighDateTime) << 32) | ft.dwLowDateTime, c.ticks) << c.st.wYear;
    SYSTEMTIME back;
    ASSERT_TRUE(FileTimeToSystemTime(&ft, &back));
    EXPECT_EQ(std::memcmp(&back, &c.st, sizeof back), 0) << c.st.wYear << " (day of week included)";
  }
  SYSTEMTIME bad = {2001, 2, 0, 29, 0, 0, 0, 0};  // not a leap year
  FILETIME ft;
  EXPECT_FALSE(SystemTimeToFileTime(&bad, &ft));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

  FILETIME a{1, 0}, b{0, 1};
  EXPECT_EQ(CompareFileTime(&a, &b), -1);
  EXPECT_EQ(CompareFileTime(&b, &a), 1);
  EXPECT_EQ(CompareFileTime(&a, &a), 0);
}

TEST(FileTimes, LocalTimeFollowsTheTimeZone) {
  const char* saved = std::getenv("TZ");
  std::string savedValue = saved ? saved : "";
  setenv("TZ", "UTC-2", 1);  // two hours east of UTC, no summer time
  tzset();
  SYSTEMTIME noon = {2020, 6, 0, 15, 12, 0, 0, 0};
  FILETIME utc, local, back;
  SystemTimeToFileTime(&noon, &utc);
  FileTimeToLocalFileTime(&utc, &local);
  SYSTEMTIME st;
  FileTimeToSystemTime(&local, &st);
  EXPECT_EQ(st.wHour, 14);
  LocalFileTimeToFileTime(&local, &back);
  EXPECT_EQ(CompareFileTime(&back, &utc), 0);
  if (saved)
    setenv("TZ", savedValue.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}

TEST(FormatMessage, SystemTextsAndPositionalInserts) {
  char buffer[256];
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_ACCESS_DENIED, 0,
                           buffer, sizeof buffer, nullptr);
  ASSERT_GT(n, 2u);
  EXPECT_EQ(std::string(buffer + n - 2), "\r\n");
  EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 0xDEAD, 0, buffer, sizeof buffer, nullptr), 0u);

  // The shell's FormatStrPos: allocated buffer, string source, argument array.
  const char* inserts[] = {"Access was denied.", "New Folder"};
  LPSTR out = nullptr;
  n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                     "Unable to create the folder '%2'%n%n%1 100%% sure%.", 0, 0, reinterpret_cast<LPSTR>(&out), 256,
                     reinterpret_cast<va_list*>(inserts));
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(std::string(out), "Unable to create the folder 'New Folder'\r\n\r\nAccess was denied. 100% sure.");
  EXPECT_EQ(n, std::strlen(out));
  EXPECT_GE(LocalSize(out), 256u) << "at least the minimum size asked for";
  EXPECT_EQ(LocalFree(out), nullptr);

  EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, "%1 and more", 0, 0, buffer, 4,
                           reinterpret_cast<va_list*>(inserts)),
            0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST(GlobalMemory, MoveableBlocksLockToTheirDataAndGrowKeepingIt) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(GlobalSize(h), 4u);
  auto* p = static_cast<BYTE*>(GlobalLock(h));
  ASSERT_NE(p, nullptr);
  EXPECT_NE(static_cast<void*>(p), h);
  EXPECT_EQ(p[3], 0);
  std::memcpy(p, "abc", 4);
  EXPECT_FALSE(GlobalUnlock(h)) << "no locks left";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  HGLOBAL grown = GlobalReAlloc(h, 100, GMEM_ZEROINIT);
  EXPECT_EQ(grown, h) << "a moveable block keeps its handle";
  p = static_cast<BYTE*>(GlobalLock(grown));
  EXPECT_STREQ(reinterpret_cast<char*>(p), "abc");
  EXPECT_EQ(p[99], 0);
  GlobalUnlock(grown);
  EXPECT_EQ(GlobalFree(grown), nullptr);
  EXPECT_EQ(GlobalFree(grown), grown) << "a freed handle is refused";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(GlobalSize(grown), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

  HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 8);
  EXPECT_EQ(GlobalLock(fixed), fixed) << "a fixed block's handle is its address";
  EXPECT_EQ(GlobalSize(fixed), 8u);
  GlobalFree(fixed);
}

TEST(SystemInfo, VersionUserDirectoriesAndEnvironment) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExA(&info));
  EXPECT_EQ(info.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
  EXPECT_EQ(info.dwMajorVersion, 5u);

  char name[64];
  DWORD size = 63;
  ASSERT_TRUE(GetUserNameA(name, &size));
  EXPECT_EQ(size, std::strlen(name) + 1);
  size = 1;
  EXPECT_FALSE(GetUserNameA(name, &size));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

  char computer[MAX_COMPUTERNAME_LENGTH + 1];
  size = sizeof computer;
  ASSERT_TRUE(GetComputerNameA(computer, &size));
  EXPECT_EQ(size, std::strlen(computer));

  kernel_test::ScratchDir dir;
  kernel_test::UserDirOverride user(dir.Path());
  char windows[MAX_PATH], system[MAX_PATH];
  UINT n = GetWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_EQ(std::string(windows, n), dir.Win("windows"));
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_EQ(std::string(system), dir.Win("windows\\system"));
  EXPECT_TRUE(kernel_test::Exists(dir / "windows/system")) << "made on demand";
  EXPECT_EQ(GetWindowsDirectoryA(windows, 3), dir.Win("windows").size() + 1);

  setenv("DRUMS_KERNEL_TEST_VAR", "value", 1);
  char value[16];
  EXPECT_EQ(GetEnvironmentVariableA("DRUMS_KERNEL_TEST_VAR", value, sizeof value), 5u);
  EXPECT_STREQ(value, "value");
  EXPECT_EQ(GetEnvironmentVariableA("DRUMS_KERNEL_TEST_VAR", value, 3), 6u);
  unsetenv("DRUMS_KERNEL_TEST_VAR");
  EXPECT_EQ(GetEnvironmentVariableA("DRUMS_KERNEL_TEST_VAR", value, sizeof value), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND));
}

TEST(SimpleSound, StoppingSucceedsAndPlayingIsRefused) {
  EXPECT_TRUE(sndPlaySoundA(nullptr, 0));
  EXPECT_FALSE(sndPlaySoundA("beep.wav", SND_ASYNC));
}

TEST(LastError, IsKeptPerThread) {
  SetLastError(1234);
  DWORD other = 0;
  std::thread([&] {
    SetLastError(99);
    other = GetLastError();
  }).join();
  EXPECT_EQ(other, 99u);
  EXPECT_EQ(GetLastError(), 1234u);
}

}  // namespace
