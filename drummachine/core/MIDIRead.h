// Reading a Standard MIDI File (format 0 or 1) event by event. The whole
// file is loaded first; then the caller reads the header and, for each
// track, the track header and the events until the track's byte count is
// used up:
//
//   ReadMidiFile(name); ReadMidiHeader(format, tracks, division);
//   for each track { ReadTrackHeader(); do { ReadMidiEvent(e); CheckTrackEnd(); } while (!EndOfTrack()); }
//   CheckFileSize();
//
// One file is read at a time, on the user-interface thread. Every error is
// shown in a message box and then ends the caller's operation with a silent
// EAbort whose message is the error's text ("Reading Error: ..."). No read
// goes past the loaded bytes: a file that ends early stops with one of the
// errors.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "drummachine/core/MidiEvent.h"

// Loads the whole file; running status starts afresh. File-system errors
// raise EInOutError.
void ReadMidiFile(const std::string& name);
// Checks the "MThd" chunk and returns its values (16-bit big-endian each).
void ReadMidiHeader(int& format, int& trackCount, int& division);
// Checks "MTrk" and takes the track's byte count.
void ReadTrackHeader();
void ReadMidiEvent(TMidiEvent& event);
// The track's byte count is used up.
bool EndOfTrack();
// After each event: the count must not go below 0, and a track must end with
// its end-of-track event.
void CheckTrackEnd();
// After the last track: every byte of the file was read.
void CheckFileSize();

// Shows a reading error (a message box by default; tests replace it).
using TMidiErrorReport = std::function<void(const std::string& text)>;
void SetMidiErrorReport(TMidiErrorReport report);

// The whole sequence above in one call: loads the file and hands every event
// of every track to onEvent in file order (the event is reused for the next
// one: copy what is kept). Returns the header's division. Errors as above.
int ReadMidiEvents(const std::string& name, const std::function<void(const TMidiEvent&)>& onEvent);
