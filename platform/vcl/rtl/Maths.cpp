#include "platform/vcl/rtl/Maths.h"

#include <chrono>
#include <cmath>

#include "platform/vcl/rtl/Exceptions.h"

namespace {

void CheckIntegral(double x) {
  // 2^63 is the first value that no longer fits.
  if (std::isnan(x) || x >= 9223372036854775808.0 || x < -9223372036854775808.0)
    throw EInvalidOp("Invalid floating point operation");
}

// Floor and Ceil give an Integer: beyond its range the result has no value.
int CheckedInt(double x) {
  if (std::isnan(x) || x >= 2147483648.0 || x < -2147483648.0) throw EInvalidOp("Invalid floating point operation");
  return static_cast<int>(x);
}

std::int32_t NextSeed() {
  std::uint32_t seed = static_cast<std::uint32_t>(RandSeed) * 134775813u + 1u;
  RandSeed = static_cast<std::int32_t>(seed);
  return RandSeed;
}

}  // namespace

std::int32_t RandSeed = 0;

std::int64_t Round(double x) {
  double f = std::floor(x);
  double diff = x - f;
  double r;
  if (diff > 0.5)
    r = f + 1;
  else if (diff < 0.5)
    r = f;
  else
    r = std::fmod(f, 2.0) == 0 ? f : f + 1;
  CheckIntegral(r);
  return static_cast<std::int64_t>(r);
}

std::int64_t Trunc(double x) {
  double t = std::trunc(x);
  CheckIntegral(t);
  return static_cast<std::int64_t>(t);
}

double Frac(double x) {
  return x - std::trunc(x);
}
double Int(double x) {
  return std::trunc(x);
}
int Floor(double x) {
  return CheckedInt(std::floor(x));
}
int Ceil(double x) {
  return CheckedInt(std::ceil(x));
}

double IntPower(double base, int exponent) {
  double result = 1.0;
  double b = base;
  long long e = exponent < 0 ? -static_cast<long long>(exponent) : exponent;
  while (e > 0) {
    if (e & 1) result *= b;
    b *= b;
    e >>= 1;
  }
  return exponent < 0 ? 1.0 / result : result;
}

void Randomize() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  RandSeed = static_cast<std::int32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

int Random(int range) {
  std::uint32_t seed = static_cast<std::uint32_t>(NextSeed());
  return static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(range)) >> 32);
}

double Random() {
  std::uint32_t seed = static_cast<std::uint32_t>(NextSeed());
  return seed / 4294967296.0;
}

int RandomRange(int from, int to) {
  if (from > to) return Random(from - to) + to;
  return Random(to - from) + from;
}
