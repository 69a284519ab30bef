// The Generate Random Pattern dialog: the tracks that the random pattern
// fills, one check box each.
#pragma once

#include "drummachine/core/MainModel.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

class TfrmGenerate : public TForm {
  DRUMS_CLASS(TfrmGenerate, TForm)

 public:
  explicit TfrmGenerate(TComponent* AOwner) : TForm(AOwner) {}
  ~TfrmGenerate() override;

  // Set once by the main window after the dialog's creation.
  TMainModel* Model = nullptr;

  // Whether each track's box has its check mark.
  TTrackArray<bool> CheckedTracks() const;
  // The box of track 1..12.
  TCheckBox* TrackBox(int track) const;

  // Published components.
  TLabel* Label1 = nullptr;
  TCheckBox* cbxTrack1 = nullptr;
  TCheckBox* cbxTrack2 = nullptr;
  TCheckBox* cbxTrack3 = nullptr;
  TCheckBox* cbxTrack4 = nullptr;
  TCheckBox* cbxTrack5 = nullptr;
  TCheckBox* cbxTrack6 = nullptr;
  TCheckBox* cbxTrack7 = nullptr;
  TCheckBox* cbxTrack8 = nullptr;
  TCheckBox* cbxTrack9 = nullptr;
  TCheckBox* cbxTrack10 = nullptr;
  TCheckBox* cbxTrack11 = nullptr;
  TCheckBox* cbxTrack12 = nullptr;
  TButton* btnGenerate = nullptr;
  TButton* btnCancel = nullptr;

  static void Publish(TPublisher<TfrmGenerate>& p);

 private:
  void btnGenerateClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
};

extern TfrmGenerate* frmGenerate;
