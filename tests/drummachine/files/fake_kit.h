// A kit that records the loads asked of it and names each track's waves.
#pragma once

#include <string>
#include <vector>

#include "drummachine/core/SongKit.h"
#include "drummachine/core/MainModel.h"

namespace files_test {

class FakeKit : public ISongKit {
 public:
  FakeKit() {
    for (int t = 1; t <= SongTracks; ++t) waves[t] = {"kit wave a", "kit wave b", "kit wave c", "kit wave d"};
  }
  int GetWaveCount(int track) const override { return static_cast<int>(waves[track].size()); }
  std::string GetWaveName(int track, int index) const override { return waves[track].at(index); }
  void LoadKit(int kitId) override { loadedKits.push_back(kitId); }
  void LoadKitFile() override { ++kitFileLoads; }

  TTrackArray<std::vector<std::string>> waves;
  std::vector<int> loadedKits;
  int kitFileLoads = 0;
};

// The model fields the start-up kit (Soft Synth) sets.
inline void ApplyStartUpKit(TMainModel& model) {
  model.Song.KitId = 10;
  model.Song.KitName = std::string("Soft Synth kit");
  for (int t = 1; t <= SongTracks; ++t) model.Song.TrackSample[t] = 0;
  model.Song.TrackSample[7] = 3;
  for (int t = 1; t <= SongTracks; ++t) model.KitSampleCount[t] = 4;
}

}  // namespace files_test
