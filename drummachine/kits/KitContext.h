// What the kit and sample commands work on: the window's model, the wave list
// of each track (TrackWaveLists), the scratch wave every ".wav" is read into,
// and the view that shows the outcome. The main window fills one at creation
// and passes it to every command.
#pragma once

#include "drummachine/core/MainModel.h"
#include "drummachine/kits/KitView.h"
#include "sound/DsSounds.h"

struct TKitContext {
  TMainModel& Model;
  TTrackArray<TDsWaveList*> TrackWaveLists;
  TWave& ScratchWave;
  IKitView& View;
};

// The wave list of track t, or none for a track outside 1..12.
TWaveCollection* TrackBank(const TKitContext& kits, int t);
// Wave index of track t's list, or none when the index is outside the list.
TWaveCollectionItem* TrackWave(const TKitContext& kits, int t, int index);
