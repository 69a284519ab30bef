#include "tools/kitsynth/Synth.h"

#include <algorithm>
#include <cmath>

namespace kitsynth {

namespace {}

void Biquad::Set(Kind kind, double hz, double q) {
  hz = std::clamp(hz, 10.0, Rate * 0.45);
  const double w = 2 * Pi * hz / Rate;
  const double alpha = std::sin(w) / (2 * q);
  const double c = std::cos(w);
  double n0, n1, n2;
  switch (kind) {
    case Low: n0 = (1 - c) / 2, n1 = 1 - c, n2 = (1 - c) / 2; break;
    case High: n0 = (1 + c) / 2, n1 = -(1 + c), n2 = (1 + c) / 2; break;
    default: n0 = alpha, n1 = 0, n2 = -alpha; break;
  }
  const double d0 = 1 + alpha;
  b0 = n0 / d0, b1 = n1 / d0, b2 = n2 / d0, a1 = -2 * c / d0, a2 = (1 - alpha) / d0;
}

float Biquad::Run(float x) {
  const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
  x2 = x1, x1 = x, y2 = y1, y1 = y;
  return static_cast<float>(y);
}

int Frames(double seconds) {
  return std::max(1, static_cast<int>(std::lround(seconds * Rate)));
}

Buf Silence(double seconds) {
  return Buf(static_cast<size_t>(Frames(seconds)), 0.0f);
}

Buf Noise(Rng& rng, double seconds) {
  Buf b = Silence(seconds);
  for (float& v : b) v = static_cast<float>(rng.Noise());
  return b;
}

double Env(double t, double tau, double attack) {
  const double a = attack > 0 && t < attack ? t / attack : 1.0;
  return a * std::exp(-std::max(0.0, t - attack) / tau);
}

Buf SweptSine(double f0, double f1, double sweep, double seconds, double phase) {
  Buf b = Silence(seconds);
  double p = phase;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = static_cast<double>(i) / Rate;
    const double f = f1 + (f0 - f1) * std::exp(-t / sweep);
    b[i] = static_cast<float>(std::sin(p));
    p += 2 * Pi * f / Rate;
  }
  return b;
}

Buf Pulse(double hz, double duty, double seconds) {
  Buf b = Silence(seconds);
  double p = 0;
  for (float& v : b) {
    v = p < duty ? 1.0f : -1.0f;
    p += hz / Rate;
    p -= std::floor(p);
  }
  return b;
}

Buf MetalSquares(double base, double seconds) {
  static const double ratios[] = {1.0, 1.4826, 1.8003, 2.5459, 2.6301, 3.8966};
  Buf b = Silence(seconds);
  double phase[6] = {0.1, 0.37, 0.55, 0.72, 0.21, 0.9};
  for (float& v : b) {
    double s = 0;
    for (int k = 0; k < 6; ++k) {
      s += phase[k] < 0.5 ? 1 : -1;
      phase[k] += base * ratios[k] / Rate;
      phase[k] -= std::floor(phase[k]);
    }
    v = static_cast<float>(s / 6);
  }
  return b;
}

Buf Partials(Rng& rng, double base, double spread, int count, double decay, double seconds) {
  Buf b = Silence(seconds);
  for (int k = 0; k < count; ++k) {
    const double f = base * std::pow(2.0, spread * rng.Uniform());
    const double tau = decay * (0.4 + rng.Uniform()) * std::pow(base / f, 0.5);
    const double amp = 0.5 + rng.Uniform();
    double p = rng.Uniform() * 2 * Pi;
    const double dp = 2 * Pi * f / Rate;
    for (size_t i = 0; i < b.size(); ++i) {
      b[i] += static_cast<float>(amp * std::sin(p) * std::exp(-static_cast<double>(i) / Rate / tau));
      p += dp;
    }
  }
  return b;
}

void Filter(Buf& b, Biquad::Kind kind, double hz, double q) {
  Biquad f(kind, hz, q);
  for (float& v : b) v = f.Run(v);
}

Buf Burst(Rng& rng, double seconds, Biquad::Kind kind, double hz, double tau, double q) {
  Buf b = Noise(rng, seconds);
  Filter(b, kind, hz, q);
  Decay(b, tau);
  return b;
}

void SweepFilter(Buf& b, Biquad::Kind kind, double hz0, double hz1, double tau, double q) {
  Biquad f(kind, hz0, q);
  for (size_t i = 0; i < b.size(); ++i) {
    if (i % 32 == 0) f.Set(kind, hz1 + (hz0 - hz1) * std::exp(-static_cast<double>(i) / Rate / tau), q);
    b[i] = f.Run(b[i]);
  }
}

void Decay(Buf& b, double tau, double attack) {
  for (size_t i = 0; i < b.size(); ++i) b[i] *= static_cast<float>(Env(static_cast<double>(i) / Rate, tau, attack));
}

void Gain(Buf& b, double g) {
  for (float& v : b) v *= static_cast<float>(g);
}

void Mix(Buf& into, const Buf& from, double g, int offset) {
  if (into.size() < from.size() + static_cast<size_t>(offset)) into.resize(from.size() + static_cast<size_t>(offset));
  for (size_t i = 0; i < from.size(); ++i) into[i + static_cast<size_t>(offset)] += static_cast<float>(g * from[i]);
}

void Drive(Buf& b, double drive) {
  const double norm = std::tanh(drive);
  for (float& v : b) v = static_cast<float>(std::tanh(drive * v) / norm);
}

void Crush(Buf& b, int bits) {
  const double steps = std::pow(2.0, bits - 1);
  const double peak = std::max(Peak(b), 1e-9);
  for (float& v : b) v = static_cast<float>(std::round(v / peak * steps) / steps * peak);
}

void Hold(Buf& b, int hold) {
  for (size_t i = 0; i < b.size(); ++i)
    if (i % static_cast<size_t>(hold) != 0) b[i] = b[i - 1];
}

void Room(Buf& b, double size, double wet, double tail) {
  const size_t extra = static_cast<size_t>(Frames(tail));
  b.resize(b.size() + extra, 0.0f);
  static const double delays[] = {0.0297, 0.0371, 0.0411, 0.0437};
  Buf out(b.size(), 0.0f);
  for (double d : delays) {
    const size_t n = static_cast<size_t>(std::max(1, Frames(d * size)));
    const double fb = std::exp(std::log(0.001) * d * size / tail);
    Buf line(b.size(), 0.0f);
    double lp = 0;
    for (size_t i = 0; i < b.size(); ++i) {
      const double fed = i >= n ? line[i - n] : 0.0;
      lp = lp * 0.3 + fed * 0.7;
      line[i] = static_cast<float>(b[i] + fb * lp);
      out[i] += static_cast<float>(fed);
    }
  }
  for (size_t i = 0; i < b.size(); ++i) b[i] += static_cast<float>(wet * out[i] / 4);
}

void Ring(Buf& b, double hz, double depth) {
  for (size_t i = 0; i < b.size(); ++i)
    b[i] *= static_cast<float>(1 - depth + depth * std::sin(2 * Pi * hz * static_cast<double>(i) / Rate));
}

double Peak(const Buf& b) {
  double p = 0;
  for (float v : b) p = std::max(p, static_cast<double>(std::fabs(v)));
  return p;
}

}  // namespace kitsynth
