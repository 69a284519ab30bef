// The drum kits as the song commands see them: the waves of each track's
// list, the built-in kit loaders and the kit reload after a song was read.
#pragma once

#include "drummachine/core/SongKit.h"
#include "drummachine/kits/KitContext.h"

class TDrumKits : public ISongKit {
 public:
  explicit TDrumKits(const TKitContext& kits) : FKits(kits) {}

  // 0 for a track outside 1..12.
  int GetWaveCount(int track) const override;
  // Empty for a wave outside the track's list.
  std::string GetWaveName(int track, int index) const override;
  void LoadKit(int kitId) override;
  void LoadKitFile() override;

 private:
  TKitContext FKits;
};
