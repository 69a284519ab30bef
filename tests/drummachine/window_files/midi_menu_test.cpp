// MIDI out and in through the file menu: the export written from the
// template as another program reads it, and an import of an export that sets
// the cells it came from.
#include <cstdio>
#include <fstream>

#include "drummachine/filedialogs/midioptions.h"
#include "files_window_fixture.h"

namespace windowfiles {
namespace {

using MidiMenu = FilesWindow;

TEST_F(MidiMenu, AnExportHoldsTheTracksNotesAtTheirSteps) {
  ClickAt(window->Cell(3, 2, false), 7, 5);
  ClickAt(window->Cell(3, 5, false), 7, 5);
  Answer(InFolder("beat"));
  Command("MIDIFile1");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], (TShownDialog{"frmDialogSave", "Export to MIDI file...", "*.mid", "Midi Files (*.mid)",
                                    FullPath(InFolder("drum patterns")), "", true, false}));
  ASSERT_TRUE(fs::exists(InFolder("beat.mid")));
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(NotesByMido(InFolder("beat.mid")), "46 300 300\n46 1200 900\n");
}

TEST_F(MidiMenu, AnEmptyOrCancelledChoiceExportsNothing) {
  // Save with an empty name keeps the dialog open; then Cancel.
  Answer(std::string());
  Command("MIDIFile1");
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_FALSE(frmDialogSave->GetVisible());
  Command("MIDIFile1");
  EXPECT_EQ(asked.size(), 3u);
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
  EXPECT_EQ(asked[1], (TShownDialog{"frmWaveOpen", "Import MIDI file...", "*.mid", "Midi Files (*.mid)",
                                    FullPath(folder.Path()), "", true, false}));
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

// The Settings of the export dialog: track 1 written as "81   Open Triangle"
// at the steps of its cells, and the note chosen shows when they open again.
TEST_F(MidiMenu, TheNoteChosenInTheSettingsIsTheNoteTheExportWrites) {
  for (int s : {1, 4, 9}) ClickAt(window->Cell(1, s, false), 7, 5);
  int shownAgain = -1;
  TModalScript settings(frmMidiOptions, {[] { frmMidiOptions->NoteBoxes[1]->SetItemIndex(81 - 35); },
                                         [] { filedialoganswers::QueueClick(frmMidiOptions->OKBtn); }});
  Answer([](TShellFileDialog&) { filedialoganswers::QueueClick(frmDialogSave->BtnSettings); });
  Answer(TAnswer(filedialoganswers::TypeAndAccept("triangle")));
  Command("MIDIFile1");
  ASSERT_TRUE(settings.Shown());
  EXPECT_EQ(window->Model.MidiNoteOfTrack[1], 81);
  ASSERT_TRUE(fs::exists(InFolder("drum patterns/triangle.mid")));
  EXPECT_EQ(NotesByMido(InFolder("drum patterns/triangle.mid")), "81 0 0\n81 900 900\n81 2400 1500\n");

  TModalScript again(frmMidiOptions, {[&] {
                       shownAgain = frmMidiOptions->NoteBoxes[1]->GetItemIndex();
                       filedialoganswers::QueueClick(frmMidiOptions->CancelBtn);
                     }});
  Answer([](TShellFileDialog&) { filedialoganswers::QueueClick(frmDialogSave->BtnSettings); });
  Command("MIDIFile1");
  EXPECT_EQ(shownAgain, 81 - 35);
  EXPECT_EQ(frmMidiOptions->NoteBoxes[1]->GetText().substr(0, 18), "81   Open Triangle");
  EXPECT_TRUE(Messages().empty());
}

// An existing file double-clicked in the export dialog is written over only
// after the person agrees.
TEST_F(MidiMenu, ADoubleClickedFileIsExportedToOnlyAfterOk) {
  ClickAt(window->Cell(2, 1, false), 7, 5);
  const std::string old = InFolder("drum patterns/old.mid");
  std::ofstream(old, std::ios::binary) << "old";
  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDCANCEL; });
  Answer(filedialoganswers::DoubleClickItem("old.mid"));
  Command("MIDIFile1");
  std::vector<win::user::MessageBoxRecord> boxes = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "This File already exists, do you want to overwrite?");
  EXPECT_EQ(boxes[0].caption, "Overwrite File?");
  EXPECT_EQ(asked.size(), 2u) << "Cancel in the question leaves the dialog open";
  EXPECT_EQ(NotesByMido(old), "");

  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  Answer(filedialoganswers::DoubleClickItem("old.mid"));
  Command("MIDIFile1");
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(NotesByMido(old), "38 0 0\n");
}

}  // namespace
}  // namespace windowfiles
