#include "tools/kitsynth/Voices.h"

#include <algorithm>
#include <cmath>

namespace kitsynth {

namespace {

// A length that lets a body decaying with time constant tau die away (about
// 56 dB down), at least `len` and at most 2.6 s.
double RingOut(double len, double tau) {
  return std::min(2.6, std::max(len, 6.5 * tau));
}
}  // namespace

Buf Kick(Rng& rng, const KickP& p) {
  const double len = RingOut(p.len, p.sub > 0 ? p.decay * 1.3 : p.decay);
  Buf b = SweptSine(p.f0, p.f1, p.sweep, len);
  Decay(b, p.decay);
  if (p.sub > 0) {
    Buf s = SweptSine(p.f0 * 0.5, p.f1 * 0.5, p.sweep * 1.5, len);
    Decay(s, p.decay * 1.3);
    Mix(b, s, p.sub);
  }
  if (p.click > 0) {
    Buf c = Burst(rng, 0.012, Biquad::Band, p.clickHz, 0.0025, 0.8);
    Mix(b, c, p.click * 3);
  }
  if (p.drive > 1) Drive(b, p.drive);
  return b;
}

Buf Snare(Rng& rng, const SnareP& p) {
  const double len = RingOut(p.len, std::max(p.toneDecay, p.noiseDecay));
  Buf t1 = p.sweep > 0 ? SweptSine(p.f1 * (1 + p.sweep), p.f1, 0.01, len) : SweptSine(p.f1, p.f1, 1, len);
  Buf t2 = SweptSine(p.f2, p.f2, 1, len, 0.5);
  Mix(t1, t2, 0.6);
  Decay(t1, p.toneDecay);
  Buf n = Noise(rng, len);
  Filter(n, Biquad::High, p.lowCut);
  Filter(n, Biquad::Low, p.highCut);
  Decay(n, p.noiseDecay);
  Buf b = Silence(len);
  Mix(b, t1, p.tone);
  Mix(b, n, p.noise * 2);
  if (p.drive > 1) Drive(b, p.drive);
  return b;
}

Buf Hat(Rng& rng, const HatP& p) {
  Buf b = Silence(p.len);
  if (p.base > 0) Mix(b, MetalSquares(p.base, p.len), p.metal);
  Mix(b, Noise(rng, p.len), p.noise);
  Filter(b, Biquad::Band, p.band, 0.9);
  Filter(b, Biquad::High, p.lowCut);
  Filter(b, Biquad::High, p.lowCut * 0.8);
  Decay(b, p.decay, p.attack);
  return b;
}

Buf Cymbal(Rng& rng, const CymbalP& p) {
  Buf b = Silence(p.len);
  Mix(b, MetalSquares(p.base, p.len), p.metal);
  Mix(b, Noise(rng, p.len), p.noise);
  if (p.partials > 0) Mix(b, Partials(rng, p.base * 4, 2.5, 24, p.decay * 1.5, p.len), p.partials * 0.15);
  Filter(b, Biquad::High, p.lowCut);
  Filter(b, Biquad::High, p.lowCut * 0.9);
  Decay(b, p.decay);
  // The first moment of a crash is brighter and louder than its ring.
  Buf hit = Burst(rng, 0.06, Biquad::High, p.lowCut * 1.5, 0.015);
  Mix(b, hit, 0.8);
  if (p.bell > 0) {
    Buf bell = SweptSine(p.bellHz, p.bellHz, 1, p.len);
    Buf bell2 = SweptSine(p.bellHz * 2.41, p.bellHz * 2.41, 1, p.len);
    Mix(bell, bell2, 0.5);
    Decay(bell, p.decay * 0.7);
    Mix(b, bell, p.bell);
  }
  return b;
}

Buf Tom(Rng& rng, const TomP& p) {
  const double len = RingOut(p.len, p.decay);
  Buf b = SweptSine(p.f0, p.f1, p.sweep, len);
  if (p.overtone > 0) {
    Buf o = SweptSine(p.f0 * 1.5, p.f1 * 1.5, p.sweep, len, 1.0);
    Decay(o, p.decay * 0.5);
    Mix(b, o, p.overtone);
  }
  Decay(b, p.decay);
  if (p.noise > 0) {
    Buf n = Burst(rng, 0.08, Biquad::Low, p.noiseCut, 0.012);
    Mix(b, n, p.noise * 2);
  }
  return b;
}

Buf Clap(Rng& rng, const ClapP& p) {
  Buf b = Silence(p.len);
  for (int k = 0; k < p.bursts; ++k) {
    Buf burst = Noise(rng, 0.02);
    Decay(burst, 0.004);
    Mix(b, burst, 1.0, Frames(p.spacing * k * (0.85 + 0.3 * rng.Uniform())));
  }
  Buf tail = Noise(rng, p.len - p.spacing * p.bursts);
  Decay(tail, p.tail);
  Mix(b, tail, 0.7, Frames(p.spacing * p.bursts));
  Filter(b, Biquad::Band, p.band, p.q);
  Filter(b, Biquad::High, p.band * 0.5);
  return b;
}

Buf Rim(Rng& rng, const RimP& p) {
  Buf b = SweptSine(p.hz, p.hz, 1, p.len);
  Decay(b, p.decay);
  Buf body = SweptSine(p.body, p.body, 1, p.len, 0.3);
  Decay(body, p.decay * 1.5);
  Mix(b, body, 0.5);
  Buf c = Burst(rng, 0.01, Biquad::High, 2000, 0.0015);
  Mix(b, c, p.click * 2);
  return b;
}

Buf Cowbell(Rng& rng, const CowbellP& p) {
  Buf b = Pulse(p.f1, 0.5, p.len);
  Mix(b, Pulse(p.f2, 0.5, p.len), 0.8);
  Filter(b, Biquad::Band, p.band, 1.5);
  Filter(b, Biquad::High, p.f1 * 0.8);
  // A quick drop first, then the ring.
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = static_cast<double>(i) / Rate;
    b[i] *= static_cast<float>(0.6 * std::exp(-t / 0.012) + 0.4 * std::exp(-t / p.decay));
  }
  (void)rng;
  return b;
}

Buf Block(Rng& rng, const BlockP& p) {
  Buf b = SweptSine(p.hz * (1 + p.bend), p.hz, 0.015, p.len);
  Decay(b, p.decay);
  if (p.noise > 0) {
    Buf n = Burst(rng, 0.01, Biquad::Band, p.hz * 1.5, 0.002, 1);
    Mix(b, n, p.noise * 4);
  }
  return b;
}

Buf Shaker(Rng& rng, const ShakerP& p) {
  Buf b = Noise(rng, p.len);
  if (p.sweepFrom > 0) {
    SweepFilter(b, Biquad::Low, p.sweepFrom, p.highCut, p.decay, 0.8);
  } else {
    Filter(b, Biquad::Low, p.highCut);
  }
  Filter(b, Biquad::High, p.lowCut);
  if (p.jingles > 0) {
    Buf j = Silence(p.len);
    for (int k = 0; k < 3; ++k) Mix(j, SweptSine(p.jingleHz * (1 + 0.13 * k), p.jingleHz * (1 + 0.13 * k), 1, p.len));
    Ring(j, 90, 0.6);
    Mix(b, j, p.jingles * 0.3);
  }
  Decay(b, p.decay, p.attack);
  return b;
}

Buf Blip(Rng& rng, const BlipP& p) {
  Buf b = Silence(p.len);
  double phase = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = static_cast<double>(i) / Rate;
    double f;
    if (p.step > 0) {
      f = p.f0 * p.ratios[static_cast<int>(t / p.step) % 4];
    } else {
      f = p.f1 + (p.f0 - p.f1) * std::exp(-t / p.glide);
    }
    b[i] = p.sine ? static_cast<float>(std::sin(2 * Pi * phase)) : (phase < p.duty ? 1.0f : -1.0f);
    phase += f / Rate;
    phase -= std::floor(phase);
  }
  Decay(b, p.decay);
  (void)rng;
  return b;
}

Buf Fm(Rng& rng, const FmP& p) {
  Buf b = Silence(p.len);
  double pc = 0, pm = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = static_cast<double>(i) / Rate;
    const double index = p.index * std::exp(-t / p.indexDecay);
    b[i] = static_cast<float>(std::sin(pc + index * std::sin(pm)));
    pc += 2 * Pi * p.hz / Rate;
    pm += 2 * Pi * p.hz * p.ratio / Rate;
  }
  Decay(b, p.decay);
  (void)rng;
  return b;
}

Buf Metal(Rng& rng, const MetalP& p) {
  Buf b = Partials(rng, p.base, p.spread, p.count, p.decay, p.len);
  Gain(b, 1.0 / std::sqrt(static_cast<double>(p.count)));
  Buf s = Burst(rng, 0.05, Biquad::High, p.strikeCut, 0.008);
  Mix(b, s, p.strike * 2);
  return b;
}

Buf Stab(Rng& rng, const StabP& p) {
  Buf b = Silence(p.len);
  for (double n : p.notes) {
    for (double detune : {0.995, 1.005}) {
      double phase = rng.Uniform();
      const double f = p.root * n * detune;
      for (float& v : b) {
        v += static_cast<float>(2 * phase - 1);
        phase += f / Rate;
        phase -= std::floor(phase);
      }
    }
  }
  SweepFilter(b, Biquad::Low, p.cutoff, p.cutoff * 0.15, p.decay, 1.2);
  Decay(b, p.decay * 1.5);
  return b;
}

}  // namespace kitsynth
