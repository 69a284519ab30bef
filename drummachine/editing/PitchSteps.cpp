#include "drummachine/editing/PitchSteps.h"

#include "platform/vcl/SysUtils.h"

int SemitonesUp(int pitch, int semitones) {
  double value = pitch;
  for (int i = 0; i < semitones; ++i) value *= SemitoneFactor;
  return static_cast<int>(Round(value));
}

int SemitonesDown(int pitch, int semitones) {
  double value = pitch;
  for (int i = 0; i < semitones; ++i) value /= SemitoneFactor;
  return static_cast<int>(Round(value));
}
