// TDirectSoundBuffer: one DirectSound buffer (a device's primary buffer, a
// sample's master buffer or one of its voices) with its capabilities and
// format as last read, and the range of its current lock.
#pragma once

#include <vector>

#include "platform/dsound/dsound.h"
#include "sound/DirectX.h"

class TDirectSound;
class TWave;

class TDirectSoundBuffer : public TDirectX {
  DRUMS_CLASS(TDirectSoundBuffer, TDirectX)

 public:
  // Adds itself to the device's buffers (if any); the destructor takes it out.
  explicit TDirectSoundBuffer(TDirectSound* device);
  ~TDirectSoundBuffer() override;

  // The device, or none once the device was freed before the wrapper.
  TDirectSound* GetDirectSound() const { return FDirectSound; }
  IDirectSoundBuffer* GetIBuffer() const { return FBufferInterface; }
  // The interface; EDirectSoundBufferError "IDirectSoundBuffer not made" without one.
  IDirectSoundBuffer* GetIDSBuffer() const;
  // Takes a reference to value (and drops the old one); reads caps and format.
  void SetBufferInterface(IDirectSoundBuffer* value);
  const DSBCAPS& GetCaps() const { return FCaps; }
  const WAVEFORMATEX* GetFormat() const {
    return FFormat.empty() ? nullptr : reinterpret_cast<const WAVEFORMATEX*>(FFormat.data());
  }
  int GetFormatSize() const { return static_cast<int>(FFormat.size()); }

  // Raises EDirectSoundError "IDirectSound not made" when the device is gone.
  bool CreateFromDesc(const DSBUFFERDESC& desc);
  // A secondary buffer of size bytes in format; raises "Sound Buffer cannot be made".
  void CreateBuffer(const WAVEFORMATEX* format, int size);
  void LoadFromMemory(const WAVEFORMATEX* format, const void* data, int size);
  void LoadFromWave(TWave* wave);

  bool Lock(DWORD offset, DWORD size, void*& lpvPtr1, DWORD& dwBytes1, void*& lpvPtr2, DWORD& dwBytes2);
  void Unlock();

  bool Play(bool loop);
  bool Stop();
  bool SetPosition(DWORD value);
  bool SetFrequency(DWORD value);
  bool SetPan(LONG value);
  bool SetVolume(LONG value);
  bool SetFormat(const WAVEFORMATEX* format);
  DWORD Status();
  bool Playing();

  // None: drops the interface; a TWave: LoadFromWave; another buffer: a
  // duplicate of it (none when it has no interface).
  void Assign(TPersistent* source) override;

 protected:
  void Check() override;

 private:
  friend class TDirectSound;
  // The device is being freed: drop the buffer and forget the device.
  void Detach();
  // The device's interface; raises "IDirectSound not made" when the device is gone.
  IDirectSound* DeviceInterface() const;

  struct TLockRecord {
    void* lpvPtr1 = nullptr;
    DWORD dwBytes1 = 0;
    void* lpvPtr2 = nullptr;
    DWORD dwBytes2 = 0;
  };

  TDirectSound* FDirectSound;
  IDirectSoundBuffer* FBufferInterface = nullptr;
  DSBCAPS FCaps{};
  std::vector<unsigned char> FFormat;
  TLockRecord FLockRecord;
  int FLockCount = 0;
};
