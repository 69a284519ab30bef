// The kit save dialog (module SaveDrumKit): File > Export > "DrumKit" saves
// the tracks' sounds as a user kit under a name, with the hi-hat tracks and
// the track names the person gives.
#pragma once

#include "drummachine/kits/KitContext.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

class TfrmSaveKit : public TForm {
  DRUMS_CLASS(TfrmSaveKit, TForm)

 public:
  explicit TfrmSaveKit(TComponent* AOwner) : TForm(AOwner) {}
  ~TfrmSaveKit() override;

  // The kit's tracks and the model; set by ShowSaveKit.
  const TKitContext* Kits = nullptr;
  // Set by a save that succeeded; cleared when the dialog shows.
  bool Saved = false;

  // Published components; the name boxes edtName1..edtName12 in NameBoxes.
  TEdit* edtKitName = nullptr;
  TComboBox* cbxOpenhat = nullptr;
  TComboBox* cbxClosedhat = nullptr;
  TTrackArray<TEdit*> NameBoxes{};
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TButton* Button3 = nullptr;

  static void Publish(TPublisher<TfrmSaveKit>& p);

 private:
  void FormCreate(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void Button3Click(TObject* Sender);

  // The message box over the dialog.
  void Tell(const std::string& text);
};

extern TfrmSaveKit* frmSaveKit;

// File > Export > "DrumKit": the dialog preset from the song (its hat tracks
// and track names; the kit name box keeps what was typed last) and shown
// modally. Its Save writes the kit (SaveUserKit), takes the track names into
// the song, puts the kit's name on top of the user-kit list and refreshes
// the kit displays, with the check mark on mnukit1. Returns whether a kit
// was saved (the caller refreshes the track panel).
bool ShowSaveKit(TfrmSaveKit& dialog, const TKitContext& kits);
