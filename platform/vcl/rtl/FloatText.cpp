#include "platform/vcl/rtl/FloatText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vcl::rtl {
namespace {

// value = 0.<digits> x 10^exponent, digits without trailing zeros; "" is zero.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

Decimal ToDecimal(double value) {
  Decimal d;
  d.negative = std::signbit(value);
  if (value == 0) return d;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.16e", std::fabs(value));  // d.dddddddddddddddde+XX
  std::string text(buf);
  auto e = text.find('e');
  d.digits = text.substr(0, 1) + text.substr(2, e - 2);
  d.exponent = std::atoi(text.c_str() + e + 1) + 1;
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Keeps `count` leading digits, rounding half up; count may be 0 or negative.
void RoundTo(Decimal& d, int count) {
  if (count >= static_cast<int>(d.digits.size())) return;
  if (count < 0) {
    d.digits.clear();
    return;
  }
  bool up = d.digits[count] >= '5';
  d.digits.resize(count);
  if (up) {
    int i = count - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      d.exponent++;
    } else {
      d.digits[i]++;
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

char DigitAt(const Decimal& d, int i) {
  return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
}

std::string FixedText(const Decimal& d, int decimals, bool group) {
  std::string whole;
  for (int i = 0; i < d.exponent; ++i) whole += DigitAt(d, i);
  if (whole.empty()) whole = "0";
  if (group) whole = GroupThousands(whole);
  if (decimals <= 0) return whole;
  std::string frac;
  for (int i = 0; i < decimals; ++i) frac += DigitAt(d, d.exponent + i);
  return whole + "." + frac;
}

std::string ExponentText(const Decimal& d, int precision, int minExpDigits) {
  std::string text(1, DigitAt(d, 0));
  if (precision > 1) {
    text += '.';
    for (int i = 1; i < precision; ++i) text += DigitAt(d, i);
  }
  int exp = d.digits.empty() ? 0 : d.exponent - 1;
  std::string e = std::to_string(std::abs(exp));
  while (static_cast<int>(e.size()) < minExpDigits) e.insert(e.begin(), '0');
  return text + "E" + (exp < 0 ? "-" : "+") + e;
}

std::string GeneralText(const Decimal& d, int precision) {
  if (d.digits.empty()) return "0";
  if (d.exponent > precision || d.exponent < -3) {
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) text += "." + d.digits.substr(1);
    int exp = d.exponent - 1;
    return text + "E" + (exp < 0 ? "-" : "") + std::to_string(std::abs(exp));
  }
  int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent);
  return FixedText(d, decimals, false);
}

}  // namespace

std::string GroupThousands(const std::string& digits) {
  std::string out;
  int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::string FloatToText(double value, FloatStyle style, int precision, int minExponentDigits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  Decimal d = ToDecimal(value);
  std::string body;
  switch (style) {
    case FloatStyle::General:
      if (precision < 1 || precision > 18) precision = 15;
      RoundTo(d, precision);
      body = GeneralText(d, precision);
      break;
    case FloatStyle::Exponent:
      if (precision < 1 || precision > 18) precision = 15;
      RoundTo(d, precision);
      body = ExponentText(d, precision, minExponentDigits);
      break;
    case FloatStyle::Fixed:
    case FloatStyle::Number:
    case FloatStyle::Currency:
      if (precision < 0) precision = 2;
      if (precision > 18) precision = 18;
      RoundTo(d, d.exponent + precision);
      body = FixedText(d, precision, style != FloatStyle::Fixed);
      break;
  }
  // A value that rounds to zero shows no sign.
  bool negative = d.negative && !d.digits.empty();
  if (style == FloatStyle::Currency) return negative ? "($" + body + ")" : "$" + body;
  return negative ? "-" + body : body;
}

}  // namespace vcl::rtl
