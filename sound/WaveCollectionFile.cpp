// The wave collection file: a component resource named
// "DRUMKITWAVECOLLECTION" holding the component stream of a
// TWaveCollectionComponent whose List is the bank.
#include "sound/WaveCollection.h"

void TWaveCollection::SaveToFile(const std::string& fileName) {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(&stream);
}

void TWaveCollection::SaveToStream(TStream* stream) {
  TWaveCollectionComponent component(nullptr);
  component.SetList(this);
  WriteComponentRes(stream, "DrumKitWaveCollection", &component);
}

void TWaveCollection::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TWaveCollection::LoadFromStream(TStream* stream) {
  Clear();
  TWaveCollectionComponent component(nullptr);
  component.SetList(this);
  ReadComponentRes(stream, &component);
  // New samples are playable at once when the bank is bound to a live device.
  if (Initialized()) {
    Initialize(FDsSound);
    Restore();
  }
}
