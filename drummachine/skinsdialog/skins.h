// The skins dialog (module skins): chooses, previews, edits, saves and loads
// the look of the main window. Its controls are a skin being edited; its two
// picture lists hold what the previews show. The skin in force and the
// scheme box's list belong to the skin unit (TSkins): the dialog takes its
// state from there when it shows and hands a skin record back on Preview
// and Ok, so nothing is read twice and the unit stays the one truth.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "controls/styled/stybtn.h"
#include "controls/styled/stycont.h"
#include "controls/styled/styextcS.h"
#include "controls/styled/stystdcA.h"
#include "drummachine/core/MainModel.h"
#include "drummachine/skins/Skins.h"
#include "platform/vcl/Buttons.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

// The dialog's two widths: without and with the additional settings.
constexpr int SkinsDialogNarrowWidth = 660;
constexpr int SkinsDialogWideWidth = 820;
constexpr int SkinsDialogHelpContext = 25;

class TfrmSkins : public TForm {
  DRUMS_CLASS(TfrmSkins, TForm)

 public:
  explicit TfrmSkins(TComponent* AOwner) : TForm(AOwner) {}
  ~TfrmSkins() override;

  // Set by the main window before the dialog shows: the skin unit, the
  // model whose program folder holds the skins, and how a skin taken by
  // the unit is put onto the main window.
  void Bind(TSkins* skins, TMainModel* model, std::function<void()> applySkin);

  // The skin the controls describe.
  TSkin BuildSkin() const;
  // The controls, the previews and the scheme box from the skin unit, when
  // it changed since the dialog last took or gave its state.
  void TakeStateFromSkins();
  // The picture combo of a slot, in the skin file's order.
  TComboBox* PictureCombo(TSkinCombo combo) const;

  // Handlers (public: the main window and tests call some of them).
  void cbxSchemeChange(TObject* Sender);
  void btnPreviewClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
  void btnSaveSkinClick(TObject* Sender);
  void btnLoadSkinClick(TObject* Sender);
  void btnAdditionalClick(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);

  // Published components.
  TComboBox* cbxMainBMP = nullptr;
  TComboBox* cbxTracksBMP = nullptr;
  TComboBox* cbxMainVol = nullptr;
  TComboBox* cbxMainVolSel = nullptr;
  TComboBox* cbxTrackVol = nullptr;
  TComboBox* cbxTrackVolSel = nullptr;
  TComboBox* cbxSequencer = nullptr;
  TComboBox* cbxSequencerSel = nullptr;
  TComboBox* cbxBeatUp = nullptr;
  TComboBox* cbxBeatDown = nullptr;
  TComboBox* cbxBeatMod = nullptr;
  TComboBox* cbxPlayUp = nullptr;
  TComboBox* cbxPlayDown = nullptr;
  TSpeedButton* btnLoadBmp = nullptr;
  TSpeedButton* btnLoadBMP2 = nullptr;
  TSpeedButton* btnMainVol = nullptr;
  TSpeedButton* btnMainVolSel = nullptr;
  TSpeedButton* btnTrackVol = nullptr;
  TSpeedButton* btnTrackVolSel = nullptr;
  TSpeedButton* btnSequencer = nullptr;
  TSpeedButton* btnSequencerSel = nullptr;
  TSpeedButton* btnOpenBeatUp = nullptr;
  TSpeedButton* btnOpenBeatDown = nullptr;
  TSpeedButton* btnOpenBeatMod = nullptr;
  TSpeedButton* btnOpenPlayUp = nullptr;
  TSpeedButton* btnOpenPlayDown = nullptr;
  TCheckBox* cbxBeatTransparent = nullptr;
  TCheckBox* cbxPlayTransparent = nullptr;
  TStyMMButton* SkinsBeatButton = nullptr;
  TStyMMButton* SkinsPlaybutton = nullptr;
  TComboBox* cbxScheme = nullptr;
  TSpeedButton* btnSaveSkin = nullptr;
  TSpeedButton* btnLoadSkin = nullptr;
  TButton* btnPreview = nullptr;
  TButton* btnOk = nullptr;
  TButton* btnCancel = nullptr;
  TButton* btnAdditional = nullptr;
  TButton* Button2 = nullptr;
  TStySpinEdit* SpinPlayLeft = nullptr;
  TStySpinEdit* SpinPlayTop = nullptr;
  TButton* Button1 = nullptr;
  TCheckBox* cbxTempo = nullptr;
  TCheckBox* cbxMainVolumeLabel = nullptr;
  TStyColorComboBox* cbxLEDColor = nullptr;
  // What the previews show: the step faces (off, on, -, modified note) and
  // the other pictures, in the skin unit's slots.
  TStyBitmapList* SkinsBitmapList = nullptr;
  TStyBitmapList* SkinsButtonList = nullptr;
  TOpenPictureDialog* BMPDialog = nullptr;
  TFontDialog* FontDialog1 = nullptr;

  // The face each preview shows: 0 up, 1 down (the beat preview shows the
  // modified note as 1 too).
  int GetBeatPreviewFace() const { return FBeatPreviewFace; }
  int GetPlayPreviewFace() const { return FPlayPreviewFace; }
  // Whether the dialog's backgrounds hold a picture.
  bool GetMainBackgroundSet() const { return FMainBackgroundSet; }
  bool GetTracksBackgroundSet() const { return FTracksBackgroundSet; }

  static void Publish(TPublisher<TfrmSkins>& p);

 private:
  void FormCreate(TObject* Sender);
  // The 13 combos share one handler, and so do their 13 picker buttons.
  void PictureComboChange(TObject* Sender);
  void PickPictureClick(TObject* Sender);
  void SkinsBeatButtonClick(TObject* Sender);
  void SkinsPlaybuttonClick(TObject* Sender);
  void cbxBeatTransparentClick(TObject* Sender);
  void cbxPlayTransparentClick(TObject* Sender);

  // The folder the built-in pictures and the skins lie below (the current
  // directory before the dialog is bound to a model).
  std::string ProgramFolder() const;
  // Puts a read picture into a combo's slot and shows what it changed.
  void TakePicture(TSkinCombo combo, TBitmap* picture);
  // A combo's choice read into its slot.
  void LoadComboPicture(TSkinCombo combo);
  // Shows a skin in the controls, with its pictures already read.
  void ShowSkin(const TSkin& skin, const std::array<std::unique_ptr<TBitmap>, SkinComboCount>& pictures);
  // Reads a skin file into the controls; raises, changing nothing, when
  // the file or a picture it names cannot be read.
  void ReadSkinIntoDialog(const std::string& fileName);
  // The scheme box from the skin unit's list.
  void ShowSchemes();
  // The kit file dialog preset for skins; true when the person confirmed.
  bool ChooseSkinFile(bool save);
  // Asks whether the skin file may be replaced.
  bool MayReplace(const std::string& name) const;
  void SetPreviewFace(TStyMMButton* preview, int listIndex);
  void ShowBeatPreview(int listIndex);
  void ShowPlayPreview(int listIndex);
  void RememberRevision();

  TSkins* FSkins = nullptr;
  TMainModel* FModel = nullptr;
  std::function<void()> FApplySkin;
  std::unique_ptr<TBitmap> FScratchBitmap;
  int FBeatPreviewFace = 0;
  int FPlayPreviewFace = 0;
  bool FMainBackgroundSet = false;
  bool FTracksBackgroundSet = false;
  // The skin unit's revision the dialog's state matches; -1: none yet.
  int FSkinsRevision = -1;
  // The scheme box's entry before the person's choice, for going back.
  int FSchemeIndex = 0;
};

extern TfrmSkins* frmSkins;

// The Skins menu item: the dialog at its narrow width, its state taken from
// the skin unit when that changed, shown modeless.
void ShowSkinsDialog(TfrmSkins& dialog);
