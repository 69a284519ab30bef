// The unit of the DirectSound device and its sounds: buffers, the TDsSound
// component, sample banks with their voices and wave collection files, and
// the wave list component.
#pragma once

#include "sound/ControlSubClass.h"
#include "sound/DirectSoundBuffer.h"
#include "sound/DsClass.h"
#include "sound/DsSound.h"
#include "sound/DsWaveList.h"
#include "sound/Wave.h"
#include "sound/WaveCollection.h"

// The sound classes' start-up: registers the components forms create by
// class name (TDsSound, TDsWaveList, TDsTimer) and the wave collection file's
// classes. It needs nothing started before it; a second start only counts.
// DoneSoundClasses, matching the last start, takes them back out of the
// registry; one with no start to match does nothing.
void InitSoundClasses();
void DoneSoundClasses();
