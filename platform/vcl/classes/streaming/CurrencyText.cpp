#include "platform/vcl/classes/streaming/CurrencyText.h"

#include <cstdlib>

namespace vcl::streaming {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::int64_t> ParseCurrencyText(std::string_view text) {
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  // The significant digits, and where the point stands among them.
  std::string digits;
  long point = 0;
  bool any = false;
  for (; at < text.size() && IsDigit(text[at]); ++at, any = true) {
    if (digits.empty() && text[at] == '0') continue;
    digits += text[at];
    ++point;
  }
  if (at < text.size() && text[at] == '.') {
    for (++at; at < text.size() && IsDigit(text[at]); ++at, any = true) {
      if (digits.empty() && text[at] == '0') {
        --point;
        continue;
      }
      digits += text[at];
    }
  }
  if (!any) return std::nullopt;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    bool negativeExponent = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negativeExponent = text[at++] == '-';
    if (at == text.size() || !IsDigit(text[at])) return std::nullopt;
    long exponent = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at)
      if (exponent < 100000) exponent = exponent * 10 + (text[at] - '0');
    point += negativeExponent ? -exponent : exponent;
  }
  if (at != text.size()) return std::nullopt;
  if (digits.empty()) return 0;
  // The value is 0.DIGITS x 10^point; ten-thousandths move the point by 4.
  const long units = point + 4;  // digits before the unit position
  if (units > 19) return std::nullopt;
  unsigned __int128 magnitude = 0;
  for (long i = 0; i < units; ++i)
    magnitude = magnitude * 10 + (i < static_cast<long>(digits.size()) ? digits[static_cast<std::size_t>(i)] - '0' : 0);
  // Half away from zero: the first dropped digit decides.
  if (units >= 0 && units < static_cast<long>(digits.size()) && digits[static_cast<std::size_t>(units)] >= '5')
    ++magnitude;
  const unsigned __int128 limit = static_cast<unsigned __int128>(INT64_MAX) + (negative ? 1 : 0);
  if (magnitude > limit) return std::nullopt;
  if (magnitude == 0) return 0;
  if (negative) return static_cast<std::int64_t>(-static_cast<std::int64_t>(magnitude - 1) - 1);
  return static_cast<std::int64_t>(magnitude);
}

std::string CurrencyText(std::int64_t tenThousandths) {
  const bool negative = tenThousandths < 0;
  // Unsigned, so that the most negative value has a magnitude too.
  std::uint64_t magnitude =
      negative ? ~static_cast<std::uint64_t>(tenThousandths) + 1 : static_cast<std::uint64_t>(tenThousandths);
  std::string fraction = std::to_string(magnitude % 10000);
  fraction.insert(0, 4 - fraction.size(), '0');
  while (fraction.size() > 1 && fraction.back() == '0') fraction.pop_back();
  return (negative ? "-" : "") + std::to_string(magnitude / 10000) + "." + fraction;
}

}  // namespace vcl::streaming
