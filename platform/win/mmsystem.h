// The multimedia clock and the simple sound call.
#pragma once

#include "platform/win/windef.h"

typedef UINT MMRESULT;
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
