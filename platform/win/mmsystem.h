// The multimedia clock and the simple sound call.
#pragma once

#include "platform/win/windef.h"

typedef UINT MMRESULT;

// The wave-format record of PCM sound, 18 bytes packed as in files. A PCM
// record may end after wBitsPerSample (16 bytes, no cbSize): readers of PCM
// formats never look at cbSize.
#pragma pack(push, 1)
struct WAVEFORMATEX {
  WORD wFormatTag;
  WORD nChannels;
  DWORD nSamplesPerSec;
  DWORD nAvgBytesPerSec;
  WORD nBlockAlign;
  WORD wBitsPerSample;
  WORD cbSize;
};
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18);
typedef WAVEFORMATEX* PWAVEFORMATEX;
typedef WAVEFORMATEX* LPWAVEFORMATEX;
typedef const WAVEFORMATEX* LPCWAVEFORMATEX;
#define WAVE_FORMAT_PCM 1
#define TIMERR_NOERROR 0
#define TIMERR_NOCANDO 97

// Milliseconds from the kernel's clock seam, wrapping at 2^32.
DWORD timeGetTime();
MMRESULT timeBeginPeriod(UINT uPeriod);
MMRESULT timeEndPeriod(UINT uPeriod);

#define SND_SYNC 0x0000
#define SND_ASYNC 0x0001
#define SND_NODEFAULT 0x0002
#define SND_MEMORY 0x0004
#define SND_LOOP 0x0008
#define SND_NOSTOP 0x0010

// Only stopping (a NULL sound) is supported: it succeeds, since nothing is
// ever playing; asking for a sound fails.
BOOL sndPlaySoundA(LPCSTR lpszSound, UINT fuSound);
