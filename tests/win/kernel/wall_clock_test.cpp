// The wall clock under a test's hand: a set instant is what the system and
// local times read, and the clock seam moves it on.
#include <time.h>

#include <cstdlib>
#include <vector>

#include "kernel_test_support.h"
#include "platform/win/kernel/clock.h"
#include "platform/win/winbase.h"

namespace {

using kernel_test::ManualClock;

// Microseconds since 1970 of a local date and time.
std::int64_t LocalMicros(int year, int month, int day, int hour, int minute) {
  tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_isdst = -1;
  return static_cast<std::int64_t>(mktime(&t)) * 1000000;
}

std::int64_t FileTimeMicros() {
  FILETIME ft;
  GetSystemTimeAsFileTime(&ft);
  const std::int64_t ticks = static_cast<std::int64_t>((ULONGLONG(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
  return (ticks - 116444736000000000LL) / 10;
}

TEST(WallClock, ASetInstantIsReadAsSystemAndLocalTimeAndMovesWithTheClock) {
  ManualClock clock;
  const std::int64_t noon = LocalMicros(2026, 8, 8, 12, 0);
  win::clock::SetWallMicros(noon);
  EXPECT_EQ(FileTimeMicros(), noon);

  SYSTEMTIME local{}, system{};
  GetLocalTime(&local);
  EXPECT_EQ((std::vector<int>{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond}),
            (std::vector<int>{2026, 8, 8, 12, 0, 0}));
  GetSystemTime(&system);
  const time_t seconds = static_cast<time_t>(noon / 1000000);
  tm utc{};
  gmtime_r(&seconds, &utc);
  EXPECT_EQ((std::vector<int>{system.wYear, system.wMonth, system.wDay, system.wHour}),
            (std::vector<int>{utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour}));

  // Thirteen hours and a half later it is the next morning.
  win::clock::Advance(13ULL * 3600 * 1000000 + 1800ULL * 1000000);
  GetLocalTime(&local);
  EXPECT_EQ((std::vector<int>{local.wMonth, local.wDay, local.wHour, local.wMinute}), (std::vector<int>{8, 9, 1, 30}));

  // A new manual clock keeps the set wall time where it stood.
  win::clock::UseManual(5000000);
  GetLocalTime(&local);
  EXPECT_EQ((std::vector<int>{local.wDay, local.wHour, local.wMinute}), (std::vector<int>{9, 1, 30}));
}

TEST(WallClock, TheRealWallClockComesBack) {
  const auto nearRealTime = [] {
    const std::int64_t real = static_cast<std::int64_t>(time(nullptr)) * 1000000;
    return std::llabs(FileTimeMicros() - real) < 60LL * 1000000;
  };
  const std::int64_t longAgo = LocalMicros(2001, 8, 8, 12, 0);
  {
    ManualClock clock;
    win::clock::SetWallMicros(longAgo);
    win::clock::UseRealWall();
    EXPECT_TRUE(nearRealTime());
    win::clock::SetWallMicros(longAgo);
    EXPECT_FALSE(nearRealTime());
  }  // the clock's UseReal
  EXPECT_TRUE(nearRealTime());
}

}  // namespace
