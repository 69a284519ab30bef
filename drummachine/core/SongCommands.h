// The model side of the File menu: New, Open, Save, Save As. The main window
// stops playback first, runs the dialogs, and afterwards brings its controls
// up to date from the model.
#pragma once

#include <string>

#include "drummachine/core/MainModel.h"
#include "drummachine/core/SongFile.h"
#include "drummachine/core/SongKit.h"

// A name typed in a file dialog: extension (".bkv") is added when the name
// has no ".", and the dialog's folder is put in front when it has no folder.
std::string CompleteFileName(const std::string& text, const std::string& extension, const std::string& folder);

// The name the Save As dialog proposes: the characters of the song's file
// name after its last "\", at most (position of the first "." in the whole
// path + 3) of them; empty for a name without a folder.
std::string SaveAsProposal(const std::string& songFileName);

// Writes the song to SongFileName when SaveConfirmed is set, then clears
// SaveConfirmed. The file is replaced only once the new one is complete, so a
// failed save keeps the previous song file. Raises EInOutError on failure.
void SaveBKVFile(TMainModel& model, const ISongKit& kit, bool allTracks32nd);

// Reads the song file name. The file is read completely before anything
// changes: a missing or broken file raises and leaves the model as it was.
// The kit lines (KitName, TrackSample, the user samples) are applied only
// with openAssociatedKit; everything else always. A kit name that would
// reach outside the kit folder (a separator or "..") is refused. On success
// SongFileName is name.
TSongFileExtras LoadFile(TMainModel& model, const std::string& name, bool openAssociatedKit);

// File > New after the New File dialog confirmed: a cleared song with the
// track mixer reset and the kit kitId loaded (0..12; any other value loads
// the Soft Synth kit). Steps' own values, TrackUses32nd, tempo, metre, hi-hat
// cut and the track names stay. Clears NewConfirmed.
void NewSong(TMainModel& model, ISongKit& kit, int kitId);

// File > Open and the recent songs up to the kit: reads the song
// (LoadFile), then resets the edit position and puts the song first in the
// recent list. Nothing changes when the file cannot be read.
TSongFileExtras ReadSong(TMainModel& model, const std::string& name, bool openAssociatedKit);

// ReadSong and, when asked, the song's kit reloaded.
TSongFileExtras OpenSong(TMainModel& model, ISongKit& kit, const std::string& name, bool openAssociatedKit);

// File > Save / Save As with the dialog's file name: the name and the recent
// list take it whether or not the dialog was confirmed; the file is written
// only when it was.
void SaveSongAs(TMainModel& model, const ISongKit& kit, const std::string& name, bool confirmed, bool allTracks32nd);
