// Auditioning a track: its wave plays once with the track's own pan, pitch
// and volume plus the main volume, as the track-name buttons and the track
// panel's play button do.
#pragma once

#include "drummachine/core/MainModel.h"
#include "drummachine/core/TrackWaveList.h"

// What AuditionTrack returns when nothing played (a played volume is never
// above 0).
constexpr int NothingAuditioned = 1;

// Plays wave TrackSample[track] of list once: pan TrackPan, frequency
// TrackPitch, volume TrackVolume, then the volume again with MainVolume
// added, never below silence. Returns that volume. Nothing plays, and
// NothingAuditioned comes back, when there is no list, it is empty, or the
// track's wave index lies outside it.
int AuditionTrack(const TMainModel& model, ITrackWaveList* list, int track);
