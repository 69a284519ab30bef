#include <gtest/gtest.h>

#include "drummachine/core/MIDIWrite.h"
#include "drummachine/core/MidiImport.h"
#include "midi_files.h"

namespace {

using core_test::TempFolder;
using midi_test::ErrorReports;

struct Note {
  std::uint32_t delta;
  int note;
  std::uint8_t status = 0x99;
  std::uint8_t velocity = 100;
};

class MidiImport : public ::testing::Test {
 protected:
  // A format-0 file of the notes, each followed by its note-off.
  std::string WriteNotes(const std::vector<Note>& notes) {
    BeginMidiFile(0, 1, 96);
    BeginTrack();
    for (const Note& n : notes) {
      WriteMidiEvent({n.delta, n.status, static_cast<std::uint8_t>(n.note), "", 0, n.velocity});
      WriteMidiEvent(
          {0, static_cast<std::uint8_t>(0x80 | (n.status & 0x0F)), static_cast<std::uint8_t>(n.note), "", 0, 0});
    }
    WriteMidiEvent({0, 0xFF, 0, "", 0x2F, 0});
    std::string path = folder.Path("in.mid");
    SaveMidiFile(path);
    return path;
  }

  // The (step, track) cells of pattern p that are on.
  std::vector<std::pair<int, int>> CellsOn(int p) const {
    std::vector<std::pair<int, int>> cells;
    for (int s = 1; s <= SongSteps; ++s)
      for (int t = 1; t <= SongTracks; ++t)
        if (model.Song.StepOn(s, t, p)) cells.emplace_back(s, t);
    return cells;
  }

  TempFolder folder;
  TMainModel model;
  ErrorReports reports;
};

using Cells = std::vector<std::pair<int, int>>;

TEST_F(MidiImport, NotesAtTheSameTimeShareAStepUntilATrackRepeats) {
  ASSERT_TRUE(ImportMidiFile(model, WriteNotes({{0, 36}, {0, 38}, {0, 36}})));
  EXPECT_EQ(CellsOn(1), (Cells{{1, 1}, {1, 2}, {2, 1}}));
  EXPECT_EQ(model.EditedPattern, 1);
  EXPECT_EQ(model.CurrentTrack, 1);
  EXPECT_EQ(model.ImportStep, 1);
  EXPECT_EQ(model.Song.SequenceGrid.Cells(0, 0), "1");
  EXPECT_EQ(model.Song.SequenceGrid.Cells(1, 0), "");
}

TEST_F(MidiImport, DeltaTimesMoveTheCursor) {
  // A delta above 20 moves one step; a gap larger than the last gap, or more
  // than 100 below it, one more: 120 after the start one step (the first
  // delta is no gap), 120 to 120 one, 120 to 480 two, 480 to 10 one.
  ImportMidiFile(model, WriteNotes({{0, 36}, {120, 38}, {120, 36}, {480, 46}, {10, 42}}));
  EXPECT_EQ(CellsOn(1), (Cells{{1, 1}, {2, 2}, {3, 1}, {5, 3}, {6, 4}}));
  // A first note late after the start: its delta is still no gap.
  ImportMidiFile(model, WriteNotes({{960, 36}, {120, 38}, {120, 36}}));
  EXPECT_EQ(CellsOn(1), (Cells{{1, 1}, {2, 2}, {3, 1}}));
}

TEST_F(MidiImport, OnlyNoteOnsOfChannel10WithAVelocityCount) {
  ImportMidiFile(model, WriteNotes({{0, 36},
                                    {120, 38, 0x90},  // channel 1
                                    {120, 38, 0x99, 0},  // velocity 0
                                    {120, 60},  // no track takes note 60: timing only
                                    {120, 35}}));
  EXPECT_EQ(CellsOn(1), (Cells{{1, 1}, {3, 1}}));
}

TEST_F(MidiImport, ManyNotesStopAtTheLastPatternWithTheOrderFilled) {
  std::vector<Note> notes(400, Note{120, 36});
  ImportMidiFile(model, WriteNotes(notes));
  // 254 cursor positions: pattern 16 up to step 14.
  EXPECT_TRUE(model.Song.StepOn(14, 1, 16));
  EXPECT_FALSE(model.Song.StepOn(15, 1, 16));
  EXPECT_EQ(CellsOn(15).size(), 16u);
  for (int p = 1; p <= 16; ++p)
    EXPECT_EQ(model.Song.SequenceGrid.Cells((p - 1) % 12, (p - 1) / 12), std::to_string(p)) << p;
  EXPECT_EQ(model.Song.SequenceGrid.Cells(4, 1), "");
  EXPECT_EQ(model.EditedPattern, 1);
}

TEST_F(MidiImport, ANewSongReplacesTheOldOne) {
  TSong& s = model.Song;
  s.StepOn(9, 9, 9) = 1;
  s.StepModified(9, 9, 9) = 1;
  s.Step32On(2, 2, 2) = 1;
  s.Step32Modified(2, 2, 2) = 1;
  s.TrackVolume[3] = -2500;
  s.TrackSolo[3] = true;
  s.SoloActive = true;
  s.HumanizeVolume[3] = 5;
  s.Tempo = 77;
  s.SequenceGrid.Cells(5, 2) = "4";
  model.SongFileName = "old.bkv";
  model.HasFileName = true;
  ImportMidiFile(model, WriteNotes({{0, 36}}));
  EXPECT_EQ(s.StepOn(9, 9, 9), 0);
  EXPECT_EQ(s.StepModified(9, 9, 9), 0);
  EXPECT_EQ(s.Step32On(2, 2, 2), 0);
  EXPECT_EQ(s.Step32Modified(2, 2, 2), 0);
  EXPECT_EQ(s.TrackVolume[3], -1000);
  EXPECT_FALSE(s.TrackSolo[3]);
  EXPECT_FALSE(s.SoloActive);
  EXPECT_EQ(s.HumanizeVolume[3], 0);
  EXPECT_EQ(s.HumanizePitch[1], 0);
  EXPECT_EQ(s.Tempo, 77);
  EXPECT_EQ(s.SequenceGrid.Cells(5, 2), "");
  EXPECT_EQ(model.SongFileName, "");
  EXPECT_FALSE(model.HasFileName);
}

TEST_F(MidiImport, AFileThatFailsToReadLeavesTheSongAsItWas) {
  std::string path = WriteNotes({{0, 36}, {0, 38}});
  std::string bytes = core_test::ReadBytes(path);
  core_test::WriteBytes(path, bytes.substr(0, bytes.size() - 3));
  model.Song.StepOn(4, 4, 4) = 1;
  model.Song.TrackVolume[2] = -300;
  const TSong before = model.Song;
  EXPECT_THROW(ImportMidiFile(model, path), EAbort);
  EXPECT_EQ(reports.texts.size(), 1u);
  EXPECT_TRUE(model.Song == before);

  EXPECT_FALSE(ImportMidiFile(model, ""));
  EXPECT_TRUE(model.Song == before);
}

TEST(MidiImportTable, NotesToTracks) {
  const std::pair<int, int> table[] = {{35, 1}, {36, 1}, {38, 2}, {40, 2}, {46, 3}, {42, 4}, {44, 4}, {41, 5},
                                       {43, 5}, {45, 5}, {47, 6}, {48, 6}, {50, 7}, {49, 8}, {51, 8}, {57, 8},
                                       {59, 8}, {54, 9}, {56, 9}, {37, 0}, {39, 0}, {60, 0}, {0, 0},  {127, 0}};
  for (auto [note, track] : table) EXPECT_EQ(ImportTrackOfNote(note), track) << note;
}

// A file of empty meta events once cost 37 bytes of memory a byte of file,
// every event kept with a string. The import holds only its drum notes: here
// 200,000 meta events, a piano note, a note-off and a drum note of velocity 0
// around three drum notes give three events held.
TEST_F(MidiImport, OnlyTheDrumNotesAreHeld) {
  using midi_test::Header;
  using midi_test::Track;
  std::string events;
  for (int i = 0; i < 200000; ++i) events += core_test::Bytes({0x00, 0xFF, 0x01, 0x00});
  events += core_test::Bytes({0x00, 0x99, 36, 100, 0x30, 0x90, 60, 90, 0x05, 0x99, 38, 0});
  for (int i = 0; i < 1000; ++i) events += core_test::Bytes({0x00, 0xFF, 0x7F, 0x00});
  events += core_test::Bytes({0x10, 0x89, 36, 64, 0x10, 0x99, 38, 64, 0x00, 0x99, 42, 1});
  events += midi_test::EndOfTrackEvent;
  std::string path = folder.Path("meta.mid");
  core_test::WriteBytes(path, Header(0, 1, 96) + Track(events));

  std::vector<TMidiEvent> notes = ReadDrumNotes(path);
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0], (TMidiEvent{0, 0x99, 36, "", 0, 100}));
  EXPECT_EQ(notes[1], (TMidiEvent{0x10, 0x99, 38, "", 0, 64}));
  EXPECT_EQ(notes[2], (TMidiEvent{0, 0x99, 42, "", 0, 1}));
  EXPECT_TRUE(reports.texts.empty());
  // 16 ticks after the first note is no step on: all three share step 1.
  ASSERT_TRUE(ImportMidiFile(model, path));
  EXPECT_EQ(CellsOn(1), (Cells{{1, 1}, {1, 2}, {1, 4}}));
}

}  // namespace
