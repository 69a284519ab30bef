// A string of at most N bytes, as the programs' fixed-length strings are:
// a longer value is cut to N bytes without splitting a UTF-8 sequence.
#pragma once

#include <cstddef>
#include <string>

namespace vcl::rtl {
// How many of the first `limit` bytes of s can be kept whole.
std::size_t Utf8Prefix(const std::string& s, std::size_t limit);
}  // namespace vcl::rtl

template <std::size_t N>
class ShortString {
 public:
  static_assert(N >= 1 && N <= 255, "a short string holds 1 to 255 bytes");
  static constexpr std::size_t MaxLength = N;

  ShortString() = default;
  ShortString(const std::string& s) { Assign(s); }
  ShortString(const char* s) { Assign(s ? std::string(s) : std::string()); }
  ShortString& operator=(const std::string& s) {
    Assign(s);
    return *this;
  }

  const std::string& Get() const { return FValue; }
  operator const std::string&() const { return FValue; }
  std::size_t size() const { return FValue.size(); }
  bool operator==(const ShortString& o) const { return FValue == o.FValue; }
  bool operator==(const std::string& s) const { return FValue == s; }

 private:
  void Assign(const std::string& s) { FValue = s.substr(0, vcl::rtl::Utf8Prefix(s, N)); }
  std::string FValue;
};
