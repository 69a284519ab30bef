// The MIDI export driven by the template the build ships: the song's cells
// come out at their steps with the tracks' notes, and the template's tempo
// and metre come along.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "drummachine/core/MidiExport.h"
#include "drummachine/midi/midi_files.h"
#include "support/TempFolder.h"

namespace {

TEST(ShippedMidiTemplate, ExportsTheCellsOfASongAtTheirStepsWithTheTempoAndMetre) {
  const char* program = std::getenv("DRUMS_PROGRAM_DIR");
  const std::string templateName = std::string(program ? program : "program") + "/resource.dat";
  TempFolder folder;
  TMainModel model;
  model.Song.StepOn(1, 3, 1) = 1;
  model.Song.StepOn(4, 3, 1) = 1;
  model.Song.StepOn(16, 1, 16) = 1;  // the last step of the last pattern
  model.MidiNoteOfTrack[3] = 42;
  midi_test::ErrorReports reports;
  ExportMidiFile(model, folder / "song.mid", templateName);
  int division = 0;
  const std::vector<TMidiEvent> events = midi_test::ReadAll(folder / "song.mid", &division);
  EXPECT_TRUE(reports.texts.empty());
  EXPECT_EQ(division, 600);
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[0], (TMidiEvent{0, 0xFF, 0, std::string("\x04\x93\xE0", 3), 0x51, 0}));
  EXPECT_EQ(events[1], (TMidiEvent{0, 0xFF, 0, std::string("\x04\x01\x30\x08", 4), 0x58, 0}));
  std::vector<TMidiEvent> notes;
  for (const TMidiEvent& e : events)
    if (e.Status == 0x99) notes.push_back(e);
  // The first note at the start (its step is the first); then 3 steps on;
  // then 252 steps on, in the last bar.
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0], (TMidiEvent{0, 0x99, 42, "", 0, 100}));
  EXPECT_EQ(notes[1], (TMidiEvent{900, 0x99, 42, "", 0, 100}));
  EXPECT_EQ(notes[2], (TMidiEvent{252 * 300, 0x99, 36, "", 0, 100}));
}

}  // namespace
