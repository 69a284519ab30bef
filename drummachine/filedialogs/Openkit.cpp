#include "drummachine/filedialogs/Openkit.h"

#include "drummachine/filedialogs/DialogFileName.h"
#include "drummachine/kits/KitDisplay.h"
#include "drummachine/kits/UserKitMenu.h"
#include "drummachine/userkit/UserKitFile.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

TfrmOpenKit* frmOpenKit = nullptr;

namespace {

constexpr const char* SkinsFolderName = "skins";

}  // namespace

TfrmOpenKit::~TfrmOpenKit() {
  if (frmOpenKit == this) frmOpenKit = nullptr;
  // The list outlives this part of the form: its last events must not
  // reach it.
  if (NavShellList1 != nullptr) {
    NavShellList1->OnSelectItem = nullptr;
    NavShellList1->OnChange = nullptr;
    NavShellList1->OnMouseUp = nullptr;
    NavShellList1->OnDblClickOpen = nullptr;
  }
}

void TfrmOpenKit::Publish(TPublisher<TfrmOpenKit>& p) {
  p.Field("ListArea", &TfrmOpenKit::ListArea);
  p.Field("edtFileName", &TfrmOpenKit::edtFileName);
  p.Field("cbxFileType", &TfrmOpenKit::cbxFileType);
  p.Field("btnOpen", &TfrmOpenKit::btnOpen);
  p.Field("btnCancel", &TfrmOpenKit::btnCancel);

  p.Method("FormCreate", &TfrmOpenKit::FormCreate);
  p.Method("FormShow", &TfrmOpenKit::FormShow);
  p.Method("btnOpenClick", &TfrmOpenKit::btnOpenClick);
  p.Method("btnCancelClick", &TfrmOpenKit::btnCancelClick);
}

void TfrmOpenKit::FormCreate(TObject*) {
  NavShellList1 = new TNavShellList(this);
  NavShellList1->SetName("NavShellList1");
  NavShellList1->SetParent(ListArea);
  NavShellList1->SetAlign(alClient);
  NavShellList1->SetViewStyle(vsList);
  NavShellList1->SetFileFilter("*.kit");
  NavShellList1->SetTabOrder(0);
  NavShellList1->OnSelectItem = [this](TObject* s, TListItem* i, bool on) { NavShellList1SelectItem(s, i, on); };
  NavShellList1->OnChange = [this](TObject* s, TListItem* i, TItemChange c) { NavShellList1Change(s, i, c); };
  NavShellList1->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
    NavShellList1MouseUp(s, b, sh, x, y);
  };
  NavShellList1->OnDblClickOpen = [this](TObject* s, bool& handled) { NavShellList1DblClickOpen(s, handled); };
}

std::string TfrmOpenKit::ModeFolder() const {
  const std::string programFolder = Model != nullptr ? Model->ProgramFolder : GetCurrentDir();
  return Mode == TKitDialogMode::LoadKit ? UserKitsFolder(programFolder) : programFolder + "\\" + SkinsFolderName;
}

// The folder is chosen when the dialog shows, not at every activation: a
// message box over the dialog must not move the list away from where the
// person went.
void TfrmOpenKit::FormShow(TObject*) {
  const std::string folder = ModeFolder();
  if (Mode == TKitDialogMode::LoadKit && !DirectoryExists(folder)) CreateDirectoryA(folder.c_str(), nullptr);
  NavShellList1->GetFolder()->SetFolderPath(folder);
  // The caller emptied the name box: no item may stay selected from the
  // last showing, or a click on it would change nothing and never fill
  // the box.
  NavShellList1->SetSelected(nullptr);
  FSelected = false;
  FLastPath.clear();
  SetActiveControl(NavShellList1);
}

void TfrmOpenKit::NavShellList1SelectItem(TObject*, TListItem*, bool Selected) {
  if (Selected) FSelected = true;
}

void TfrmOpenKit::NavShellList1Change(TObject*, TListItem*, TItemChange) {
  FSelected = false;
}

// A click on an item puts its full path into the name box (a folder's too:
// Open then tells that it is not a kit file).
void TfrmOpenKit::NavShellList1MouseUp(TObject*, TMouseButton, TShiftState, int, int) {
  if (!FSelected) return;
  try {
    TNavShListData* data = NavShellList1->SelectedItemData();
    if (data == nullptr) return;
    FLastPath = data->GetItemPath();
  } catch (const Exception&) {
    return;  // the name box keeps its name
  }
  edtFileName->SetText(FLastPath);
}

std::string TfrmOpenKit::ChosenFile() const {
  const TDialogFileName name =
      CompleteDialogFileName(Trim(edtFileName->GetText()), NavShellList1->GetFolder()->GetFolderPath(),
                             MaskExtension(NavShellList1->GetFileFilter()));
  return name.Path.empty() ? std::string() : SystemFullPath(name.Path);
}

void TfrmOpenKit::Accept() {
  const std::string chosen = ChosenFile();
  if (chosen.empty()) return;
  if (Mode == TKitDialogMode::LoadKit) {
    // Only the kits of "user kits" can be loaded: their banks are found
    // there by the kit's name, and the user-kit list and a song name a kit
    // only by that name.
    const std::string kits = IncludeTrailingBackslash(SystemFullPath(ModeFolder()));
    if (ExtractFilePath(chosen) != kits) {
      Application->MessageBox(
          "A user drum kit is loaded from the folder \"" + kits + "\". Copy the kit's files there to load it.",
          GetCaption(), MB_OK | MB_ICONWARNING);
      return;
    }
    KitFileName = chosen;
    Loadkit();
  } else {
    KitFileName = chosen;
    if (Mode == TKitDialogMode::SaveSkin)
      SkinSaveConfirmed = true;
    else
      SkinLoadConfirmed = true;
  }
  SetModalResult(mrOk);
}

void TfrmOpenKit::btnOpenClick(TObject*) {
  Accept();
}

void TfrmOpenKit::NavShellList1DblClickOpen(TObject*, bool& Handled) {
  Handled = true;
  // The double click's first click already took the item's path.
  Accept();
}

void TfrmOpenKit::btnCancelClick(TObject*) {
  SetModalResult(mrCancel);
}

bool TfrmOpenKit::Loadkit() {
  if (Kits == nullptr) return false;
  return LoadUserKit(*Kits, KitFileName);
}

void TfrmOpenKit::LargeIconsClick(TObject*) {
  NavShellList1->SetViewStyle(vsIcon);
}
void TfrmOpenKit::SmallIconsClick(TObject*) {
  NavShellList1->SetViewStyle(vsSmallIcon);
}
void TfrmOpenKit::ListClick(TObject*) {
  NavShellList1->SetViewStyle(vsList);
}
void TfrmOpenKit::DetailsClick(TObject*) {
  NavShellList1->SetViewStyle(vsReport);
}

void ShowLoadUserKit(TfrmOpenKit& dialog, const TKitContext& kits) {
  dialog.Mode = TKitDialogMode::LoadKit;
  dialog.Model = &kits.Model;
  dialog.Kits = &kits;
  dialog.SetCaption("Load a User Drum Kit");
  dialog.NavShellList1->SetFileFilter("*.kit");
  dialog.edtFileName->SetText("");
  TStrings* types = dialog.cbxFileType->GetItems();
  types->Clear();
  types->Add("User Drumkit Files (*.kit)");
  dialog.cbxFileType->SetItemIndex(0);
  dialog.btnOpen->SetCaption("Open");
  dialog.ShowModal();
  UpdateDrumButtons(kits);
}
