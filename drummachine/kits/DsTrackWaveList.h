// The step engine's view of one track's TDsWaveList: the main window makes
// one per track and points the engine's TrackWaveLists at them. An index
// outside the list does nothing, so a wave choice the song or a kit left
// beyond the list's end stays silent instead of failing.
#pragma once

#include "drummachine/core/TrackWaveList.h"
#include "sound/DsSounds.h"

class TDsTrackWaveList : public ITrackWaveList {
 public:
  explicit TDsTrackWaveList(TDsWaveList* list) : FList(list) {}

  int GetCount() const override;
  void SetItemVolume(int index, int volume) override;
  void SetItemPan(int index, int pan) override;
  void SetItemFrequency(int index, int frequency) override;
  void PlayItem(int index) override;
  void StopItem(int index) override;

 private:
  TWaveCollectionItem* Item(int index) const;

  TDsWaveList* FList;
};
