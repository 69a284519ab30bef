// The names of the waves each track holds, as the track panel lists them.
// The main window answers from the tracks' wave lists; tests from a table.
#pragma once

#include <string>

class ITrackWaveNames {
 public:
  virtual ~ITrackWaveNames() = default;
  // The number of waves of track 1..12.
  virtual int WaveCount(int track) const = 0;
  // The name of wave 0..WaveCount-1 of the track.
  virtual std::string WaveName(int track, int index) const = 0;
};
