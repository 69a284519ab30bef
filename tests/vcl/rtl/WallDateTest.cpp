// The class library's date reads the wall clock a test sets: the short date
// "M/d/yyyy" of that day, turning at local midnight as the clock moves on.
#include <gtest/gtest.h>
#include <time.h>

#include "platform/vcl/rtl/DateTime.h"
#include "platform/win/drums_ext.h"

namespace {

TEST(WallDate, DateAndDateToStrReadTheSetWallClock) {
  win::clock::UseManual(1000000);
  tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 7;  // August
  t.tm_mday = 8;
  t.tm_hour = 23;
  t.tm_min = 59;
  t.tm_sec = 59;
  t.tm_isdst = -1;
  win::clock::SetWallMicros(static_cast<std::int64_t>(mktime(&t)) * 1000000 + 900000);
  EXPECT_EQ(DateToStr(Date()), "8/8/2026");
  EXPECT_DOUBLE_EQ(Date(), EncodeDate(2026, 8, 8));
  EXPECT_EQ(FormatDateTime("hh:nn:ss", Now()), "23:59:59");
  win::clock::Advance(200000);
  EXPECT_EQ(DateToStr(Date()), "8/9/2026");
  win::clock::UseReal();
}

}  // namespace
