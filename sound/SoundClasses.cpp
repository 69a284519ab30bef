#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"
#include "sound/DsSounds.h"

namespace {
TStartCount soundStarts;
TLibraryClasses soundClasses;
}  // namespace

void InitSoundClasses() {
  soundStarts.Start([] {
    soundClasses.Register([] {
      RegisterClasses({TDsSound::StaticClass(), TDsWaveList::StaticClass(), TDsTimer::StaticClass(),
                       TWaveCollectionComponent::StaticClass(), TWaveCollectionItem::StaticClass()});
    });
  });
}

void DoneSoundClasses() {
  soundStarts.Done([] { soundClasses.UnRegister(); });
}
