#include "drummachine/kits/DsTrackWaveList.h"

int TDsTrackWaveList::GetCount() const {
  return FList->GetItems()->GetCount();
}

TWaveCollectionItem* TDsTrackWaveList::Item(int index) const {
  TWaveCollection* bank = FList->GetItems();
  return index >= 0 && index < bank->GetCount() ? bank->GetItems(index) : nullptr;
}

void TDsTrackWaveList::SetItemVolume(int index, int volume) {
  if (TWaveCollectionItem* item = Item(index)) item->SetVolume(volume);
}

void TDsTrackWaveList::SetItemPan(int index, int pan) {
  if (TWaveCollectionItem* item = Item(index)) item->SetPan(pan);
}

void TDsTrackWaveList::SetItemFrequency(int index, int frequency) {
  if (TWaveCollectionItem* item = Item(index)) item->SetFrequency(frequency);
}

void TDsTrackWaveList::PlayItem(int index) {
  if (TWaveCollectionItem* item = Item(index)) item->Play(false);
}

void TDsTrackWaveList::StopItem(int index) {
  if (TWaveCollectionItem* item = Item(index)) item->Stop();
}
