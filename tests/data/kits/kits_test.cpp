// The built-in kits as the build leaves them in the program folder's "kits":
// the kit table against the files, and the sound of every kit measured.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "drummachine/core/BuiltinKits.h"
#include "drummachine/startup/ProgramStartup.h"
#include "sound/DsSounds.h"

namespace {

namespace fs = std::filesystem;

constexpr int Rate = 44100;

struct Hit {
  std::string File;
  std::string Name;
  std::vector<std::int16_t> Frames;
  std::string Bytes;  // the wave's sound bytes as stored
};

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string KitsFolder() {
  const char* program = std::getenv("DRUMS_PROGRAM_DIR");
  return std::string(program ? program : "program") + "/kits";
}

// The folder's entry whose name equals `name` but for case, or "".
std::string FindIgnoringCase(const std::string& name) {
  for (const auto& entry : fs::directory_iterator(KitsFolder()))
    if (Lower(entry.path().filename().string()) == Lower(name)) return entry.path().string();
  return "";
}

// Every wave of a file, read through the engine's own reader. Formats other
// than 16-bit mono PCM at 44,100 Hz are reported and give no frames.
std::vector<Hit> ReadFile(const std::string& path) {
  TWaveCollection bank(nullptr);
  bank.LoadFromFile(path);
  std::vector<Hit> hits;
  for (int i = 0; i < bank.GetCount(); ++i) {
    TWaveCollectionItem* item = bank.GetItems(i);
    const TWave* wave = item->GetWave();
    Hit hit{fs::path(path).filename().string(), item->GetName(), {}, {}};
    const WAVEFORMATEX* f = wave->GetFormat();
    EXPECT_TRUE(f && f->wFormatTag == WAVE_FORMAT_PCM && f->nSamplesPerSec == 44100 && f->wBitsPerSample == 16 &&
                f->nChannels == 1)
        << hit.File << " " << hit.Name;
    if (f && f->wBitsPerSample == 16 && f->nChannels == 1) {
      const auto* s = static_cast<const std::int16_t*>(wave->GetData());
      hit.Frames.assign(s, s + wave->GetSize() / 2);
      hit.Bytes.assign(static_cast<const char*>(wave->GetData()), static_cast<size_t>(wave->GetSize()));
    }
    hits.push_back(std::move(hit));
  }
  return hits;
}

int PeakOf(const std::vector<std::int16_t>& s) {
  int p = 0;
  for (std::int16_t v : s) p = std::max(p, std::abs(static_cast<int>(v)));
  return p;
}

// Spectral centroid in Hz of the first 8,192 frames (zero padded).
double Centroid(const std::vector<std::int16_t>& s) {
  constexpr size_t N = 8192;
  std::vector<std::complex<double>> a(N);
  for (size_t i = 0; i < N && i < s.size(); ++i) a[i] = s[i];
  for (size_t i = 1, j = 0; i < N; ++i) {
    size_t bit = N >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (size_t len = 2; len <= N; len <<= 1) {
    const std::complex<double> w = std::polar(1.0, -2 * M_PI / static_cast<double>(len));
    for (size_t i = 0; i < N; i += len) {
      std::complex<double> wk = 1;
      for (size_t k = 0; k < len / 2; ++k, wk *= w) {
        const auto u = a[i + k], v = a[i + k + len / 2] * wk;
        a[i + k] = u + v, a[i + k + len / 2] = u - v;
      }
    }
  }
  double weighted = 0, total = 0;
  for (size_t k = 1; k < N / 2; ++k) {
    const double m = std::abs(a[k]);
    weighted += m * static_cast<double>(k) * Rate / N;
    total += m;
  }
  return total > 0 ? weighted / total : 0;
}

// Seconds from the loudest 5 ms block to the last block still within 40 dB of it.
double RingTime(const std::vector<std::int16_t>& s) {
  constexpr size_t Block = Rate / 200;
  std::vector<int> env;
  for (size_t i = 0; i < s.size(); i += Block) {
    std::vector<std::int16_t> part(s.begin() + static_cast<long>(i),
                                   s.begin() + static_cast<long>(std::min(s.size(), i + Block)));
    env.push_back(PeakOf(part));
  }
  const size_t top = static_cast<size_t>(std::max_element(env.begin(), env.end()) - env.begin());
  size_t last = top;
  for (size_t i = top; i < env.size(); ++i)
    if (env[i] * 100 >= env[top]) last = i;
  return static_cast<double>((last - top) * Block) / Rate;
}

class BuiltinKitFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    StartProgram({{ppSoundClasses}, {}});
    for (const auto& entry : fs::directory_iterator(KitsFolder()))
      if (entry.path().extension() == ".dsw") Files[entry.path().filename().string()] = ReadFile(entry.path().string());
  }
  static void TearDownTestSuite() {
    Files.clear();
    StopProgram();
  }

  // The wave track t (1..12) of a kit plays.
  static const Hit& TrackHit(const TBuiltinKit& kit, int t) {
    const TBuiltinKitTrack& track = kit.Tracks[static_cast<size_t>(t - 1)];
    const std::string path = FindIgnoringCase(BuiltinKitFileName(track));
    return Files.at(fs::path(path).filename().string()).at(static_cast<size_t>(track.Wave));
  }

  static std::map<std::string, std::vector<Hit>> Files;
};

std::map<std::string, std::vector<Hit>> BuiltinKitFiles::Files;

TEST_F(BuiltinKitFiles, EveryTrackOfTheTableFindsItsFileAndItsWave) {
  for (const TBuiltinKit& kit : BuiltinKits) {
    for (int t = 1; t <= BuiltinKitTracks; ++t) {
      const TBuiltinKitTrack& track = kit.Tracks[static_cast<size_t>(t - 1)];
      const std::string name = BuiltinKitFileName(track);
      SCOPED_TRACE(std::string(kit.KitName) + " track " + std::to_string(t) + " " + name);
      const std::string path = FindIgnoringCase(name);
      ASSERT_FALSE(path.empty());
      // The loader asks with the table's spelling; the file layer finds the
      // file whatever its case.
      TWaveCollection bank(nullptr);
      ASSERT_NO_THROW(bank.LoadFromFile(KitsFolder() + "/" + name));
      if (Lower(name) == EmptyKitFileName) {
        EXPECT_EQ(bank.GetCount(), 0) << "the empty bank leaves its tracks empty";
      } else {
        EXPECT_LT(track.Wave, bank.GetCount());
      }
    }
  }
}

TEST_F(BuiltinKitFiles, EveryWaveIsANamedHitStartingAtOnceBelowFullScaleAndShorterThanThreeSeconds) {
  ASSERT_FALSE(Files.empty());
  const int headroom = static_cast<int>(32767 * std::pow(10.0, -1.0 / 20));  // 1 dB
  for (const auto& [file, hits] : Files) {
    for (const Hit& hit : hits) {
      SCOPED_TRACE(file + " " + hit.Name);
      EXPECT_FALSE(hit.Name.empty());
      ASSERT_FALSE(hit.Frames.empty());
      const int peak = PeakOf(hit.Frames);
      EXPECT_LT(peak, headroom);
      // The hit sounds within its first millisecond: no lead-in of silence.
      const auto onset = std::find_if(hit.Frames.begin(), hit.Frames.end(),
                                      [&](std::int16_t v) { return std::abs(static_cast<int>(v)) * 100 >= peak; });
      EXPECT_LT(onset - hit.Frames.begin(), Rate / 1000);
      EXPECT_LT(hit.Frames.size(), static_cast<size_t>(3 * Rate));
      // It ends in silence, not in a click.
      EXPECT_LT(std::abs(static_cast<int>(hit.Frames.back())), 64);
    }
  }
}

TEST_F(BuiltinKitFiles, InEveryKitTheKickIsLowerThanTheSnareAndTheSnareLowerThanTheClosedHat) {
  for (const TBuiltinKit& kit : BuiltinKits) {
    if (kit.KitId == EmptyKitId) continue;
    SCOPED_TRACE(kit.KitName);
    const double kick = Centroid(TrackHit(kit, 1).Frames);
    const double snare = Centroid(TrackHit(kit, 2).Frames);
    const double closedHat = Centroid(TrackHit(kit, 4).Frames);
    EXPECT_LT(kick, snare);
    EXPECT_LT(snare, closedHat);
  }
}

TEST_F(BuiltinKitFiles, InEveryKitTheOpenHatRingsLongerThanTheClosedHat) {
  for (const TBuiltinKit& kit : BuiltinKits) {
    if (kit.KitId == EmptyKitId) continue;
    SCOPED_TRACE(kit.KitName);
    // Twice as long at least, so that the hi-hat cut is heard.
    EXPECT_GT(RingTime(TrackHit(kit, 3).Frames), 2 * RingTime(TrackHit(kit, 4).Frames));
  }
}

TEST_F(BuiltinKitFiles, NoTwoKitsShareAWave) {
  std::map<std::string, std::string> owner;  // sound bytes -> kit prefix
  for (const TBuiltinKit& kit : BuiltinKits) {
    if (kit.KitId == EmptyKitId) continue;
    for (const auto& [file, hits] : Files) {
      if (Lower(file).rfind(Lower(kit.FilePrefix), 0) != 0) continue;
      for (const Hit& hit : hits) {
        auto [it, added] = owner.emplace(hit.Bytes, kit.FilePrefix);
        EXPECT_TRUE(added || it->second == kit.FilePrefix) << file << " " << hit.Name << " is also in " << it->second;
      }
    }
  }
}

// Every track of a kit hit on the same step at the tracks' default volume
// (-10 dB) sums to less than full scale.
TEST_F(BuiltinKitFiles, AllTwelveTracksAtOnceStayBelowFullScaleAtTheDefaultVolume) {
  const double trackGain = std::pow(10.0, -1000 / 2000.0);
  for (const TBuiltinKit& kit : BuiltinKits) {
    if (kit.KitId == EmptyKitId) continue;
    std::vector<double> mix;
    for (int t = 1; t <= BuiltinKitTracks; ++t) {
      if (Lower(BuiltinKitFileName(kit.Tracks[static_cast<size_t>(t - 1)])) == EmptyKitFileName) continue;
      const Hit& hit = TrackHit(kit, t);
      if (mix.size() < hit.Frames.size()) mix.resize(hit.Frames.size());
      for (size_t i = 0; i < hit.Frames.size(); ++i) mix[i] += hit.Frames[i] * trackGain;
    }
    double peak = 0;
    for (double v : mix) peak = std::max(peak, std::fabs(v));
    EXPECT_LT(peak, 32767) << kit.KitName;
  }
}

}  // namespace
