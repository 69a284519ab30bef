// The device object and its buffers are released in any order: a buffer
// keeps its device alive, so a buffer outliving its device still plays, and
// the device goes with the last reference to it.
#include "dsound/support/dsound_fixture.h"

namespace {

using dstest::DeviceTest;
using ReleaseOrder = DeviceTest;

TEST_F(ReleaseOrder, DeviceAndBuffersGoInEveryOrder) {
  enum Step { Device, Original, Copy };
  struct Case {
    const char* what;
    Step order[3];
  } cases[] = {
      {"device first", {Device, Original, Copy}},
      {"device between", {Original, Device, Copy}},
      {"device last", {Copy, Original, Device}},
  };
  LPDIRECTSOUNDCREATE create = dstest::DirectSoundCreateOf(library_);
  WAVEFORMATEX format = dstest::Pcm(44100, 16, 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // A device of its own beside the fixture's, which keeps the mixer open.
    IDirectSound* device = nullptr;
    ASSERT_EQ(create(nullptr, &device, nullptr), DS_OK);
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwBufferBytes = 8820;
    desc.lpwfxFormat = &format;
    IDirectSoundBuffer *original = nullptr, *copy = nullptr;
    ASSERT_EQ(device->CreateSoundBuffer(&desc, &original, nullptr), DS_OK);
    ASSERT_EQ(device->DuplicateSoundBuffer(original, &copy), DS_OK);
    ASSERT_EQ(original->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    ASSERT_EQ(copy->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    for (Step step : c.order) {
      switch (step) {
        case Device:
          device->Release();
          device = nullptr;
          break;
        case Original:
          original->Release();
          original = nullptr;
          break;
        case Copy:
          copy->Release();
          copy = nullptr;
          break;
      }
      EXPECT_EQ(dsound::LiveDevices(), device || original || copy ? 2 : 1);
      // What is left still plays and takes a write that it then plays.
      if (IDirectSoundBuffer* left = original ? original : copy) {
        void* p = nullptr;
        DWORD n = 0;
        ASSERT_EQ(left->Lock(0, 0, &p, &n, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
        for (DWORD i = 0; i < n / 2; ++i) static_cast<std::int16_t*>(p)[i] = 4000;
        ASSERT_EQ(left->Unlock(p, n, nullptr, 0), DS_OK);
        DWORD status = 0;
        left->GetStatus(&status);
        EXPECT_EQ(status, static_cast<DWORD>(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING));
        EXPECT_EQ(Render(Latency() + 10).back(), original && copy ? 8000 : 4000);
        Sync();
      }
    }
    EXPECT_EQ(dsound::LiveDevices(), 1);
    Render(Latency() + 10);
    Sync();
    EXPECT_EQ(dsound::LiveVoices(), 0u);
  }
}

}  // namespace
