// Time functions. The tick counts come from the clock seam; the wall clock
// from the seam's wall time, so under the manual clock both stand still.
#include <time.h>

#include "platform/win/kernel/clock.h"
#include "platform/win/kernel/clock_waiters.h"
#include "platform/win/kernel/filetime.h"
#include "platform/win/mmsystem.h"
#include "platform/win/winbase.h"

namespace win::kernel {

FILETIME FileTimeFromTicks(std::uint64_t ticks) {
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(ticks);
  ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return ft;
}

std::uint64_t TicksFromFileTime(const FILETIME& ft) {
  return (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

FILETIME FileTimeFromTimespec(const timespec& ts) {
  std::int64_t ticks = kUnixEpochTicks + static_cast<std::int64_t>(ts.tv_sec) * 10000000 + ts.tv_nsec / 100;
  return FileTimeFromTicks(ticks < 0 ? 0 : static_cast<std::uint64_t>(ticks));
}

FILETIME FileTimeFromUnixMicros(std::int64_t micros) {
  std::int64_t ticks = kUnixEpochTicks + micros * 10;
  return FileTimeFromTicks(ticks < 0 ? 0 : static_cast<std::uint64_t>(ticks));
}

}  // namespace win::kernel

namespace {

using win::kernel::FileTimeFromTicks;
using win::kernel::TicksFromFileTime;

constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kTicksPerDay = kTicksPerSecond * 86400;

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y += m <= 2;
}

// Days from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kDays1601To1970 = 134774;

bool IsLeap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

SYSTEMTIME SystemTimeFromTicks(std::uint64_t ticks) {
  const std::int64_t days = static_cast<std::int64_t>(ticks / kTicksPerDay);
  std::int64_t rest = static_cast<std::int64_t>(ticks % kTicksPerDay);
  std::int64_t y;
  unsigned m, d;
  CivilFromDays(days - kDays1601To1970, y, m, d);
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(y);
  st.wMonth = static_cast<WORD>(m);
  st.wDay = static_cast<WORD>(d);
  st.wDayOfWeek = static_cast<WORD>((days + 1) % 7);  // 1601-01-01 was a Monday
  st.wHour = static_cast<WORD>(rest / (kTicksPerSecond * 3600));
  rest %= kTicksPerSecond * 3600;
  st.wMinute = static_cast<WORD>(rest / (kTicksPerSecond * 60));
  rest %= kTicksPerSecond * 60;
  st.wSecond = static_cast<WORD>(rest / kTicksPerSecond);
  st.wMilliseconds = static_cast<WORD>((rest % kTicksPerSecond) / 10000);
  return st;
}

std::uint64_t NowTicks() {
  return TicksFromFileTime(win::kernel::FileTimeFromUnixMicros(win::clock::WallMicros()));
}

// Offset of local time from UTC, in seconds, at the given UTC instant.
long LocalOffsetAt(std::int64_t unixSeconds) {
  time_t t = static_cast<time_t>(unixSeconds);
  tm local{};
  localtime_r(&t, &local);
  return local.tm_gmtoff;
}

std::int64_t UnixSecondsOf(std::uint64_t ticks) {
  return (static_cast<std::int64_t>(ticks) - win::kernel::kUnixEpochTicks) / kTicksPerSecond;
}

}  // namespace

DWORD GetTickCount() {
  return static_cast<DWORD>(win::clock::NowMicros() / 1000);
}
DWORD timeGetTime() {
  return static_cast<DWORD>(win::clock::NowMicros() / 1000);
}
MMRESULT timeBeginPeriod(UINT) {
  return TIMERR_NOERROR;
}
MMRESULT timeEndPeriod(UINT) {
  return TIMERR_NOERROR;
}

void GetSystemTimeAsFileTime(LPFILETIME ft) {
  *ft = FileTimeFromTicks(NowTicks());
}

void GetSystemTime(LPSYSTEMTIME st) {
  *st = SystemTimeFromTicks(NowTicks());
}

void GetLocalTime(LPSYSTEMTIME st) {
  FILETIME utc = FileTimeFromTicks(NowTicks()), local;
  FileTimeToLocalFileTime(&utc, &local);
  *st = SystemTimeFromTicks(TicksFromFileTime(local));
}

BOOL FileTimeToSystemTime(const FILETIME* ft, LPSYSTEMTIME st) {
  std::uint64_t ticks = TicksFromFileTime(*ft);
  if (ticks >= 0x8000000000000000ULL) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *st = SystemTimeFromTicks(ticks);
  return TRUE;
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* st, LPFILETIME ft) {
  if (st->wYear < 1601 || st->wYear > 30827 || st->wMonth < 1 || st->wMonth > 12 || st->wDay < 1 ||
      st->wDay > DaysInMonth(st->wYear, st->wMonth) || st->wHour > 23 || st->wMinute > 59 || st->wSecond > 59 ||
      st->wMilliseconds > 999) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::int64_t days = DaysFromCivil(st->wYear, st->wMonth, st->wDay) + kDays1601To1970;
  std::int64_t ticks = days * kTicksPerDay + ((st->wHour * 60 + st->wMinute) * 60 + st->wSecond) * kTicksPerSecond +
                       st->wMilliseconds * 10000LL;
  *ft = FileTimeFromTicks(static_cast<std::uint64_t>(ticks));
  return TRUE;
}

BOOL FileTimeToLocalFileTime(const FILETIME* ft, LPFILETIME local) {
  std::uint64_t ticks = TicksFromFileTime(*ft);
  std::int64_t shifted = static_cast<std::int64_t>(ticks) + LocalOffsetAt(UnixSecondsOf(ticks)) * kTicksPerSecond;
  *local = FileTimeFromTicks(shifted < 0 ? 0 : static_cast<std::uint64_t>(shifted));
  return TRUE;
}

BOOL LocalFileTimeToFileTime(const FILETIME* local, LPFILETIME ft) {
  std::uint64_t ticks = TicksFromFileTime(*local);
  // The offset at the local reading taken as UTC, corrected once: right
  // everywhere but inside the hour a clock change skips or repeats.
  long offset = LocalOffsetAt(UnixSecondsOf(ticks));
  offset = LocalOffsetAt(UnixSecondsOf(ticks) - offset);
  std::int64_t shifted = static_cast<std::int64_t>(ticks) - offset * kTicksPerSecond;
  *ft = FileTimeFromTicks(shifted < 0 ? 0 : static_cast<std::uint64_t>(shifted));
  return TRUE;
}

LONG CompareFileTime(const FILETIME* a, const FILETIME* b) {
  std::uint64_t x = TicksFromFileTime(*a), y = TicksFromFileTime(*b);
  return x < y ? -1 : x > y ? 1 : 0;
}
