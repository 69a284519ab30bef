#include "drummachine/core/StepInterval.h"

#include "platform/vcl/SysUtils.h"

double StepIntervalExact(int tempo, int metre, bool allSixteenth) {
  // Every writer keeps the tempo within 10 .. 300; a tempo below 1 is taken
  // as 1 rather than dividing by zero.
  double beats = Max(tempo, 1) * (allSixteenth ? 1.0 : 2.0);
  double division = metre == 4 ? 4 : 3;
  return 60 / beats * 1000 / division;
}

unsigned StepInterval(int tempo, int metre, bool allSixteenth) {
  double exact = StepIntervalExact(tempo, metre, allSixteenth);
  return static_cast<unsigned>(Round(exact));
}
