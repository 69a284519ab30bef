// What the song commands need of the drum kits: the waves of each track's
// list (the song file names a user wave by its name) and the kit loaders.
// The main window binds it to its wave lists and kit loaders.
#pragma once

#include <string>

class ISongKit {
 public:
  virtual ~ISongKit() = default;

  // Items.Count of track t's wave list (t = 1..12).
  virtual int GetWaveCount(int track) const = 0;
  // The Name of wave index (from 0) of track t's list.
  virtual std::string GetWaveName(int track, int index) const = 0;
  // Loads the built-in kit kitId (0..12).
  virtual void LoadKit(int kitId) = 0;
  // Reloads the kit the song names (KitId, KitName), keeping the song's wave
  // choices and adding its user samples.
  virtual void LoadKitFile() = 0;
};
