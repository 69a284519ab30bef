// The unit of WAV samples: TWave and the wave streams.
#pragma once

#include "sound/DsErrors.h"
#include "sound/WaveSample.h"
#include "sound/WaveStream.h"
