// Building a Standard MIDI File in memory and writing it to disk:
//
//   BeginMidiFile(format, tracks, division);
//   for each track { BeginTrack(); WriteMidiEvent(...)...; }  // the end-of-track event closes it
//   SaveMidiFile(name);
//
// Every channel event carries its status byte (no running status). One file
// is built at a time, on the user-interface thread.
#pragma once

#include <cstdint>
#include <string>

#include "drummachine/core/MidiEvent.h"

// Empties the buffer and writes the header chunk.
void BeginMidiFile(int format, int trackCount, int division);
// Starts a track chunk; its length is filled in by the end-of-track event.
void BeginTrack();
// Writes one event in the reader's form. An end-of-track meta event (FF 2F)
// ends the track; a status the writer does not know (below 0x80, or F1..FE
// other than FF and F7) writes nothing.
void WriteMidiEvent(const TMidiEvent& event);
// Writes the end-of-track event and the track's length.
void EndTrack();
// Creates or empties the file and writes every byte built so far. Raises
// EInOutError on failure; the buffer keeps its contents.
void SaveMidiFile(const std::string& name);

// The variable-length quantity of v, most significant 7 bits first.
void WriteVarLen(std::uint32_t v);
