// Adding a wave read from a ".wav" file to the end of a track's list: read
// into the scratch wave first, so a file that cannot be read changes no list.
#pragma once

#include "drummachine/kits/KitContext.h"

// Reads path into the scratch wave and appends it to track t's list as a new
// wave called name, restored so it plays at once; SamplePath[t][index]
// remembers the path. Returns the new wave's index. Raises (the reader's
// error, or a device's failure to make the sound) with the list unchanged.
// The caller makes sure the track has room (TrackWaveSlots).
int AppendTrackWave(const TKitContext& kits, int t, const std::string& path, const std::string& name);
