// Emptying the song for a new one: what New and a MIDI import share.
#pragma once

#include "drummachine/core/MainModel.h"

// No steps, no song order, no file name, playback stopped at the start, and
// every track at its start values with the given humanise amounts.
void ResetSong(TMainModel& model, int humanizeAmount);
