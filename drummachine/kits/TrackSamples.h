// The waves of the current track: choosing the one it plays, and adding one
// from a ".wav" file (the track panel's load button and the sample popup's
// "Add a Sample..." item, after the main window's file choice gave a path).
#pragma once

#include "drummachine/kits/KitContext.h"

// Where a chosen or typed path leads, and the name its wave gets.
struct TSampleFile {
  std::string Path;
  std::string Name;
};

// The wave's name is the file-name part of path (after the last "\" or "/")
// without its extension; a file-name part without an extension gets ".wav";
// a bare name (no folder) lies in folder.
TSampleFile SampleFileOf(const std::string& path, const std::string& folder);

// Whether the current track can take one more wave (below TrackWaveSlots):
// the sample popup offers "Add a Sample..." only then.
bool CanAddWave(const TKitContext& kits);

// The current track plays wave index: TrackSample, lblSample, the sample box
// and the track's sample button follow. An index outside the track's list
// changes nothing; returns whether the wave was chosen.
bool ChooseWave(const TKitContext& kits, int index);

// Adds the wave at path (folder: the folder of the file choice, for a bare
// name) to the current track and makes it the track's wave, remembering its
// path for the song file. A track that holds TrackWaveSlots waves already,
// or a file that cannot be read, changes nothing and is shown through the
// view's message box. Returns whether the wave was added.
bool AddWave(const TKitContext& kits, const std::string& path, const std::string& folder);
