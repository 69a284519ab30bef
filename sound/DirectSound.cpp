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
  // Each buffer takes itself out of the list as it goes.
  while (!FBuffers.empty()) delete FBuffers.back();
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
