#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "drummachine/core/MIDIWrite.h"
#include "drummachine/core/MidiExport.h"
#include "midi_files.h"

namespace {

using core_test::Bytes;
using core_test::TempFolder;
using midi_test::ErrorReports;

// A template as the program ships it: a first track of tempo, name and a
// piano note, and a drum track of one channel-10 note-on (note 35) for every
// track slot of every step of `patterns` patterns, each followed by its
// note-off; the first note of a step comes 120 ticks after the last step.
void WriteTemplate(const std::string& path, int patterns) {
  BeginMidiFile(1, 2, 96);
  BeginTrack();
  WriteMidiEvent({0, 0xFF, 0, Bytes({0x07, 0xA1, 0x20}), 0x51, 0});
  WriteMidiEvent({0, 0xFF, 0, "Template", 0x03, 0});
  WriteMidiEvent({10, 0x90, 60, "", 0, 80});
  WriteMidiEvent({0, 0xFF, 0, "", 0x2F, 0});
  BeginTrack();
  for (int n = 0; n < patterns * SongSteps * SongTracks; ++n) {
    WriteMidiEvent({n % SongTracks == 0 ? 120u : 0u, 0x99, 35, "", 0, 100});
    WriteMidiEvent({0, 0x89, 35, "", 0, 0});
  }
  WriteMidiEvent({0, 0xFF, 0, "", 0x2F, 0});
  SaveMidiFile(path);
}

class MidiExport : public ::testing::Test {
 protected:
  MidiExport() { WriteTemplate(templatePath, 16); }
  std::vector<TMidiEvent> Export() {
    ExportMidiFile(model, outPath, templatePath);
    return midi_test::ReadAll(outPath, &division);
  }
  // The note-ons of the drum track (the template's second track).
  static std::vector<TMidiEvent> Notes(const std::vector<TMidiEvent>& events) {
    std::vector<TMidiEvent> notes;
    for (const auto& e : events)
      if ((e.Status & 0xF0) == 0x90 && (e.Status & 0x0F) == 9) notes.push_back(e);
    return notes;
  }

  TempFolder folder;
  std::string templatePath = folder.Path("resource.dat");
  std::string outPath = folder.Path("song.mid");
  TMainModel model;
  int division = 0;
  ErrorReports reports;
};

// The first note lies at its step's own time: track 3 on step 1 sounds at the
// start, though the template's first slot (track 1) is dropped.
TEST_F(MidiExport, ATrackSetOnSteps1And4WritesItsNotesAtTicks0And900) {
  model.Song.StepOn(1, 3, 1) = 1;
  model.Song.StepOn(4, 3, 1) = 1;
  model.MidiNoteOfTrack[3] = 45;
  auto events = Export();
  EXPECT_EQ(division, 600);
  auto notes = Notes(events);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0], (TMidiEvent{0, 0x99, 45, "", 0, 100}));
  EXPECT_EQ(notes[1], (TMidiEvent{900, 0x99, 45, "", 0, 100}));
  for (const auto& e : events) EXPECT_NE(e.Status, 0x89) << "no note-offs";

  // The raw bytes: 99 2D 64 after the deltas 00 and 87 04.
  std::string bytes = core_test::ReadBytes(outPath);
  EXPECT_NE(bytes.find(Bytes({0x00, 0x99, 0x2D, 0x64, 0x87, 0x04, 0x99, 0x2D, 0x64})), std::string::npos);
}

TEST_F(MidiExport, EverythingButTheDrumNotesIsCopiedByteForByte) {
  Export();
  std::string in = core_test::ReadBytes(templatePath);
  std::string out = core_test::ReadBytes(outPath);
  // The header differs only in its division; the first track is the same.
  EXPECT_EQ(out.substr(0, 12), in.substr(0, 12));
  EXPECT_EQ(out.substr(12, 2), Bytes({0x02, 0x58}));
  std::uint32_t firstTrack = static_cast<std::uint8_t>(in[21]) + 8u;
  EXPECT_EQ(out.substr(14, firstTrack), in.substr(14, firstTrack));
  // With no cell set, the drum track holds its end alone.
  EXPECT_EQ(out.substr(14 + firstTrack), "MTrk" + Bytes({0, 0, 0, 4, 0x00, 0xFF, 0x2F, 0x00}));
}

TEST_F(MidiExport, OneTrackOnEveryStepGivesANoteEvery300TicksTheFirstAtZero) {
  for (int p = 1; p <= SongPatterns; ++p)
    for (int s = 1; s <= SongSteps; ++s) model.Song.StepOn(s, 1, p) = 1;
  auto notes = Notes(Export());
  ASSERT_EQ(notes.size(), 256u);
  EXPECT_EQ(notes[0].Delta, 0u);
  for (std::size_t i = 1; i < notes.size(); ++i) ASSERT_EQ(notes[i].Delta, 300u) << i;
  for (const auto& n : notes) ASSERT_EQ(n.Data1, 36);
}

TEST_F(MidiExport, NotesOfOneStepKeepTheTemplatesDelta) {
  model.Song.StepOn(2, 5, 1) = 1;
  model.Song.StepOn(2, 9, 1) = 1;
  model.MidiNoteOfTrack[9] = 54;
  model.MidiNoteOfTrack[5] = 54;
  auto notes = Notes(Export());
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0].Delta, 300u);  // step 2 lies one step after the start
  EXPECT_EQ(notes[1].Delta, 0u);
  EXPECT_EQ(notes[1].Data1, 54);
}

TEST_F(MidiExport, ATemplateBeyondSixteenPatternsAddsNothing) {
  WriteTemplate(templatePath, 18);
  model.Song.StepOn(16, 12, 16) = 1;
  model.Song.StepOn(1, 1, 1) = 1;
  auto notes = Notes(Export());
  ASSERT_EQ(notes.size(), 2u);
}

TEST_F(MidiExport, AMissingTemplateWritesNothing) {
  EXPECT_THROW(ExportMidiFile(model, outPath, folder.Path("resource.dat.missing")), EAbort);
  ASSERT_FALSE(reports.texts.empty());
  EXPECT_EQ(reports.texts.back(),
            "Reading Error: MIDI file " + folder.Path("resource.dat.missing") + " does not exists");
  EXPECT_EQ(core_test::ReadBytes(outPath), "");
}

// The notes of the drum track as an independent reader (mido) sees them:
// one line "note time" per note-on, time in ticks since the previous message.
std::string ReadWithMido(const std::string& path) {
  std::string command =
      "/usr/bin/python3 -c \"import sys, mido\n"
      "f = mido.MidiFile(sys.argv[1])\n"
      "print('ticks', f.ticks_per_beat)\n"
      "for m in f.tracks[1]:\n"
      "    if m.type == 'note_on': print(m.channel, m.note, m.velocity, m.time)\n"
      "\" '" +
      path + "' 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string output;
  char buffer[256];
  while (pipe && fgets(buffer, sizeof buffer, pipe.get())) output += buffer;
  return output;
}

TEST_F(MidiExport, AnIndependentReaderSeesTheNotesAndTimes) {
  model.Song.StepOn(1, 1, 1) = 1;
  model.Song.StepOn(1, 2, 1) = 1;
  model.Song.StepOn(3, 3, 1) = 1;
  model.Song.StepOn(1, 1, 2) = 1;
  Export();
  // Track 2's note keeps the template's delta 0; step 3 lies two steps on; pattern
  // 2 begins 14 steps after step 3.
  EXPECT_EQ(ReadWithMido(outPath),
            "ticks 600\n"
            "9 36 100 0\n"
            "9 38 100 0\n"
            "9 46 100 600\n"
            "9 36 100 4200\n");
}

}  // namespace
