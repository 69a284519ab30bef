// The device component: loading the library, initialisation, buffer flags,
// cooperative level, listeners, and recovery from a lost buffer.
#include "sound/support/sound_fixture.h"

namespace {

using soundtest::SoundTest;
using Device = SoundTest;

TEST_F(Device, TwelveComponentsShareOneLoadOfTheLibraryAndTakeTheirFocusFlags) {
  std::vector<TDsWaveList*> lists;
  for (int track = 1; track <= 12; ++track) {
    TDsSoundOptions options;
    if (track <= 8) options = TDsSoundOptions{soGlobalFocus, soStickyFocus, soExclusive};
    TDsSound* sound = NewSound(options);
    ASSERT_TRUE(sound->GetInitialized());
    lists.push_back(NewList(sound));
    AddItem(lists.back(), "Hit", 1000, 100);
  }
  for (int track = 1; track <= 12; ++track) {
    TWaveCollectionItem* item = lists[static_cast<size_t>(track - 1)]->GetItems()->GetItems(0);
    ASSERT_NE(item->GetMaster(), nullptr);
    EXPECT_EQ(item->GetMaster()->GetCaps().dwFlags, track <= 8 ? 0x80E0u : 0x00E0u) << "track " << track;
    IDirectSound* device = lists[static_cast<size_t>(track - 1)]->GetDsSound()->GetDSound()->GetISound();
    auto level = dsound::CooperativeLevelOf(device);
    EXPECT_EQ(level.level, track <= 8 ? static_cast<DWORD>(DSSCL_EXCLUSIVE) : static_cast<DWORD>(DSSCL_NORMAL));
    EXPECT_EQ(level.window, form->GetHandle());
  }
  // One LoadLibraryA for all twelve: a single FreeLibrary lets the module go.
  EXPECT_EQ(LoadProcFromLibrary("DSOUND.DLL", "DirectSoundCreate"),
            LoadProcFromLibrary("DSound.dll", "DirectSoundCreate"));
  HMODULE module = GetModuleHandleA("DSound.dll");
  ASSERT_NE(module, nullptr);
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_EQ(GetModuleHandleA("DSound.dll"), nullptr);
  EXPECT_TRUE(LoadLibraryA("DSound.dll"));  // the cache frees it at the end
}

TEST_F(Device, AMissingLibraryOrProcedureIsNotLoaded) {
  for (auto [library, proc] : {std::pair{"NoSuchSound.dll", "DirectSoundCreate"}, {"DSound.dll", "NoSuchProc"}}) {
    try {
      LoadProcFromLibrary(library, proc);
      ADD_FAILURE() << library;
    } catch (const EDirectXError&) {
      ADD_FAILURE() << "not a device error";
    } catch (const Exception& e) {
      EXPECT_EQ(std::string(e.what()), std::string(library) + " is not loaded");
    }
  }
}

TEST_F(Device, StickyFocusSetLaterAppliesToLaterBuffersAndExclusivityStays) {
  TDsSound* sound = NewSound({soGlobalFocus, soExclusive});
  TDsWaveList* list = NewList(sound);
  sound->SetOptions({soStickyFocus});
  EXPECT_TRUE(sound->GetNowOptions().Contains(soExclusive));
  EXPECT_TRUE(sound->GetNowOptions().Contains(soStickyFocus));
  TWaveCollectionItem* item = AddItem(list, "Hit", 1000, 100);
  EXPECT_EQ(item->GetMaster()->GetCaps().dwFlags, 0x40E0u);
}

TEST_F(Device, AListenerOfAnInitialisedComponentHearsInitializedThenRestoreAtOnce) {
  TDsSound* sound = NewSound();
  std::vector<TDsSoundNotifyType> heard;
  int marker = 0;
  sound->AddListener(&marker, [&](TCustomDsSound*, TDsSoundNotifyType k) { heard.push_back(k); });
  EXPECT_EQ(heard, (std::vector<TDsSoundNotifyType>{nkInitialized, nkRestore}));
  heard.clear();
  sound->Restore();
  EXPECT_EQ(heard, std::vector<TDsSoundNotifyType>{nkRestore});
  heard.clear();
  sound->Finalize();
  EXPECT_EQ(heard, std::vector<TDsSoundNotifyType>{nkFinalized});
  heard.clear();
  sound->Initialize();
  EXPECT_EQ(heard, (std::vector<TDsSoundNotifyType>{nkInitializing, nkInitialized, nkRestore}));
  heard.clear();
  sound->RemoveListener(&marker);
  EXPECT_EQ(heard, std::vector<TDsSoundNotifyType>{nkFinalized});
  // Listeners are told from the last registered to the first.
  std::vector<int> order;
  int a = 0, b = 0;
  sound->AddListener(&a, [&](TCustomDsSound*, TDsSoundNotifyType k) {
    if (k == nkRestore) order.push_back(1);
  });
  sound->AddListener(&b, [&](TCustomDsSound*, TDsSoundNotifyType k) {
    if (k == nkRestore) order.push_back(2);
  });
  order.clear();
  sound->Restore();
  EXPECT_EQ(order, (std::vector<int>{2, 1}));
  sound->RemoveListener(&a);
  sound->RemoveListener(&b);
}

TEST_F(Device, FinalizeWithoutInitializeDoesNothingAndAFormIsNeeded) {
  auto* sound = new TDsSound(form);
  sound->Finalize();
  EXPECT_FALSE(sound->GetInitialized());
  TDsSound orphan(nullptr);
  try {
    orphan.Initialize();
    FAIL();
  } catch (const EDsSoundError& e) {
    EXPECT_STREQ(e.what(), "Form not found");
  }
  EXPECT_FALSE(orphan.GetInitialized());
}

TEST_F(Device, TheCooperativeLevelIsSetAgainWhenTheWindowIsRecreated) {
  TDsSound* sound = NewSound({soExclusive});
  IDirectSound* device = sound->GetDSound()->GetISound();
  auto before = dsound::CooperativeLevelOf(device);
  EXPECT_EQ(before.window, form->GetHandle());
  form->RecreateWnd();
  HWND now = form->GetHandle();
  auto after = dsound::CooperativeLevelOf(device);
  EXPECT_EQ(after.calls, before.calls + 1);
  EXPECT_EQ(after.window, now);
  EXPECT_EQ(after.level, static_cast<DWORD>(DSSCL_EXCLUSIVE));
  // The form's own procedure still gets every message.
  EXPECT_EQ(form->Perform(WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(form->GetCaption().size()));
}

TEST_F(Device, ALostBufferRebuildsTheSoundsAndTheNextPlaySounds) {
  TDsSound* sound = NewSound();
  TDsWaveList* list = NewList(sound);
  TWaveCollectionItem* item = AddItem(list, "Hit", 9000, 4410);
  int restores = 0;
  sound->OnRestore = [&](TObject*) { ++restores; };
  item->Play();
  ASSERT_EQ(item->GetVoiceCount(), 1);
  TDirectSoundBuffer* master = item->GetMaster();
  IDirectSoundBuffer* oldMaster = master->GetIBuffer();
  ASSERT_TRUE(dsound::LoseBuffer(item->GetVoices(0)->GetIBuffer()));
  Render(Latency() + 5000);
  Sync();
  item->Play();  // fails as lost: the device restores every bank
  EXPECT_EQ(restores, 1);
  EXPECT_EQ(item->GetMaster(), master);
  EXPECT_NE(master->GetIBuffer(), oldMaster) << "a new buffer, filled from the wave";
  EXPECT_EQ(item->GetVoiceCount(), 0) << "the lost voices are gone";
  auto out = Render(Latency() + 100);
  EXPECT_EQ(out.back(), 0) << "the failed play itself is not repeated";
  Sync();
  item->Play();
  out = Render(Latency() + 100);
  EXPECT_EQ(out.back(), 9000);
}

TEST_F(Device, ResultsAreRecordedAndOnlyALostBufferCallsForARestore) {
  TDsSound* sound = NewSound();
  TDsWaveList* list = NewList(sound);
  TWaveCollectionItem* item = AddItem(list, "Hit", 9000, 100);
  int restores = 0;
  sound->OnRestore = [&](TObject*) {
    ++restores;
    // A lost buffer met while restoring does not start another restore.
    item->GetMaster()->SetDsResult(DSERR_BUFFERLOST);
  };
  TDirectSoundBuffer* master = item->GetMaster();
  EXPECT_FALSE(master->SetVolume(5));
  EXPECT_EQ(master->GetDsResult(), DSERR_INVALIDPARAM);
  EXPECT_EQ(restores, 0);
  master->SetDsResult(0);
  EXPECT_EQ(restores, 0);
  master->SetDsResult(DSERR_BUFFERLOST);
  EXPECT_EQ(restores, 1);
}

TEST_F(Device, BuffersWithoutAnInterfaceRaise) {
  TDsSound* sound = NewSound();
  TDirectSoundBuffer buffer(sound->GetDSound());
  try {
    buffer.Play(false);
    FAIL();
  } catch (const EDirectSoundBufferError& e) {
    EXPECT_STREQ(e.what(), "IDirectSoundBuffer not made");
  }
  WAVEFORMATEX bad{};
  MakePCMFormat(bad, 44100, 24, 2);
  try {
    buffer.CreateBuffer(&bad, 100);
    FAIL();
  } catch (const EDirectSoundBufferError& e) {
    EXPECT_STREQ(e.what(), "Sound Buffer cannot be made");
  }
}

TEST_F(Device, TheDeviceAndItsBufferWrappersAreFreedInEitherOrder) {
  NewSound();  // keeps the mixer open and its time running on
  TWave wave;
  soundtest::FillConstant(wave, 6000, 4410);
  for (bool deviceFirst : {true, false}) {
    SCOPED_TRACE(deviceFirst ? "device first" : "buffers first");
    auto device = std::make_unique<TDirectSound>(nullptr);
    auto master = std::make_unique<TDirectSoundBuffer>(device.get());
    auto voice = std::make_unique<TDirectSoundBuffer>(device.get());
    master->LoadFromWave(&wave);
    voice->Assign(master.get());
    ASSERT_EQ(device->BufferCount(), 2);
    ASSERT_TRUE(voice->Play(true));
    EXPECT_EQ(Render(Latency() + 10).back(), 6000);
    Sync();
    if (deviceFirst) {
      device.reset();
      // The wrappers stay with their owners, without buffers or device, and
      // the sound stops.
      EXPECT_EQ(master->GetIBuffer(), nullptr);
      EXPECT_EQ(voice->GetDirectSound(), nullptr);
      EXPECT_EQ(dsound::LiveDevices(), 1);
      EXPECT_EQ(Render(Latency() + 10).back(), 0);
      Sync();
      EXPECT_THROW(voice->Play(false), EDirectSoundBufferError);
      try {
        master->LoadFromWave(&wave);
        ADD_FAILURE() << "a buffer without a device was made";
      } catch (const EDirectSoundError& e) {
        EXPECT_STREQ(e.what(), "IDirectSound not made");
      }
      master.reset();
      voice.reset();
    } else {
      voice.reset();
      EXPECT_EQ(device->BufferCount(), 1);
      master.reset();
      EXPECT_EQ(device->BufferCount(), 0);
      device.reset();
    }
    EXPECT_EQ(dsound::LiveDevices(), 1);
  }
}

}  // namespace

namespace {

using soundtest::SoundTest;
using DeviceMissing = SoundTest;

const GUID kNoSuchDevice = {0x12345678, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};

TEST_F(DeviceMissing, InitializeRaisesAndLoadingTheFormLeavesTheTracksSilent) {
  auto* sound = new TDsSound(form);
  sound->SetDriver(&kNoSuchDevice);
  try {
    sound->Initialize();
    FAIL();
  } catch (const EDirectSoundError& e) {
    EXPECT_STREQ(e.what(), "DirectSound cannot be initialized");
  }
  EXPECT_FALSE(sound->GetInitialized());
  // Read from a form stream, the component initialises itself when loaded
  // and swallows the device error; its list stays silent.
  TMemoryStream s;
  {
    TDsSound source(nullptr);
    WriteComponent(&s, &source);
  }
  s.SetPosition(0);
  int attempts = 0;
  sound->OnInitializing = [&](TObject*) { ++attempts; };
  EXPECT_NO_THROW(ReadComponent(&s, sound));
  EXPECT_EQ(attempts, 1) << "Loaded tried";
  EXPECT_FALSE(sound->GetInitialized());
  TDsWaveList* list = NewList(sound);
  TWaveCollectionItem* item = AddItem(list, "Hit", 1000, 100);
  EXPECT_FALSE(item->GetLive());
  EXPECT_NO_THROW(item->Play());
  EXPECT_EQ(item->GetMaster(), nullptr);
}

}  // namespace
