// TDsWaveList: the component that holds one sample bank and keeps it in step
// with its TDsSound: the items become live when the device comes, lose their
// buffers when it goes and rebuild their masters after a lost buffer.
#pragma once

#include <memory>

#include "sound/DsSound.h"
#include "sound/WaveCollection.h"

class TCustomDsWaveList : public TComponent {
  DRUMS_CLASS(TCustomDsWaveList, TComponent)

 public:
  explicit TCustomDsWaveList(TComponent* AOwner);
  ~TCustomDsWaveList() override;

  TCustomDsSound* GetDsSound() const { return FDsSound; }
  void SetDsSound(TCustomDsSound* value);
  TWaveCollection* GetItems() const { return FItems.get(); }
  void SetItems(TWaveCollection* value);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void SoundNotify(TCustomDsSound* Sender, TDsSoundNotifyType NotifyType);

  TCustomDsSound* FDsSound = nullptr;
  std::unique_ptr<TWaveCollection> FItems;
};

class TDsWaveList : public TCustomDsWaveList {
  DRUMS_CLASS(TDsWaveList, TCustomDsWaveList)

 public:
  using TCustomDsWaveList::TCustomDsWaveList;

 private:
  static void Publish(TPublisher<TDsWaveList>& p) {
    p.Prop("DsSound", &TDsWaveList::GetDsSound, &TDsWaveList::SetDsSound);
    p.Prop("Items", &TDsWaveList::GetItems, &TDsWaveList::SetItems);
  }
};
