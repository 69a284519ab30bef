#include "drummachine/filedialogs/WavePreview.h"

void TWavePreview::Begin(TWaveCollection* bank) {
  End();
  FBank = bank;
}

void TWavePreview::Play(const std::string& path) {
  if (FBank == nullptr) return;
  FScratch.LoadFromFile(path);
  RemoveWave();
  auto* item = static_cast<TWaveCollectionItem*>(FBank->Add());
  FWaveId = item->GetID();
  try {
    item->SetName(path);
    item->SetWave(&FScratch);
    item->Restore();
    item->SetPan(0);
    item->SetFrequency(44100);
    item->SetVolume(0);
  } catch (...) {
    RemoveWave();
    throw;
  }
  item->Play();
}

void TWavePreview::End() {
  RemoveWave();
  FBank = nullptr;
}

bool TWavePreview::HasWave() const {
  return FBank != nullptr && FWaveId >= 0 && FBank->FindItemID(FWaveId) != nullptr;
}

void TWavePreview::RemoveWave() {
  if (FBank != nullptr && FWaveId >= 0) {
    if (TCollectionItem* item = FBank->FindItemID(FWaveId)) FBank->Delete(item->GetIndex());
  }
  FWaveId = -1;
}
