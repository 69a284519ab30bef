#include <gtest/gtest.h>

#include "platform/vcl/rtl/ShortString.h"

namespace {

TEST(ShortString, AssignmentCutsWithoutSplittingUtf8) {
  ShortString<3> s = "abcdef";
  EXPECT_EQ(s.Get(), "abc");
  s = std::string("a\xC3\xA9");  // "aé": exactly three bytes
  EXPECT_EQ(s.Get(), "a\xC3\xA9");
  s = std::string("ab\xC3\xA9");  // "é" would straddle the limit
  EXPECT_EQ(s.Get(), "ab");
  s = std::string("\xF0\x9F\x8E\xB5x");  // a four-byte character never fits in three
  EXPECT_EQ(s.Get(), "");
}

}  // namespace
