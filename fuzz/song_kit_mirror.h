// The song fuzz target's kit: it names each track's user wave as the song
// just read names it, so that writing the song back writes the sample lines
// it read wherever the song's wave choice makes them a user wave.
#pragma once

#include <string>

#include "drummachine/core/MainModel.h"
#include "drummachine/core/SongKit.h"

namespace drums_fuzz {

class SongKitMirror : public ISongKit {
 public:
  // Fills model's kit bookkeeping (no kit waves; the song's sample path in
  // the slot the track plays) from model.Song.
  explicit SongKitMirror(TMainModel& model) : FSong(model.Song) {
    for (int t = 1; t <= SongTracks; ++t) {
      model.KitSampleCount[t] = 0;
      const int index = model.Song.TrackSample[t];
      if (index >= 0 && index < TrackWaveSlots) model.SamplePath[t][index] = model.Song.SongSamplePath[t];
    }
  }
  int GetWaveCount(int) const override { return TrackWaveSlots; }
  std::string GetWaveName(int track, int) const override { return FSong.SongSampleName[track]; }
  void LoadKit(int) override {}
  void LoadKitFile() override {}

  // Whether the writer writes track t's sample lines (else two empty lines).
  bool WritesSample(int t) const {
    const int index = FSong.TrackSample[t];
    if (index < 0 || index >= TrackWaveSlots) return false;
    return FSong.SongSampleName[t] == "Empty" ? index > 0 : true;
  }

 private:
  const TSong& FSong;
};

}  // namespace drums_fuzz
