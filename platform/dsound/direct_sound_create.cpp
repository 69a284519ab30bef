// The library's one export that programs look up by name.
#include "platform/dsound/dsound.h"
#include "platform/dsound/sound_device.h"

namespace {

// The default playback device; any other device GUID names no device here.
constexpr GUID kDefaultPlayback = {0xDEF00000, 0x9C6D, 0x47ED, {0xAA, 0xF1, 0x4D, 0xDA, 0x8F, 0x2B, 0x5C, 0x03}};

}  // namespace

extern "C" __attribute__((visibility("default"))) HRESULT WINAPI DirectSoundCreate(LPCGUID device, LPDIRECTSOUND* ds,
                                                                                   LPUNKNOWN outer) {
  if (!ds) return DSERR_INVALIDPARAM;
  *ds = nullptr;
  if (outer) return DSERR_NOAGGREGATION;
  if (device && !IsEqualGUID(*device, kDefaultPlayback)) return DSERR_NODRIVER;
  *ds = new dsound::SoundDevice;
  return DS_OK;
}
