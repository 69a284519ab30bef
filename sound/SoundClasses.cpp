#include "sound/DsSounds.h"

void RegisterSoundClasses() {
  RegisterClasses({TDsSound::StaticClass(), TDsWaveList::StaticClass(), TDsTimer::StaticClass(),
                   TWaveCollectionComponent::StaticClass(), TWaveCollectionItem::StaticClass()});
}
