#include "drummachine/core/RandomSource.h"

#include "platform/vcl/SysUtils.h"

void TLibraryRandom::Randomize() {
  ::Randomize();
}

int TLibraryRandom::Random(int range) {
  // A range of 0 still takes a draw, as the library does.
  return ::Random(range < 0 ? 0 : range);
}
