#include "tools/kitsynth/Kits.h"

#include <cmath>
#include <stdexcept>

#include "tools/kitsynth/Voices.h"

namespace kitsynth {

namespace {

WaveDef W(std::string name, Role role, std::function<Buf(Rng&)> make) {
  return {std::move(name), role, std::move(make)};
}

// A hard gate after `open` seconds with a short release: the big snares and
// toms of the eighties, their reverb cut short.
void Gate(Buf& b, double open, double release) {
  const size_t start = static_cast<size_t>(Frames(open));
  const double n = Frames(release);
  for (size_t i = start; i < b.size(); ++i) {
    const double k = 1 - static_cast<double>(i - start) / n;
    b[i] *= static_cast<float>(k > 0 ? k : 0);
  }
}

// A tone whose pitch follows an arbitrary curve f(t).
Buf Tone(double seconds, const std::function<double(double)>& f, bool square = false) {
  Buf b = Silence(seconds);
  double phase = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    b[i] = square ? (phase < 0.5 ? 1.0f : -1.0f) : static_cast<float>(std::sin(2 * Pi * phase));
    phase += f(static_cast<double>(i) / Rate) / Rate;
    phase -= std::floor(phase);
  }
  return b;
}

// Noise gated on and off in bursts of `rate` per second (machine guns,
// rattles, crackle).
Buf Bursts(Rng& rng, double seconds, double rate, double duty, double tau) {
  Buf b = Noise(rng, seconds);
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = static_cast<double>(i) / Rate;
    const double local = std::fmod(t * rate, 1.0);
    b[i] *= static_cast<float>(local < duty ? std::exp(-local / rate / tau) : 0.0);
  }
  return b;
}

// ---------------------------------------------------------------- Analog
KitDef Analog() {
  KitDef k;
  k.Files = {
      {1,
       {W("808 Kick Long", Role::Kick,
          [](Rng& r) {
            return Kick(r, {120, 48, 0.03, 0.45, 1.4, 0.12, 1500, 1.2, 0});
          }),
        W("909 Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {230, 55, 0.02, 0.22, 0.7, 0.5, 3500, 2.0, 0});
          }),
        W("Analog Kick Short", Role::Kick,
          [](Rng& r) {
            return Kick(r, {160, 60, 0.02, 0.11, 0.45, 0.2, 2000, 1.0, 0});
          })}},
      {2,
       {W("808 Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {180, 330, 0.06, 0.8, 0.11, 0.5, 1800, 9000, 0.45, 1.0, 0});
          }),
        W("909 Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {200, 350, 0.05, 0.5, 0.17, 0.9, 2000, 12000, 0.6, 1.0, 0.5});
          }),
        W("Snappy Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {240, 420, 0.03, 0.3, 0.1, 1.0, 3000, 13000, 0.4, 1.0, 0});
          })}},
      {3,
       {W("808 Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {400, 0.8, 0.2, 7000, 10000, 0.22, 1.1, 0});
          }),
        W("909 Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {460, 0.4, 0.6, 8000, 11000, 0.28, 1.3, 0});
          })}},
      {4,
       {W("808 Pedal Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {400, 0.8, 0.2, 7000, 10000, 0.018, 0.12, 0});
          }),
        W("808 Closed Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {400, 0.8, 0.2, 7000, 10000, 0.035, 0.22, 0});
          }),
        W("909 Closed Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {460, 0.4, 0.6, 8000, 11000, 0.03, 0.2, 0});
          })}},
      {5,
       {W("Boom Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {100, 42, 0.04, 0.6, 2.0, 0.1, 1200, 1.0, 0.3});
          }),
        W("Analog Tom", Role::Tom,
          [](Rng& r) {
            return Tom(r, {200, 140, 0.06, 0.2, 0.9, 0.2, 3000, 0.1});
          }),
        W("Analog Clap", Role::Perc,
          [](Rng& r) {
            return Clap(r, {4, 0.011, 1100, 1.2, 0.16, 0.6});
          })}},
      {6,
       {W("Low Tom", Role::Tom,
          [](Rng& r) {
            return Tom(r, {130, 90, 0.08, 0.3, 1.2, 0.15, 2000, 0.1});
          }),
        W("Mid Tom", Role::Tom,
          [](Rng& r) {
            return Tom(r, {190, 130, 0.07, 0.25, 1.0, 0.15, 2500, 0.1});
          }),
        W("High Tom", Role::Tom,
          [](Rng& r) {
            return Tom(r, {270, 185, 0.06, 0.2, 0.9, 0.15, 3000, 0.1});
          }),
        W("Low Conga", Role::Tom,
          [](Rng& r) {
            return Block(r, {220, 0.12, 0.6, 0.1, 0.1});
          })}},
      {8,
       {W("808 Cymbal", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {330, 0.8, 0.3, 0.0, 5000, 0.8, 2.6, 0, 0});
          }),
        W("909 Ride", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {420, 0.6, 0.4, 0.2, 6000, 0.9, 2.8, 0.15, 900});
          }),
        W("Analog Crash", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {370, 0.4, 0.8, 0.2, 4000, 0.6, 2.4, 0, 0});
          })}},
      {9,
       {W("808 Clap", Role::Perc,
          [](Rng& r) {
            return Clap(r, {4, 0.010, 1000, 1.0, 0.12, 0.5});
          }),
        W("808 Cowbell", Role::Perc,
          [](Rng& r) {
            return Cowbell(r, {545, 815, 0.1, 0.5, 2600});
          }),
        W("Claves", Role::Perc,
          [](Rng& r) {
            return Block(r, {2500, 0.02, 0.15, 0, 0.05});
          }),
        W("Maracas", Role::Perc,
          [](Rng& r) {
            return Shaker(r, {6000, 15000, 0.002, 0.025, 0.15, 0, 0, 0});
          }),
        W("Rim Shot", Role::Perc,
          [](Rng& r) {
            return Rim(r, {1700, 0.015, 0.1, 0.5, 480});
          }),
        W("Hi Conga", Role::Perc,
          [](Rng& r) {
            return Block(r, {330, 0.1, 0.5, 0.1, 0.1});
          })}},
  };
  k.Finish = [](Buf&, Role) {};
  return k;
}

// ---------------------------------------------------------------- Breakbeat
Buf Scratch(Rng& r) {
  // A record pushed forth and back: a tone and its hiss bending with the hand.
  Buf b = Tone(0.45, [](double t) { return 250 + 1300 * std::fabs(std::sin(2 * Pi * 4.5 * t)); });
  Buf n = Noise(r, 0.45);
  Filter(n, Biquad::Band, 1800, 1.5);
  Mix(b, n, 0.6);
  Drive(b, 3);
  Decay(b, 0.25);
  return b;
}

KitDef Breakbeat() {
  KitDef k;
  k.Files = {
      {1,
       {W("Break Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {150, 58, 0.025, 0.18, 0.55, 0.7, 2500, 3.0, 0});
          }),
        W("Dusty Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {120, 50, 0.03, 0.25, 0.7, 0.4, 1800, 2.0, 0});
          }),
        W("Boom Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {90, 45, 0.04, 0.4, 1.2, 0.3, 1500, 1.5, 0.5});
          })}},
      {2,
       {W("Break Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {210, 380, 0.06, 0.6, 0.16, 1.0, 1000, 8000, 0.5, 2.5, 0.3});
          }),
        W("Crack Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {250, 450, 0.04, 0.5, 0.09, 1.0, 2000, 9000, 0.4, 4.0, 0});
          }),
        W("Fat Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {170, 300, 0.09, 0.8, 0.22, 0.9, 900, 7000, 0.7, 2.0, 0.2});
          })}},
      {3,
       {W("Dusty Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {0, 0, 1.0, 6500, 9000, 0.2, 0.9, 0});
          }),
        W("Half Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {430, 0.5, 0.6, 7000, 9500, 0.1, 0.5, 0});
          }),
        W("Sizzle Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {510, 0.4, 0.7, 8000, 11000, 0.35, 1.4, 0});
          }),
        W("Break Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {440, 0.6, 0.5, 7000, 9000, 0.26, 1.1, 0});
          })}},
      {4,
       {W("Tight Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {440, 0.6, 0.5, 7500, 10000, 0.015, 0.1, 0});
          }),
        W("Dusty Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {0, 0, 1.0, 6500, 9000, 0.03, 0.2, 0});
          }),
        W("Break Closed Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {440, 0.6, 0.5, 7000, 9000, 0.032, 0.22, 0});
          })}},
      {6,
       {W("Break Tom Low", Role::Tom,
          [](Rng& r) {
            return Tom(r, {150, 105, 0.05, 0.25, 0.9, 0.4, 3000, 0.3});
          }),
        W("Break Tom Mid", Role::Tom,
          [](Rng& r) {
            return Tom(r, {205, 150, 0.05, 0.22, 0.8, 0.4, 3500, 0.3});
          }),
        W("Break Tom High", Role::Tom,
          [](Rng& r) {
            return Tom(r, {280, 210, 0.05, 0.18, 0.7, 0.4, 4000, 0.3});
          })}},
      {8,
       {W("Trashy Crash", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {350, 0.3, 0.9, 0.3, 3500, 0.5, 2.0, 0, 0});
          }),
        W("Break Crash", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {390, 0.4, 0.7, 0.3, 4000, 0.7, 2.5, 0, 0});
          }),
        W("Dusty Ride", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {450, 0.6, 0.4, 0.3, 5000, 0.8, 2.6, 0.2, 850});
          }),
        W("Break Ride", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {480, 0.5, 0.4, 0.4, 5500, 0.9, 2.7, 0.25, 950});
          })}},
      {9,
       {W("Tambourine", Role::Perc,
          [](Rng& r) {
            return Shaker(r, {5000, 14000, 0.001, 0.08, 0.35, 1.0, 6500, 0});
          }),
        W("Shaker", Role::Perc,
          [](Rng& r) {
            return Shaker(r, {5500, 13000, 0.01, 0.04, 0.2, 0, 0, 0});
          }),
        W("Cowbell", Role::Perc,
          [](Rng& r) {
            return Cowbell(r, {560, 840, 0.09, 0.45, 2500});
          }),
        W("Rim", Role::Perc,
          [](Rng& r) {
            return Rim(r, {1600, 0.02, 0.12, 0.7, 500});
          })}},
      {10,
       {W("Stab Hit", Role::Perc,
          [](Rng& r) {
            return Stab(r, {196, {1, 1.19, 1.5, 2}, 5000, 0.2, 0.8});
          }),
        W("Scratch", Role::Perc, Scratch),
        W("Bass Hit", Role::Kick,
          [](Rng& r) {
            return Kick(r, {80, 40, 0.05, 0.5, 1.5, 0.2, 1000, 4.0, 0.4});
          }),
        W("Vinyl Pop", Role::Perc, [](Rng& r) { return Bursts(r, 0.3, 13, 0.15, 0.004); }),
        W("Horn Stab", Role::Perc,
          [](Rng& r) {
            return Stab(r, {233, {1, 1.5, 2, 3}, 3000, 0.15, 0.6});
          })}},
  };
  k.Finish = [](Buf& b, Role role) {
    // Sampled from old records: driven, a little room, 12 bits and no top end.
    if (role != Role::Kick) Room(b, 0.6, 0.3, 0.25);
    Drive(b, 1.8);
    Filter(b, Biquad::Low, 12000);
    Crush(b, 12);
  };
  return k;
}

// ---------------------------------------------------------------- Brush
// The brush touches the head (a soft tap) and sweeps across it.
Buf Swish(Rng& r, double len, double from) {
  Buf b = Shaker(r, {900, 6000, len * 0.25, len * 0.25, len, 0, 0, from});
  Buf tap = Burst(r, 0.03, Biquad::Band, 2500, 0.006, 0.8);
  Mix(b, tap, 0.5 * Peak(b) / Peak(tap));
  return b;
}

KitDef Brush() {
  KitDef k;
  k.Files = {
      {1,
       {W("Felt Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {95, 55, 0.03, 0.2, 0.7, 0.05, 800, 1.0, 0});
          }),
        W("Soft Jazz Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {85, 62, 0.05, 0.3, 0.9, 0.08, 900, 1.0, 0});
          }),
        W("Muffled Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {110, 58, 0.02, 0.12, 0.5, 0.05, 700, 1.0, 0});
          })}},
      {2,
       {W("Brush Tap", Role::Snare,
          [](Rng& r) {
            return Snare(r, {200, 340, 0.03, 0.2, 0.07, 0.8, 900, 6000, 0.35, 1.0, 0});
          }),
        W("Brush Slap", Role::Snare,
          [](Rng& r) {
            return Snare(r, {190, 320, 0.05, 0.3, 0.12, 0.9, 700, 5000, 0.5, 1.0, 0});
          }),
        W("Brush Swirl", Role::Snare, [](Rng& r) { return Swish(r, 0.8, 400); })}},
      {3,
       {W("Brushed Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {380, 0.4, 0.5, 6500, 9000, 0.3, 1.3, 0.003});
          })}},
      {4,
       {W("Brushed Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {380, 0.4, 0.5, 6500, 9000, 0.03, 0.2, 0.001});
          })}},
      {5,
       {W("Soft Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {90, 50, 0.04, 0.25, 0.8, 0.03, 700, 1.0, 0});
          }),
        W("Brush Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {210, 350, 0.04, 0.3, 0.1, 0.8, 800, 5500, 0.45, 1.0, 0});
          }),
        W("Soft Tom", Role::Tom,
          [](Rng& r) {
            return Tom(r, {170, 150, 0.1, 0.25, 1.0, 0.2, 1500, 0.2});
          })}},
      {6,
       {W("Mallet Tom Low", Role::Tom,
          [](Rng& r) {
            return Tom(r, {120, 105, 0.1, 0.35, 1.4, 0.1, 1200, 0.2});
          }),
        W("Mallet Tom Mid", Role::Tom,
          [](Rng& r) {
            return Tom(r, {165, 145, 0.1, 0.3, 1.2, 0.1, 1400, 0.2});
          }),
        W("Mallet Tom High", Role::Tom,
          [](Rng& r) {
            return Tom(r, {225, 200, 0.1, 0.25, 1.0, 0.1, 1600, 0.2});
          })}},
      {8,
       {W("Brushed Ride", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {410, 0.5, 0.5, 0.4, 4500, 0.9, 2.8, 0, 0});
          }),
        W("Brushed Crash", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {360, 0.3, 0.8, 0.3, 3500, 0.7, 2.5, 0, 0});
          }),
        W("Ride Bell", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {460, 0.3, 0.2, 0.2, 5000, 0.6, 2.2, 0.6, 820});
          })}},
      {9,
       {W("Swish", Role::Perc, [](Rng& r) { return Swish(r, 0.35, 600); }),
        W("Swish Long", Role::Perc, [](Rng& r) { return Swish(r, 0.9, 300); }),
        W("Finger Snap", Role::Perc,
          [](Rng& r) {
            return Clap(r, {1, 0.01, 2200, 2.0, 0.03, 0.2});
          }),
        W("Stick Click", Role::Perc,
          [](Rng& r) {
            return Rim(r, {2100, 0.008, 0.08, 0.6, 700});
          }),
        W("Soft Shaker", Role::Perc,
          [](Rng& r) {
            return Shaker(r, {3000, 9000, 0.02, 0.05, 0.3, 0, 0, 0});
          }),
        W("Soft Clap", Role::Perc,
          [](Rng& r) {
            return Clap(r, {3, 0.012, 900, 1.0, 0.1, 0.4});
          })}},
  };
  k.Finish = [](Buf& b, Role) {
    // Played softly in a small club.
    Room(b, 0.8, 0.25, 0.35);
    Filter(b, Biquad::Low, 12000);
  };
  return k;
}

// ---------------------------------------------------------------- Casieo
KitDef Casieo() {
  KitDef k;
  k.Files = {
      {1,
       {W("Keyboard Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {130, 60, 0.015, 0.09, 0.35, 0.2, 2000, 1.0, 0});
          }),
        W("Keyboard Kick 2", Role::Kick,
          [](Rng& r) {
            return Kick(r, {110, 55, 0.02, 0.12, 0.4, 0.1, 1500, 4.0, 0});
          })}},
      {2,
       {W("Keyboard Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {250, 500, 0.03, 0.3, 0.09, 1.0, 1500, 7000, 0.35, 1.0, 0});
          })}},
      {3,
       {W("Keyboard Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {0, 0, 1.0, 7000, 9000, 0.13, 0.6, 0});
          })}},
      {4,
       {W("Keyboard Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {0, 0, 1.0, 7000, 9000, 0.022, 0.12, 0});
          })}},
      {6,
       {W("Keyboard Tom Low", Role::Tom,
          [](Rng& r) {
            return Tom(r, {170, 120, 0.04, 0.12, 0.5, 0.1, 2000, 0});
          }),
        W("Keyboard Tom Mid", Role::Tom,
          [](Rng& r) {
            return Tom(r, {230, 165, 0.04, 0.11, 0.45, 0.1, 2000, 0});
          }),
        W("Keyboard Tom High", Role::Tom,
          [](Rng& r) {
            return Tom(r, {310, 220, 0.04, 0.1, 0.4, 0.1, 2000, 0});
          }),
        W("Synth Tom", Role::Tom,
          [](Rng& r) {
            Buf b = Blip(r, {600, 180, 0.06, 0, {1, 1, 1, 1}, 0.5, 0.15, 0.6, false});
            Filter(b, Biquad::Low, 2000);
            return b;
          })}},
      {8,
       {W("Keyboard Cymbal", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {0.1, 0, 1.0, 0, 5000, 0.35, 1.4, 0, 0});
          }),
        W("Keyboard Crash", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {0.1, 0, 1.0, 0, 4000, 0.5, 1.8, 0, 0});
          }),
        W("Keyboard Ride", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {500, 0.5, 0.5, 0, 6000, 0.45, 1.6, 0, 0});
          }),
        W("Keyboard Splash", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {0.1, 0, 1.0, 0, 6000, 0.2, 0.9, 0, 0});
          })}},
      {10,
       {W("Clave", Role::Perc,
          [](Rng& r) {
            return Block(r, {2400, 0.02, 0.12, 0, 0});
          }),
        W("Cowbell", Role::Perc,
          [](Rng& r) {
            return Cowbell(r, {590, 880, 0.06, 0.3, 2000});
          }),
        W("Hi Conga", Role::Perc,
          [](Rng& r) {
            return Block(r, {360, 0.07, 0.35, 0.1, 0});
          }),
        W("Lo Conga", Role::Perc,
          [](Rng& r) {
            return Block(r, {250, 0.08, 0.4, 0.1, 0});
          }),
        W("Tambourine", Role::Perc,
          [](Rng& r) {
            return Shaker(r, {6000, 12000, 0.001, 0.06, 0.3, 0.8, 7000, 0});
          }),
        W("Timbale", Role::Perc,
          [](Rng& r) {
            return Tom(r, {480, 440, 0.02, 0.1, 0.4, 0.3, 4000, 0.4});
          }),
        W("Handclap", Role::Perc,
          [](Rng& r) {
            return Clap(r, {3, 0.009, 1300, 1.2, 0.08, 0.3});
          }),
        W("Wood Block", Role::Perc,
          [](Rng& r) {
            return Block(r, {1100, 0.03, 0.15, 0.05, 0.1});
          }),
        W("Rim Shot", Role::Perc,
          [](Rng& r) {
            return Rim(r, {1800, 0.012, 0.08, 0.3, 500});
          })}},
  };
  k.Finish = [](Buf& b, Role) {
    // The home keyboard's 8-bit sound chip at half the rate, and its little
    // speaker's narrow band.
    Crush(b, 8);
    Hold(b, 2);
    Filter(b, Biquad::Low, 10000);
    Filter(b, Biquad::High, 60);
  };
  return k;
}

// ---------------------------------------------------------------- Disco
KitDef Disco() {
  KitDef k;
  k.Files = {
      {1,
       {W("Disco Kick Soft", Role::Kick,
          [](Rng& r) {
            return Kick(r, {110, 55, 0.025, 0.2, 0.6, 0.15, 2500, 1.0, 0});
          }),
        W("Disco Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {140, 60, 0.02, 0.2, 0.6, 0.35, 4000, 1.5, 0});
          }),
        W("Four Floor Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {170, 52, 0.018, 0.28, 0.8, 0.3, 3500, 1.8, 0.2});
          })}},
      {2,
       {W("Disco Snare Dry", Role::Snare,
          [](Rng& r) {
            return Snare(r, {220, 340, 0.05, 0.5, 0.1, 0.8, 1500, 10000, 0.4, 1.0, 0});
          }),
        W("Disco Snare", Role::Snare,
          [](Rng& r) {
            Buf b = Snare(r, {220, 340, 0.06, 0.5, 0.15, 0.9, 1300, 10000, 0.6, 1.0, 0.2});
            Mix(b, Clap(r, {3, 0.009, 1400, 1.0, 0.1, 0.4}), 0.5);
            return b;
          }),
        W("Clap Snare", Role::Snare,
          [](Rng& r) {
            return Clap(r, {4, 0.012, 1500, 0.9, 0.15, 0.6});
          })}},
      {3,
       {W("Disco Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {480, 0.6, 0.5, 8000, 12000, 0.2, 0.9, 0});
          }),
        W("Tsss Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {0, 0, 1.0, 8500, 12000, 0.28, 1.2, 0.02});
          })}},
      {4,
       {W("Disco Hat Tick", Role::Hat,
          [](Rng& r) {
            return Hat(r, {480, 0.6, 0.5, 8000, 12000, 0.012, 0.08, 0});
          }),
        W("Disco Closed Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {480, 0.6, 0.5, 8000, 12000, 0.03, 0.2, 0});
          })}},
      {5,
       {W("Syndrum Kick", Role::Kick,
          [](Rng& r) {
            return Tom(r, {300, 60, 0.04, 0.25, 0.9, 0.05, 2000, 0});
          }),
        W("Syndrum", Role::Tom,
          [](Rng& r) {
            return Tom(r, {650, 170, 0.07, 0.3, 1.1, 0.1, 3000, 0});
          }),
        W("Disco Clap", Role::Perc,
          [](Rng& r) {
            return Clap(r, {4, 0.010, 1200, 1.1, 0.14, 0.5});
          })}},
      {6,
       {W("Syn Tom Low", Role::Tom,
          [](Rng& r) {
            return Tom(r, {320, 110, 0.09, 0.3, 1.1, 0.1, 2000, 0});
          }),
        W("Syn Tom Mid", Role::Tom,
          [](Rng& r) {
            return Tom(r, {450, 160, 0.09, 0.26, 1.0, 0.1, 2500, 0});
          }),
        W("Syn Tom High", Role::Tom,
          [](Rng& r) {
            return Tom(r, {620, 230, 0.09, 0.22, 0.9, 0.1, 3000, 0});
          })}},
      {8,
       {W("Disco Crash", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {380, 0.5, 0.7, 0.3, 4500, 0.75, 2.6, 0, 0});
          }),
        W("Disco Ride", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {440, 0.6, 0.4, 0.3, 6000, 0.8, 2.6, 0.2, 880});
          }),
        W("Disco Splash", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {520, 0.4, 0.7, 0.2, 6000, 0.3, 1.3, 0, 0});
          })}},
      {9,
       {W("Disco Handclap", Role::Perc,
          [](Rng& r) {
            return Clap(r, {5, 0.009, 1300, 1.0, 0.12, 0.5});
          }),
        W("Tambourine", Role::Perc,
          [](Rng& r) {
            return Shaker(r, {5500, 15000, 0.001, 0.09, 0.4, 1.0, 7000, 0});
          }),
        W("Disco Cowbell", Role::Perc,
          [](Rng& r) {
            return Cowbell(r, {560, 830, 0.12, 0.5, 2700});
          }),
        W("Shaker", Role::Perc,
          [](Rng& r) {
            return Shaker(r, {6000, 14000, 0.012, 0.04, 0.2, 0, 0, 0});
          }),
        W("Conga", Role::Perc,
          [](Rng& r) {
            return Block(r, {300, 0.12, 0.6, 0.15, 0.15});
          })}},
  };
  k.Finish = [](Buf& b, Role role) {
    // A bright seventies studio: a touch of tape and a plate on the snare.
    if (role == Role::Snare || role == Role::Perc) Room(b, 0.9, 0.3, 0.4);
    Drive(b, 1.3);
  };
  return k;
}

// ---------------------------------------------------------------- Ensonik
Buf GatedSnare(Rng& r, double f1, double open) {
  Buf b = Snare(r, {f1, f1 * 1.8, 0.06, 0.6, 0.15, 1.0, 1200, 10000, 0.6, 1.5, 0.3});
  Room(b, 1.3, 1.2, 0.6);
  Gate(b, open, 0.02);
  return b;
}

KitDef Ensonik() {
  KitDef k;
  static const char* const kickNames[] = {"Digital Kick", "Kick Punch", "Kick Deep", "Kick Gated",
                                          "Kick Click",   "Kick Round", "Kick Heavy"};
  FileDef kicks{1, {}};
  for (int i = 0; i < 7; ++i) {
    kicks.Waves.push_back(W(kickNames[i], Role::Kick, [i](Rng& r) {
      Buf b = Kick(r, {140.0 + 25 * (i % 3), 48.0 + 4 * (i % 4), 0.02 + 0.005 * (i % 2), 0.15 + 0.05 * (i % 4), 0.8,
                       0.2 + 0.15 * (i % 3), 2500.0 + 700 * i, 1.0 + 0.6 * i, i == 2 ? 0.4 : 0.0});
      if (i == 3) Gate(b, 0.14, 0.02);
      return b;
    }));
  }
  k.Files = {
      kicks,
      {2,
       {W("Digital Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {200, 360, 0.05, 0.6, 0.12, 0.8, 1500, 11000, 0.5, 1.2, 0.2});
          }),
        W("Snare Tight", Role::Snare,
          [](Rng& r) {
            return Snare(r, {260, 450, 0.03, 0.5, 0.07, 0.9, 2500, 12000, 0.3, 1.2, 0});
          }),
        W("Snare Fat", Role::Snare,
          [](Rng& r) {
            return Snare(r, {170, 300, 0.08, 0.7, 0.18, 0.8, 1000, 9000, 0.7, 1.5, 0.3});
          }),
        W("Snare Rim", Role::Snare,
          [](Rng& r) {
            Buf b = Snare(r, {230, 400, 0.04, 0.6, 0.1, 0.7, 1800, 11000, 0.4, 1.0, 0});
            Mix(b, Rim(r, {1600, 0.02, 0.12, 0.5, 500}), 0.6);
            return b;
          }),
        W("Snare Crack", Role::Snare,
          [](Rng& r) {
            return Snare(r, {280, 520, 0.03, 0.4, 0.08, 1.0, 3000, 12000, 0.35, 2.5, 0});
          }),
        W("Gated Snare", Role::Snare, [](Rng& r) { return GatedSnare(r, 195, 0.28); })}},
      {3,
       {W("Open Hat Short", Role::Hat,
          [](Rng& r) {
            return Hat(r, {450, 0.5, 0.5, 7500, 10500, 0.12, 0.6, 0});
          }),
        W("Open Hat Long", Role::Hat,
          [](Rng& r) {
            return Hat(r, {450, 0.5, 0.5, 7500, 10500, 0.35, 1.5, 0});
          }),
        W("Digital Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {470, 0.6, 0.4, 7500, 11000, 0.22, 1.0, 0});
          })}},
      {4,
       {W("Digital Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {470, 0.6, 0.4, 7500, 11000, 0.028, 0.18, 0});
          }),
        W("Digital Hat Tick", Role::Hat,
          [](Rng& r) {
            return Hat(r, {470, 0.6, 0.4, 8500, 11000, 0.012, 0.08, 0});
          })}},
      {6,
       {W("Gated Tom Low", Role::Tom,
          [](Rng& r) {
            Buf b = Tom(r, {160, 95, 0.1, 0.35, 1.0, 0.3, 3000, 0.3});
            Room(b, 1.2, 0.8, 0.5);
            Gate(b, 0.35, 0.03);
            return b;
          }),
        W("Gated Tom High", Role::Tom,
          [](Rng& r) {
            Buf b = Tom(r, {260, 165, 0.1, 0.3, 0.9, 0.3, 3500, 0.3});
            Room(b, 1.2, 0.8, 0.5);
            Gate(b, 0.3, 0.03);
            return b;
          }),
        W("Digital Tom Mid", Role::Tom,
          [](Rng& r) {
            return Tom(r, {210, 130, 0.1, 0.3, 0.9, 0.3, 3000, 0.3});
          })}},
      {8,
       {W("Digital Crash", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {400, 0.5, 0.6, 0.4, 4500, 0.7, 2.5, 0, 0});
          }),
        W("Digital Crash 2", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {350, 0.4, 0.7, 0.4, 4000, 0.8, 2.7, 0, 0});
          }),
        W("Digital Ride", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {470, 0.6, 0.3, 0.3, 5500, 0.8, 2.6, 0.3, 870});
          })}},
      {9,
       {W("Digital Claps", Role::Perc,
          [](Rng& r) {
            return Clap(r, {4, 0.011, 1300, 1.0, 0.2, 0.6});
          }),
        W("Rim Click", Role::Perc,
          [](Rng& r) {
            return Rim(r, {1900, 0.012, 0.1, 0.5, 520});
          }),
        W("Digital Cowbell", Role::Perc,
          [](Rng& r) {
            return Cowbell(r, {600, 900, 0.1, 0.4, 3000});
          }),
        W("Agogo", Role::Perc,
          [](Rng& r) {
            return Fm(r, {880, 1.41, 2.0, 0.03, 0.15, 0.6});
          }),
        W("Tambourine", Role::Perc,
          [](Rng& r) {
            return Shaker(r, {6000, 15000, 0.001, 0.08, 0.4, 0.9, 6800, 0});
          }),
        W("Shaker", Role::Perc,
          [](Rng& r) {
            return Shaker(r, {5000, 13000, 0.015, 0.05, 0.25, 0, 0, 0});
          })}},
  };
  k.Finish = [](Buf& b, Role) {
    // Twelve-bit samples behind a clean output filter.
    Filter(b, Biquad::Low, 13000);
    Crush(b, 12);
  };
  return k;
}

// ---------------------------------------------------------------- Galaxy
KitDef Galaxy() {
  KitDef k;
  k.Files = {
      {1,
       {W("Space Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {420, 45, 0.05, 0.3, 1.0, 0.1, 3000, 1.5, 0});
          }),
        W("Warp Kick", Role::Kick,
          [](Rng& r) {
            Buf b = Kick(r, {600, 50, 0.08, 0.25, 0.9, 0.0, 3000, 1.2, 0});
            Ring(b, 30, 0.3);
            return b;
          }),
        W("Nebula Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {300, 40, 0.1, 0.4, 1.4, 0.05, 2000, 1.0, 0.3});
          }),
        W("Deep Space Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {200, 32, 0.12, 0.6, 2.2, 0.0, 2000, 1.3, 0.6});
          })}},
      {2,
       {W("Laser Snare", Role::Snare,
          [](Rng& r) {
            Buf b = Snare(r, {900, 1300, 0.04, 0.3, 0.14, 0.9, 1500, 10000, 0.6, 1.0, 2.0});
            Mix(b, Blip(r, {2400, 300, 0.03, 0, {1, 1, 1, 1}, 0.5, 0.08, 0.3, true}), 0.3);
            return b;
          }),
        W("Ion Snare", Role::Snare,
          [](Rng& r) {
            Buf b = Snare(r, {240, 390, 0.05, 0.5, 0.16, 1.0, 1200, 9000, 0.6, 1.0, 0});
            Ring(b, 1100, 0.5);
            return b;
          })}},
      {3,
       {W("Comet Hat", Role::Hat,
          [](Rng& r) {
            Buf b = Hat(r, {520, 0.8, 0.3, 6500, 9500, 0.3, 1.3, 0});
            Ring(b, 3200, 0.4);
            Filter(b, Biquad::High, 5000);
            return b;
          })}},
      {4,
       {W("Star Hat", Role::Hat,
          [](Rng& r) {
            Buf b = Hat(r, {520, 0.8, 0.3, 7000, 10500, 0.025, 0.18, 0});
            Ring(b, 3200, 0.4);
            Filter(b, Biquad::High, 6000);
            return b;
          })}},
      {6,
       {W("Orbit Tom Low", Role::Tom,
          [](Rng& r) {
            Buf b = Tom(r, {500, 110, 0.12, 0.35, 1.3, 0.05, 2000, 0.2});
            Ring(b, 18, 0.3);
            return b;
          }),
        W("Orbit Tom High", Role::Tom,
          [](Rng& r) {
            Buf b = Tom(r, {800, 210, 0.1, 0.3, 1.1, 0.05, 2000, 0.2});
            Ring(b, 22, 0.3);
            return b;
          }),
        W("Orbit Tom Mid", Role::Tom,
          [](Rng& r) {
            Buf b = Tom(r, {650, 150, 0.11, 0.32, 1.2, 0.05, 2000, 0.2});
            Ring(b, 20, 0.3);
            return b;
          })}},
      {8,
       {W("Nova Crash", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {360, 0.6, 0.6, 0.5, 4000, 0.7, 2.6, 0, 0});
          }),
        W("Pulsar Ride", Role::Cymbal,
          [](Rng& r) {
            Buf b = Cymbal(r, {450, 0.7, 0.3, 0.4, 5000, 0.8, 2.6, 0.3, 1200});
            Ring(b, 7, 0.5);
            return b;
          }),
        W("Supernova", Role::Cymbal,
          [](Rng& r) {
            Buf b = Noise(r, 2.6);
            SweepFilter(b, Biquad::Band, 12000, 1500, 0.8, 2.0);
            Decay(b, 0.7);
            return b;
          }),
        W("Solar Wind", Role::Cymbal,
          [](Rng& r) {
            Buf b = Noise(r, 2.6);
            SweepFilter(b, Biquad::Band, 800, 9000, 0.6, 3.0);
            Decay(b, 0.6, 0.004);
            return b;
          }),
        W("Meteor Cymbal", Role::Cymbal,
          [](Rng& r) {
            Buf b = Cymbal(r, {410, 0.5, 0.6, 0.6, 4500, 0.6, 2.4, 0, 0});
            Ring(b, 2100, 0.5);
            return b;
          })}},
      {9,
       {W("Laser", Role::Perc,
          [](Rng& r) {
            return Blip(r, {3000, 200, 0.04, 0, {1, 1, 1, 1}, 0.5, 0.12, 0.5, true});
          }),
        W("UFO", Role::Perc,
          [](Rng&) {
            Buf b = Tone(1.4, [](double t) { return 700 + 250 * std::sin(2 * Pi * 9 * t); });
            Decay(b, 0.4, 0.002);
            return b;
          }),
        W("Zap", Role::Perc,
          [](Rng& r) {
            Buf b = Blip(r, {1800, 90, 0.02, 0, {1, 1, 1, 1}, 0.3, 0.1, 0.4, false});
            Filter(b, Biquad::Low, 6000);
            return b;
          }),
        W("Beacon", Role::Perc,
          [](Rng& r) {
            return Fm(r, {1320, 3.5, 4.0, 0.08, 0.3, 1.2});
          }),
        W("Teleport", Role::Perc,
          [](Rng& r) {
            Buf b = Blip(r, {440, 440, 1, 0.03, {1, 1.5, 2, 3}, 0.5, 0.3, 0.7, true});
            Ring(b, 60, 0.5);
            return b;
          }),
        W("Space Clap", Role::Perc,
          [](Rng& r) {
            Buf b = Clap(r, {4, 0.011, 1300, 1.0, 0.15, 0.6});
            Ring(b, 440, 0.6);
            return b;
          }),
        W("Alien Cowbell", Role::Perc,
          [](Rng& r) {
            Buf b = Cowbell(r, {600, 905, 0.15, 0.6, 2800});
            Ring(b, 170, 0.5);
            return b;
          }),
        W("Star Rim", Role::Perc,
          [](Rng& r) {
            return Rim(r, {2300, 0.02, 0.15, 0.4, 900});
          })}},
  };
  k.Finish = [](Buf& b, Role role) {
    // Everything floats in a wide, dark echo chamber.
    if (role != Role::Kick) Room(b, 1.6, 0.35, 0.5);
  };
  return k;
}

// ---------------------------------------------------------------- HR-16
KitDef Hr16() {
  KitDef k;
  static const char* const kickNames[] = {"Rock Kick", "Tight Kick", "Room Kick", "Power Kick",
                                          "Dry Kick",  "Soft Kick",  "Deep Kick", "Electric Kick"};
  FileDef kicks{1, {}};
  for (int i = 0; i < 8; ++i) {
    kicks.Waves.push_back(W(kickNames[i], Role::Kick, [i](Rng& r) {
      Buf b = Kick(r, {110.0 + 12 * i, 52.0 - (i == 6 ? 10 : 0) + 2 * (i % 3), 0.02, 0.12 + 0.03 * (i % 5), 0.7,
                       0.45 - 0.05 * (i % 4), 3000.0 + 300 * i, i == 7 ? 3.0 : 1.3, i == 6 ? 0.4 : 0.0});
      if (i == 2) Room(b, 0.7, 0.4, 0.3);
      return b;
    }));
  }
  k.Files = {
      kicks,
      {2,
       {W("Rock Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {190, 330, 0.07, 0.6, 0.15, 0.9, 1000, 12000, 0.55, 1.3, 0.1});
          }),
        W("Tight Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {240, 410, 0.04, 0.5, 0.08, 0.9, 2000, 13000, 0.35, 1.3, 0});
          }),
        W("Piccolo Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {330, 560, 0.04, 0.6, 0.09, 0.8, 2500, 14000, 0.4, 1.2, 0});
          }),
        W("Rim Snare", Role::Snare,
          [](Rng& r) {
            Buf b = Snare(r, {210, 370, 0.05, 0.6, 0.12, 0.8, 1500, 12000, 0.45, 1.3, 0});
            Mix(b, Rim(r, {1750, 0.02, 0.12, 0.6, 520}), 0.7);
            return b;
          })}},
      {3,
       {W("HR Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {470, 0.5, 0.6, 7000, 11000, 0.3, 1.3, 0});
          })}},
      {4,
       {W("HR Closed Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {470, 0.5, 0.6, 7000, 11000, 0.03, 0.2, 0});
          }),
        W("HR Pedal Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {470, 0.5, 0.6, 6500, 10000, 0.045, 0.25, 0.004});
          })}},
      {6,
       {W("High Tom", Role::Tom,
          [](Rng& r) {
            return Tom(r, {300, 230, 0.05, 0.28, 1.1, 0.25, 3500, 0.35});
          }),
        W("Mid Tom", Role::Tom,
          [](Rng& r) {
            return Tom(r, {215, 165, 0.05, 0.32, 1.2, 0.25, 3000, 0.35});
          }),
        W("Low Tom", Role::Tom,
          [](Rng& r) {
            return Tom(r, {150, 115, 0.05, 0.38, 1.4, 0.25, 2500, 0.35});
          }),
        W("Floor Tom", Role::Tom,
          [](Rng& r) {
            return Tom(r, {110, 85, 0.05, 0.45, 1.6, 0.25, 2000, 0.35});
          })}},
      {8,
       {W("HR Crash", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {380, 0.4, 0.7, 0.5, 4000, 0.75, 2.7, 0, 0});
          }),
        W("HR Ride", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {430, 0.5, 0.3, 0.6, 5000, 0.9, 2.8, 0.25, 800});
          }),
        W("HR Ride Bell", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {430, 0.3, 0.2, 0.3, 5000, 0.6, 2.2, 0.7, 800});
          })}},
      {9,
       {W("HR Cowbell", Role::Perc,
          [](Rng& r) {
            return Cowbell(r, {570, 850, 0.11, 0.45, 2800});
          }),
        W("HR Tambourine", Role::Perc,
          [](Rng& r) {
            return Shaker(r, {6000, 15000, 0.001, 0.09, 0.45, 1.0, 7200, 0});
          }),
        W("HR Claps", Role::Perc,
          [](Rng& r) {
            return Clap(r, {4, 0.010, 1250, 1.0, 0.15, 0.5});
          }),
        W("Side Stick", Role::Perc,
          [](Rng& r) {
            return Rim(r, {1500, 0.025, 0.15, 0.4, 420});
          })}},
  };
  k.Finish = [](Buf& b, Role role) {
    // Clean sixteen-bit samples of a real kit, with the booth's air.
    if (role != Role::Kick) Room(b, 0.5, 0.15, 0.2);
    Filter(b, Biquad::Low, 15000);
  };
  return k;
}

// ---------------------------------------------------------------- Industrial
KitDef Industrial() {
  KitDef k;
  k.Files = {
      {1,
       {W("Steam Kick", Role::Kick,
          [](Rng& r) {
            Buf b = Kick(r, {180, 45, 0.03, 0.25, 0.8, 0.8, 1500, 6.0, 0.3});
            Buf n = Burst(r, 0.3, Biquad::Low, 800, 0.08);
            Mix(b, n, 0.5);
            return b;
          }),
        W("Hammer Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {140, 50, 0.02, 0.2, 0.6, 1.0, 2000, 8.0, 0});
          }),
        W("Piston Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {220, 38, 0.04, 0.35, 1.0, 0.6, 1200, 5.0, 0.5});
          })}},
      {2,
       {W("Clank Snare", Role::Snare,
          [](Rng& r) {
            Buf b = Snare(r, {220, 360, 0.05, 0.4, 0.14, 1.0, 1000, 8000, 0.5, 3.0, 0});
            Mix(b, Metal(r, {600, 2.0, 10, 0.15, 0.5, 0.0, 2000}), 0.8);
            return b;
          }),
        W("Scrap Snare", Role::Snare,
          [](Rng& r) {
            Buf b = Bursts(r, 0.4, 60, 0.7, 0.01);
            Filter(b, Biquad::Band, 2500, 0.7);
            Decay(b, 0.12);
            Mix(b, Snare(r, {200, 340, 0.04, 0.5, 0.08, 0.5, 1500, 8000, 0.4, 4.0, 0}), 1.0);
            return b;
          })}},
      {3,
       {W("Grinder Hat", Role::Hat,
          [](Rng& r) {
            Buf b = Metal(r, {4000, 1.5, 14, 0.25, 1.2, 0.6, 6000});
            Mix(b, Hat(r, {0, 0, 1.0, 6500, 9000, 0.35, 1.2, 0}), 1.5);
            Filter(b, Biquad::High, 5500);
            return b;
          })}},
      {4,
       {W("Rivet Hat", Role::Hat,
          [](Rng& r) {
            Buf b = Metal(r, {5000, 1.2, 10, 0.03, 0.25, 0.8, 7000});
            Filter(b, Biquad::High, 6000);
            return b;
          })}},
      {5,
       {W("Anvil Kick", Role::Kick,
          [](Rng& r) {
            Buf b = Kick(r, {160, 50, 0.02, 0.2, 0.7, 0.5, 2500, 4.0, 0});
            Mix(b, Metal(r, {900, 1.5, 8, 0.12, 0.7, 0.0, 2000}), 0.25);
            return b;
          }),
        W("Pipe Tom", Role::Tom,
          [](Rng& r) {
            return Metal(r, {180, 2.2, 9, 0.35, 1.2, 0.3, 1500});
          }),
        W("Tank Hit", Role::Tom,
          [](Rng& r) {
            Buf b = Metal(r, {70, 2.5, 16, 0.5, 1.8, 0.5, 800});
            Drive(b, 3.0);
            return b;
          })}},
      {6,
       {W("Pipe Low", Role::Tom,
          [](Rng& r) {
            return Metal(r, {130, 1.8, 8, 0.4, 1.4, 0.3, 1200});
          }),
        W("Pipe Mid", Role::Tom,
          [](Rng& r) {
            return Metal(r, {190, 1.8, 8, 0.35, 1.2, 0.3, 1500});
          }),
        W("Pipe High", Role::Tom,
          [](Rng& r) {
            return Metal(r, {280, 1.8, 8, 0.3, 1.0, 0.3, 1800});
          }),
        W("Oil Drum", Role::Tom,
          [](Rng& r) {
            Buf b = Tom(r, {150, 110, 0.04, 0.3, 1.2, 0.5, 2500, 0.4});
            Mix(b, Metal(r, {220, 2.5, 12, 0.4, 1.2, 0.2, 2000}), 0.7);
            return b;
          }),
        W("Boiler Tom", Role::Tom,
          [](Rng& r) {
            Buf b = Tom(r, {120, 75, 0.06, 0.4, 1.4, 0.6, 1500, 0.3});
            Drive(b, 4.0);
            return b;
          }),
        W("Gas Tank", Role::Tom,
          [](Rng& r) {
            return Metal(r, {240, 2.8, 14, 0.45, 1.6, 0.4, 2500});
          }),
        W("Girder", Role::Tom,
          [](Rng& r) {
            Buf b = Metal(r, {340, 2.0, 10, 0.35, 1.3, 0.5, 3000});
            Drive(b, 2.0);
            return b;
          })}},
      {8,
       {W("Gong", Role::Cymbal,
          [](Rng& r) {
            return Metal(r, {110, 4.0, 30, 0.9, 2.8, 0.3, 1500});
          }),
        W("Sheet Metal", Role::Cymbal,
          [](Rng& r) {
            Buf b = Metal(r, {700, 3.5, 30, 0.5, 2.2, 0.7, 3000});
            Filter(b, Biquad::High, 1500);
            return b;
          }),
        W("Trash Lid", Role::Cymbal,
          [](Rng& r) {
            Buf b = Cymbal(r, {300, 0.3, 0.9, 0.6, 2500, 0.35, 1.6, 0, 0});
            Drive(b, 3.0);
            return b;
          }),
        W("Scrap Crash", Role::Cymbal,
          [](Rng& r) {
            Buf b = Cymbal(r, {340, 0.6, 0.8, 0.9, 3000, 0.7, 2.6, 0, 0});
            Mix(b, Metal(r, {1500, 2.5, 20, 0.6, 2.6, 0, 3000}), 0.4);
            Drive(b, 2.0);
            return b;
          })}},
      {9,
       {W("Static Burst", Role::Perc,
          [](Rng& r) {
            Buf b = Bursts(r, 0.5, 40, 0.4, 0.008);
            Decay(b, 0.2);
            return b;
          }),
        W("Steam Hiss", Role::Perc,
          [](Rng& r) {
            Buf b = Noise(r, 1.6);
            Filter(b, Biquad::Band, 5000, 0.8);
            Decay(b, 0.5, 0.01);
            return b;
          }),
        W("Machine Gun", Role::Perc,
          [](Rng& r) {
            Buf b = Bursts(r, 0.8, 16, 0.5, 0.012);
            Filter(b, Biquad::Low, 3000);
            Decay(b, 0.4);
            return b;
          }),
        W("Grinder", Role::Perc,
          [](Rng& r) {
            Buf b = Tone(
                1.2, [](double t) { return 900 + 300 * std::sin(2 * Pi * 3 * t); }, true);
            Mix(b, Noise(r, 1.2), 0.6);
            Filter(b, Biquad::Band, 2200, 1.0);
            Decay(b, 0.45, 0.005);
            return b;
          }),
        W("Chain Rattle", Role::Perc,
          [](Rng& r) {
            Buf b = Silence(0.9);
            for (int i = 0; i < 9; ++i)
              Mix(b, Metal(r, {2500.0 + 400 * i, 1.0, 5, 0.03, 0.1, 0.6, 4000}), 0.8 - 0.06 * i,
                  Frames(0.04 * i + 0.02 * r.Uniform() * (i > 0)));
            return b;
          }),
        W("Pneumatic", Role::Perc,
          [](Rng& r) {
            Buf b = Bursts(r, 1.0, 24, 0.3, 0.01);
            Mix(b,
                Tone(
                    1.0, [](double) { return 120; }, true),
                0.3);
            Filter(b, Biquad::Low, 4000);
            Decay(b, 0.5);
            return b;
          }),
        W("Sparks", Role::Perc,
          [](Rng& r) {
            Buf b = Silence(0.7);
            for (int i = 0; i < 14; ++i) {
              Buf s = Burst(r, 0.02, Biquad::High, 6000, 0.003);
              Mix(b, s, 1.0 - 0.05 * i, i == 0 ? 0 : Frames(0.6 * r.Uniform()));
            }
            return b;
          }),
        W("Hydraulic", Role::Perc,
          [](Rng& r) {
            Buf b = Tone(
                0.9, [](double t) { return 60 + 400 * t; }, true);
            Mix(b, Noise(r, 0.9), 0.5);
            Filter(b, Biquad::Low, 1500);
            Decay(b, 0.3, 0.01);
            return b;
          }),
        W("Power Down", Role::Perc,
          [](Rng&) {
            Buf b = Tone(
                1.5, [](double t) { return 40 + 800 * std::exp(-t / 0.35); }, true);
            Filter(b, Biquad::Low, 3000);
            Decay(b, 0.5);
            return b;
          }),
        W("Geiger", Role::Perc,
          [](Rng& r) {
            Buf b = Silence(1.0);
            for (int i = 0; i < 18; ++i) {
              Buf s = Noise(r, 0.004);
              Mix(b, s, 1.0, i == 0 ? 0 : Frames(0.95 * r.Uniform()));
            }
            return b;
          }),
        W("Feedback Howl", Role::Perc,
          [](Rng& r) {
            Buf b = Tone(1.8, [](double t) { return 1800 + 40 * std::sin(2 * Pi * 5 * t); });
            Mix(b, Noise(r, 1.8), 0.2);
            Drive(b, 4.0);
            Filter(b, Biquad::Band, 1800, 2.0);
            Decay(b, 0.6, 0.003);
            return b;
          }),
        W("Bolt Cowbell", Role::Perc,
          [](Rng& r) {
            return Metal(r, {620, 0.6, 4, 0.12, 0.6, 0.5, 3000});
          }),
        W("Steel Clap", Role::Perc,
          [](Rng& r) {
            Buf b = Clap(r, {5, 0.008, 1600, 0.8, 0.15, 0.6});
            Mix(b, Metal(r, {1900, 1.5, 8, 0.05, 0.3, 0, 3000}), 0.3);
            return b;
          })}},
  };
  k.Finish = [](Buf& b, Role role) {
    // A concrete hall, and everything pushed into the red.
    if (role != Role::Kick) Room(b, 1.4, 0.4, 0.5);
    Drive(b, 2.2);
  };
  return k;
}

// ---------------------------------------------------------------- Lo-fi
KitDef Lofi() {
  KitDef k;
  static const char* const snareNames[] = {"Crushed Snare", "Lo Snare Short", "Lo Snare Fat",  "Lo Snare Rim",
                                           "Lo Snare Soft", "Lo Snare Noise", "Lo Snare Tone", "Crunch Snare"};
  FileDef snares{2, {}};
  for (int i = 0; i < 8; ++i) {
    snares.Waves.push_back(W(snareNames[i], Role::Snare, [i](Rng& r) {
      return Snare(r, {180.0 + 20 * i, 320.0 + 30 * i, 0.03 + 0.01 * (i % 3), 0.3 + 0.1 * (i % 4),
                       0.08 + 0.02 * (i % 4), 0.7 + 0.05 * (i % 3), 1000.0 + 200 * i, 4500, 0.4, 1.0 + 0.5 * i, 0});
    }));
  }
  snares.Waves.push_back(W("Crushed Clap", Role::Perc, [](Rng& r) {
    return Clap(r, {4, 0.011, 1200, 1.0, 0.14, 0.5});
  }));
  snares.Waves.push_back(W("Crushed Rim", Role::Perc, [](Rng& r) { return Rim(r, {1600, 0.02, 0.12, 0.6, 480}); }));
  k.Files = {
      {1,
       {W("Crushed Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {130, 50, 0.025, 0.2, 0.6, 0.3, 2000, 2.0, 0});
          }),
        W("Dirty Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {110, 45, 0.03, 0.3, 0.8, 0.4, 1500, 4.0, 0});
          }),
        W("Tape Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {95, 50, 0.03, 0.25, 0.7, 0.1, 1000, 1.5, 0.2});
          })}},
      snares,
      {3,
       {W("Crushed Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {430, 0.5, 0.6, 6000, 8500, 0.2, 0.9, 0});
          })}},
      {4,
       {W("Lo Hat Tick", Role::Hat,
          [](Rng& r) {
            return Hat(r, {430, 0.5, 0.6, 6500, 9000, 0.012, 0.08, 0});
          }),
        W("Lo Hat Noise", Role::Hat,
          [](Rng& r) {
            return Hat(r, {0, 0, 1.0, 6000, 8500, 0.03, 0.2, 0});
          }),
        W("Dirty Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {430, 0.5, 0.6, 6000, 8500, 0.06, 0.35, 0});
          }),
        W("Crushed Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {430, 0.5, 0.6, 6500, 9000, 0.028, 0.18, 0});
          })}},
      {6,
       {W("Crushed Tom", Role::Tom,
          [](Rng& r) {
            return Tom(r, {170, 120, 0.05, 0.22, 0.8, 0.2, 2500, 0.3});
          }),
        W("Crushed Tom High", Role::Tom,
          [](Rng& r) {
            return Tom(r, {250, 180, 0.05, 0.2, 0.7, 0.2, 2500, 0.3});
          }),
        W("Crushed Tom Low", Role::Tom,
          [](Rng& r) {
            return Tom(r, {120, 85, 0.05, 0.25, 0.9, 0.2, 2500, 0.3});
          })}},
      {8,
       {W("Crushed Cymbal", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {380, 0.5, 0.6, 0.3, 4000, 0.6, 2.2, 0, 0});
          })}},
  };
  k.Finish = [](Buf& b, Role role) {
    // A cheap sampler: a third of the machine's rate and six bits.
    Drive(b, 1.6);
    Hold(b, 3);
    Crush(b, role == Role::Kick ? 8 : 6);
  };
  return k;
}

// ---------------------------------------------------------------- Soft Synth
KitDef SoftSynth() {
  KitDef k;
  k.Files = {
      {1,
       {W("Soft Kick", Role::Kick,
          [](Rng& r) {
            return Kick(r, {110, 50, 0.03, 0.25, 0.8, 0.08, 1500, 1.0, 0});
          })}},
      {2,
       {W("Soft Snare", Role::Snare,
          [](Rng& r) {
            return Snare(r, {230, 370, 0.05, 0.5, 0.12, 0.7, 1500, 8000, 0.5, 1.0, 0});
          })}},
      {3,
       {W("Soft Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {0, 0, 1.0, 7000, 10000, 0.2, 0.9, 0.002});
          })}},
      {4,
       {W("Soft Closed Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {0, 0, 1.0, 7000, 10000, 0.025, 0.15, 0.001});
          })}},
      {5,
       {W("Deep BD", Role::Kick,
          [](Rng& r) {
            return Kick(r, {75, 36, 0.05, 0.55, 1.8, 0.03, 800, 1.0, 0.4});
          })}},
      {6,
       {W("Synth Tom Low", Role::Tom,
          [](Rng& r) {
            return Tom(r, {200, 120, 0.08, 0.25, 1.0, 0.05, 2000, 0});
          }),
        W("Synth Tom Mid", Role::Tom,
          [](Rng& r) {
            return Tom(r, {280, 170, 0.08, 0.22, 0.9, 0.05, 2000, 0});
          }),
        W("Synth Tom High", Role::Tom,
          [](Rng& r) {
            return Tom(r, {380, 240, 0.08, 0.2, 0.8, 0.05, 2000, 0});
          }),
        W("Blip Tom", Role::Tom,
          [](Rng& r) {
            return Blip(r, {520, 260, 0.05, 0, {1, 1, 1, 1}, 0.5, 0.15, 0.6, true});
          })}},
      {8,
       {W("Blip Snare", Role::Snare,
          [](Rng& r) {
            Buf b = Burst(r, 0.3, Biquad::High, 1500, 0.06);
            Buf blip = Blip(r, {1200, 400, 0.02, 0, {1, 1, 1, 1}, 0.25, 0.05, 0.25, false});
            Filter(blip, Biquad::Low, 5000);
            Mix(b, blip, 0.5);
            return b;
          })}},
      {9,
       {W("Synth Bell", Role::Perc,
          [](Rng& r) {
            return Fm(r, {660, 3.5, 3.0, 0.15, 0.4, 1.5});
          }),
        W("Synth Pluck", Role::Perc,
          [](Rng& r) {
            return Fm(r, {330, 1.0, 5.0, 0.04, 0.2, 0.8});
          }),
        W("Synth Clap", Role::Perc,
          [](Rng& r) {
            return Clap(r, {3, 0.010, 1500, 1.4, 0.09, 0.4});
          }),
        W("Synth Rim", Role::Perc,
          [](Rng& r) {
            return Fm(r, {1750, 2.2, 2.0, 0.005, 0.015, 0.15});
          }),
        W("Synth Cowbell", Role::Perc,
          [](Rng& r) {
            return Fm(r, {560, 1.46, 1.5, 0.05, 0.12, 0.6});
          })}},
      {10,
       {W("Coin", Role::Perc,
          [](Rng& r) {
            Buf b = Blip(r, {988, 988, 1, 0.07, {1, 1.335, 1.335, 1.335}, 0.5, 0.25, 0.6, false});
            Filter(b, Biquad::Low, 7000);
            return b;
          }),
        W("Jump", Role::Perc,
          [](Rng& r) {
            Buf b = Tone(
                0.3, [](double t) { return 250 + 1500 * t; }, true);
            Decay(b, 0.12);
            Filter(b, Biquad::Low, 6000);
            (void)r;
            return b;
          }),
        W("Power Up", Role::Perc,
          [](Rng& r) {
            Buf b = Blip(r, {523, 523, 1, 0.04, {1, 1.26, 1.5, 2}, 0.25, 0.5, 0.9, false});
            Filter(b, Biquad::Low, 6000);
            return b;
          }),
        W("Explosion", Role::Perc,
          [](Rng& r) {
            Buf b = Noise(r, 1.0);
            Hold(b, 12);
            Filter(b, Biquad::Low, 3000);
            Decay(b, 0.25);
            return b;
          })}},
      {11,
       {W("Synth Stab", Role::Perc,
          [](Rng& r) {
            return Fm(r, {220, 2.0, 4.0, 0.1, 0.3, 1.0});
          }),
        W("Soft Pad Hit", Role::Perc,
          [](Rng& r) {
            return Stab(r, {262, {1, 1.26, 1.5, 1.89}, 2500, 0.3, 1.2});
          })}},
  };
  k.Finish = [](Buf& b, Role role) {
    // Soft and round: a gentle room, no harsh top.
    if (role != Role::Kick) Room(b, 0.7, 0.2, 0.25);
    Filter(b, Biquad::Low, 14000);
  };
  return k;
}

// ---------------------------------------------------------------- Yahmeha
KitDef Yahmeha() {
  KitDef k;
  struct SnareRecipe {
    const char* name;
    SnareP p;
    double rim;
  };
  static const SnareRecipe snareRecipes[] = {
      {"Rock Snare Dry", {200, 350, 0.07, 0.6, 0.13, 0.9, 1000, 11000, 0.5, 1.4, 0.1}, 0},
      {"Snare Rimshot", {215, 370, 0.06, 0.6, 0.14, 0.9, 1200, 12000, 0.5, 1.6, 0.1}, 0.8},
      {"Snare Wood", {180, 300, 0.09, 0.9, 0.1, 0.6, 900, 9000, 0.5, 1.2, 0.1}, 0},
      {"Snare Piccolo", {320, 540, 0.05, 0.6, 0.1, 0.9, 2500, 13000, 0.4, 1.3, 0.1}, 0},
      {"Snare Loose", {170, 290, 0.08, 0.5, 0.25, 1.0, 800, 9000, 0.8, 1.2, 0.1}, 0},
      {"Snare Fat", {160, 280, 0.1, 0.8, 0.2, 0.9, 800, 8000, 0.8, 1.6, 0.2}, 0},
      {"Side Stick", {400, 700, 0.02, 0.1, 0.02, 0.05, 3000, 9000, 0.2, 1.0, 0}, 1.0},
      {"Rock Snare", {195, 345, 0.08, 0.6, 0.17, 1.0, 1000, 11000, 0.7, 1.8, 0.15}, 0.3},
  };
  FileDef snares{2, {}};
  for (const SnareRecipe& s : snareRecipes) {
    snares.Waves.push_back(W(s.name, Role::Snare, [s](Rng& r) {
      Buf b = Snare(r, s.p);
      if (s.rim > 0) Mix(b, Rim(r, {1650, 0.02, 0.12, 0.6, 480}), s.rim);
      return b;
    }));
  }
  auto tom = [](double f, double decay) {
    return [f, decay](Rng& r) { return Tom(r, {f * 1.3, f, 0.03, decay, decay * 4.5, 0.35, 3000, 0.35}); };
  };
  k.Files = {
      {1,
       {W("Rock Kick Dry", Role::Kick,
          [](Rng& r) {
            return Kick(r, {120, 55, 0.02, 0.15, 0.5, 0.6, 3500, 1.5, 0});
          }),
        W("Kick Muffled", Role::Kick,
          [](Rng& r) {
            return Kick(r, {100, 52, 0.02, 0.1, 0.4, 0.3, 2000, 1.2, 0});
          }),
        W("Rock Kick", Role::Kick,
          [](Rng& r) {
            Buf b = Kick(r, {130, 56, 0.02, 0.2, 0.7, 0.7, 3800, 1.8, 0.2});
            Room(b, 0.9, 0.3, 0.3);
            return b;
          }),
        W("Kick Boomy", Role::Kick,
          [](Rng& r) {
            return Kick(r, {95, 45, 0.03, 0.35, 1.0, 0.4, 3000, 1.4, 0.3});
          })}},
      snares,
      {3,
       {W("Rock Open Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {460, 0.4, 0.7, 6500, 10000, 0.3, 1.4, 0});
          }),
        W("Loose Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {460, 0.4, 0.7, 6500, 10000, 0.15, 0.8, 0});
          })}},
      {4,
       {W("Hat Tip", Role::Hat,
          [](Rng& r) {
            return Hat(r, {460, 0.4, 0.7, 7500, 11000, 0.012, 0.08, 0});
          }),
        W("Hat Pedal", Role::Hat,
          [](Rng& r) {
            return Hat(r, {460, 0.4, 0.7, 6500, 9500, 0.04, 0.25, 0.004});
          }),
        W("Rock Closed Hat", Role::Hat,
          [](Rng& r) {
            return Hat(r, {460, 0.4, 0.7, 7000, 10500, 0.03, 0.2, 0});
          })}},
      {5, {W("Floor Tom", Role::Tom, tom(95, 0.4)), W("Floor Tom Deep", Role::Tom, tom(80, 0.45))}},
      {6, {W("Rack Tom Mid", Role::Tom, tom(145, 0.33)), W("Rack Tom Mid 2", Role::Tom, tom(160, 0.3))}},
      {7, {W("Rack Tom High", Role::Tom, tom(200, 0.28)), W("Rack Tom High 2", Role::Tom, tom(225, 0.25))}},
      {8,
       {W("Rock Crash", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {390, 0.4, 0.7, 0.6, 3500, 0.75, 2.8, 0, 0});
          }),
        W("Crash Dark", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {330, 0.4, 0.7, 0.6, 2500, 0.7, 2.7, 0, 0});
          }),
        W("Rock Ride", Role::Cymbal,
          [](Rng& r) {
            return Cymbal(r, {440, 0.5, 0.3, 0.7, 4500, 0.9, 2.8, 0.25, 760});
          }),
        W("China", Role::Cymbal,
          [](Rng& r) {
            Buf b = Cymbal(r, {300, 0.7, 0.6, 0.5, 2000, 0.5, 2.2, 0, 0});
            Drive(b, 2.5);
            return b;
          })}},
      {9,
       {W("Tambourine", Role::Perc,
          [](Rng& r) {
            return Shaker(r, {5500, 15000, 0.001, 0.1, 0.45, 1.0, 6900, 0});
          }),
        W("Rock Cowbell", Role::Perc,
          [](Rng& r) {
            return Cowbell(r, {530, 790, 0.14, 0.55, 2400});
          })}},
      {10,
       {W("Shaker", Role::Perc,
          [](Rng& r) {
            return Shaker(r, {4500, 12000, 0.02, 0.05, 0.3, 0, 0, 0});
          }),
        W("Handclap", Role::Perc,
          [](Rng& r) {
            return Clap(r, {5, 0.012, 1100, 0.9, 0.2, 0.6});
          })}},
  };
  k.Finish = [](Buf& b, Role role) {
    // A band in a live room: overheads and a little tape.
    if (role != Role::Kick) Room(b, 1.0, 0.3, 0.4);
    Drive(b, 1.2);
    Filter(b, Biquad::Low, 14000);
  };
  return k;
}

}  // namespace

KitDef DefineKit(int kitId) {
  switch (kitId) {
    case 0: return Analog();
    case 1: return Breakbeat();
    case 2: return Brush();
    case 3: return Casieo();
    case 4: return Disco();
    case 5: return Ensonik();
    case 6: return Galaxy();
    case 7: return Hr16();
    case 8: return Industrial();
    case 9: return Lofi();
    case 10: return SoftSynth();
    case 11: return Yahmeha();
    default: return {};
  }
}

}  // namespace kitsynth
