#include "drummachine/filedialogs/ShellFileDialog.h"

#include "platform/vcl/Dialogs.h"
#include "platform/vcl/SysUtils.h"

TShellFileDialog::TShellFileDialog(TComponent* AOwner) : TForm(AOwner) {}

// The list outlives this part of the dialog (the form frees its components
// last): its events must no longer reach the dialog's handlers.
TShellFileDialog::~TShellFileDialog() {
  if (NavShellList1 == nullptr) return;
  NavShellList1->OnSelectItem = nullptr;
  NavShellList1->OnMouseDown = nullptr;
  NavShellList1->OnMouseUp = nullptr;
  NavShellList1->OnDblClickOpen = nullptr;
}

void TShellFileDialog::Publish(TPublisher<TShellFileDialog>& p) {
  p.Field("NavShellCombo1", &TShellFileDialog::NavShellCombo1);
  p.Field("NavShellList1", &TShellFileDialog::NavShellList1);
  p.Field("UpOneLevelBtn", &TShellFileDialog::UpOneLevelBtn);
  p.Field("LargeIconsBtn", &TShellFileDialog::LargeIconsBtn);
  p.Field("SmallIconsBtn", &TShellFileDialog::SmallIconsBtn);
  p.Field("ListBtn", &TShellFileDialog::ListBtn);
  p.Field("DetailsBtn", &TShellFileDialog::DetailsBtn);
  p.Field("edtFileName", &TShellFileDialog::edtFileName);
  p.Field("cbxFileType", &TShellFileDialog::cbxFileType);
  p.Field("btnCancel", &TShellFileDialog::btnCancel);

  p.Method("UpOneLevelBtnClick", &TShellFileDialog::UpOneLevelBtnClick);
  p.Method("LargeIconsBtnClick", &TShellFileDialog::LargeIconsBtnClick);
  p.Method("SmallIconsBtnClick", &TShellFileDialog::SmallIconsBtnClick);
  p.Method("ListBtnClick", &TShellFileDialog::ListBtnClick);
  p.Method("DetailsBtnClick", &TShellFileDialog::DetailsBtnClick);
  p.Method("btnCancelClick", &TShellFileDialog::btnCancelClick);
}

void TShellFileDialog::SetUpShellControls() {
  NavShellList1->SetOptions(NavSlo(navsloAutoFill) | NavSlo(navsloDefaultKeyHandling) | NavSlo(navsloContextMenus) |
                            NavSlo(navsloDynamicRefresh) | NavSlo(navsloOleDrag) | NavSlo(navsloOleDrop) |
                            NavSlo(navsloFolderContextMenu));
  NavShellCombo1->SetShellList(NavShellList1);
  NavShellList1->OnSelectItem = [this](TObject*, TListItem* item, bool selected) { ListSelectItem(item, selected); };
  NavShellList1->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
    ListMouseDown(button, shift, x, y);
  };
  NavShellList1->OnMouseUp = [this](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
    ListMouseUp(button, shift, x, y);
  };
  NavShellList1->OnDblClickOpen = [this](TObject*, bool& handled) { ListDblClickOpen(handled); };
}

void TShellFileDialog::Preset(const std::string& caption, const std::string& mask, const std::string& fileType) {
  SetCaption(caption);
  FMask = mask;
  NavShellList1->SetFileFilter(mask);
  edtFileName->SetText("");
  cbxFileType->GetItems()->Clear();
  cbxFileType->GetItems()->Add(fileType);
  cbxFileType->SetItemIndex(0);
}

std::string TShellFileDialog::ListFolder() const {
  return NavShellList1->GetFolder()->GetFolderPath();
}

void TShellFileDialog::SetListFolder(const std::string& path) {
  NavShellList1->GetFolder()->SetFolderPath(ExcludeTrailingBackslash(path));
}

std::optional<std::string> TShellFileDialog::ChosenPath() {
  const TDialogFileName name = CompleteDialogFileName(edtFileName->GetText(), ListFolder(), MaskExtension(FMask));
  if (name.Problem == TDialogNameProblem::NoFolder) ShowMessage(DialogNameProblemText(name.Problem));
  if (name.Problem != TDialogNameProblem::None) return std::nullopt;
  return name.Path;
}

TNavShListData* TShellFileDialog::SelectedItem() const {
  return NavShellList1->SelectedItemData();
}

void TShellFileDialog::ListSelectItem(TListItem*, bool) {}
void TShellFileDialog::ListMouseDown(TMouseButton, TShiftState, int, int) {}
void TShellFileDialog::ListMouseUp(TMouseButton, TShiftState, int, int) {}
void TShellFileDialog::ListDblClickOpen(bool&) {}

void TShellFileDialog::TakeSelectedFileName() {
  try {
    TNavShListData* item = SelectedItem();
    if (item == nullptr || item->IsFolder()) return;
    const std::string name = item->GetItemFileName();
    if (FileNamePartHasExtension(name)) edtFileName->SetText(name);
  } catch (const Exception&) {
    // An item the shell cannot read any more leaves the name as it was.
  }
}

void TShellFileDialog::UpOneLevelBtnClick(TObject*) {
  NavShellCombo1->GoUp(1);
}

void TShellFileDialog::LargeIconsBtnClick(TObject*) {
  NavShellList1->SetViewStyle(vsIcon);
}

void TShellFileDialog::SmallIconsBtnClick(TObject*) {
  NavShellList1->SetViewStyle(vsSmallIcon);
}

void TShellFileDialog::ListBtnClick(TObject*) {
  NavShellList1->SetViewStyle(vsList);
}

void TShellFileDialog::DetailsBtnClick(TObject*) {
  NavShellList1->SetViewStyle(vsReport);
}

void TShellFileDialog::btnCancelClick(TObject*) {
  SetModalResult(mrCancel);
}
