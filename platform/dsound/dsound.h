// The DirectSound stand-in's public face: the device and buffer interfaces,
// their records, flags and result codes. The library behind it is loaded at
// run time ("DSound.dll", procedure "DirectSoundCreate"); programs do not
// link it.
//
// Every buffer of every device object of the process is mixed into one
// 44,100 Hz 16-bit stereo output played through the host's audio device.
#pragma once

#include "platform/win/guiddef.h"
#include "platform/win/mmsystem.h"
#include "platform/win/unknwn.h"
#include "platform/win/windef.h"
#include "platform/win/winerror.h"

// Result codes.
#define MAKE_DSHRESULT(code) MAKE_HRESULT(1, 0x878, code)
#define DS_OK S_OK
#define DSERR_ALLOCATED MAKE_DSHRESULT(10)
#define DSERR_CONTROLUNAVAIL MAKE_DSHRESULT(30)
#define DSERR_INVALIDPARAM E_INVALIDARG
#define DSERR_INVALIDCALL MAKE_DSHRESULT(50)
#define DSERR_GENERIC E_FAIL
#define DSERR_PRIOLEVELNEEDED MAKE_DSHRESULT(70)
#define DSERR_OUTOFMEMORY E_OUTOFMEMORY
#define DSERR_BADFORMAT MAKE_DSHRESULT(100)
#define DSERR_UNSUPPORTED E_NOTIMPL
#define DSERR_NODRIVER MAKE_DSHRESULT(120)
#define DSERR_ALREADYINITIALIZED MAKE_DSHRESULT(130)
#define DSERR_NOAGGREGATION ((HRESULT)0x80040110L)
#define DSERR_BUFFERLOST MAKE_DSHRESULT(150)
#define DSERR_OTHERAPPHASPRIO MAKE_DSHRESULT(160)
#define DSERR_UNINITIALIZED MAKE_DSHRESULT(170)
#define DSERR_NOINTERFACE E_NOINTERFACE

// Cooperative levels.
#define DSSCL_NORMAL 0x00000001
#define DSSCL_PRIORITY 0x00000002
#define DSSCL_EXCLUSIVE 0x00000003
#define DSSCL_WRITEPRIMARY 0x00000004

// Buffer description and capability flags.
#define DSBCAPS_PRIMARYBUFFER 0x00000001
#define DSBCAPS_STATIC 0x00000002
#define DSBCAPS_LOCHARDWARE 0x00000004
#define DSBCAPS_LOCSOFTWARE 0x00000008
#define DSBCAPS_CTRL3D 0x00000010
#define DSBCAPS_CTRLFREQUENCY 0x00000020
#define DSBCAPS_CTRLPAN 0x00000040
#define DSBCAPS_CTRLVOLUME 0x00000080
#define DSBCAPS_CTRLPOSITIONNOTIFY 0x00000100
#define DSBCAPS_STICKYFOCUS 0x00004000
#define DSBCAPS_GLOBALFOCUS 0x00008000
#define DSBCAPS_GETCURRENTPOSITION2 0x00010000
#define DSBCAPS_MUTE3DATMAXDISTANCE 0x00020000

// Device capability flags.
#define DSCAPS_PRIMARYMONO 0x00000001
#define DSCAPS_PRIMARYSTEREO 0x00000002
#define DSCAPS_PRIMARY8BIT 0x00000004
#define DSCAPS_PRIMARY16BIT 0x00000008
#define DSCAPS_CONTINUOUSRATE 0x00000010
#define DSCAPS_EMULDRIVER 0x00000020
#define DSCAPS_SECONDARYMONO 0x00000100
#define DSCAPS_SECONDARYSTEREO 0x00000200
#define DSCAPS_SECONDARY8BIT 0x00000400
#define DSCAPS_SECONDARY16BIT 0x00000800

#define DSBPLAY_LOOPING 0x00000001
#define DSBSTATUS_PLAYING 0x00000001
#define DSBSTATUS_BUFFERLOST 0x00000002
#define DSBSTATUS_LOOPING 0x00000004
#define DSBLOCK_FROMWRITECURSOR 0x00000001
#define DSBLOCK_ENTIREBUFFER 0x00000002

#define DSBFREQUENCY_ORIGINAL 0
#define DSBFREQUENCY_MIN 100
#define DSBFREQUENCY_MAX 100000
#define DSBPAN_LEFT -10000
#define DSBPAN_CENTER 0
#define DSBPAN_RIGHT 10000
#define DSBVOLUME_MIN -10000
#define DSBVOLUME_MAX 0
#define DSBSIZE_MIN 4
#define DSBSIZE_MAX 0x0FFFFFFF

struct DSCAPS {
  DWORD dwSize;
  DWORD dwFlags;
  DWORD dwMinSecondarySampleRate;
  DWORD dwMaxSecondarySampleRate;
  DWORD dwPrimaryBuffers;
  DWORD dwMaxHwMixingAllBuffers;
  DWORD dwMaxHwMixingStaticBuffers;
  DWORD dwMaxHwMixingStreamingBuffers;
  DWORD dwFreeHwMixingAllBuffers;
  DWORD dwFreeHwMixingStaticBuffers;
  DWORD dwFreeHwMixingStreamingBuffers;
  DWORD dwMaxHw3DAllBuffers;
  DWORD dwMaxHw3DStaticBuffers;
  DWORD dwMaxHw3DStreamingBuffers;
  DWORD dwFreeHw3DAllBuffers;
  DWORD dwFreeHw3DStaticBuffers;
  DWORD dwFreeHw3DStreamingBuffers;
  DWORD dwTotalHwMemBytes;
  DWORD dwFreeHwMemBytes;
  DWORD dwMaxContigFreeHwMemBytes;
  DWORD dwUnlockTransferRateHwBuffers;
  DWORD dwPlayCpuOverheadSwBuffers;
  DWORD dwReserved1;
  DWORD dwReserved2;
};
typedef DSCAPS* LPDSCAPS;

struct DSBCAPS {
  DWORD dwSize;
  DWORD dwFlags;
  DWORD dwBufferBytes;
  DWORD dwUnlockTransferRate;
  DWORD dwPlayCpuOverhead;
};
typedef DSBCAPS* LPDSBCAPS;

// dwSize is sizeof(DSBUFFERDESC), or the size without guid3DAlgorithm.
struct DSBUFFERDESC {
  DWORD dwSize;
  DWORD dwFlags;
  DWORD dwBufferBytes;
  DWORD dwReserved;
  LPWAVEFORMATEX lpwfxFormat;
  GUID guid3DAlgorithm;
};
typedef DSBUFFERDESC* LPDSBUFFERDESC;
typedef const DSBUFFERDESC* LPCDSBUFFERDESC;

inline constexpr IID IID_IDirectSound = {0x279AFA83, 0x4981, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};
inline constexpr IID IID_IDirectSoundBuffer = {
    0x279AFA85, 0x4981, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};

struct IDirectSoundBuffer;
typedef IDirectSoundBuffer* LPDIRECTSOUNDBUFFER;

struct IDirectSound : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC desc, LPDIRECTSOUNDBUFFER* buffer,
                                                      LPUNKNOWN outer) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS caps) = 0;
  virtual HRESULT STDMETHODCALLTYPE DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original,
                                                         LPDIRECTSOUNDBUFFER* duplicate) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND hwnd, DWORD level) = 0;
  virtual HRESULT STDMETHODCALLTYPE Compact() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD config) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetSpeakerConfig(DWORD config) = 0;
  virtual HRESULT STDMETHODCALLTYPE Initialize(LPCGUID device) = 0;

 protected:
  ~IDirectSound() = default;
};
typedef IDirectSound* LPDIRECTSOUND;

struct IDirectSoundBuffer : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetCaps(LPDSBCAPS caps) = 0;
  // Play and write cursors in bytes.
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPosition(LPDWORD play, LPDWORD write) = 0;
  // Copies at most sizeAllocated bytes of the format; written tells how many
  // the whole record has.
  virtual HRESULT STDMETHODCALLTYPE GetFormat(LPWAVEFORMATEX format, DWORD sizeAllocated, LPDWORD written) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetVolume(LPLONG volume) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPan(LPLONG pan) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFrequency(LPDWORD frequency) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD status) = 0;
  virtual HRESULT STDMETHODCALLTYPE Initialize(LPDIRECTSOUND device, LPCDSBUFFERDESC desc) = 0;
  virtual HRESULT STDMETHODCALLTYPE Lock(DWORD offset, DWORD bytes, LPVOID* first, LPDWORD firstBytes, LPVOID* second,
                                         LPDWORD secondBytes, DWORD flags) = 0;
  virtual HRESULT STDMETHODCALLTYPE Play(DWORD reserved1, DWORD priority, DWORD flags) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD position) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetFormat(LPCWAVEFORMATEX format) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetVolume(LONG volume) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetPan(LONG pan) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetFrequency(DWORD frequency) = 0;
  virtual HRESULT STDMETHODCALLTYPE Stop() = 0;
  virtual HRESULT STDMETHODCALLTYPE Unlock(LPVOID first, DWORD firstBytes, LPVOID second, DWORD secondBytes) = 0;
  virtual HRESULT STDMETHODCALLTYPE Restore() = 0;

 protected:
  ~IDirectSoundBuffer() = default;
};

// The type of the library's DirectSoundCreate, taken by name at run time.
typedef HRESULT(WINAPI* LPDIRECTSOUNDCREATE)(LPCGUID device, LPDIRECTSOUND* ds, LPUNKNOWN outer);
