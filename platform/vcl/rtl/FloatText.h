// Decimal text of floating-point numbers, shared by Format and FloatToStr.
// Rounding is decimal, half away from zero, on the number's 17 significant
// digits, so 0.125 shows as 0.13 to two places (as the library does) rather
// than the C library's round-half-even on the binary value.
#pragma once

#include <string>

namespace vcl::rtl {

enum class FloatStyle { General, Exponent, Fixed, Number, Currency };

// Precision: significant digits for General and Exponent, decimals for the
// others. Exponent style writes at least minExponentDigits exponent digits.
std::string FloatToText(double value, FloatStyle style, int precision, int minExponentDigits = 3);

// "1234567" -> "1,234,567" (digits only, no sign).
std::string GroupThousands(const std::string& digits);

}  // namespace vcl::rtl
