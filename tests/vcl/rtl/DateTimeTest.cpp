#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vcl/rtl/DateTime.h"
#include "platform/vcl/rtl/Exceptions.h"

namespace {

TEST(DateTime, EncodingCountsDaysFrom1899_12_30) {
  EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_DOUBLE_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_DOUBLE_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 29), -1);
  EXPECT_DOUBLE_EQ(EncodeTime(18, 0, 0, 0), 0.75);
  EXPECT_THROW(EncodeDate(2001, 2, 29), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
}

TEST(DateTime, DecodeInvertsEncodeAcrossLeapYears) {
  for (int year : {1900, 1999, 2000, 2024, 2100}) {
    for (int month = 1; month <= 12; ++month) {
      for (int day : {1, 28, 29, 30, 31}) {
        TDateTime d;
        if (!TryEncodeDate(year, month, day, d)) continue;
        unsigned short y, m, dd;
        DecodeDate(d + 0.99, y, m, dd);
        EXPECT_EQ(y, year);
        EXPECT_EQ(m, month);
        EXPECT_EQ(dd, day);
      }
    }
  }
  unsigned short h, n, s, ms;
  DecodeTime(EncodeTime(23, 59, 59, 999), h, n, s, ms);
  EXPECT_EQ((std::vector<int>{h, n, s, ms}), (std::vector<int>{23, 59, 59, 999}));
}

TEST(DateTime, DayOfWeekStartsOnSunday) {
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // a Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 10)), 5);  // a Thursday
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 13)), 1);  // a Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 24)), 1);  // before day 0
}

TEST(DateTime, UsFormats) {
  TDateTime t = EncodeDate(2026, 3, 7) + EncodeTime(15, 5, 9, 42);
  EXPECT_EQ(DateToStr(t), "3/7/2026");
  EXPECT_EQ(TimeToStr(t), "3:05:09 PM");
  EXPECT_EQ(DateTimeToStr(t), "3/7/2026 3:05:09 PM");
  EXPECT_EQ(DateTimeToStr(EncodeDate(2026, 3, 7)), "3/7/2026");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"yyyy-mm-dd hh:nn:ss.zzz", "2026-03-07 15:05:09.042"},
      {"d/m/yy", "7/3/26"},
      {"dddd, mmmm d", "Saturday, March 7"},
      {"ddd mmm", "Sat Mar"},
      {"h:mm am/pm", "3:05 pm"},
      {"hh:mm A/P", "03:05 P"},
      {"'at' h 'o''clock'", "at 15 oclock"},
      {"dddddd", "Saturday, March 7, 2026"},
      {"t", "3:05 PM"},
  };
  for (const auto& [format, expected] : cases) EXPECT_EQ(FormatDateTime(format, t), expected) << format;
  EXPECT_EQ(FormatDateTime("h AMPM", EncodeTime(0, 30, 0, 0)), "12 AM");
}

}  // namespace
