#include "drummachine/kits/KitContext.h"

TWaveCollection* TrackBank(const TKitContext& kits, int t) {
  if (t < 1 || t > SongTracks || !kits.TrackWaveLists[t]) return nullptr;
  return kits.TrackWaveLists[t]->GetItems();
}

TWaveCollectionItem* TrackWave(const TKitContext& kits, int t, int index) {
  TWaveCollection* bank = TrackBank(kits, t);
  if (!bank || index < 0 || index >= bank->GetCount()) return nullptr;
  return bank->GetItems(index);
}
