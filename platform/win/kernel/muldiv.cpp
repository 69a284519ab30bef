#include <cstdint>
#include <limits>

#include "platform/win/winbase.h"

int MulDiv(int nNumber, int nNumerator, int nDenominator) {
  if (nDenominator == 0) return -1;
  std::int64_t product = static_cast<std::int64_t>(nNumber) * nNumerator;
  std::int64_t d = nDenominator;
  // Round the half away from zero: add half the divisor in the quotient's direction.
  bool negative = (product < 0) != (d < 0);
  std::int64_t absD = d < 0 ? -d : d;
  std::int64_t absP = product < 0 ? -product : product;
  std::int64_t q = (absP + absD / 2) / absD;
  if (negative) q = -q;
  if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(q);
}
