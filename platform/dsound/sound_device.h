// IDirectSound: one device object. It records its cooperative level, makes
// primary and secondary buffers and duplicates; every device object of the
// process plays through the one mixer.
#pragma once

#include "platform/dsound/dsound.h"

namespace dsound {

class SoundDevice final : public IDirectSound {
 public:
  SoundDevice();
  SoundDevice(const SoundDevice&) = delete;
  SoundDevice& operator=(const SoundDevice&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC desc, LPDIRECTSOUNDBUFFER* buffer,
                                              LPUNKNOWN outer) override;
  HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS caps) override;
  HRESULT STDMETHODCALLTYPE DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original, LPDIRECTSOUNDBUFFER* duplicate) override;
  HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND hwnd, DWORD level) override;
  HRESULT STDMETHODCALLTYPE Compact() override;
  HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD config) override;
  HRESULT STDMETHODCALLTYPE SetSpeakerConfig(DWORD config) override;
  HRESULT STDMETHODCALLTYPE Initialize(LPCGUID device) override;

  DWORD CooperativeLevel() const { return level_; }
  HWND CooperativeWindow() const { return window_; }
  DWORD CooperativeLevelCalls() const { return levelCalls_; }

 private:
  ~SoundDevice();
  ULONG refs_ = 1;
  HWND window_ = nullptr;
  DWORD level_ = 0;
  DWORD levelCalls_ = 0;
  DWORD speakerConfig_ = 0;
};

}  // namespace dsound
