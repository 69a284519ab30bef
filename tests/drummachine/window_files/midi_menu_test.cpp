// MIDI out and in through the file menu: the export written from the
// template as another program reads it, and an import of an export that sets
// the cells it came from.
#include <cstdio>

#include "files_window_fixture.h"

namespace windowfiles {
namespace {

using MidiMenu = FilesWindow;

// The note-ons with a velocity of a MIDI file, as python's mido reads them:
// "note absolute-tick delta" a line.
std::string NotesByMido(const std::string& file) {
  const std::string command =
      "/usr/bin/python3 -c \"import mido, sys\n"
      "for track in mido.MidiFile(sys.argv[1]).tracks:\n"
      "    now = 0\n"
      "    for m in track:\n"
      "        now += m.time\n"
      "        if m.type == 'note_on' and m.velocity > 0: print(m.note, now, m.time)\" '" +
      file + "'";
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
    pclose(pipe);
  }
  return out;
}

TEST_F(MidiMenu, AnExportHoldsTheTracksNotesAtTheirSteps) {
  ClickAt(window->Cell(3, 2, false), 7, 5);
  ClickAt(window->Cell(3, 5, false), 7, 5);
  Answer(InFolder("beat"));
  Command("MIDIFile1");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], MidiExportChoice(window->Model.ProgramFolder));
  EXPECT_EQ(asked[0].Caption, "Export to MIDI file...");
  ASSERT_TRUE(fs::exists(InFolder("beat.mid")));
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(NotesByMido(InFolder("beat.mid")), "46 300 300\n46 1200 900\n");
}

TEST_F(MidiMenu, AnEmptyOrCancelledChoiceExportsNothing) {
  Answer(std::string());
  Command("MIDIFile1");
  Command("MIDIFile1");
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_TRUE(fs::is_empty(InFolder("drum patterns")));
  EXPECT_FALSE(fs::exists(InFolder(".mid")));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MidiMenu, AnImportOfAnExportSetsTheSameCellsInANewSong) {
  for (int s = 1; s <= 3; ++s) ClickAt(window->Cell(1, s, false), 7, 5);
  Answer(InFolder("steady.mid"));
  Command("MIDIFile1");
  ASSERT_TRUE(fs::exists(InFolder("steady.mid")));

  // The song changes before the import: all of it goes.
  ClickAt(window->Cell(6, 10, false), 7, 5);
  ClickAt(window->MuteButtons[4], 3, 4);
  Answer(InFolder("steady.mid"));
  Command("MIDIfile2");
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[1], MidiImportChoice(window->Model.ProgramFolder));
  EXPECT_EQ(asked[1].Caption, "Import MIDI file...");
  EXPECT_TRUE(Messages().empty());

  std::vector<std::string> on;
  for (int p = 1; p <= SongPatterns; ++p)
    for (int t = 1; t <= SongTracks; ++t)
      for (int s = 1; s <= SongSteps; ++s)
        if (window->Model.Song.StepOn(s, t, p))
          on.push_back(std::to_string(p) + "/" + std::to_string(t) + "/" + std::to_string(s));
  EXPECT_EQ(on, (std::vector<std::string>{"1/1/1", "1/1/2", "1/1/3"}));
  for (int t = 1; t <= SongTracks; ++t)
    for (int s = 1; s <= SongSteps; ++s)
      EXPECT_EQ(window->Cell(t, s, false)->GetListIndex(), t == 1 && s <= 3 ? CellOn : CellOff) << t << "/" << s;
  EXPECT_EQ(window->MuteButtons[4]->GetColors()->GetUp(), clSilver);
  EXPECT_EQ(window->sequencer->GetCells(0, 0), "1");
  EXPECT_EQ(window->sequencer->GetCells(1, 0), "");
  EXPECT_EQ(window->GetCaption(), "Tambrel");
}

}  // namespace
}  // namespace windowfiles
