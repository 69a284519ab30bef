#include "sound/WaveCollection.h"

#include <algorithm>

#include "sound/DsSound.h"

TWaveCollectionItem::TWaveCollectionItem(TCollection* Collection)
    : THashCollectionItem(Collection), FWave(std::make_unique<TWave>()) {}

TWaveCollectionItem::~TWaveCollectionItem() {
  Finalize();
}

TWaveCollection* TWaveCollectionItem::Bank() const {
  return static_cast<TWaveCollection*>(GetCollection());
}

void TWaveCollectionItem::Initialize() {
  Finalize();
  FLive = Bank() && Bank()->Initialized();
}

void TWaveCollectionItem::FreeVoices() {
  if (FBusy > 0) {
    FVoicesStale = true;
    return;
  }
  FVoices.clear();
  FVoicesStale = false;
}

void TWaveCollectionItem::Finalize() {
  if (!FLive) return;
  FLive = false;
  FVoices.clear();
  FVoicesStale = false;
  FMaster.reset();
}

void TWaveCollectionItem::Restore() {
  if (FWave->GetSize() == 0) return;
  if (!FLive && Bank() && Bank()->Initialized()) Initialize();
  if (!FLive) return;
  if (!FMaster) FMaster = std::make_unique<TDirectSoundBuffer>(Bank()->GetDsSound()->GetDSound());
  FMaster->LoadFromWave(FWave.get());
  FMaster->SetFrequency(static_cast<DWORD>(FFrequency));
  FMaster->SetPan(FPan);
  FMaster->SetVolume(FVolume);
  // Voices copied from a lost buffer would stay silent: start the pool afresh.
  FreeVoices();
}

TDirectSoundBuffer* TWaveCollectionItem::GetBuffer() {
  if (FLive && !FMaster) Restore();
  return FMaster.get();
}

std::unique_ptr<TDirectSoundBuffer> TWaveCollectionItem::CreateVoice() {
  TDirectSoundBuffer* master = GetBuffer();
  if (!master) return nullptr;
  auto voice = std::make_unique<TDirectSoundBuffer>(Bank()->GetDsSound()->GetDSound());
  voice->Assign(master);
  return voice;
}

void TWaveCollectionItem::Play(bool Wait) {
  if (!FLive) return;
  ++FBusy;
  struct Done {
    TWaveCollectionItem* item;
    ~Done() {
      if (--item->FBusy == 0 && item->FVoicesStale) item->FreeVoices();
    }
  } done{this};
  if (FLooped) {
    if (TDirectSoundBuffer* master = GetBuffer()) {
      master->Stop();
      master->SetPosition(0);
      master->Play(true);
    }
    return;
  }
  TDirectSoundBuffer* voice = nullptr;
  for (auto& v : FVoices)
    if (!(v->Status() & (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING))) {
      voice = v.get();
      break;
    }
  if (!voice) {
    if (FMaxPlayingCount == 0 || static_cast<int>(FVoices.size()) < FMaxPlayingCount) {
      auto created = CreateVoice();
      // A copy that could not be made is not kept: this play is silent.
      if (!created || !created->GetIBuffer()) return;
      voice = created.get();
      FVoices.push_back(std::move(created));
    } else {
      std::rotate(FVoices.begin(), FVoices.begin() + 1, FVoices.end());
      voice = FVoices.back().get();
    }
  }
  voice->Stop();
  voice->SetPosition(0);
  voice->SetFrequency(static_cast<DWORD>(FFrequency));
  voice->SetPan(FPan);
  voice->SetVolume(FVolume);
  voice->Play(false);
  if (!Wait) return;
  while (!FVoicesStale && voice->Playing()) Sleep(10);
}

void TWaveCollectionItem::Stop() {
  if (!FLive) return;
  ++FBusy;
  if (FMaster) FMaster->Stop();
  for (auto& v : FVoices) v->Stop();
  if (--FBusy == 0 && FVoicesStale) FreeVoices();
}

void TWaveCollectionItem::SetFrequency(int value) {
  FFrequency = value;
  if (!FLive) return;
  if (TDirectSoundBuffer* master = GetBuffer()) master->SetFrequency(static_cast<DWORD>(value));
}

void TWaveCollectionItem::SetPan(int value) {
  FPan = value;
  if (!FLive) return;
  if (TDirectSoundBuffer* master = GetBuffer()) master->SetPan(value);
}

void TWaveCollectionItem::SetVolume(int value) {
  FVolume = value;
  if (!FLive) return;
  if (TDirectSoundBuffer* master = GetBuffer()) master->SetVolume(value);
}

void TWaveCollectionItem::SetLooped(bool value) {
  if (value == FLooped) return;
  Stop();
  FLooped = value;
}

void TWaveCollectionItem::SetMaxPlayingCount(int value) {
  value = std::max(value, 0);
  if (value == FMaxPlayingCount) return;
  FMaxPlayingCount = value;
  if (FLive) FreeVoices();
}

void TWaveCollectionItem::SetWave(TWave* value) {
  FWave->Assign(value);
}

void TWaveCollectionItem::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TWaveCollectionItem*>(source);
  if (!other) {
    THashCollectionItem::Assign(source);
    return;
  }
  const bool wasLive = FLive;
  Finalize();
  FLooped = other->FLooped;
  SetName(other->GetName());
  FMaxPlayingCount = other->FMaxPlayingCount;
  FFrequency = other->FFrequency;
  FPan = other->FPan;
  FVolume = other->FVolume;
  FWave->Assign(other->FWave.get());
  if (wasLive) Restore();
}
