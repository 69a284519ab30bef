// kitsynth OUTDIR: synthesises the waves of every built-in kit and writes the
// kits' wave collection files into OUTDIR, named as the kit table names them.
// Every wave is 16-bit mono at 44,100 Hz, starts on its first frame, ends
// before 3 s and is levelled by what it is, so that a kit played at the
// tracks' default volume stays below full scale. The noise is seeded by kit,
// file and wave, so that every build writes the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

#include "drummachine/core/BuiltinKits.h"
#include "sound/DsSounds.h"
#include "tools/kitsynth/Kits.h"

using namespace kitsynth;

namespace {

constexpr double MaxSeconds = 2.9;

double PeakLevel(Role role) {
  switch (role) {
    case Role::Kick: return -2.0;
    case Role::Snare: return -3.0;
    case Role::Tom: return -4.0;
    case Role::Hat: return -7.0;
    case Role::Cymbal: return -7.0;
    default: return -5.0;
  }
}

// Brings the wave's peak to the level of what it is.
void Level(Buf& b, Role role) {
  const double peak = Peak(b);
  if (peak <= 0) throw std::runtime_error("a wave came out silent");
  Gain(b, std::pow(10.0, PeakLevel(role) / 20) / peak);
}

// Cuts the silence at the wave's end (with a short fade so that the cut does
// not click) and quantises it to 16 bits.
std::vector<std::int16_t> Quantise(Buf b) {
  size_t end = b.size();
  while (end > 1 && std::fabs(b[end - 1]) * 32767 < 2.0) --end;
  // A cymbal still ringing at the limit fades out over its last 0.4 s.
  const bool capped = end > static_cast<size_t>(Frames(MaxSeconds));
  if (capped) end = static_cast<size_t>(Frames(MaxSeconds));
  b.resize(end);
  // A wave still sounding at its end (a tail a room or a drive keeps up)
  // fades out over its last quarter, up to 0.25 s; a wave that has died away
  // only over 5 ms.
  const Buf last(b.end() - static_cast<long>(std::min(end, static_cast<size_t>(Frames(0.01)))), b.end());
  const bool sounding = Peak(last) > 0.005 * Peak(b);
  const size_t fade = capped     ? static_cast<size_t>(Frames(0.4))
                      : sounding ? std::min(end / 4, static_cast<size_t>(Frames(0.25)))
                                 : std::min(end / 4, static_cast<size_t>(Frames(0.005)));
  for (size_t i = 0; i < fade; ++i) b[end - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
  std::vector<std::int16_t> out(b.size());
  for (size_t i = 0; i < b.size(); ++i)
    out[i] = static_cast<std::int16_t>(std::lround(std::clamp(b[i], -1.0f, 1.0f) * 32767));
  return out;
}

void SetWave(TWave& wave, const std::vector<std::int16_t>& frames) {
  wave.SetFormatSize(sizeof(WAVEFORMATEX));
  MakePCMFormat(*static_cast<WAVEFORMATEX*>(wave.GetFormatMemory()), 44100, 16, 1);
  wave.SetSize(static_cast<int>(frames.size() * 2));
  std::copy(frames.begin(), frames.end(), static_cast<std::int16_t*>(wave.GetDataMemory()));
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Every track of the kit table must find its file among the kit's and its
// wave in that file: a kit that misses one fails the build here.
std::string FileName(const TBuiltinKit& kit, int number) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%02d", number);
  return std::string(kit.FilePrefix) + digits + ".dsw";
}

void CheckTable(const TBuiltinKit& kit, const KitDef& def) {
  for (const TBuiltinKitTrack& track : kit.Tracks) {
    const std::string name = Lower(BuiltinKitFileName(track));
    if (name == EmptyKitFileName) continue;
    bool found = false;
    for (const FileDef& file : def.Files)
      if (Lower(FileName(kit, file.Number)) == name) found = track.Wave < static_cast<int>(file.Waves.size());
    if (!found) throw std::runtime_error(std::string(kit.KitName) + ": no wave for " + name);
  }
}

// The gain that keeps the kit's twelve tracks, hit together at the tracks'
// default volume (-10 dB), below full scale: every track's wave starts at
// its first frame, so their peaks meet.
double KitGain(const TBuiltinKit& kit, const KitDef& def, const std::vector<std::vector<Buf>>& sounds) {
  constexpr double TrackGain = 0.31622776601683794;  // -10 dB
  constexpr double Ceiling = 0.8;
  std::vector<double> mix;
  for (const TBuiltinKitTrack& track : kit.Tracks) {
    for (size_t f = 0; f < def.Files.size(); ++f) {
      if (Lower(FileName(kit, def.Files[f].Number)) != Lower(BuiltinKitFileName(track))) continue;
      const Buf& b = sounds[f][static_cast<size_t>(track.Wave)];
      if (mix.size() < b.size()) mix.resize(b.size());
      for (size_t i = 0; i < b.size(); ++i) mix[i] += TrackGain * b[i];
    }
  }
  double peak = 0;
  for (double v : mix) peak = std::max(peak, std::fabs(v));
  return peak > Ceiling ? Ceiling / peak : 1.0;
}

void WriteKit(const TBuiltinKit& kit, const std::string& folder) {
  const KitDef def = DefineKit(kit.KitId);
  CheckTable(kit, def);
  std::vector<std::vector<Buf>> sounds;
  for (const FileDef& file : def.Files) {
    sounds.emplace_back();
    for (size_t i = 0; i < file.Waves.size(); ++i) {
      const WaveDef& w = file.Waves[i];
      Rng rng(static_cast<std::uint64_t>(kit.KitId) * 10007 + static_cast<std::uint64_t>(file.Number) * 101 + i);
      Buf b = w.Make(rng);
      def.Finish(b, w.Kind);
      Level(b, w.Kind);
      sounds.back().push_back(std::move(b));
    }
  }
  const double gain = KitGain(kit, def, sounds);
  for (size_t f = 0; f < def.Files.size(); ++f) {
    TWaveCollection bank(nullptr);
    for (size_t i = 0; i < sounds[f].size(); ++i) {
      Gain(sounds[f][i], gain);
      auto* item = static_cast<TWaveCollectionItem*>(bank.Add());
      item->SetName(def.Files[f].Waves[i].Name);
      SetWave(*item->GetWave(), Quantise(std::move(sounds[f][i])));
    }
    bank.SaveToFile(folder + "/" + FileName(kit, def.Files[f].Number));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kitsynth OUTDIR\n");
    return 2;
  }
  try {
    InitSoundClasses();
    const std::string folder = argv[1];
    for (const TBuiltinKit& kit : BuiltinKits)
      if (kit.KitId != EmptyKitId) WriteKit(kit, folder);
    // The empty kit's bank holds no waves: its tracks wait for the user's own.
    TWaveCollection empty(nullptr);
    empty.SaveToFile(folder + "/" + EmptyKitFileName);
    DoneSoundClasses();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kitsynth: %s\n", e.what());
    return 1;
  }
  return 0;
}
