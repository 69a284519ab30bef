// File > Import > "MIDI file": the drum part of a Standard MIDI File as a new
// song. Every note-on of channel 10 becomes a 16th cell of one of the first
// nine tracks, placed by a step cursor that moves on with the notes' delta
// times; the cursor fills pattern after pattern, at most 253 steps on.
#pragma once

#include <string>
#include <vector>

#include "drummachine/core/MainModel.h"
#include "drummachine/core/MidiEvent.h"

// The track of a General MIDI percussion note, or 0 for a note no track takes.
int ImportTrackOfNote(int note);

// A note-on or note-off of channel 10 with a velocity: what the import places.
bool IsDrumNote(const TMidiEvent& e);

// Reads the whole file and returns its drum notes in file order; every other
// event is read, checked and dropped. A reading error shows its text and ends
// with a silent EAbort.
std::vector<TMidiEvent> ReadDrumNotes(const std::string& name);

// Imports the file name (as completed from the dialog). The file is read
// completely first: an empty name does nothing, and a file that fails to read
// shows its error and ends with a silent EAbort, the song as it was. Then the
// song is cleared (both cell layers, the track mixer, the order), the notes
// are placed, and the order lists the patterns used. Tempo, metre, the kit and
// the track names stay. Returns whether the song was replaced.
bool ImportMidiFile(TMainModel& model, const std::string& name);

// Places a note on CurrentTrack at the cursor, moving the cursor on first
// when the track already has a note there.
void UpdateMidiX(TMainModel& model);
