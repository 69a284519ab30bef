// The skins dialog's files: choosing a scheme, saving the dialog's skin and
// loading a skin file into the dialog, through the kit file dialog in its
// skin modes.
#include "drummachine/filedialogs/Openkit.h"
#include "drummachine/skinsdialog/skins.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

namespace {

constexpr const char* SkinsFilesFileType = "Tambrel Skin Files (*.skn)";
constexpr const char* SkinsFilesFilter = "*.skn";

}  // namespace

bool TfrmSkins::ChooseSkinFile(bool save) {
  if (frmOpenKit == nullptr) return false;
  TfrmOpenKit& dialog = *frmOpenKit;
  dialog.Mode = save ? TKitDialogMode::SaveSkin : TKitDialogMode::LoadSkin;
  dialog.Model = FModel;
  dialog.SetCaption(save ? "Save a Skin..." : "Load a Skin...");
  dialog.NavShellList1->SetFileFilter(SkinsFilesFilter);
  dialog.edtFileName->SetText("");
  TStrings* types = dialog.cbxFileType->GetItems();
  types->Clear();
  types->Add(SkinsFilesFileType);
  dialog.cbxFileType->SetItemIndex(0);
  dialog.btnOpen->SetCaption(save ? "Save" : "Open");
  dialog.SkinSaveConfirmed = false;
  dialog.SkinLoadConfirmed = false;
  dialog.ShowModal();
  const bool confirmed = save ? dialog.SkinSaveConfirmed : dialog.SkinLoadConfirmed;
  dialog.SkinSaveConfirmed = false;
  dialog.SkinLoadConfirmed = false;
  return confirmed;
}

bool TfrmSkins::MayReplace(const std::string& name) const {
  const std::string text = "The skin \"" + name + "\" already exists.\nDo you want to replace it?";
  return Application->MessageBox(text, "Save a Skin...", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void TfrmSkins::ReadSkinIntoDialog(const std::string& fileName) {
  const TSkin skin = LoadSkinFile(fileName);
  ShowSkin(skin, ReadSkinPictures(ProgramFolder(), skin));
}

void TfrmSkins::cbxSchemeChange(TObject*) {
  if (FSkins == nullptr) return;
  const int chosen = cbxScheme->GetItemIndex();
  if (chosen < 0) return;
  const std::string name = cbxScheme->GetItems()->GetStrings(chosen);
  try {
    ReadSkinIntoDialog(FSkins->SchemeFileName(name));
  } catch (...) {
    // A scheme whose skin cannot be read is not chosen.
    cbxScheme->SetItemIndex(FSchemeIndex);
    throw;
  }
  FSkins->SelectScheme(name);
  FSchemeIndex = chosen;
  RememberRevision();
}

void TfrmSkins::btnSaveSkinClick(TObject*) {
  if (FSkins == nullptr || FModel == nullptr || !ChooseSkinFile(true)) return;
  const std::string typed = frmOpenKit->edtFileName->GetText();
  const std::string name = SkinNameOf(typed);
  if (name.empty()) return;
  if (FileExists(FModel->ProgramFolder + "\\Skins\\" + name + ".skn") && !MayReplace(name)) return;
  FSkins->SaveSkin(typed, BuildSkin());
  ShowSchemes();
  RememberRevision();
}

void TfrmSkins::btnLoadSkinClick(TObject*) {
  if (FSkins == nullptr || !ChooseSkinFile(false)) return;
  const std::string fileName = frmOpenKit->KitFileName;
  ReadSkinIntoDialog(fileName);
  FSkins->SelectScheme(SkinNameOf(fileName));
  ShowSchemes();
  RememberRevision();
}
