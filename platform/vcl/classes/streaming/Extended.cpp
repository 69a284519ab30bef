#include "platform/vcl/classes/streaming/Extended.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace vcl::streaming {

void DoubleToExtended(double value, std::uint8_t out[10]) {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  std::uint16_t sign = (bits >> 63) ? 0x8000 : 0;
  int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  std::uint64_t mantissa = 0;
  std::uint16_t biased = 0;
  if (exponent == 0x7FF) {  // infinity or NaN
    biased = 0x7FFF;
    mantissa = (std::uint64_t{1} << 63) | (fraction << 11);
  } else if (exponent != 0) {
    biased = static_cast<std::uint16_t>(exponent - 1023 + 16383);
    mantissa = (std::uint64_t{1} << 63) | (fraction << 11);
  } else if (fraction != 0) {  // subnormal double: a normal extended
    int shift = std::countl_zero(fraction);
    mantissa = fraction << shift;
    biased = static_cast<std::uint16_t>(15372 - shift);
  }
  std::uint16_t top = sign | biased;
  std::memcpy(out, &mantissa, 8);  // little-endian host, as the format
  out[8] = static_cast<std::uint8_t>(top & 0xFF);
  out[9] = static_cast<std::uint8_t>(top >> 8);
}

double ExtendedToDouble(const std::uint8_t in[10]) {
  std::uint64_t mantissa;
  std::memcpy(&mantissa, in, 8);
  std::uint16_t top = static_cast<std::uint16_t>(in[8] | (in[9] << 8));
  bool negative = (top & 0x8000) != 0;
  int biased = top & 0x7FFF;
  double result;
  if (biased == 0x7FFF) {
    result = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::quiet_NaN();
  } else if (mantissa == 0) {
    result = 0.0;
  } else {
    result = std::ldexp(static_cast<double>(mantissa), biased - 16383 - 63);
  }
  return negative ? -result : result;
}

}  // namespace vcl::streaming
