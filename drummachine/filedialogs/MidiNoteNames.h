// The General MIDI percussion keys a track's notes may be exported as: keys
// 35 (Acoustic Bass Drum) to 81 (Open Triangle), one line each as the
// export settings list them, "<key>   <name>".
#pragma once

#include <string>
#include <vector>

constexpr int FirstMidiDrumNote = 35;
constexpr int LastMidiDrumNote = 81;

// The lines in key order: line i is key FirstMidiDrumNote + i.
const std::vector<std::string>& MidiDrumNoteLines();
