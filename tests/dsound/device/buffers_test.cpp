// The device object and its buffers: formats, duplicates, the primary
// buffer, capabilities, the lost-buffer seam and memory given back.
#include "dsound/support/dsound_fixture.h"

namespace {

using dstest::DeviceTest;
using dstest::Pcm;
using Buffers = DeviceTest;

HRESULT Make(IDirectSound* device, WAVEFORMATEX* format, DWORD bytes, IDirectSoundBuffer** out,
             DWORD flags = DSBCAPS_CTRLVOLUME) {
  DSBUFFERDESC desc{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = flags;
  desc.dwBufferBytes = bytes;
  desc.lpwfxFormat = format;
  return device->CreateSoundBuffer(&desc, out, nullptr);
}

TEST_F(Buffers, OnlyEightOrSixteenBitPcmInOneOrTwoChannelsIsAccepted) {
  struct Case {
    const char* what;
    WAVEFORMATEX format;
    HRESULT result;
  } cases[] = {
      {"16-bit stereo", Pcm(44100, 16, 2), DS_OK},
      {"8-bit mono", Pcm(8000, 8, 1), DS_OK},
      {"lowest rate", Pcm(100, 16, 1), DS_OK},
      {"24-bit", Pcm(44100, 24, 2), DSERR_BADFORMAT},
      {"three channels", Pcm(44100, 16, 3), DSERR_BADFORMAT},
      {"no channels", Pcm(44100, 16, 0), DSERR_BADFORMAT},
      {"rate too low", Pcm(99, 16, 1), DSERR_BADFORMAT},
      {"rate too high", Pcm(100001, 16, 1), DSERR_BADFORMAT},
      {"float tag",
       [] {
         auto f = Pcm(44100, 16, 2);
         f.wFormatTag = 3;
         return f;
       }(),
       DSERR_BADFORMAT},
      {"wrong block align",
       [] {
         auto f = Pcm(44100, 16, 2);
         f.nBlockAlign = 2;
         return f;
       }(),
       DSERR_BADFORMAT},
  };
  for (Case& c : cases) {
    IDirectSoundBuffer* b = nullptr;
    EXPECT_EQ(Make(device_, &c.format, 4000, &b), c.result) << c.what;
    EXPECT_EQ(b != nullptr, c.result == DS_OK) << c.what;
    if (b) b->Release();
  }
  IDirectSoundBuffer* b = nullptr;
  WAVEFORMATEX f = Pcm(44100, 16, 2);
  EXPECT_EQ(Make(device_, nullptr, 4000, &b), DSERR_INVALIDPARAM) << "no format";
  EXPECT_EQ(Make(device_, &f, 3, &b), DSERR_INVALIDPARAM) << "smaller than a frame";
  EXPECT_EQ(Make(device_, &f, 4000, &b, DSBCAPS_CTRL3D), DSERR_INVALIDPARAM);
  DSBUFFERDESC desc{};
  desc.dwSize = 12;
  EXPECT_EQ(device_->CreateSoundBuffer(&desc, &b, nullptr), DSERR_INVALIDPARAM) << "size of the description";
}

TEST_F(Buffers, APcmRecordWithoutItsLastFieldIsRead) {
  // Many WAV files store 16 bytes of PCM format; nothing past them is read.
  auto* record = static_cast<unsigned char*>(std::malloc(16));
  WAVEFORMATEX full = Pcm(22050, 8, 1);
  std::memcpy(record, &full, 16);
  IDirectSoundBuffer* b = nullptr;
  EXPECT_EQ(Make(device_, reinterpret_cast<WAVEFORMATEX*>(record), 100, &b), DS_OK);
  std::free(record);
  WAVEFORMATEX back{};
  DWORD written = 0;
  ASSERT_EQ(b->GetFormat(nullptr, 0, &written), DS_OK);
  EXPECT_EQ(written, 18u);
  ASSERT_EQ(b->GetFormat(&back, sizeof back, &written), DS_OK);
  EXPECT_EQ(back.nSamplesPerSec, 22050u);
  EXPECT_EQ(back.cbSize, 0);
  b->Release();
}

TEST_F(Buffers, CapabilitiesReportTheFlagsAsked) {
  for (DWORD flags : {0x80E0u, 0x40E0u, 0x00E0u}) {
    WAVEFORMATEX f = Pcm(44100, 16, 2);
    IDirectSoundBuffer* b = nullptr;
    ASSERT_EQ(Make(device_, &f, 4000, &b, flags), DS_OK);
    DSBCAPS caps{};
    caps.dwSize = sizeof caps;
    ASSERT_EQ(b->GetCaps(&caps), DS_OK);
    EXPECT_EQ(caps.dwFlags, flags);
    EXPECT_EQ(caps.dwBufferBytes, 4000u);
    b->Release();
  }
  DSCAPS caps{};
  EXPECT_EQ(device_->GetCaps(&caps), DSERR_INVALIDPARAM);
  caps.dwSize = sizeof caps;
  ASSERT_EQ(device_->GetCaps(&caps), DS_OK);
  EXPECT_EQ(caps.dwMaxSecondarySampleRate, 100000u);
}

TEST_F(Buffers, AControlNotAskedForIsUnavailable) {
  WAVEFORMATEX f = Pcm(44100, 16, 1);
  IDirectSoundBuffer* b = nullptr;
  ASSERT_EQ(Make(device_, &f, 100, &b, DSBCAPS_CTRLVOLUME), DS_OK);
  EXPECT_EQ(b->SetPan(100), DSERR_CONTROLUNAVAIL);
  EXPECT_EQ(b->SetFrequency(22050), DSERR_CONTROLUNAVAIL);
  EXPECT_EQ(b->SetVolume(-100), DS_OK);
  b->Release();
}

TEST_F(Buffers, TheDuplicateSharesTheSoundStartsStoppedAndOutlivesTheOriginal) {
  IDirectSoundBuffer* original = Constant(7000, 4000);
  original->SetVolume(-600);
  original->SetPan(10000);
  original->Play(0, 0, DSBPLAY_LOOPING);
  IDirectSoundBuffer* copy = nullptr;
  ASSERT_EQ(device_->DuplicateSoundBuffer(original, &copy), DS_OK);
  DWORD status = 1, play = 1;
  LONG volume = 0, pan = 0;
  copy->GetStatus(&status);
  copy->GetCurrentPosition(&play, nullptr);
  copy->GetVolume(&volume);
  copy->GetPan(&pan);
  EXPECT_EQ(status, 0u);
  EXPECT_EQ(play, 0u);
  EXPECT_EQ(volume, -600);
  EXPECT_EQ(pan, 10000);
  // The original goes; the copy still sounds, from the shared data.
  buffers_.clear();
  original->Release();
  copy->SetVolume(0);
  copy->SetPan(0);
  ASSERT_EQ(copy->Play(0, 0, 0), DS_OK);
  auto out = Render(Latency() + 100);
  EXPECT_EQ(out.back(), 7000);
  copy->Release();
  // The primary buffer has no duplicate.
  DSBUFFERDESC desc{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DSBCAPS_PRIMARYBUFFER;
  IDirectSoundBuffer* primary = nullptr;
  ASSERT_EQ(device_->CreateSoundBuffer(&desc, &primary, nullptr), DS_OK);
  EXPECT_EQ(device_->DuplicateSoundBuffer(primary, &copy), DSERR_INVALIDCALL);
  primary->Release();
}

TEST_F(Buffers, ThePrimaryFormatNeedsPriorityLevelAndIsRecorded) {
  DSBUFFERDESC desc{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DSBCAPS_PRIMARYBUFFER;
  IDirectSoundBuffer* primary = nullptr;
  ASSERT_EQ(device_->CreateSoundBuffer(&desc, &primary, nullptr), DS_OK);
  WAVEFORMATEX wanted = Pcm(44100, 16, 2);
  EXPECT_EQ(primary->SetFormat(&wanted), DSERR_PRIOLEVELNEEDED);
  HWND window = reinterpret_cast<HWND>(0x1234);
  ASSERT_EQ(device_->SetCooperativeLevel(window, DSSCL_NORMAL), DS_OK);
  EXPECT_EQ(primary->SetFormat(&wanted), DSERR_PRIOLEVELNEEDED);
  ASSERT_EQ(device_->SetCooperativeLevel(window, DSSCL_EXCLUSIVE), DS_OK);
  WAVEFORMATEX bad = Pcm(44100, 24, 2);
  EXPECT_EQ(primary->SetFormat(&bad), DSERR_BADFORMAT);
  ASSERT_EQ(primary->SetFormat(&wanted), DS_OK);
  WAVEFORMATEX back{};
  ASSERT_EQ(primary->GetFormat(&back, sizeof back, nullptr), DS_OK);
  EXPECT_EQ(back.nSamplesPerSec, 44100u);
  EXPECT_EQ(back.wBitsPerSample, 16);
  auto record = dsound::CooperativeLevelOf(device_);
  EXPECT_EQ(record.window, window);
  EXPECT_EQ(record.level, static_cast<DWORD>(DSSCL_EXCLUSIVE));
  EXPECT_EQ(record.calls, 2u);
  EXPECT_EQ(device_->SetCooperativeLevel(window, 9), DSERR_INVALIDPARAM);
  primary->Release();
}

TEST_F(Buffers, ALostBufferRefusesToPlayUntilRestored) {
  IDirectSoundBuffer* b = Constant(5000, 4000);
  ASSERT_TRUE(dsound::LoseBuffer(b));
  DWORD status = 0;
  b->GetStatus(&status);
  EXPECT_EQ(status, static_cast<DWORD>(DSBSTATUS_BUFFERLOST));
  EXPECT_EQ(b->Play(0, 0, 0), DSERR_BUFFERLOST);
  void* p = nullptr;
  DWORD n = 0;
  EXPECT_EQ(b->Lock(0, 10, &p, &n, nullptr, nullptr, 0), DSERR_BUFFERLOST);
  ASSERT_EQ(b->Restore(), DS_OK);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(Render(Latency() + 10).back(), 5000);
}

TEST_F(Buffers, LockWrapsAroundTheEnd) {
  IDirectSoundBuffer* b = Constant(0, 100);  // 200 bytes
  void *p1 = nullptr, *p2 = nullptr;
  DWORD n1 = 0, n2 = 0;
  ASSERT_EQ(b->Lock(150, 100, &p1, &n1, &p2, &n2, 0), DS_OK);
  EXPECT_EQ(n1, 50u);
  EXPECT_EQ(n2, 50u);
  EXPECT_EQ(static_cast<char*>(p1) - static_cast<char*>(p2), 150);
  EXPECT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
  EXPECT_EQ(b->Lock(200, 10, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
  EXPECT_EQ(b->Lock(0, 201, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
  ASSERT_EQ(b->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER), DS_OK);
  EXPECT_EQ(n1, 200u);
  int local = 0;
  EXPECT_EQ(b->Unlock(&local, 4, nullptr, 0), DSERR_INVALIDPARAM);
}

TEST_F(Buffers, ManyCallsWithoutRenderingQueueUpAndReleasedVoicesAreFreed) {
  // The command queue has no limit and the mixer frees nothing itself.
  IDirectSoundBuffer* b = Constant(1000, 100);
  for (int i = 0; i < 20000; ++i) {
    b->SetVolume(-(i % 100));
    b->Play(0, 0, 0);
    b->Stop();
  }
  std::vector<IDirectSoundBuffer*> extra;
  for (int i = 0; i < 50; ++i) {
    IDirectSoundBuffer* copy = nullptr;
    ASSERT_EQ(device_->DuplicateSoundBuffer(b, &copy), DS_OK);
    extra.push_back(copy);
  }
  EXPECT_EQ(dsound::LiveVoices(), 51u);
  for (auto* copy : extra) copy->Release();
  EXPECT_EQ(dsound::LiveVoices(), 51u) << "the mixer has not let go yet";
  Render(Latency() + 10);
  EXPECT_EQ(dsound::LiveVoices(), 1u);
}

TEST_F(Buffers, DirectSoundCreateChecksItsArguments) {
  LPDIRECTSOUNDCREATE create = dstest::DirectSoundCreateOf(library_);
  IDirectSound* ds = reinterpret_cast<IDirectSound*>(1);
  EXPECT_EQ(create(nullptr, nullptr, nullptr), DSERR_INVALIDPARAM);
  EXPECT_EQ(create(nullptr, &ds, reinterpret_cast<LPUNKNOWN>(device_)), DSERR_NOAGGREGATION);
  EXPECT_EQ(ds, nullptr);
  GUID other = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
  EXPECT_EQ(create(&other, &ds, nullptr), DSERR_NODRIVER);
  void* unknown = nullptr;
  EXPECT_EQ(device_->QueryInterface(IID_IDirectSoundBuffer, &unknown), E_NOINTERFACE);
  ASSERT_EQ(device_->QueryInterface(IID_IDirectSound, &unknown), S_OK);
  static_cast<IDirectSound*>(unknown)->Release();
}

}  // namespace
