// The drum voices, each shaped by a few numbers. A kit picks the numbers
// that give it its character.
#pragma once

#include "tools/kitsynth/Synth.h"

namespace kitsynth {

struct KickP {
  double f0 = 160, f1 = 50;  // the pitch falls from f0 to f1...
  double sweep = 0.035;  // ...with this time constant
  double decay = 0.3, len = 0.6;
  double click = 0.3;  // the beater: a short noise burst
  double clickHz = 3000;
  double drive = 1.0;  // saturation, 1 = hardly any
  double sub = 0.0;  // a second, lower sine
};
Buf Kick(Rng& rng, const KickP& p);

struct SnareP {
  double f1 = 185, f2 = 330;  // the shell's two modes
  double toneDecay = 0.07, tone = 0.6;
  double noiseDecay = 0.13, noise = 0.8;
  double lowCut = 1200, highCut = 9000;  // the wires' band
  double len = 0.4;
  double drive = 1.0;
  double sweep = 0.0;  // a pitch drop of the shell at the hit (0 = none)
};
Buf Snare(Rng& rng, const SnareP& p);

struct HatP {
  double base = 400;  // metal squares' lowest tone, 0 = noise only
  double metal = 0.7, noise = 0.4;
  double lowCut = 7000, band = 10000;
  double decay = 0.04, len = 0.2, attack = 0.0;
};
Buf Hat(Rng& rng, const HatP& p);

struct CymbalP {
  double base = 330, metal = 0.5, noise = 0.6, partials = 0.3;
  double lowCut = 4000, decay = 0.7, len = 2.2;
  double bell = 0.0, bellHz = 780;  // a ride's bell tone
};
Buf Cymbal(Rng& rng, const CymbalP& p);

struct TomP {
  double f0 = 220, f1 = 150, sweep = 0.08;
  double decay = 0.22, len = 0.6;
  double noise = 0.15, noiseCut = 2500;
  double overtone = 0.3;  // a second mode at 1.5 x
};
Buf Tom(Rng& rng, const TomP& p);

struct ClapP {
  int bursts = 4;
  double spacing = 0.011, band = 1200, q = 1.2;
  double tail = 0.18, len = 0.45;
};
Buf Clap(Rng& rng, const ClapP& p);

struct RimP {
  double hz = 1700, decay = 0.018, len = 0.12, click = 0.5, body = 480;
};
Buf Rim(Rng& rng, const RimP& p);

struct CowbellP {
  double f1 = 545, f2 = 815, decay = 0.12, len = 0.45, band = 2600;
};
Buf Cowbell(Rng& rng, const CowbellP& p);

// Clave, wood block, conga and bongo: a decaying sine with a little bend.
struct BlockP {
  double hz = 2500, decay = 0.025, len = 0.15, bend = 0.0, noise = 0.05;
};
Buf Block(Rng& rng, const BlockP& p);

// Maracas, shakers, tambourines and brush swishes: shaped, filtered noise.
struct ShakerP {
  double lowCut = 5000, highCut = 16000;
  double attack = 0.004, decay = 0.05, len = 0.2;
  double jingles = 0.0, jingleHz = 6500;  // a tambourine's jingles
  double sweepFrom = 0.0;  // a swish: the band opens from here
};
Buf Shaker(Rng& rng, const ShakerP& p);

// The chip sounds of home computers and game consoles: a pulse wave stepping
// or gliding through pitches.
struct BlipP {
  double f0 = 880, f1 = 880, glide = 0.05;
  double step = 0.0;  // seconds a note of an arpeggio lasts, 0 = glide
  double ratios[4] = {1, 1.26, 1.5, 2};
  double duty = 0.5, decay = 0.2, len = 0.4;
  bool sine = false;
};
Buf Blip(Rng& rng, const BlipP& p);

// Two-operator FM: a carrier and a decaying modulator (bells, synth stabs).
struct FmP {
  double hz = 440, ratio = 1.4, index = 3.0, indexDecay = 0.1, decay = 0.4, len = 0.8;
};
Buf Fm(Rng& rng, const FmP& p);

// Struck metal: inharmonic partials with a noisy strike.
struct MetalP {
  double base = 300, spread = 3.0;
  int count = 12;
  double decay = 0.3, len = 0.8, strike = 0.4, strikeCut = 2000;
};
Buf Metal(Rng& rng, const MetalP& p);

// A chord of detuned saw waves with a falling filter: the orchestral stab of
// a sampler, made of oscillators.
struct StabP {
  double root = 220;
  double notes[4] = {1, 1.26, 1.5, 2};
  double cutoff = 4000, decay = 0.2, len = 0.6;
};
Buf Stab(Rng& rng, const StabP& p);

}  // namespace kitsynth
