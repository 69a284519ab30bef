// TDirectSound: one DirectSound device object and the buffer wrappers made on
// it. The device is created through DSound.dll's DirectSoundCreate, taken by
// name at run time.
//
// A buffer wrapper belongs to whoever made it (a sample's master and voices,
// the component's primary buffer); the device only lists them. A device freed
// while wrappers remain lets go of their buffers and leaves the wrappers
// empty and without a device, so that their owners may still free them.
#pragma once

#include <vector>

#include "platform/dsound/dsound.h"
#include "sound/DirectX.h"

class TDirectSoundBuffer;

// Calls DirectSoundCreate of "DSound.dll" (looked up on every call) with the
// device GUID (null: the default device); `ds` is cleared first.
HRESULT DXDirectSoundCreate(const GUID* guid, IDirectSound*& ds, IUnknown* outer);

class TDirectSound : public TDirectX {
  DRUMS_CLASS(TDirectSound, TDirectX)

 public:
  // Raises EDirectSoundError "DirectSound cannot be initialized" when the
  // device object cannot be made.
  explicit TDirectSound(const GUID* guid);
  ~TDirectSound() override;

  // The wrappers made on the device and not freed yet (not owned).
  int BufferCount() const { return static_cast<int>(FBuffers.size()); }
  TDirectSoundBuffer* GetBuffers(int index) const { return FBuffers.at(static_cast<size_t>(index)); }
  // The device interface or null.
  IDirectSound* GetISound() const { return FSoundInterface; }
  // The device interface; EDirectSoundError "IDirectSound not made" without one.
  IDirectSound* GetIDSound() const;

  bool GetGlobalFocus() const { return FGlobalFocus; }
  void SetGlobalFocus(bool value) { FGlobalFocus = value; }
  bool GetStickyFocus() const { return FStickyFocus; }
  void SetStickyFocus(bool value) { FStickyFocus = value; }

  // A buffer's Check: a lost buffer makes the device restore its buffers,
  // once at a time; other results are ignored.
  void CheckBufferLost(TDirectSoundBuffer* buffer);

 protected:
  virtual void DoRestoreBuffers() {}

 private:
  friend class TDirectSoundBuffer;
  std::vector<TDirectSoundBuffer*> FBuffers;
  bool FGlobalFocus = false;
  IDirectSound* FSoundInterface = nullptr;
  bool FInRestoreBuffers = false;
  bool FStickyFocus = false;
};
