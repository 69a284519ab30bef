// The drum synthesiser's building blocks: seeded noise, oscillators, filters,
// envelopes and the voices made of them. A voice returns a buffer of floats
// at 44,100 Hz, full scale 1; the kits shape and level them afterwards.
#pragma once

#include <cstdint>
#include <vector>

namespace kitsynth {

inline constexpr double Pi = 3.14159265358979323846;

constexpr double Rate = 44100.0;
using Buf = std::vector<float>;

// xorshift64*: the same seed gives the same noise on every machine.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : FState(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {
    if (FState == 0) FState = 1;
  }
  std::uint64_t Next() {
    FState ^= FState >> 12;
    FState ^= FState << 25;
    FState ^= FState >> 27;
    return FState * 0x2545F4914F6CDD1Dull;
  }
  // Uniform in [0, 1).
  double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  // Uniform in [-1, 1).
  double Noise() { return Uniform() * 2.0 - 1.0; }

 private:
  std::uint64_t FState;
};

// A second-order filter section (lowpass, highpass or bandpass).
class Biquad {
 public:
  enum Kind { Low, High, Band };
  Biquad(Kind kind, double hz, double q) { Set(kind, hz, q); }
  void Set(Kind kind, double hz, double q);
  float Run(float x);

 private:
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

int Frames(double seconds);
Buf Silence(double seconds);
Buf Noise(Rng& rng, double seconds);
// Exponential decay with time constant tau (seconds), after a linear attack.
double Env(double t, double tau, double attack = 0.0);
// A sine whose frequency glides from f0 to f1 with time constant sweep.
Buf SweptSine(double f0, double f1, double sweep, double seconds, double phase = 0.0);
// A naive pulse wave (duty 0..1) of frequency hz: the home keyboards' and
// game consoles' raw tone.
Buf Pulse(double hz, double duty, double seconds);
// The six detuned square waves of the classic analog cymbal circuit, scaled
// so that the lowest lies at base Hz.
Buf MetalSquares(double base, double seconds);
// A sum of inharmonic partials (struck metal): count partials from base Hz
// spread over spread octaves, each with its own decay.
Buf Partials(Rng& rng, double base, double spread, int count, double decay, double seconds);

void Filter(Buf& b, Biquad::Kind kind, double hz, double q = 0.707);
// A filtered noise burst decaying with time constant tau: clicks, strikes,
// taps.
Buf Burst(Rng& rng, double seconds, Biquad::Kind kind, double hz, double tau, double q = 0.707);
// A filter whose cut-off glides from hz0 to hz1 with time constant tau.
void SweepFilter(Buf& b, Biquad::Kind kind, double hz0, double hz1, double tau, double q);
void Decay(Buf& b, double tau, double attack = 0.0);
void Gain(Buf& b, double g);
void Mix(Buf& into, const Buf& from, double g = 1.0, int offset = 0);
// Soft saturation: tanh of drive x the signal.
void Drive(Buf& b, double drive);
// Fewer bits: the signal quantised to 2^(bits-1) steps a side.
void Crush(Buf& b, int bits);
// A lower sample rate: each value held for `hold` frames.
void Hold(Buf& b, int hold);
// A small room: a few feedback delays mixed in at wet level.
void Room(Buf& b, double size, double wet, double tail);
// Ring modulation with a sine of hz.
void Ring(Buf& b, double hz, double depth);
double Peak(const Buf& b);

}  // namespace kitsynth
