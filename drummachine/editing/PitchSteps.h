// Semitone steps of a track's pitch: the frequency times or divided by the
// twelfth root of two, once per semitone, each product kept exactly and the
// result rounded to the nearest hertz, halves to even.
#pragma once

// The twelfth root of two as the pitch presets use it (ten decimals).
constexpr double SemitoneFactor = 1.0594630934;

int SemitonesUp(int pitch, int semitones);
int SemitonesDown(int pitch, int semitones);
