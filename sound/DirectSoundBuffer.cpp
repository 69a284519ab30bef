#include "sound/DirectSoundBuffer.h"

#include <algorithm>
#include <cstring>

#include "sound/DirectSound.h"
#include "sound/DsErrors.h"
#include "sound/Wave.h"

TDirectSoundBuffer::TDirectSoundBuffer(TDirectSound* device) : FDirectSound(device) {
  if (FDirectSound) FDirectSound->FBuffers.push_back(this);
}

TDirectSoundBuffer::~TDirectSoundBuffer() {
  SetBufferInterface(nullptr);
  if (FDirectSound) std::erase(FDirectSound->FBuffers, this);
}

void TDirectSoundBuffer::Detach() {
  SetBufferInterface(nullptr);
  std::erase(FDirectSound->FBuffers, this);
  FDirectSound = nullptr;
}

IDirectSound* TDirectSoundBuffer::DeviceInterface() const {
  if (!FDirectSound) throw EDirectSoundError(DsStrings::SNotMade, {DsStrings::SIDirectSound});
  return FDirectSound->GetIDSound();
}

IDirectSoundBuffer* TDirectSoundBuffer::GetIDSBuffer() const {
  if (!FBufferInterface) throw EDirectSoundBufferError(DsStrings::SNotMade, {DsStrings::SIDirectSoundBuffer});
  return FBufferInterface;
}

void TDirectSoundBuffer::SetBufferInterface(IDirectSoundBuffer* value) {
  if (value == FBufferInterface) return;
  if (value) value->AddRef();
  if (FBufferInterface) FBufferInterface->Release();
  FBufferInterface = value;
  FCaps = DSBCAPS{};
  FFormat.clear();
  FLockCount = 0;
  if (!FBufferInterface) return;
  FCaps.dwSize = sizeof(DSBCAPS);
  FBufferInterface->GetCaps(&FCaps);
  DWORD size = 0;
  FBufferInterface->GetFormat(nullptr, 0, &size);
  FFormat.assign(size, 0);
  if (size) FBufferInterface->GetFormat(reinterpret_cast<WAVEFORMATEX*>(FFormat.data()), size, nullptr);
}

bool TDirectSoundBuffer::CreateFromDesc(const DSBUFFERDESC& desc) {
  SetBufferInterface(nullptr);
  IDirectSoundBuffer* buffer = nullptr;
  IDirectSound* device = DeviceInterface();
  FDirectSound->SetDsResult(device->CreateSoundBuffer(&desc, &buffer, nullptr));
  SetDsResult(FDirectSound->GetDsResult());
  if (GetDsResult() != DS_OK) return false;
  SetBufferInterface(buffer);
  buffer->Release();  // the wrapper holds its own reference now
  return true;
}

void TDirectSoundBuffer::CreateBuffer(const WAVEFORMATEX* format, int size) {
  // The format record may be shorter than a whole one (as stored in a file):
  // hand DirectSound a full record, the missing fields zero.
  WAVEFORMATEX record{};
  if (format) std::memcpy(&record, format, sizeof record);
  DSBUFFERDESC desc{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
  if (FDirectSound && FDirectSound->GetStickyFocus())
    desc.dwFlags |= DSBCAPS_STICKYFOCUS;
  else if (FDirectSound && FDirectSound->GetGlobalFocus())
    desc.dwFlags |= DSBCAPS_GLOBALFOCUS;
  desc.dwBufferBytes = static_cast<DWORD>(std::max(size, 0));
  desc.lpwfxFormat = format ? &record : nullptr;
  if (!CreateFromDesc(desc)) throw EDirectSoundBufferError(DsStrings::SCannotMade, {DsStrings::SDirectSoundBuffer});
}

void TDirectSoundBuffer::LoadFromMemory(const WAVEFORMATEX* format, const void* data, int size) {
  CreateBuffer(format, size);
  if (!data) return;
  void *p1 = nullptr, *p2 = nullptr;
  DWORD n1 = 0, n2 = 0;
  if (!Lock(0, static_cast<DWORD>(size), p1, n1, p2, n2)) {
    SetBufferInterface(nullptr);
    throw EDirectSoundBufferError(DsStrings::SCannotLock, {DsStrings::SDirectSoundBuffer});
  }
  std::memcpy(p1, data, n1);
  if (p2) std::memcpy(p2, static_cast<const unsigned char*>(data) + n1, n2);
  Unlock();
}

void TDirectSoundBuffer::LoadFromWave(TWave* wave) {
  // A short format record is widened to a whole one, so that nothing past
  // the wave's own bytes is read.
  WAVEFORMATEX record{};
  const int n = std::min<int>(wave->GetFormatSize(), sizeof record);
  if (n > 0) std::memcpy(&record, wave->GetFormat(), static_cast<size_t>(n));
  LoadFromMemory(n > 0 ? &record : nullptr, wave->GetData(), wave->GetSize());
}

bool TDirectSoundBuffer::Lock(DWORD offset, DWORD size, void*& lpvPtr1, DWORD& dwBytes1, void*& lpvPtr2,
                              DWORD& dwBytes2) {
  if (!FBufferInterface || FLockCount > 0) return false;
  TLockRecord r;
  SetDsResult(FBufferInterface->Lock(offset, size, &r.lpvPtr1, &r.dwBytes1, &r.lpvPtr2, &r.dwBytes2, 0));
  if (GetDsResult() != DS_OK) return false;
  FLockRecord = r;
  FLockCount = 1;
  lpvPtr1 = r.lpvPtr1;
  dwBytes1 = r.dwBytes1;
  lpvPtr2 = r.lpvPtr2;
  dwBytes2 = r.dwBytes2;
  return true;
}

void TDirectSoundBuffer::Unlock() {
  if (!FBufferInterface || FLockCount == 0) return;
  FLockCount = 0;
  SetDsResult(
      FBufferInterface->Unlock(FLockRecord.lpvPtr1, FLockRecord.dwBytes1, FLockRecord.lpvPtr2, FLockRecord.dwBytes2));
}

// Each call below records its result last: a lost buffer may set off a
// restore that frees this wrapper, so nothing of it is touched afterwards.
bool TDirectSoundBuffer::Play(bool loop) {
  const HRESULT hr = GetIDSBuffer()->Play(0, 0, loop ? DSBPLAY_LOOPING : 0);
  SetDsResult(hr);
  return hr == DS_OK;
}

bool TDirectSoundBuffer::Stop() {
  const HRESULT hr = GetIDSBuffer()->Stop();
  SetDsResult(hr);
  return hr == DS_OK;
}

bool TDirectSoundBuffer::SetPosition(DWORD value) {
  const HRESULT hr = GetIDSBuffer()->SetCurrentPosition(value);
  SetDsResult(hr);
  return hr == DS_OK;
}

bool TDirectSoundBuffer::SetFrequency(DWORD value) {
  const HRESULT hr = GetIDSBuffer()->SetFrequency(value);
  SetDsResult(hr);
  return hr == DS_OK;
}

bool TDirectSoundBuffer::SetPan(LONG value) {
  const HRESULT hr = GetIDSBuffer()->SetPan(value);
  SetDsResult(hr);
  return hr == DS_OK;
}

bool TDirectSoundBuffer::SetVolume(LONG value) {
  const HRESULT hr = GetIDSBuffer()->SetVolume(value);
  SetDsResult(hr);
  return hr == DS_OK;
}

bool TDirectSoundBuffer::SetFormat(const WAVEFORMATEX* format) {
  IDirectSoundBuffer* buffer = GetIDSBuffer();
  const HRESULT hr = buffer->SetFormat(format);
  if (hr == DS_OK) {
    DWORD size = 0;
    buffer->GetFormat(nullptr, 0, &size);
    FFormat.assign(size, 0);
    if (size) buffer->GetFormat(reinterpret_cast<WAVEFORMATEX*>(FFormat.data()), size, nullptr);
  }
  SetDsResult(hr);
  return hr == DS_OK;
}

DWORD TDirectSoundBuffer::Status() {
  DWORD status = 0;
  const HRESULT hr = GetIDSBuffer()->GetStatus(&status);
  SetDsResult(hr);
  return status;
}

bool TDirectSoundBuffer::Playing() {
  return (Status() & (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING)) != 0;
}

void TDirectSoundBuffer::Assign(TPersistent* source) {
  if (!source) {
    SetBufferInterface(nullptr);
  } else if (auto* wave = dynamic_cast<TWave*>(source)) {
    LoadFromWave(wave);
  } else if (auto* other = dynamic_cast<TDirectSoundBuffer*>(source)) {
    if (!other->FBufferInterface) {
      SetBufferInterface(nullptr);
      return;
    }
    IDirectSoundBuffer* duplicate = nullptr;
    IDirectSound* device = DeviceInterface();
    FDirectSound->SetDsResult(device->DuplicateSoundBuffer(other->FBufferInterface, &duplicate));
    if (FDirectSound->GetDsResult() == DS_OK) {
      SetBufferInterface(duplicate);
      duplicate->Release();
    }
  } else {
    TDirectX::Assign(source);
  }
}

void TDirectSoundBuffer::Check() {
  if (FDirectSound) FDirectSound->CheckBufferLost(this);
}
