// IDirectSoundBuffer: the primary buffer (it records the output format) or a
// secondary buffer of 8- or 16-bit PCM whose sound the mixer plays. The state
// the calls report lives here, on the user-interface thread; the mixer is told
// through commands and reports back only where a sound has got to and when it
// ended.
//
// Lifetime is COM's: Release frees the buffer at zero references. A buffer
// holds a reference to its device object, so the program may release the
// device and its buffers in either order.
//
// Lock hands out a copy of the sound, never the bytes the audio thread reads;
// Unlock makes a new block of the current sound with the unlocked ranges
// written into it, and the buffer and its duplicates play that block from the
// time of the Unlock on (plus the mixer's latency, as every call).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/dsound/dsound.h"
#include "platform/dsound/mixer/mix_voice.h"
#include "platform/dsound/mixer/sample_data.h"

namespace dsound {

class SoundDevice;

class SoundBuffer final : public IDirectSoundBuffer {
 public:
  // Checks the description; on success *buffer holds a new buffer.
  static HRESULT Create(SoundDevice* device, const DSBUFFERDESC& desc, LPDIRECTSOUNDBUFFER* buffer);
  // A buffer sharing the original's sound, stopped at 0 with its settings.
  static HRESULT Duplicate(SoundDevice* device, IDirectSoundBuffer* original, LPDIRECTSOUNDBUFFER* duplicate);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetCaps(LPDSBCAPS caps) override;
  HRESULT STDMETHODCALLTYPE GetCurrentPosition(LPDWORD play, LPDWORD write) override;
  HRESULT STDMETHODCALLTYPE GetFormat(LPWAVEFORMATEX format, DWORD sizeAllocated, LPDWORD written) override;
  HRESULT STDMETHODCALLTYPE GetVolume(LPLONG volume) override;
  HRESULT STDMETHODCALLTYPE GetPan(LPLONG pan) override;
  HRESULT STDMETHODCALLTYPE GetFrequency(LPDWORD frequency) override;
  HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD status) override;
  HRESULT STDMETHODCALLTYPE Initialize(LPDIRECTSOUND device, LPCDSBUFFERDESC desc) override;
  HRESULT STDMETHODCALLTYPE Lock(DWORD offset, DWORD bytes, LPVOID* first, LPDWORD firstBytes, LPVOID* second,
                                 LPDWORD secondBytes, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE Play(DWORD reserved1, DWORD priority, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD position) override;
  HRESULT STDMETHODCALLTYPE SetFormat(LPCWAVEFORMATEX format) override;
  HRESULT STDMETHODCALLTYPE SetVolume(LONG volume) override;
  HRESULT STDMETHODCALLTYPE SetPan(LONG pan) override;
  HRESULT STDMETHODCALLTYPE SetFrequency(DWORD frequency) override;
  HRESULT STDMETHODCALLTYPE Stop() override;
  HRESULT STDMETHODCALLTYPE Unlock(LPVOID first, DWORD firstBytes, LPVOID second, DWORD secondBytes) override;
  HRESULT STDMETHODCALLTYPE Restore() override;

  // The test seam: the buffer stops and reports DSERR_BUFFERLOST until Restore.
  void Lose();
  SoundDevice* Device() const { return device_; }

 private:
  // The sound of a buffer and its duplicates, and the voices that play it.
  struct SharedSound {
    std::shared_ptr<const SampleData> data;
    std::vector<MixVoice*> voices;
  };

  SoundBuffer(SoundDevice* device, DWORD flags);
  ~SoundBuffer();
  // Joins the shared sound with a voice of its own.
  void Attach(std::shared_ptr<SharedSound> sound);
  const SampleData& Data() const { return *sound_->data; }
  DWORD Size() const { return static_cast<DWORD>(Data().bytes.size()); }
  // Whether [p, p + n) lies inside the lock's copy.
  bool InStaging(const void* p, DWORD n) const;
  bool Primary() const { return (flags_ & DSBCAPS_PRIMARYBUFFER) != 0; }
  // Whether the last Play still sounds (a sound that ran to its end stops).
  bool Sounding();
  DWORD CurrentFrame();
  void SendParams();

  ULONG refs_ = 1;
  SoundDevice* device_;
  DWORD flags_;
  WAVEFORMATEX format_{};
  std::shared_ptr<SharedSound> sound_;  // none for the primary buffer
  MixVoice* voice_ = nullptr;
  std::vector<std::uint8_t> staging_;  // what the open locks hand out
  int locks_ = 0;
  LONG volume_ = 0;
  LONG pan_ = 0;
  DWORD frequency_ = 0;  // 0: the format's rate
  bool playing_ = false;
  bool looping_ = false;
  bool lost_ = false;
  std::uint32_t generation_ = 0;
  DWORD frame_ = 0;  // the position while stopped, or where the last Play began
};

// Checks a PCM format as buffers accept it: 8 or 16 bits, 1 or 2 channels,
// 100 .. 100000 frames a second, the block align of those. Reads only the
// first 16 bytes of the record.
HRESULT CheckPcmFormat(const WAVEFORMATEX* format);

}  // namespace dsound
