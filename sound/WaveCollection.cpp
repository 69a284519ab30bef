#include "sound/WaveCollection.h"

#include "sound/DsSound.h"

TWaveCollection::TWaveCollection(TPersistent* Owner) : THashCollection(TWaveCollectionItem::StaticClass(), Owner) {}

void TWaveCollection::Initialize(TCustomDsSound* Sound) {
  Finalize();
  FDsSound = Sound;
  for (int i = 0; i < GetCount(); ++i) GetItems(i)->Initialize();
}

void TWaveCollection::Finalize() {
  for (int i = 0; i < GetCount(); ++i) GetItems(i)->Finalize();
  FDsSound = nullptr;
}

bool TWaveCollection::Initialized() const {
  return FDsSound && FDsSound->GetInitialized();
}

void TWaveCollection::Restore() {
  for (int i = 0; i < GetCount(); ++i) GetItems(i)->Restore();
}
