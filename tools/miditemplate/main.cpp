// miditemplate FILE: writes the MIDI export's template, a Standard MIDI File
// of one track at 600 ticks a quarter note: a tempo of 300,000 us a quarter
// (a 300-tick step lasts 150 ms, a sixteenth at 100 bpm) and a 4/2 metre (16
// steps make one bar), then for 16 patterns x 16 steps x 12 track slots one
// channel-10 note-on each, a step's twelve at the same moment and the next
// step 300 ticks later. The export keeps the note-ons of the cells that are
// set and gives them the tracks' notes; these carry the default notes of the
// tracks, so that the template alone plays as a full kit.
#include <cstdio>
#include <exception>
#include <string>

#include "drummachine/core/MIDIWrite.h"
#include "drummachine/core/Song.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: miditemplate FILE\n");
    return 2;
  }
  static const std::uint8_t notes[SongTracks] = {36, 38, 46, 44, 45, 48, 50, 51, 54, 54, 54, 54};
  constexpr std::uint32_t StepTicks = 300;
  constexpr std::uint8_t NoteOn10 = 0x99, Velocity = 100;
  try {
    BeginMidiFile(0, 1, 600);
    BeginTrack();
    WriteMidiEvent({0, 0xFF, 0, std::string("\x04\x93\xE0", 3), 0x51, 0});  // 300,000 us a quarter
    WriteMidiEvent({0, 0xFF, 0, std::string("\x04\x01\x30\x08", 4), 0x58, 0});  // 4/2, a click each half note
    for (int pattern = 1; pattern <= SongPatterns; ++pattern)
      for (int step = 1; step <= SongSteps; ++step)
        for (int slot = 0; slot < SongTracks; ++slot) {
          const bool first = pattern == 1 && step == 1;
          const std::uint32_t delta = slot == 0 && !first ? StepTicks : 0;
          WriteMidiEvent({delta, NoteOn10, notes[slot], "", 0, Velocity});
        }
    // The track ends one step after the last, so that the last bar is whole.
    WriteMidiEvent({StepTicks, 0xFF, 0, "", 0x2F, 0});
    SaveMidiFile(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "miditemplate: %s\n", e.what());
    return 1;
  }
  return 0;
}
