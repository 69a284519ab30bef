// The main window's file menu: new, open, save, save as, the recent songs,
// MIDI import and export. The song commands work on the model; the handlers
// here ask for the file, then show the song on the window again.
#include "drummachine/core/MidiExport.h"
#include "drummachine/core/MidiImport.h"
#include "drummachine/core/RecentFiles.h"
#include "drummachine/core/SongCommands.h"
#include "drummachine/dialogs/filenew.h"
#include "drummachine/editing/StepGridEditor.h"
#include "drummachine/editing/TrackPanel.h"
#include "drummachine/kits/DrumKits.h"
#include "drummachine/mallowen/ComponentNames.h"
#include "drummachine/mallowen/MainWindowView.h"
#include "drummachine/mallowen/mallowen.h"
#include "platform/vcl/SysUtils.h"

namespace {

// The options menu's "32nd Notes": the song file keeps it.
bool AllTracks32ndChecked(const TfrmMain& form) {
  return form.Component<TMenuItem>("mnu32ndnotes2")->GetChecked();
}

}  // namespace

std::optional<std::string> TfrmMain::ChooseFile(const TFileChoice& choice) {
  TDsWaveList* waves = TrackWaveLists[Model.CurrentTrack];
  std::optional<std::string> chosen =
      ChooseWithProgramDialogs(choice, Model, waves != nullptr ? waves->GetItems() : nullptr, OpenAssociatedKit);
  if (chosen && chosen->empty()) return std::nullopt;
  return chosen;
}

void TfrmMain::ShowSongFileName() {
  SetCaption(Model.HasFileName ? "Tambrel  -  " + Model.SongFileName : std::string("Tambrel"));
}

// Every control that shows the song, from the model: each track's note
// resolution (the metre comes after it, since it hides the last steps of
// both rows), the strips, the tempo, the song order, the edited pattern.
void TfrmMain::ShowSong(bool allTracks32nd) {
  TQuiet quiet(*this);
  FView->CheckAllThirtySecond(allTracks32nd);
  FView->CheckAllSixteenth(!allTracks32nd);
  for (int t = 1; t <= SongTracks; ++t) {
    Model.CurrentTrack = t;
    if (Model.Song.TrackUses32nd[t])
      FGrid->mnu32ndNotesClick();
    else
      FGrid->mnu16thNotesClick();
  }
  Model.CurrentTrack = 1;
  FPanel->ShowStrips();
  FView->ShowTempo(IntToStr(Model.Song.Tempo), Model.Song.Tempo);
  if (Model.Song.Metre == 4)
    FEngine->Make44Time();
  else
    FEngine->Make34Time();
  Component<TSpeedButton>("btnPat1")->SetDown(true);
  ModelToSequencer();
  FView->FocusAway();
  FView->SelectSequenceCell(Model.SequenceColumn, Model.SequenceRow);
  FView->ShowRecentSongs(Model.RecentFiles);
  ShowSongFileName();
}

void TfrmMain::New1Click(TObject*) {
  StopPlaying();
  FPanel->Deselect();
  if (frmNewFile != nullptr) {
    frmNewFile->Model = &Model;
    frmNewFile->ShowModal();
  }
  if (!Model.NewConfirmed) {
    UpdateBox();
    return;
  }
  {
    TQuiet quiet(*this);
    NewSong(Model, *FSongKit, Model.Song.KitId);
  }
  ShowSong(AllTracks32ndChecked(*this));
  UpdateBox();
}

void TfrmMain::OpenSongFile(const std::string& name) {
  TSongFileExtras extras;
  {
    // A file that cannot be read raises here, and the song stays as it was.
    TQuiet quiet(*this);
    extras = ReadSong(Model, name, OpenAssociatedKit);
  }
  ShowSong(extras.AllTracks32nd);
  // The song is shown whole even when its kit cannot be loaded.
  try {
    if (OpenAssociatedKit) LoadKitFile();
  } catch (...) {
    UpdateBox();
    throw;
  }
  UpdateBox();
}

void TfrmMain::Open1Click(TObject*) {
  FPanel->Deselect();
  StopPlaying();
  // The dialog gives a complete path: its folder and ".bkv" when typed
  // without them.
  const std::optional<std::string> chosen = ChooseFile(SongOpenChoice());
  if (!chosen) {
    UpdateBox();
    return;
  }
  try {
    OpenSongFile(*chosen);
  } catch (...) {
    UpdateBox();
    throw;
  }
}

void TfrmMain::mnuRecent1Click(TObject* Sender) {
  const int n = NameNumber(Sender, 9);
  if (n < 1 || n > RecentSongCount || Model.RecentFiles[n].empty()) return;
  FPanel->Deselect();
  StopPlaying();
  try {
    OpenSongFile(Model.RecentFiles[n]);
  } catch (...) {
    UpdateBox();
    throw;
  }
}

// A cancelled dialog changes nothing: neither the song's file name nor the
// recent list take a name that was not saved to.
void TfrmMain::SaveSong(const std::optional<std::string>& chosen) {
  if (!chosen) return;
  const std::string& name = *chosen;
  try {
    SaveSongAs(Model, *FSongKit, name, true, AllTracks32ndChecked(*this));
  } catch (...) {
    FView->ShowRecentSongs(Model.RecentFiles);
    throw;
  }
  FView->ShowRecentSongs(Model.RecentFiles);
  ShowSongFileName();
}

void TfrmMain::Save1Click(TObject*) {
  StopPlaying();
  // The order grid holds what was typed into it.
  SequencerToModel();
  if (Model.HasFileName) {
    Model.SaveConfirmed = true;
    SaveBKVFile(Model, *FSongKit, AllTracks32ndChecked(*this));
    ShowSongFileName();
    return;
  }
  SaveSong(ChooseFile(SongSaveChoice()));
}

void TfrmMain::SaveAs1Click(TObject*) {
  StopPlaying();
  SequencerToModel();
  SaveSong(ChooseFile(SongSaveAsChoice({}, Model.SongFileName)));
}

void TfrmMain::mnuImportMIDIClick(TObject*) {
  StopPlaying();
  FPanel->Deselect();
  const std::optional<std::string> chosen = ChooseFile(MidiImportChoice());
  if (!chosen) {
    UpdateBox();
    return;
  }
  bool replaced = false;
  try {
    TQuiet quiet(*this);
    replaced = ImportMidiFile(Model, *chosen);
  } catch (...) {
    UpdateBox();
    throw;
  }
  if (replaced) ShowSong(AllTracks32ndChecked(*this));
  UpdateBox();
}

// Playback goes on while the file is chosen and written.
void TfrmMain::MIDIFile1Click(TObject*) {
  const std::optional<std::string> chosen = ChooseFile(MidiExportChoice());
  if (!chosen) return;
  ExportMidiFile(Model, *chosen);
}
