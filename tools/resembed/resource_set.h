// The resources one manifest describes, in the form they are embedded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace resembed {

using Bytes = std::vector<unsigned char>;

// A type or name: a number (text empty) or an upper-case string.
struct Id {
  std::uint16_t number = 0;
  std::string text;
  bool IsNumber() const { return text.empty(); }
  static Id Parse(const std::string& token);  // decimal digits: a number
};

struct Resource {
  Id type;
  Id name;
  Bytes data;
};

// Numbers of the predefined types.
enum : std::uint16_t {
  kCursor = 1,
  kBitmap = 2,
  kIcon = 3,
  kString = 6,
  kRcData = 10,
  kGroupCursor = 12,
  kGroupIcon = 14,
};

struct Failure {
  std::string message;
};

}  // namespace resembed
