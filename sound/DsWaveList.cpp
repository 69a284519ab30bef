#include "sound/DsWaveList.h"

TCustomDsWaveList::TCustomDsWaveList(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TWaveCollection>(this)) {}

TCustomDsWaveList::~TCustomDsWaveList() {
  SetDsSound(nullptr);
  FItems.reset();
}

void TCustomDsWaveList::SetDsSound(TCustomDsSound* value) {
  if (FDsSound) {
    FDsSound->RemoveListener(this);
    FDsSound->RemoveFreeNotification(this);
  }
  FDsSound = value;
  if (FDsSound) {
    FDsSound->FreeNotification(this);
    FDsSound->AddListener(this, [this](TCustomDsSound* s, TDsSoundNotifyType k) { SoundNotify(s, k); });
  }
}

void TCustomDsWaveList::SetItems(TWaveCollection* value) {
  FItems->Assign(value);
}

void TCustomDsWaveList::SoundNotify(TCustomDsSound* Sender, TDsSoundNotifyType NotifyType) {
  switch (NotifyType) {
    case nkDestroying: SetDsSound(nullptr); break;
    case nkInitialized: FItems->Initialize(Sender); break;
    case nkFinalized: FItems->Finalize(); break;
    case nkRestore: FItems->Restore(); break;
    case nkInitializing: break;
  }
}

void TCustomDsWaveList::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDsSound) SetDsSound(nullptr);
}
