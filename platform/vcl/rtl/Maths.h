// Arithmetic routines of the library and its reproducible random numbers.
#pragma once

#include <cstdint>
#include <type_traits>

// Nearest integer; an exact half goes to the even neighbour (2.5 -> 2,
// 3.5 -> 4), as the x87 does. NaN or a value beyond 64 bits raises
// EInvalidOp "Invalid floating point operation".
std::int64_t Round(double x);
// Toward zero; the same errors as Round.
std::int64_t Trunc(double x);
double Frac(double x);
double Int(double x);
int Floor(double x);
int Ceil(double x);
double IntPower(double base, int exponent);

template <class A, class B>
constexpr std::common_type_t<A, B> Max(A a, B b) {
  return a > b ? a : b;
}
template <class A, class B>
constexpr std::common_type_t<A, B> Min(A a, B b) {
  return a < b ? a : b;
}
template <class T>
constexpr T Abs(T x) {
  return x < 0 ? -x : x;
}
template <class T>
constexpr T Sqr(T x) {
  return x * x;
}

// The generator's state: each draw does RandSeed := RandSeed * 134775813 + 1
// and Random(n) is the high 32 bits of the unsigned seed times n. Tests set
// it to get a known sequence.
extern std::int32_t RandSeed;
// Seeds from the clock.
void Randomize();
// 0 <= result < range.
int Random(int range);
// 0 <= result < 1.
double Random();
// Between from and to, the larger end excluded.
int RandomRange(int from, int to);
