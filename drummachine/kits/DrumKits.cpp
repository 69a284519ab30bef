#include "drummachine/kits/DrumKits.h"

#include "drummachine/kits/BuiltinKitLoader.h"
#include "drummachine/kits/SongKitReload.h"

int TDrumKits::GetWaveCount(int track) const {
  const TWaveCollection* bank = TrackBank(FKits, track);
  return bank ? bank->GetCount() : 0;
}

std::string TDrumKits::GetWaveName(int track, int index) const {
  const TWaveCollectionItem* wave = TrackWave(FKits, track, index);
  return wave ? wave->GetName() : std::string();
}

void TDrumKits::LoadKit(int kitId) {
  LoadBuiltinKit(FKits, kitId);
}

void TDrumKits::LoadKitFile() {
  ::LoadKitFile(FKits);
}
