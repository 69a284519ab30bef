// Pictures of the song, wave and MIDI file dialogs as a person sees them,
// saved into DRUMS_SCREENSHOTS (or a folder of the run's own): each dialog
// over one folder of songs, waves and MIDI files, in list view and, after a
// click on its Details button, in details view. Each picture also checks
// what the list shows: only the files of the dialog's type, and the folder.
#include <algorithm>

#include "drummachine/filedialogs/song_dialogs_fixture.h"

namespace songdialogs {
namespace {

class SongPictures : public SongDialogs {
 protected:
  void SetUp() override {
    SongDialogs::SetUp();
    mixed = (fs::path(folder.Path()) / "mixed").string();
    fs::create_directory(mixed);
    fs::create_directory(mixed + "/older takes");
    for (const char* song : {"mixed/Funk groove.bkv", "mixed/Slow waltz.bkv", "mixed/Shuffle.bkv"}) MakeFile(song);
    for (const char* wave : {"mixed/clap.wav", "mixed/kick.wav", "mixed/rim shot.wav"}) MakeWave(wave);
    MakeFile("mixed/beat.mid", "MThd");
    MakeFile("mixed/notes.txt");
  }

  // The dialog in list view with its first file clicked, then a click on
  // Details and the picture in details view, then back to list view;
  // gives what the list showed.
  std::vector<std::string> Pictures(TShellFileDialog& dialog, const std::string& name) {
    std::vector<std::string> shown;
    std::string firstFile;
    int columns = 0;
    TModalScript script(&dialog, {[&] {
                                    shown = Captions(dialog);
                                    for (int i = 0; i < dialog.NavShellList1->GetItems()->GetCount(); ++i)
                                      if (!dialog.NavShellList1->ItemDataAt(i)->IsFolder()) {
                                        firstFile = dialog.NavShellList1->ItemDataAt(i)->GetItemFileName();
                                        break;
                                      }
                                    QueueItemClick(dialog, firstFile);
                                  },
                                  [&] {
                                    SaveShot(dialog, name + "_list");
                                    QueueClick(dialog.DetailsBtn);
                                  },
                                  [&] {
                                    columns = dialog.NavShellList1->GetColumns()->GetCount();
                                    EXPECT_EQ(dialog.NavShellList1->GetViewStyle(), vsReport) << name;
                                    SaveShot(dialog, name + "_details");
                                    QueueClick(dialog.ListBtn);
                                  },
                                  [] {}});
    dialog.ShowModal();
    EXPECT_EQ(dialog.NavShellList1->GetViewStyle(), vsList) << name;
    EXPECT_GE(columns, 4) << name << ": name, size, type and date";
    std::sort(shown.begin(), shown.end());
    return shown;
  }

  std::string mixed;
};

TEST_F(SongPictures, EachDialogShowsItsOwnFilesInListAndDetailsView) {
  const std::vector<std::string> songs{"Funk groove.bkv", "Shuffle.bkv", "Slow waltz.bkv", "older takes"};
  frmDialogOpen->Preset("Open File", "*.bkv", "Brenkavar Tambrel Files (*.bkv)");
  frmDialogOpen->SetListFolder(mixed);
  EXPECT_EQ(Pictures(*frmDialogOpen, "song_open"), songs);

  frmDialogSave->Preset("Save File", "*.bkv", "Brenkavar Tambrel files (*.bkv)");
  frmDialogSave->ShowMidiExport(false);
  frmDialogSave->SetListFolder(mixed);
  frmDialogSave->edtFileName->SetText("New groove");
  EXPECT_EQ(Pictures(*frmDialogSave, "song_save"), songs);

  frmDialogSave->Preset("Export to MIDI file...", "*.mid", "Midi Files (*.mid)");
  frmDialogSave->ShowMidiExport(true);
  EXPECT_EQ(Pictures(*frmDialogSave, "midi_export"), (std::vector<std::string>{"beat.mid", "older takes"}));

  frmWaveOpen->Preset("Open Wave file", "*.wav", "Wave Files (*.wav)");
  frmWaveOpen->UseWaveMode(waves->GetItems());
  frmWaveOpen->SetListFolder(mixed);
  EXPECT_EQ(Pictures(*frmWaveOpen, "wave_open"),
            (std::vector<std::string>{"clap.wav", "kick.wav", "older takes", "rim shot.wav"}));

  frmWaveOpen->Preset("Import MIDI file...", "*.mid", "Midi Files (*.mid)");
  frmWaveOpen->UseMidiMode();
  EXPECT_EQ(Pictures(*frmWaveOpen, "midi_import"), (std::vector<std::string>{"beat.mid", "older takes"}));
  EXPECT_EQ(TrackWaveNames(), (std::vector<std::string>{"kick", "snare"}));
}

}  // namespace
}  // namespace songdialogs
