#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/vcl/rtl/Conversions.h"
#include "platform/vcl/rtl/Exceptions.h"

namespace {

TEST(StrToInt, AcceptsDecimalHexAndLeadingBlanks) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"12", 12},
      {"  -5", -5},
      {"+7", 7},
      {"$FF", 255},
      {"0x10", 16},
      {"-$10", -16},
      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<int>::min()},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(StrToInt(text), value) << text;
}

TEST(StrToInt, RejectsWithTheLibrarysMessage) {
  for (const std::string text : {"", " ", "12 ", "abc", "1.5", "2147483648", "$", "--1", "1e3"}) {
    try {
      StrToInt(text);
      ADD_FAILURE() << "'" << text << "' was accepted";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.GetMessage(), "'" + text + "' is not a valid integer value");
    }
  }
  EXPECT_EQ(StrToIntDef("x", -3), -3);
  int v = 99;
  EXPECT_FALSE(TryStrToInt("9x", v));
  EXPECT_EQ(v, 99);  // untouched on failure
  EXPECT_EQ(StrToInt64("-9000000000"), -9000000000LL);
}

TEST(IntToHex, PadsToTheRequestedDigits) {
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0x1FFFFFFF, 1), "1FFFFFFF");
  EXPECT_EQ(IntToHex(0, 0), "0");
}

TEST(FloatText, FloatToStrAndBack) {
  EXPECT_EQ(FloatToStr(1.5), "1.5");
  EXPECT_EQ(FloatToStr(-0.1), "-0.1");
  EXPECT_EQ(FloatToStr(100), "100");
  EXPECT_EQ(FloatToStr(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FloatToStr(123456789012345678.0), "1.23456789012346E17");
  EXPECT_DOUBLE_EQ(StrToFloat(" 2.5e2 "), 250.0);
  EXPECT_THROW(StrToFloat("2,5"), EConvertError);
  EXPECT_THROW(StrToFloat("inf"), EConvertError);
  EXPECT_DOUBLE_EQ(StrToFloatDef("", 4.0), 4.0);
}

}  // namespace
