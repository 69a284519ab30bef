// What each built-in kit holds: for every wave collection file of the kit
// its waves, in order, with the name a drum button shows and the recipe that
// makes the sound; and the kit's finish (the coat every wave of the kit gets:
// grit, crushed bits, a room).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/kitsynth/Synth.h"

namespace kitsynth {

// What a wave is decides its level in the kit.
enum class Role { Kick, Snare, Tom, Hat, Cymbal, Perc };

struct WaveDef {
  std::string Name;
  Role Kind;
  std::function<Buf(Rng&)> Make;
};

struct FileDef {
  int Number;
  std::vector<WaveDef> Waves;
};

struct KitDef {
  std::vector<FileDef> Files;
  std::function<void(Buf&, Role)> Finish;
};

// The kit of that KitId (0..11; the empty kit has no waves).
KitDef DefineKit(int kitId);

}  // namespace kitsynth
