// What the DirectSound stand-in offers beyond DirectSound's own calls: seams
// for tests and tools that link the library. Programs never need them.
#pragma once

#include <cstddef>

#include "platform/dsound/dsound.h"

namespace dsound {

// Output frames between a call and the sound it starts (the mixer's latency):
// about two of the open device's periods.
int LatencyFrames();

// Makes a secondary buffer act as one whose memory the system took away: it
// stops, Play and Lock return DSERR_BUFFERLOST and its status has
// DSBSTATUS_BUFFERLOST until Restore. False for a buffer not of this library.
bool LoseBuffer(IDirectSoundBuffer* buffer);

struct CooperativeLevelRecord {
  HWND window = nullptr;
  DWORD level = 0;  // 0: never set
  DWORD calls = 0;
};
// What the device object's SetCooperativeLevel calls left.
CooperativeLevelRecord CooperativeLevelOf(IDirectSound* device);

// Device objects alive, and the mixer's voices not yet freed (every
// secondary buffer has one; a released one's goes once the mixer let go).
int LiveDevices();
std::size_t LiveVoices();

}  // namespace dsound
