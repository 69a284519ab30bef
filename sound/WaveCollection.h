// Sample banks: TWaveCollectionItem is one named sample with its master
// buffer and its pool of voices (copies of the master that share its sound,
// so that the sample can sound several times at once); TWaveCollection is
// the bank, bound to a TDsSound through its wave list.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sound/DirectSoundBuffer.h"
#include "sound/HashCollection.h"
#include "sound/WaveSample.h"

class TCustomDsSound;
class TCustomDsWaveList;
class TWaveCollection;

class TWaveCollectionItem : public THashCollectionItem {
  DRUMS_CLASS(TWaveCollectionItem, THashCollectionItem)

 public:
  explicit TWaveCollectionItem(TCollection* Collection);
  ~TWaveCollectionItem() override;

  void Initialize();
  void Finalize();
  // Builds the master buffer from the wave (and, after a lost buffer,
  // starts the voice pool afresh).
  void Restore();
  // Starts the sample on a voice: the first idle one, else a new one, else
  // (at the limit) the oldest, which moves to the end of the pool. A looped
  // sample restarts its master instead. Wait blocks until it ends.
  void Play(bool Wait = false);
  void Stop();
  // The master buffer, built first when missing; none for an empty wave.
  TDirectSoundBuffer* GetBuffer();
  // A new voice sharing the master's sound, or none.
  std::unique_ptr<TDirectSoundBuffer> CreateVoice();

  int GetFrequency() const { return FFrequency; }
  void SetFrequency(int value);
  int GetPan() const { return FPan; }
  void SetPan(int value);
  int GetVolume() const { return FVolume; }
  void SetVolume(int value);
  bool GetLooped() const { return FLooped; }
  void SetLooped(bool value);
  int GetMaxPlayingCount() const { return FMaxPlayingCount; }
  void SetMaxPlayingCount(int value);
  TWave* GetWave() const { return FWave.get(); }
  void SetWave(TWave* value);
  bool GetLive() const { return FLive; }
  TDirectSoundBuffer* GetMaster() const { return FMaster.get(); }
  int GetVoiceCount() const { return static_cast<int>(FVoices.size()); }
  TDirectSoundBuffer* GetVoices(int index) const { return FVoices.at(static_cast<size_t>(index)).get(); }

  void Assign(TPersistent* source) override;

 private:
  static void Publish(TPublisher<TWaveCollectionItem>& p) {
    p.Prop("Looped", &TWaveCollectionItem::GetLooped, &TWaveCollectionItem::SetLooped);
    p.Prop("MaxPlayingCount", &TWaveCollectionItem::GetMaxPlayingCount, &TWaveCollectionItem::SetMaxPlayingCount);
    p.Prop("Wave", &TWaveCollectionItem::GetWave, &TWaveCollectionItem::SetWave);
  }
  TWaveCollection* Bank() const;
  void FreeVoices();

  std::unique_ptr<TDirectSoundBuffer> FMaster;
  std::vector<std::unique_ptr<TDirectSoundBuffer>> FVoices;
  int FFrequency = 0;
  bool FLive = false;
  bool FLooped = false;
  int FMaxPlayingCount = 0;
  int FPan = 0;
  int FVolume = 0;
  std::unique_ptr<TWave> FWave;
  // While the item works on its buffers a lost buffer's restore only marks
  // the pool; the pool is emptied when the work is done.
  int FBusy = 0;
  bool FVoicesStale = false;
};

class TWaveCollection : public THashCollection {
  DRUMS_CLASS(TWaveCollection, THashCollection)

 public:
  explicit TWaveCollection(TPersistent* Owner);

  TWaveCollectionItem* GetItems(int index) const { return static_cast<TWaveCollectionItem*>(GetItem(index)); }
  TCustomDsSound* GetDsSound() const { return FDsSound; }

  void Initialize(TCustomDsSound* Sound);
  void Finalize();
  // Bound to a TDsSound that is initialised.
  bool Initialized() const;
  void Restore();

  // The wave collection file.
  void LoadFromFile(const std::string& fileName);
  void LoadFromStream(TStream* stream);
  void SaveToFile(const std::string& fileName);
  void SaveToStream(TStream* stream);

 private:
  TCustomDsSound* FDsSound = nullptr;
};

// The wrapper whose component stream is the wave collection file.
class TWaveCollectionComponent : public TComponent {
  DRUMS_CLASS(TWaveCollectionComponent, TComponent)

 public:
  using TComponent::TComponent;
  TWaveCollection* GetList() const { return FList; }
  void SetList(TWaveCollection* value) { FList = value; }

 private:
  static void Publish(TPublisher<TWaveCollectionComponent>& p) { p.Prop("List", &TWaveCollectionComponent::GetList); }
  TWaveCollection* FList = nullptr;
};
