// The file menu of the real window: a song made by clicking comes back whole
// from its file, the recent songs follow the rule of the list, and a
// cancelled or failed command leaves the song and the files as they were.
#include <fstream>
#include <sstream>

#include "drummachine/core/AtomicTextFile.h"
#include "drummachine/core/SongFile.h"
#include "drummachine/dialogs/beatinfo.h"
#include "drummachine/dialogs/filenew.h"
#include "files_window_fixture.h"

namespace windowfiles {
namespace {

// What the window shows of a song.
struct TShownSong {
  std::vector<int> Faces;  // every cell's ListIndex, 16th then 32nd layer
  std::vector<bool> Shown;  // every cell's and every step light's visibility
  std::vector<int> Sliders;  // the faders, then the track panel's sliders
  std::vector<TColor> Colors;  // mute and solo buttons
  std::string Tempo;
  unsigned Interval = 0;
  std::string Order;  // the song order's cells
};

class FileMenu : public FilesWindow {
 protected:
  TShownSong Shown() {
    TShownSong shown;
    for (bool thirtySecond : {false, true})
      for (int t = 1; t <= SongTracks; ++t)
        for (int s = 1; s <= SongSteps; ++s) {
          TStyLImage* cell = window->Cell(t, s, thirtySecond);
          shown.Faces.push_back(cell->GetListIndex());
          shown.Shown.push_back(cell->GetVisible());
        }
    for (TShape* led : window->StepLeds) shown.Shown.push_back(led->GetVisible());
    for (int t = 1; t <= SongTracks; ++t) {
      shown.Sliders.push_back(window->TrackFaders[t]->GetPosition());
      shown.Colors.push_back(window->MuteButtons[t]->GetColors()->GetUp());
      shown.Colors.push_back(window->SoloButtons[t]->GetColors()->GetUp());
    }
    for (const char* slider : {"boxVolSlider", "boxPanSlider", "boxPitchSlider"})
      shown.Sliders.push_back(Named<TStyTrackBar>(slider)->GetPosition());
    shown.Tempo = window->btnTempo->GetCaption();
    shown.Interval = window->DsTimer1->GetInterval();
    for (int row = 0; row < 3; ++row)
      for (int col = 0; col < 12; ++col) shown.Order += window->sequencer->GetCells(col, row) + ",";
    return shown;
  }

  // A beat of its own for a cell: the beat dialog opened by a right click,
  // its volume moved, Ok.
  void ModifyCell(int track, int step, int volume) {
    TModalScript beat(frmBeat,
                      {[volume] { frmBeat->beatVolSlider->SetPosition(volume); }, [] { frmBeat->btnOk->Click(); }});
    RightClickAt(window->Cell(track, step, false), 7, 5);
    Pump();
    ASSERT_TRUE(beat.Shown());
  }

  // The New File dialog answered with Ok on the kit chosen (-1: none).
  void NewSong(int kitId) {
    TModalScript dialog(frmNewFile,
                        {[kitId] { frmNewFile->ListBox1->SetItemIndex(kitId); }, [] { frmNewFile->btnOk->Click(); }});
    Command("New1");
    ASSERT_TRUE(dialog.Shown());
  }

  // A song made by clicking, as a person would make it.
  void MakeSong() {
    ClickAt(window->Cell(1, 1, false), 7, 5);
    ClickAt(window->Cell(1, 9, false), 7, 5);
    ClickAt(window->Cell(2, 5, false), 7, 5);
    ModifyCell(6, 4, -3000);
    ClickAt(window->TrackButtons[5], 30, 10);
    Named<TMenuItem>("mnu32ndNotes")->Click();
    ClickAt(window->Cell(5, 3, true), 3, 5);
    ClickAt(window->MuteButtons[3], 3, 4);
    window->TrackFaders[2]->SetPosition(-2500);
    Named<TMenuItem>("mnuBPM120")->Click();
    Named<TMenuItem>("mnu34time")->Click();
    window->sequencer->SetCells(0, 0, "1");
    window->sequencer->SetCells(1, 0, "1");
    ClickAt(window->TrackButtons[1], 30, 10);
    Pump();
  }
};

TEST_F(FileMenu, ASongMadeByClickingComesBackWholeFromItsRecentItemAfterNew) {
  MakeSong();
  ASSERT_EQ(window->Model.Song.StepModified(4, 6, 1), 1);
  ASSERT_EQ(window->Model.Song.Step32On(3, 5, 1), 1);
  const TShownSong made = Shown();
  ASSERT_EQ(made.Tempo, "120");
  ASSERT_EQ(made.Interval, 83u);

  Answer(InFolder("drum patterns/groove"));
  Command("Save1");
  const std::string file = InFolder("drum patterns/groove.bkv");
  ASSERT_TRUE(fs::exists(file));
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], (TShownDialog{"frmDialogSave", "Save File", "*.bkv", "Brenkavar Tambrel files (*.bkv)",
                                    FullPath(InFolder("drum patterns")), "", false, false}));
  EXPECT_EQ(window->GetCaption(), "Tambrel  -  " + file);
  EXPECT_EQ(window->Model.RecentFiles[1], file);

  NewSong(10);
  EXPECT_EQ(window->GetCaption(), "Tambrel");
  Named<TMenuItem>("mnuBPM90")->Click();
  Named<TMenuItem>("mnu44time")->Click();
  Named<TMenuItem>("mnu16thNotes2")->Click();
  Pump();
  ASSERT_NE(Shown().Faces, made.Faces);
  ASSERT_EQ(window->btnTempo->GetCaption(), "90");

  EXPECT_TRUE(Named<TMenuItem>("mnuRecent1")->GetVisible());
  EXPECT_EQ(Named<TMenuItem>("mnuRecent1")->GetCaption(), "1. " + file);
  Command("mnuRecent1");
  EXPECT_TRUE(Messages().empty());
  const TShownSong back = Shown();
  EXPECT_EQ(back.Faces, made.Faces);
  EXPECT_EQ(back.Shown, made.Shown);
  EXPECT_EQ(back.Sliders, made.Sliders);
  EXPECT_EQ(back.Colors, made.Colors);
  EXPECT_EQ(window->MuteButtons[3]->GetColors()->GetUp(), static_cast<TColor>(0x000080));
  EXPECT_EQ(back.Tempo, "120");
  EXPECT_EQ(window->UpDown1->GetPosition(), 120);
  EXPECT_EQ(back.Interval, 83u);
  EXPECT_EQ(back.Order, made.Order);
  EXPECT_FALSE(window->Cell(1, 16, false)->GetVisible()) << "3/4 hides every fourth step";
  EXPECT_FALSE(window->Cell(5, 4, true)->GetVisible());
  EXPECT_TRUE(window->mnu34time->GetChecked());
  EXPECT_EQ(window->GetCaption(), "Tambrel  -  " + file);

  // The file's fixed lines: 1,965 of them, the hi-hat cut, tempo, solo and
  // metre line, and track 5's resolution in the last line.
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(static_cast<int>(lines.size()), SongFileLines);
  EXPECT_EQ(lines[396], "1 120 0 3\r");
  EXPECT_EQ(lines[1964], "0 0 0 0 1 0 0 0 0 0 0 0\r");
}

TEST_F(FileMenu, SaveWritesToTheSongsNameAndSaveAsProposesIt) {
  ClickAt(window->Cell(1, 1, false), 7, 5);
  Answer(InFolder("drum patterns/first.bkv"));
  Command("Save1");
  ASSERT_TRUE(fs::exists(InFolder("drum patterns/first.bkv")));

  // Save with a name asks nothing and writes the same file again.
  ClickAt(window->Cell(1, 2, false), 7, 5);
  Command("Save1");
  EXPECT_EQ(asked.size(), 1u);
  std::ifstream saved(InFolder("drum patterns/first.bkv"), std::ios::binary);
  std::string firstLine;
  std::getline(saved, firstLine);
  EXPECT_EQ(firstLine, "1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0\r");

  Answer(InFolder("drum patterns/second.bkv"));
  Command("SaveAs1");
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[1].Caption, "Save File As...");
  EXPECT_EQ(asked[1].FileName, "first.bkv");
  EXPECT_EQ(asked[1].Folder, FullPath(InFolder("drum patterns")));
  EXPECT_TRUE(fs::exists(InFolder("drum patterns/second.bkv")));
  EXPECT_EQ(window->Model.RecentFiles[1], InFolder("drum patterns/second.bkv"));
  EXPECT_EQ(window->Model.RecentFiles[2], InFolder("drum patterns/first.bkv"));
}

// Open starts where the songs are and reads a song, kit included.
TEST_F(FileMenu, OpenAsksForASongInTheSongFolderAndShowsIt) {
  ClickAt(window->Cell(7, 7, false), 7, 5);
  Named<TMenuItem>("mnuIndustrial")->Click();
  Answer(InFolder("drum patterns/industrial"));
  Command("Save1");
  NewSong(0);
  ASSERT_EQ(window->Model.Song.KitId, 0);
  ASSERT_EQ(window->Cell(7, 7, false)->GetListIndex(), CellOff);

  Answer(InFolder("drum patterns/industrial.bkv"));
  Command("Open1");
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[1], (TShownDialog{"frmDialogOpen", "Open File", "*.bkv", "Brenkavar Tambrel Files (*.bkv)",
                                    FullPath(InFolder("drum patterns")), "", false, false}));
  EXPECT_EQ(window->Cell(7, 7, false)->GetListIndex(), CellOn);
  EXPECT_EQ(window->Model.Song.KitId, 8);
  EXPECT_EQ(Panel(1), "Industrial kit");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(FileMenu, TheRecentItemsFollowTheListAndHideEmptyEntries) {
  Answer(InFolder("drum patterns/song.bkv"));
  Command("Save1");
  const char* const names[] = {"A", "B", "C", "D", "E"};
  for (int n = 1; n <= 5; ++n) {
    const std::string path = InFolder(std::string("drum patterns/") + names[n - 1] + ".bkv");
    fs::copy_file(InFolder("drum patterns/song.bkv"), path);
    window->Model.RecentFiles[n] = path;
  }
  window->UpdateBox();

  Command("mnuRecent4");
  std::vector<std::string> captions;
  for (int n = 1; n <= 5; ++n) captions.push_back(Named<TMenuItem>("mnuRecent" + std::to_string(n))->GetCaption());
  const std::string d = InFolder("drum patterns/D.bkv");
  EXPECT_EQ(captions, (std::vector<std::string>{
                          "1. " + d, "2. " + InFolder("drum patterns/A.bkv"), "3. " + InFolder("drum patterns/B.bkv"),
                          "4. " + InFolder("drum patterns/C.bkv"), "5. " + InFolder("drum patterns/E.bkv")}));
  EXPECT_EQ(window->GetCaption(), "Tambrel  -  " + d);

  window->Model.RecentFiles[3] = "";
  window->Model.RecentFiles[4] = "";
  window->Model.RecentFiles[5] = "";
  window->UpdateBox();
  std::vector<bool> visible;
  for (int n = 1; n <= 5; ++n) visible.push_back(Named<TMenuItem>("mnuRecent" + std::to_string(n))->GetVisible());
  EXPECT_EQ(visible, (std::vector<bool>{true, true, false, false, false}));
  EXPECT_TRUE(Named<TMenuItem>("N12")->GetVisible());
}

// A song that cannot be read is reported and the song stays; a cancelled
// save changes nothing; a save that fails keeps the old file whole.
TEST_F(FileMenu, FailuresAndCancelsLeaveTheSongAndTheFilesAsTheyWere) {
  ClickAt(window->Cell(2, 2, false), 7, 5);
  Answer(InFolder("drum patterns/kept.bkv"));
  Command("Save1");
  const std::string kept = InFolder("drum patterns/kept.bkv");
  std::stringstream before;
  before << std::ifstream(kept, std::ios::binary).rdbuf();
  ClickAt(window->Cell(3, 3, false), 7, 5);
  const TShownSong shown = Shown();

  window->Model.RecentFiles[2] = InFolder("drum patterns/gone.bkv");
  window->UpdateBox();
  Command("mnuRecent2");
  EXPECT_EQ(Messages().size(), 1u) << "the open's error";
  EXPECT_EQ(Shown().Faces, shown.Faces);
  EXPECT_EQ(window->Model.SongFileName, kept);

  Command("SaveAs1");  // cancelled
  EXPECT_EQ(window->Model.SongFileName, kept);
  EXPECT_EQ(window->Model.RecentFiles[1], kept);
  EXPECT_TRUE(Messages().empty());

  // The temporary the save writes through cannot be made: the save fails.
  fs::create_directory(TemporaryFileName(kept));
  Command("Save1");
  EXPECT_EQ(Messages().size(), 1u) << "the failed save is reported";
  std::stringstream after;
  after << std::ifstream(kept, std::ios::binary).rdbuf();
  EXPECT_EQ(after.str(), before.str());
  fs::remove(TemporaryFileName(kept));

  Answer(InFolder("no such folder/x.bkv"));
  Command("Open1");
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Shown().Faces, shown.Faces);
}

}  // namespace
}  // namespace windowfiles
