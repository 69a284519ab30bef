// Sample banks: voices chosen, added and stolen; settings; banks following
// their device.
#include "sound/support/sound_fixture.h"

namespace {

using soundtest::SoundTest;

class Voices : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    sound = NewSound();
    list = NewList(sound);
  }
  std::vector<TDirectSoundBuffer*> Pool(TWaveCollectionItem* item) {
    std::vector<TDirectSoundBuffer*> pool;
    for (int i = 0; i < item->GetVoiceCount(); ++i) pool.push_back(item->GetVoices(i));
    return pool;
  }
  TDsSound* sound = nullptr;
  TDsWaveList* list = nullptr;
};

TEST_F(Voices, AtTheLimitTheOldestVoiceIsRestartedAndMovesToTheEnd) {
  TWaveCollectionItem* item = AddItem(list, "Long", 1000, 44100);
  item->SetMaxPlayingCount(2);
  item->Play();
  item->Play();
  auto two = Pool(item);
  ASSERT_EQ(two.size(), 2u);
  item->Play();
  EXPECT_EQ(Pool(item), (std::vector<TDirectSoundBuffer*>{two[1], two[0]}));
  DWORD status = 0;
  two[0]->GetIBuffer()->GetStatus(&status);
  EXPECT_TRUE(status & DSBSTATUS_PLAYING);
}

TEST_F(Voices, WithoutALimitThePoolGrowsAndIdleVoicesAreReused) {
  TWaveCollectionItem* item = AddItem(list, "Short", 1000, 441);
  for (int i = 0; i < 5; ++i) item->Play();
  auto five = Pool(item);
  EXPECT_EQ(five.size(), 5u);
  auto out = Render(Latency() + 10);
  EXPECT_EQ(out.back(), 5000) << "five voices sound together";
  Render(1000);  // all have ended
  Sync();
  item->Play();
  EXPECT_EQ(Pool(item), five) << "the first idle voice plays; the pool keeps its order";
  DWORD status = 0;
  five[0]->GetIBuffer()->GetStatus(&status);
  EXPECT_TRUE(status & DSBSTATUS_PLAYING);
}

TEST_F(Voices, SettingsGoToTheMasterAndAVoiceTakesThemWhenItStarts) {
  TWaveCollectionItem* item = AddItem(list, "Hit", 16384, 4410);
  item->Play();
  TDirectSoundBuffer* voice = item->GetVoices(0);
  item->SetVolume(-600);
  item->SetPan(-10000);
  item->SetFrequency(22050);
  LONG volume = 1;
  voice->GetIBuffer()->GetVolume(&volume);
  EXPECT_EQ(volume, 0) << "a sounding voice is not changed";
  item->GetMaster()->GetIBuffer()->GetVolume(&volume);
  EXPECT_EQ(volume, -600);
  Render(Latency() + 5000);
  Sync();
  item->Play();
  voice->GetIBuffer()->GetVolume(&volume);
  EXPECT_EQ(volume, -600);
  auto out = Render(Latency() + 100);
  EXPECT_EQ(out[out.size() - 2], 8211);
  EXPECT_EQ(out.back(), 0);
}

TEST_F(Voices, ANewLimitEmptiesThePoolAndNegativeLimitsAreZero) {
  TWaveCollectionItem* item = AddItem(list, "Hit", 1000, 4410);
  item->SetMaxPlayingCount(3);
  item->Play();
  item->Play();
  ASSERT_EQ(item->GetVoiceCount(), 2);
  item->SetMaxPlayingCount(-3);
  EXPECT_EQ(item->GetMaxPlayingCount(), 0);
  EXPECT_EQ(item->GetVoiceCount(), 0);
  item->SetMaxPlayingCount(0);
  item->Play();
  EXPECT_EQ(item->GetVoiceCount(), 1) << "an unchanged limit keeps the pool";
}

TEST_F(Voices, ALoopedSampleRestartsItsMasterAndUsesNoVoices) {
  TWaveCollectionItem* item = AddItem(list, "Loop", 3000, 100);
  item->SetLooped(true);
  item->Play();
  item->Play();
  EXPECT_EQ(item->GetVoiceCount(), 0);
  DWORD status = 0;
  item->GetMaster()->GetIBuffer()->GetStatus(&status);
  EXPECT_EQ(status, static_cast<DWORD>(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING));
  auto out = Render(Latency() + 1000);
  EXPECT_EQ(out.back(), 3000);
  item->SetLooped(false);  // stops it
  item->GetMaster()->GetIBuffer()->GetStatus(&status);
  EXPECT_EQ(status, 0u);
}

TEST_F(Voices, AnEmptySampleHasNoMasterAndPlaysNothing) {
  auto* item = static_cast<TWaveCollectionItem*>(list->GetItems()->Add());
  item->Restore();
  item->SetVolume(-100);
  item->Play();
  item->Stop();
  EXPECT_EQ(item->GetMaster(), nullptr);
  EXPECT_EQ(item->GetVoiceCount(), 0);
  EXPECT_EQ(item->GetVolume(), -100);
}

TEST_F(Voices, AVoiceThatCouldNotBeCopiedIsNotKept) {
  TWaveCollectionItem* item = AddItem(list, "Hit", 1000, 100);
  item->GetMaster()->SetBufferInterface(nullptr);  // nothing to copy from
  EXPECT_NO_THROW(item->Play());
  EXPECT_EQ(item->GetVoiceCount(), 0);
  item->Restore();
  item->Play();
  EXPECT_EQ(item->GetVoiceCount(), 1);
}

TEST_F(Voices, BanksFollowTheirDevice) {
  TWaveCollectionItem* item = AddItem(list, "Hit", 1000, 100);
  item->Play();
  EXPECT_TRUE(item->GetLive());
  sound->Finalize();
  EXPECT_FALSE(item->GetLive());
  EXPECT_EQ(item->GetMaster(), nullptr);
  EXPECT_EQ(item->GetVoiceCount(), 0);
  EXPECT_EQ(item->GetWave()->GetSize(), 200) << "the sample stays";
  sound->Initialize();
  EXPECT_TRUE(item->GetLive());
  EXPECT_NE(item->GetMaster(), nullptr) << "every master is built again";
  // A list bound to an initialised device makes its items live at once.
  TDsWaveList* other = NewList(nullptr);
  auto* loose = static_cast<TWaveCollectionItem*>(other->GetItems()->Add());
  soundtest::FillConstant(*loose->GetWave(), 5, 10);
  EXPECT_FALSE(loose->GetLive());
  other->SetDsSound(sound);
  EXPECT_TRUE(loose->GetLive());
  EXPECT_NE(loose->GetMaster(), nullptr);
  // A bank read into a bound list is playable at once.
  TMemoryStream file;
  list->GetItems()->SaveToStream(&file);
  file.SetPosition(0);
  other->GetItems()->LoadFromStream(&file);
  ASSERT_EQ(other->GetItems()->GetCount(), 1);
  EXPECT_NE(other->GetItems()->GetItems(0)->GetMaster(), nullptr);
  // The device going away unbinds the lists.
  delete sound;
  EXPECT_EQ(list->GetDsSound(), nullptr);
  EXPECT_EQ(other->GetDsSound(), nullptr);
  EXPECT_FALSE(item->GetLive());
}

TEST_F(Voices, AssigningAnItemCopiesItsSettingsAndRebuildsALiveOne) {
  TWaveCollectionItem* a = AddItem(list, "A", 1000, 100);
  TWaveCollectionItem* b = AddItem(list, "B", 2000, 50);
  a->SetLooped(true);
  a->SetMaxPlayingCount(4);
  a->SetVolume(-300);
  b->Assign(a);
  EXPECT_EQ(b->GetName(), "A");
  EXPECT_TRUE(b->GetLooped());
  EXPECT_EQ(b->GetMaxPlayingCount(), 4);
  EXPECT_EQ(b->GetVolume(), -300);
  EXPECT_EQ(b->GetWave()->GetSize(), 200);
  ASSERT_NE(b->GetMaster(), nullptr);
  EXPECT_EQ(b->GetMaster()->GetCaps().dwBufferBytes, 200u);
  EXPECT_EQ(b->GetDisplayName(), "A");
}

}  // namespace
