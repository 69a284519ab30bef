// UTF-8 to wide strings and back: sizes asked first, the terminator counted
// only when the text is read up to it, and a buffer too small refused.
#include <gtest/gtest.h>

#include <string>

#include "platform/win/windows.h"

namespace {

TEST(WideConvert, TextRoundTripsThroughWideCharacters) {
  const std::string texts[] = {"plain", "caf\xC3\xA9", "\xE2\x82\xAC 5", "\xF0\x9F\xA5\x81 drum", "a:b/c"};
  for (const std::string& text : texts) {
    const int wideSize = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize), L'?');
    ASSERT_EQ(MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), wideSize), wideSize) << text;
    EXPECT_EQ(wide.back(), L'\0') << "read up to the terminator, the terminator is written";
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    EXPECT_EQ(size, static_cast<int>(text.size()) + 1) << text;
    std::string back(static_cast<std::size_t>(size), '?');
    ASSERT_EQ(WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, back.data(), size, nullptr, nullptr), size);
    back.pop_back();
    EXPECT_EQ(back, text);
  }
  // One code point a wide character.
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xF0\x9F\xA5\x81", 4, nullptr, 0), 1);
}

TEST(WideConvert, GivenLengthsBuffersAndBadArguments) {
  WCHAR wide[4] = {};
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", 2, wide, 4), 2) << "no terminator without -1";
  EXPECT_EQ(wide[1], L'b');
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abcdef", -1, wide, 4), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  char narrow[2] = {};
  const WCHAR euro[] = {0x20AC, 0};
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, euro, 1, narrow, 2, nullptr, nullptr), 0) << "three bytes needed";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, nullptr, -1, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  // A stray byte stands for itself; a surrogate comes out as U+FFFD.
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xE9", 1, wide, 4), 1);
  EXPECT_EQ(wide[0], static_cast<WCHAR>(0xE9));
  const WCHAR surrogate[] = {0xD800, 0};
  char replaced[4] = {};
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, surrogate, 1, replaced, 4, nullptr, nullptr), 3);
  EXPECT_EQ(std::string(replaced, 3), "\xEF\xBF\xBD");
}

}  // namespace
