// The save dialog: a song's ".bkv", or in MIDI-export mode a ".mid" with a
// note on what the export loses and the button to the export settings.
#pragma once

#include <string>

#include "drummachine/core/MainModel.h"
#include "drummachine/filedialogs/ShellFileDialog.h"
#include "platform/vcl/ExtCtrls.h"

class TfrmDialogSave : public TShellFileDialog {
  DRUMS_CLASS(TfrmDialogSave, TShellFileDialog)

 public:
  using TShellFileDialog::TShellFileDialog;
  ~TfrmDialogSave() override;

  // Set by the caller before the dialog shows: the song whose track names
  // and MIDI notes the export settings show.
  TMainModel* Model = nullptr;

  // MIDI-export mode shows the note and the Settings button and makes the
  // dialog taller; song mode hides them.
  void ShowMidiExport(bool midi);
  // The file chosen by the last Save (a full path with its extension).
  const std::string& ChosenFile() const { return FChosenFile; }

  // Published components.
  TButton* btnSave = nullptr;
  TSpeedButton* btnNewFolder = nullptr;
  TPanel* Panel1 = nullptr;
  TButton* BtnSettings = nullptr;

  static void Publish(TPublisher<TfrmDialogSave>& p);

 protected:
  void ListMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void ListDblClickOpen(bool& Handled) override;

 private:
  void FormCreate(TObject* Sender);
  void btnSaveClick(TObject* Sender);
  void btnNewFolderClick(TObject* Sender);
  void BtnSettingsClick(TObject* Sender);
  void Accept();

  std::string FChosenFile;
};

extern TfrmDialogSave* frmDialogSave;
