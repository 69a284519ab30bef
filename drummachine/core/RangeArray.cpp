#include "drummachine/core/RangeArray.h"

void RaiseRangeError() {
  throw ERangeError("Range check error");
}
