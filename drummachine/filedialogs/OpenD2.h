// The open dialog for songs: a ".bkv" chosen from the list or typed, and
// whether the song's own drum kit comes with it.
#pragma once

#include <string>

#include "drummachine/filedialogs/ShellFileDialog.h"

class TfrmDialogOpen : public TShellFileDialog {
  DRUMS_CLASS(TfrmDialogOpen, TShellFileDialog)

 public:
  using TShellFileDialog::TShellFileDialog;
  ~TfrmDialogOpen() override;

  // The file chosen by the last Open (a full path with its extension).
  const std::string& ChosenFile() const { return FChosenFile; }
  // "Open associated Drumkit?"
  bool OpenAssociatedKit() const { return cbxDrumKit->GetChecked(); }

  // Published components.
  TButton* btnOpen = nullptr;
  TCheckBox* cbxDrumKit = nullptr;
  TButton* Button1 = nullptr;

  static void Publish(TPublisher<TfrmDialogOpen>& p);

 protected:
  void ListMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void ListDblClickOpen(bool& Handled) override;

 private:
  void FormCreate(TObject* Sender);
  void btnOpenClick(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Accept();

  std::string FChosenFile;
};

extern TfrmDialogOpen* frmDialogOpen;
