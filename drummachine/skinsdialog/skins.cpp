#include "drummachine/skinsdialog/skins.h"

#include <algorithm>
#include <utility>

#include "drummachine/filedialogs/DialogFileName.h"
#include "drummachine/skins/PictureCopy.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

TfrmSkins* frmSkins = nullptr;

namespace {

// In the skin file's order (TSkinCombo).
const std::array<TComboBox * TfrmSkins::*, SkinComboCount> kSkinsDlgCombos = {
    &TfrmSkins::cbxMainBMP,  &TfrmSkins::cbxTracksBMP,   &TfrmSkins::cbxMainVol,   &TfrmSkins::cbxMainVolSel,
    &TfrmSkins::cbxTrackVol, &TfrmSkins::cbxTrackVolSel, &TfrmSkins::cbxSequencer, &TfrmSkins::cbxSequencerSel,
    &TfrmSkins::cbxBeatUp,   &TfrmSkins::cbxBeatDown,    &TfrmSkins::cbxBeatMod,   &TfrmSkins::cbxPlayUp,
    &TfrmSkins::cbxPlayDown,
};
const std::array<TSpeedButton * TfrmSkins::*, SkinComboCount> kSkinsDlgPickers = {
    &TfrmSkins::btnLoadBmp,      &TfrmSkins::btnLoadBMP2,     &TfrmSkins::btnMainVol,     &TfrmSkins::btnMainVolSel,
    &TfrmSkins::btnTrackVol,     &TfrmSkins::btnTrackVolSel,  &TfrmSkins::btnSequencer,   &TfrmSkins::btnSequencerSel,
    &TfrmSkins::btnOpenBeatUp,   &TfrmSkins::btnOpenBeatDown, &TfrmSkins::btnOpenBeatMod, &TfrmSkins::btnOpenPlayUp,
    &TfrmSkins::btnOpenPlayDown,
};
constexpr std::array<const char*, SkinComboCount> kSkinsDlgComboNames = {
    "cbxMainBMP",      "cbxTracksBMP", "cbxMainVol",  "cbxMainVolSel", "cbxTrackVol", "cbxTrackVolSel", "cbxSequencer",
    "cbxSequencerSel", "cbxBeatUp",    "cbxBeatDown", "cbxBeatMod",    "cbxPlayUp",   "cbxPlayDown",
};
constexpr std::array<const char*, SkinComboCount> kSkinsDlgPickerNames = {
    "btnLoadBmp",     "btnLoadBMP2",   "btnMainVol",      "btnMainVolSel", "btnTrackVol",
    "btnTrackVolSel", "btnSequencer",  "btnSequencerSel", "btnOpenBeatUp", "btnOpenBeatDown",
    "btnOpenBeatMod", "btnOpenPlayUp", "btnOpenPlayDown",
};

// The order a whole skin's pictures go into their slots: the up faces
// last, so the previews end on them.
constexpr std::array<TSkinCombo, SkinComboCount> kSkinsDlgTakeOrder = {
    skMainBMP,      skTracksBMP, skMainVol, skMainVolSel, skTrackVol, skTrackVolSel, skSequencer,
    skSequencerSel, skBeatDown,  skBeatMod, skBeatUp,     skPlayDown, skPlayUp,
};

constexpr int SkinsDlgButtonStates = 8;

bool IsBeatFace(TSkinCombo combo) {
  return combo == skBeatUp || combo == skBeatDown || combo == skBeatMod;
}

bool IsPlayFace(TSkinCombo combo) {
  return combo == skPlayUp || combo == skPlayDown;
}

// The entry a chosen picture file gets in its combo: a bitmap of the skins
// folder by its bare name, as the built-in skins name theirs; any other
// file by its full path (a name containing "." is a path to the skin file),
// so that a skin saved with it finds it again.
std::string SkinsDlgEntryName(const std::string& programFolder, const std::string& path) {
  const std::string full = SystemFullPath(path);
  const std::string name = ExtractFileName(full);
  const std::string stem = name.substr(0, name.find('.'));
  const bool inSkins =
      SameText(ExtractFilePath(full), IncludeTrailingBackslash(SystemFullPath(programFolder + "\\skins")));
  if (inSkins && !stem.empty() && SameText(name, stem + ".bmp")) return stem;
  return full;
}

// Selects the custom entry equal to name (of several, the last), or adds
// it; the two built-in entries are never a custom picture's.
void SelectCustomEntry(TComboBox* combo, const std::string& name) {
  TStrings* items = combo->GetItems();
  for (int i = items->GetCount() - 1; i > 1; --i)
    if (items->GetStrings(i) == name) return combo->SetItemIndex(i);
  items->Add(name);
  combo->SetItemIndex(items->GetCount() - 1);
}

}  // namespace

TfrmSkins::~TfrmSkins() {
  if (frmSkins == this) frmSkins = nullptr;
}

void TfrmSkins::Publish(TPublisher<TfrmSkins>& p) {
  for (int i = 0; i < SkinComboCount; ++i) {
    p.Field(kSkinsDlgComboNames[i], kSkinsDlgCombos[i]);
    p.Field(kSkinsDlgPickerNames[i], kSkinsDlgPickers[i]);
    p.Method((std::string(kSkinsDlgComboNames[i]) + "Change").c_str(), &TfrmSkins::PictureComboChange);
    p.Method((std::string(kSkinsDlgPickerNames[i]) + "Click").c_str(), &TfrmSkins::PickPictureClick);
  }
  p.Field("cbxBeatTransparent", &TfrmSkins::cbxBeatTransparent);
  p.Field("cbxPlayTransparent", &TfrmSkins::cbxPlayTransparent);
  p.Field("SkinsBeatButton", &TfrmSkins::SkinsBeatButton);
  p.Field("SkinsPlaybutton", &TfrmSkins::SkinsPlaybutton);
  p.Field("cbxScheme", &TfrmSkins::cbxScheme);
  p.Field("btnSaveSkin", &TfrmSkins::btnSaveSkin);
  p.Field("btnLoadSkin", &TfrmSkins::btnLoadSkin);
  p.Field("btnPreview", &TfrmSkins::btnPreview);
  p.Field("btnOk", &TfrmSkins::btnOk);
  p.Field("btnCancel", &TfrmSkins::btnCancel);
  p.Field("btnAdditional", &TfrmSkins::btnAdditional);
  p.Field("Button2", &TfrmSkins::Button2);
  p.Field("SpinPlayLeft", &TfrmSkins::SpinPlayLeft);
  p.Field("SpinPlayTop", &TfrmSkins::SpinPlayTop);
  p.Field("Button1", &TfrmSkins::Button1);
  p.Field("cbxTempo", &TfrmSkins::cbxTempo);
  p.Field("cbxMainVolumeLabel", &TfrmSkins::cbxMainVolumeLabel);
  p.Field("cbxLEDColor", &TfrmSkins::cbxLEDColor);
  p.Field("SkinsBitmapList", &TfrmSkins::SkinsBitmapList);
  p.Field("SkinsButtonList", &TfrmSkins::SkinsButtonList);
  p.Field("BMPDialog", &TfrmSkins::BMPDialog);
  p.Field("FontDialog1", &TfrmSkins::FontDialog1);

  p.Method("FormCreate", &TfrmSkins::FormCreate);
  p.Method("cbxSchemeChange", &TfrmSkins::cbxSchemeChange);
  p.Method("btnPreviewClick", &TfrmSkins::btnPreviewClick);
  p.Method("btnCancelClick", &TfrmSkins::btnCancelClick);
  p.Method("btnSaveSkinClick", &TfrmSkins::btnSaveSkinClick);
  p.Method("btnLoadSkinClick", &TfrmSkins::btnLoadSkinClick);
  p.Method("SkinsBeatButtonClick", &TfrmSkins::SkinsBeatButtonClick);
  p.Method("SkinsPlaybuttonClick", &TfrmSkins::SkinsPlaybuttonClick);
  p.Method("cbxBeatTransparentClick", &TfrmSkins::cbxBeatTransparentClick);
  p.Method("cbxPlayTransparentClick", &TfrmSkins::cbxPlayTransparentClick);
  p.Method("btnAdditionalClick", &TfrmSkins::btnAdditionalClick);
  p.Method("Button1Click", &TfrmSkins::Button1Click);
  p.Method("Button2Click", &TfrmSkins::Button2Click);
}

void TfrmSkins::FormCreate(TObject*) {
  FScratchBitmap = std::make_unique<TBitmap>();
  while (SkinsBitmapList->GetCount() < SkinsBitmapCount) SkinsBitmapList->AddItem(nullptr);
  while (SkinsButtonList->GetCount() < SkinsButtonCount) SkinsButtonList->AddItem(nullptr);
  for (int i = 0; i < SkinComboCount; ++i) PictureCombo(static_cast<TSkinCombo>(i))->SetItemIndex(0);
  cbxLEDColor->SetCurrentColor(clYellow);
  ShowBeatPreview(0);
  ShowPlayPreview(0);
}

void TfrmSkins::Bind(TSkins* skins, TMainModel* model, std::function<void()> applySkin) {
  FSkins = skins;
  FModel = model;
  FApplySkin = std::move(applySkin);
  if (FModel == nullptr) return;
  SetHelpFile(FModel->ProgramFolder + "\\help files\\Tambrel.hlp");
  BMPDialog->SetInitialDir(FModel->ProgramFolder + "\\skins");
}

std::string TfrmSkins::ProgramFolder() const {
  return FModel != nullptr ? FModel->ProgramFolder : GetCurrentDir();
}

TComboBox* TfrmSkins::PictureCombo(TSkinCombo combo) const {
  return this->*kSkinsDlgCombos.at(static_cast<std::size_t>(combo));
}

TSkin TfrmSkins::BuildSkin() const {
  TSkin skin;
  for (int i = 0; i < SkinComboCount; ++i) {
    TComboBox* combo = PictureCombo(static_cast<TSkinCombo>(i));
    const int index = std::max(combo->GetItemIndex(), 0);
    skin.Pictures[i].Index = index;
    if (index > 1) skin.Pictures[i].Name = combo->GetItems()->GetStrings(index);
  }
  skin.BeatTransparent = cbxBeatTransparent->GetChecked();
  skin.PlayTransparent = cbxPlayTransparent->GetChecked();
  skin.TempoLabel = cbxTempo->GetChecked();
  skin.MainVolumeLabel = cbxMainVolumeLabel->GetChecked();
  const int led = cbxLEDColor->GetItemIndex();
  skin.LedColorIndex = led >= 0 && led < LedColorCount ? led : DefaultLedColorIndex;
  TFont* font = FontDialog1->GetFont();
  skin.Font.Color = static_cast<std::int32_t>(font->GetColor());
  skin.Font.Height = font->GetHeight();
  skin.Font.Name = font->GetName();
  skin.Font.Size = font->GetSize();
  skin.PlayLeft = std::clamp(SpinPlayLeft->GetValue(), 0, SkinPlayLeftMax);
  skin.PlayTop = std::clamp(SpinPlayTop->GetValue(), 0, SkinPlayTopMax);
  return skin;
}

void TfrmSkins::RememberRevision() {
  if (FSkins != nullptr) FSkinsRevision = FSkins->GetRevision();
}

void TfrmSkins::TakeStateFromSkins() {
  if (FSkins == nullptr || FSkins->GetRevision() == FSkinsRevision) return;
  // The unit's pictures are the ones in force: copied, not read again.
  CopyListPictures(FSkins->GetSkinsBitmapList(), SkinsBitmapList, 0, SkinsBitmapCount);
  CopyListPictures(FSkins->GetSkinsButtonList(), SkinsButtonList, 0, SkinsButtonCount);
  FMainBackgroundSet = FSkins->GetMainBackgroundSet();
  FTracksBackgroundSet = FSkins->GetTracksBackgroundSet();
  const std::array<std::unique_ptr<TBitmap>, SkinComboCount> none{};
  ShowSkin(FSkins->GetSkin(), none);
  FBeatPreviewFace = FPlayPreviewFace = 0;
  ShowBeatPreview(0);
  ShowPlayPreview(0);
  ShowSchemes();
  RememberRevision();
}

void TfrmSkins::ShowSkin(const TSkin& skin, const std::array<std::unique_ptr<TBitmap>, SkinComboCount>& pictures) {
  for (int i = 0; i < SkinComboCount; ++i) {
    TComboBox* combo = PictureCombo(static_cast<TSkinCombo>(i));
    const TSkinPicture& picture = skin.Pictures[i];
    if (picture.Index <= 1)
      combo->SetItemIndex(picture.Index);
    else
      SelectCustomEntry(combo, picture.Name);
  }
  cbxBeatTransparent->SetChecked(skin.BeatTransparent);
  cbxPlayTransparent->SetChecked(skin.PlayTransparent);
  cbxTempo->SetChecked(skin.TempoLabel);
  cbxMainVolumeLabel->SetChecked(skin.MainVolumeLabel);
  cbxLEDColor->SetItemIndex(skin.LedColorIndex);
  TFont* font = FontDialog1->GetFont();
  font->SetColor(static_cast<TColor>(skin.Font.Color));
  font->SetHeight(skin.Font.Height);
  font->SetName(skin.Font.Name);
  font->SetSize(skin.Font.Size);
  SpinPlayLeft->SetValue(skin.PlayLeft);
  SpinPlayTop->SetValue(skin.PlayTop);
  for (TSkinCombo combo : kSkinsDlgTakeOrder) {
    const TSkinPicture& picture = skin.Pictures[combo];
    if (pictures[combo]) {
      TakePicture(combo, pictures[combo].get());
    } else if (IsSkinBackground(combo) && picture.Index > 1 && picture.Name.empty()) {
      // A custom background without a name is switched off.
      (combo == skMainBMP ? FMainBackgroundSet : FTracksBackgroundSet) = false;
    }
  }
}

void TfrmSkins::ShowSchemes() {
  const TSkinSchemes& schemes = FSkins->GetSchemes();
  TStrings* items = cbxScheme->GetItems();
  items->BeginUpdate();
  items->Clear();
  for (const std::string& name : schemes.GetNames()) items->Add(name);
  items->EndUpdate();
  cbxScheme->SetItemIndex(schemes.GetItemIndex());
  FSchemeIndex = schemes.GetItemIndex();
}

void TfrmSkins::TakePicture(TSkinCombo combo, TBitmap* picture) {
  const TSkinSlot slot = SkinSlotOf(combo);
  TStyBitmapList* list = slot.InButtonList ? SkinsButtonList : SkinsBitmapList;
  list->GetBitmapItem(slot.Index)->SetBitmap(picture);
  if (combo == skMainBMP) FMainBackgroundSet = true;
  if (combo == skTracksBMP) FTracksBackgroundSet = true;
  if (IsBeatFace(combo)) {
    ShowBeatPreview(slot.Index);
    FBeatPreviewFace = combo == skBeatUp ? 0 : 1;
  }
  if (IsPlayFace(combo)) {
    ShowPlayPreview(slot.Index);
    FPlayPreviewFace = combo == skPlayUp ? 0 : 1;
  }
}

void TfrmSkins::LoadComboPicture(TSkinCombo combo) {
  const std::string path = SkinPicturePath(ProgramFolder(), combo, BuildSkin().Pictures[combo]);
  if (path.empty()) {
    if (combo == skMainBMP) FMainBackgroundSet = false;
    if (combo == skTracksBMP) FTracksBackgroundSet = false;
    return;
  }
  FScratchBitmap->LoadFromFile(path);
  TakePicture(combo, FScratchBitmap.get());
}

void TfrmSkins::PictureComboChange(TObject* Sender) {
  for (int i = 0; i < SkinComboCount; ++i)
    if (PictureCombo(static_cast<TSkinCombo>(i)) == Sender) return LoadComboPicture(static_cast<TSkinCombo>(i));
}

void TfrmSkins::PickPictureClick(TObject* Sender) {
  for (int i = 0; i < SkinComboCount; ++i) {
    if (this->*kSkinsDlgPickers[static_cast<std::size_t>(i)] != Sender) continue;
    if (!BMPDialog->Execute()) return;
    const std::string path = BMPDialog->GetFileName();
    const TSkinCombo combo = static_cast<TSkinCombo>(i);
    FScratchBitmap->LoadFromFile(path);
    TakePicture(combo, FScratchBitmap.get());
    // Selected in code: the combo's handler does not run, the picture
    // stays the one just read.
    SelectCustomEntry(PictureCombo(combo), SkinsDlgEntryName(ProgramFolder(), path));
    return;
  }
}

void TfrmSkins::SetPreviewFace(TStyMMButton* preview, int listIndex) {
  for (int state = 0; state < SkinsDlgButtonStates; ++state) preview->SetFace(state, listIndex, 0);
  preview->Invalidate();
}

void TfrmSkins::ShowBeatPreview(int listIndex) {
  SetPreviewFace(SkinsBeatButton, listIndex);
}

void TfrmSkins::ShowPlayPreview(int listIndex) {
  SetPreviewFace(SkinsPlaybutton, listIndex);
}

void TfrmSkins::SkinsBeatButtonClick(TObject*) {
  FBeatPreviewFace = FBeatPreviewFace == 1 ? 0 : FBeatPreviewFace + 1;
  ShowBeatPreview(FBeatPreviewFace);
}

void TfrmSkins::SkinsPlaybuttonClick(TObject*) {
  SkinsPlaybutton->SetPressed(false);
  FPlayPreviewFace = FPlayPreviewFace == 1 ? 0 : FPlayPreviewFace + 1;
  ShowPlayPreview(FPlayPreviewFace);
}

void TfrmSkins::cbxBeatTransparentClick(TObject*) {
  SkinsBeatButton->SetTransparent(cbxBeatTransparent->GetChecked());
}

void TfrmSkins::cbxPlayTransparentClick(TObject*) {
  SkinsPlaybutton->SetTransparent(cbxPlayTransparent->GetChecked());
}

void TfrmSkins::btnAdditionalClick(TObject*) {
  SetWidth(GetWidth() == SkinsDialogWideWidth ? SkinsDialogNarrowWidth : SkinsDialogWideWidth);
}

void TfrmSkins::Button1Click(TObject*) {
  FontDialog1->Execute();
}

void TfrmSkins::Button2Click(TObject*) {
  WinHelpA(GetHandle(), GetHelpFile().c_str(), HELP_CONTEXT, SkinsDialogHelpContext);
}

void TfrmSkins::btnPreviewClick(TObject*) {
  if (FSkins == nullptr) return;
  // Taken whole or not at all: a picture that cannot be read is reported
  // and the dialog stays open with everything the person chose.
  FSkins->TakeSkin(BuildSkin());
  RememberRevision();
  Hide();
  if (FApplySkin) FApplySkin();
}

void TfrmSkins::btnCancelClick(TObject*) {
  // What Preview put in force stays.
  Hide();
}

void ShowSkinsDialog(TfrmSkins& dialog) {
  dialog.SetWidth(SkinsDialogNarrowWidth);
  dialog.TakeStateFromSkins();
  dialog.Show();
}
