// One track's wave list as the step engine drives it: the items of the list
// by index, their volume, pan and frequency setters, Play and Stop. The main
// window binds one to each track's TDsWaveList; tests put recorders here.
#pragma once

class ITrackWaveList {
 public:
  virtual ~ITrackWaveList() = default;

  // The number of waves (Items.Count).
  virtual int GetCount() const = 0;
  // Items[index].Volume: hundredths of a decibel, -10000 (silent) .. 0.
  virtual void SetItemVolume(int index, int volume) = 0;
  // Items[index].Pan: -10000 (left) .. 10000 (right).
  virtual void SetItemPan(int index, int pan) = 0;
  // Items[index].Frequency: Hz, 100 .. 100000.
  virtual void SetItemFrequency(int index, int frequency) = 0;
  // Items[index].Play(false): one more sounding copy with the item's
  // current values, without waiting.
  virtual void PlayItem(int index) = 0;
  // Items[index].Stop: silences every sounding copy of the item.
  virtual void StopItem(int index) = 0;
};
