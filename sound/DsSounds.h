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

// Registers the components forms create by class name (TDsSound,
// TDsWaveList, TDsTimer) and the file's wrapper class.
void RegisterSoundClasses();
