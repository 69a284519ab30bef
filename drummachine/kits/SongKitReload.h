// The kit reload after a song file was read: the kit the song names, the
// song's wave choices, and the waves the user had added to its tracks.
#pragma once

#include "drummachine/kits/KitContext.h"

// The message shown when track t's user sample at path cannot be read.
std::string MissingSampleMessage(const std::string& path, int t);

// By KitId: 0..12 loads that built-in kit, 14 the user kit KitName from the
// "user kits" folder (checking mnukit1); any other id keeps the loaded kit.
// Then the song's TrackSample values are put back and each track's
// SongSamplePath is read and appended to its list as a wave named
// SongSampleName, which the track then plays. A sample that cannot be read
// (or finds its track full) gives its own message and the track plays wave
// 0; the other tracks still get theirs. A wave choice outside its track's
// list counts as 0. Last, the kit displays are refreshed. Failures are shown
// through the view; nothing is raised for a file.
void LoadKitFile(const TKitContext& kits);
