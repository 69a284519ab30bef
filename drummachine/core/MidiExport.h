// File > Export > "MIDI File": the song's 16th-note cells as a Standard MIDI
// File, laid out by a template file. The template holds one channel-10
// note-on for every track slot of every step of every pattern (each run of 12
// is a step, 16 runs a pattern); the export copies it event by event, keeps
// the note-ons whose cell is set, with the track's MIDI note and a delta of
// 300 ticks a step (division 600), drops the other note events, and copies
// everything else unchanged.
#pragma once

#include <string>

#include "drummachine/core/MainModel.h"

constexpr const char* MidiTemplateName = "resource.dat";

// Writes outputName. A reading error of the template is shown and ends the
// export with a silent EAbort before anything is written.
void ExportMidiFile(const TMainModel& model, const std::string& outputName,
                    const std::string& templateName = MidiTemplateName);
