// The kit file dialog (module Openkit): a folder's list of kit files, the
// file name and the file type. Its caller says what it is for (Mode): loading
// a user kit, or choosing a skin file to load or to save (the skins dialog).
#pragma once

#include <string>

#include "controls/shell/UNavShellControls.h"
#include "drummachine/kits/KitContext.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

enum class TKitDialogMode {
  LoadKit,  // Open loads the chosen ".kit" of the "user kits" folder
  LoadSkin,  // Open sets SkinLoadConfirmed
  SaveSkin  // Open sets SkinSaveConfirmed
};

class TfrmOpenKit : public TForm {
  DRUMS_CLASS(TfrmOpenKit, TForm)

 public:
  explicit TfrmOpenKit(TComponent* AOwner) : TForm(AOwner) {}
  ~TfrmOpenKit() override;

  // Set by the caller before the dialog shows.
  TKitDialogMode Mode = TKitDialogMode::LoadKit;
  // The model whose program folder holds "user kits" and "skins"; the kit
  // mode loads into Kits.
  TMainModel* Model = nullptr;
  const TKitContext* Kits = nullptr;

  // The file chosen last (a full path), and what the skin modes confirmed;
  // the caller clears the flags after use.
  std::string KitFileName;
  bool SkinLoadConfirmed = false;
  bool SkinSaveConfirmed = false;

  // Reads the user kit KitFileName into Kits (the user-kit list, the kit
  // menu's check mark and the kit displays follow); a kit that cannot be
  // read is shown in a message and the loaded kit stays. Returns whether it
  // was loaded.
  bool Loadkit();

  // The view commands.
  void LargeIconsClick(TObject* Sender);
  void SmallIconsClick(TObject* Sender);
  void ListClick(TObject* Sender);
  void DetailsClick(TObject* Sender);

  // Published components; the list is made at creation in ListArea.
  TPanel* ListArea = nullptr;
  TNavShellList* NavShellList1 = nullptr;
  TEdit* edtFileName = nullptr;
  TComboBox* cbxFileType = nullptr;
  TButton* btnOpen = nullptr;
  TButton* btnCancel = nullptr;

  static void Publish(TPublisher<TfrmOpenKit>& p);

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void btnOpenClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
  void NavShellList1SelectItem(TObject* Sender, TListItem* Item, bool Selected);
  void NavShellList1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void NavShellList1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void NavShellList1DblClickOpen(TObject* Sender, bool& Handled);

  // The folder the mode works in.
  std::string ModeFolder() const;
  // The file the name box names: a bare name is in the listed folder, a
  // name without an extension takes the filter's.
  std::string ChosenFile() const;
  void Accept();

  bool FSelected = false;
  std::string FLastPath;
};

extern TfrmOpenKit* frmOpenKit;

// Drum Kits > "Load a user Drumkit": the dialog in kit mode, preset, shown
// modally for kits; afterwards the kit displays are refreshed (the caller
// refreshes the track panel).
void ShowLoadUserKit(TfrmOpenKit& dialog, const TKitContext& kits);
