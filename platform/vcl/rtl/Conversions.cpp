#include "platform/vcl/rtl/Conversions.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <limits>

#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/rtl/FloatText.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string TrimBlanks(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string TrimLeadingBlanks(const std::string& s) {
  std::size_t b = 0;
  while (b < s.size() && IsBlank(s[b])) ++b;
  return s.substr(b);
}

// Parses s into a 64-bit value the way the library's Val does: leading
// blanks are skipped, anything after the digits (trailing blanks too) fails.
bool ParseInt64(const std::string& text, std::int64_t& out, bool* isHex = nullptr) {
  std::string s = TrimLeadingBlanks(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && s[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (isHex) *isHex = base == 16;
  if (i >= s.size()) return false;
  std::uint64_t value = 0;
  for (; i < s.size(); ++i) {
    int digit;
    char c = s[i];
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c)))
      digit = std::toupper(c) - 'A' + 10;
    else
      return false;
    if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / base) return false;
    value = value * base + digit;
  }
  if (base == 10) {
    std::uint64_t limit = negative ? std::uint64_t(1) << 63 : (std::uint64_t(1) << 63) - 1;
    if (value > limit) return false;
    out = negative ? static_cast<std::int64_t>(0 - value) : static_cast<std::int64_t>(value);
  } else {
    // Hex is a bit pattern: $FFFFFFFFFFFFFFFF is -1.
    out = static_cast<std::int64_t>(negative ? 0 - value : value);
  }
  return true;
}

}  // namespace

std::string IntToStr(std::int64_t value) {
  return std::to_string(value);
}

std::string IntToHex(std::int64_t value, int digits) {
  static const char* hex = "0123456789ABCDEF";
  std::uint64_t v = static_cast<std::uint64_t>(value);
  std::string out;
  do {
    out.insert(out.begin(), hex[v & 15]);
    v >>= 4;
  } while (v != 0);
  if (static_cast<int>(out.size()) < digits) out.insert(0, digits - out.size(), '0');
  return out;
}

bool TryStrToInt64(const std::string& s, std::int64_t& value) {
  return ParseInt64(s, value);
}

bool TryStrToInt(const std::string& s, int& value) {
  std::int64_t v;
  bool hex = false;
  if (!ParseInt64(s, v, &hex)) return false;
  // Hex up to 32 bits is a bit pattern ($FFFFFFFF = -1); decimal must fit.
  if (hex && v >= 0 && v <= 0xFFFFFFFFLL) v = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
  value = static_cast<int>(v);
  return true;
}

int StrToInt(const std::string& s) {
  int v;
  if (!TryStrToInt(s, v)) throw EConvertError("'%s' is not a valid integer value", {s});
  return v;
}

std::int64_t StrToInt64(const std::string& s) {
  std::int64_t v;
  if (!TryStrToInt64(s, v)) throw EConvertError("'%s' is not a valid integer value", {s});
  return v;
}

int StrToIntDef(const std::string& s, int defaultValue) {
  int v;
  return TryStrToInt(s, v) ? v : defaultValue;
}

std::string FloatToStr(double value) {
  return vcl::rtl::FloatToText(value, vcl::rtl::FloatStyle::General, 15);
}

bool TryStrToFloat(const std::string& text, double& value) {
  std::string s = TrimBlanks(text);
  if (s.empty()) return false;
  // Only plain decimal notation: no hex floats, no "inf"/"nan" words.
  for (char c : s)
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
      return false;
  errno = 0;
  char* end = nullptr;
  double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || errno == ERANGE) return false;
  value = v;
  return true;
}

double StrToFloat(const std::string& s) {
  double v;
  if (!TryStrToFloat(s, v)) throw EConvertError("'%s' is not a valid floating point value", {s});
  return v;
}

double StrToFloatDef(const std::string& s, double defaultValue) {
  double v;
  return TryStrToFloat(s, v) ? v : defaultValue;
}

std::string BoolToStr(bool value, bool useBoolStrs) {
  if (useBoolStrs) return value ? "True" : "False";
  return value ? "-1" : "0";
}
