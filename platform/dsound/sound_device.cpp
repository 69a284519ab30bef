#include "platform/dsound/sound_device.h"

#include "platform/dsound/mixer/mixer.h"
#include "platform/dsound/sound_buffer.h"

namespace dsound {

SoundDevice::SoundDevice() {
  Mixer::Get().AddDevice();
}

SoundDevice::~SoundDevice() {
  Mixer::Get().RemoveDevice();
}

HRESULT SoundDevice::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDirectSound) {
    AddRef();
    *object = static_cast<IDirectSound*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG SoundDevice::AddRef() {
  return ++refs_;
}

ULONG SoundDevice::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT SoundDevice::CreateSoundBuffer(LPCDSBUFFERDESC desc, LPDIRECTSOUNDBUFFER* buffer, LPUNKNOWN outer) {
  if (outer) return DSERR_NOAGGREGATION;
  if (!desc || !buffer) return DSERR_INVALIDPARAM;
  *buffer = nullptr;
  return SoundBuffer::Create(this, *desc, buffer);
}

HRESULT SoundDevice::GetCaps(LPDSCAPS caps) {
  if (!caps || caps->dwSize != sizeof(DSCAPS)) return DSERR_INVALIDPARAM;
  const DWORD size = caps->dwSize;
  *caps = DSCAPS{};
  caps->dwSize = size;
  caps->dwFlags = DSCAPS_PRIMARYMONO | DSCAPS_PRIMARYSTEREO | DSCAPS_PRIMARY8BIT | DSCAPS_PRIMARY16BIT |
                  DSCAPS_CONTINUOUSRATE | DSCAPS_EMULDRIVER | DSCAPS_SECONDARYMONO | DSCAPS_SECONDARYSTEREO |
                  DSCAPS_SECONDARY8BIT | DSCAPS_SECONDARY16BIT;
  caps->dwMinSecondarySampleRate = DSBFREQUENCY_MIN;
  caps->dwMaxSecondarySampleRate = DSBFREQUENCY_MAX;
  caps->dwPrimaryBuffers = 1;
  return DS_OK;
}

HRESULT SoundDevice::DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original, LPDIRECTSOUNDBUFFER* duplicate) {
  if (!original || !duplicate) return DSERR_INVALIDPARAM;
  *duplicate = nullptr;
  return SoundBuffer::Duplicate(this, original, duplicate);
}

HRESULT SoundDevice::SetCooperativeLevel(HWND hwnd, DWORD level) {
  if (level < DSSCL_NORMAL || level > DSSCL_WRITEPRIMARY) return DSERR_INVALIDPARAM;
  window_ = hwnd;
  level_ = level;
  ++levelCalls_;
  return DS_OK;
}

HRESULT SoundDevice::Compact() {
  return DS_OK;
}

HRESULT SoundDevice::GetSpeakerConfig(LPDWORD config) {
  if (!config) return DSERR_INVALIDPARAM;
  *config = speakerConfig_;
  return DS_OK;
}

HRESULT SoundDevice::SetSpeakerConfig(DWORD config) {
  speakerConfig_ = config;
  return DS_OK;
}

HRESULT SoundDevice::Initialize(LPCGUID) {
  return DSERR_ALREADYINITIALIZED;
}

}  // namespace dsound
