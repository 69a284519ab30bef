#include "drummachine/kits/TrackWaveAppend.h"

int AppendTrackWave(const TKitContext& kits, int t, const std::string& path, const std::string& name) {
  kits.ScratchWave.LoadFromFile(path);
  TWaveCollection& bank = *TrackBank(kits, t);
  const int index = bank.GetCount();
  auto* item = static_cast<TWaveCollectionItem*>(bank.Add());
  try {
    item->SetName(name);
    item->SetWave(&kits.ScratchWave);
    item->Restore();
  } catch (...) {
    bank.Delete(index);
    throw;
  }
  kits.Model.SamplePath[t][index] = path;
  return index;
}
