#include "sound/DirectSound.h"

#include "sound/DirectSoundBuffer.h"
#include "sound/DsErrors.h"

HRESULT DXDirectSoundCreate(const GUID* guid, IDirectSound*& ds, IUnknown* outer) {
  ds = nullptr;
  auto create = reinterpret_cast<LPDIRECTSOUNDCREATE>(
      reinterpret_cast<void (*)()>(LoadProcFromLibrary("DSound.dll", "DirectSoundCreate")));
  return create(guid, &ds, outer);
}

TDirectSound::TDirectSound(const GUID* guid) {
  IDirectSound* ds = nullptr;
  HRESULT hr = DXDirectSoundCreate(guid, ds, nullptr);
  FSoundInterface = ds;
  if (hr != DS_OK) {
    if (FSoundInterface) FSoundInterface->Release();
    FSoundInterface = nullptr;
    throw EDirectSoundError(DsStrings::SCannotInitialized, {DsStrings::SDirectSound});
  }
}

TDirectSound::~TDirectSound() {
  // The wrappers' owners free them; they only lose their buffers and this
  // device, from the last to the first.
  while (!FBuffers.empty()) FBuffers.back()->Detach();
  if (FSoundInterface) FSoundInterface->Release();
}

IDirectSound* TDirectSound::GetIDSound() const {
  if (!FSoundInterface) throw EDirectSoundError(DsStrings::SNotMade, {DsStrings::SIDirectSound});
  return FSoundInterface;
}

void TDirectSound::CheckBufferLost(TDirectSoundBuffer* buffer) {
  if (buffer->GetDsResult() != DSERR_BUFFERLOST || FInRestoreBuffers) return;
  FInRestoreBuffers = true;
  try {
    DoRestoreBuffers();
  } catch (...) {
    FInRestoreBuffers = false;
    throw;
  }
  FInRestoreBuffers = false;
}
