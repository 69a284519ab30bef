// The wave dialog: a ".wav" for the current track, with a preview that plays
// the selected or named file; or, in MIDI mode, a ".mid" to import, with a
// note on what an import can do and no preview.
#pragma once

#include <string>

#include "drummachine/filedialogs/ShellFileDialog.h"
#include "drummachine/filedialogs/WavePreview.h"
#include "platform/vcl/ExtCtrls.h"

class TfrmWaveOpen : public TShellFileDialog {
  DRUMS_CLASS(TfrmWaveOpen, TShellFileDialog)

 public:
  using TShellFileDialog::TShellFileDialog;
  ~TfrmWaveOpen() override;

  // Wave mode: previews go to the end of bank (the current track's wave
  // list) while the dialog shows; the Play button shows, the MIDI note lies
  // below the visible area.
  void UseWaveMode(TWaveCollection* bank);
  // MIDI mode: no preview, no Play button, the note shown.
  void UseMidiMode();
  bool WaveMode() const { return FWaveMode; }
  // The file chosen by the last Open (a full path with its extension).
  const std::string& ChosenFile() const { return FChosenFile; }
  // Whether a preview wave is in the track's list now.
  bool HasPreviewWave() const { return FPreview.HasWave(); }

  // Published components.
  TButton* btnOpen = nullptr;
  TButton* btnPlayWave = nullptr;
  TCheckBox* cbxAutoPreview = nullptr;
  TPanel* Panel1 = nullptr;

  static void Publish(TPublisher<TfrmWaveOpen>& p);

 protected:
  void ListSelectItem(TListItem* Item, bool Selected) override;
  void ListMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void ListDblClickOpen(bool& Handled) override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnOpenClick(TObject* Sender);
  void btnPlayWaveClick(TObject* Sender);
  void Accept();
  // The selected file's full path; empty for none, a folder or an item the
  // shell cannot read.
  std::string SelectedFilePath() const;
  // Plays path; a file that cannot be read is reported and changes nothing.
  void Preview(const std::string& path);

  bool FWaveMode = true;
  TWaveCollection* FBank = nullptr;
  TWavePreview FPreview;
  std::string FChosenFile;
};

extern TfrmWaveOpen* frmWaveOpen;
