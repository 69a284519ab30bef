// The current track's waves: adding from the wave browser, removing,
// ordering and playing them. The list box shows the track's bank in its
// order, so a line's index is its wave's index.
#include "drumkit_editor/KitPath.h"
#include "drumkit_editor/padwerk_help.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/SysUtils.h"

void TfrmDrumEditor::AddWave(const std::string& path) {
  lblHint->SetVisible(false);
  TWaveCollection* waves = CurrentWaves();
  if (waves->GetCount() >= EditorMaxTrackWaves) {
    ShowMessage("Only 15 Waves can be on a Track!");
    return;
  }
  // A file that is no wave raises here, before the track changes.
  EditorWave->LoadFromFile(path);
  auto* item = static_cast<TWaveCollectionItem*>(waves->Add());
  item->SetName(SplitKitPath(path).Name);
  item->SetWave(EditorWave.get());
  item->Restore();
  UpdateDrumListBox();
}

void TfrmDrumEditor::btnAddWaveClick(TObject*) {
  if (!WaveFileSelected) return;
  TNavShListData* data = NavShellList1->SelectedItemData();
  if (data == nullptr) return;
  const std::string path = data->GetItemPath();
  // A file without an extension is no wave file of the browser's.
  if (ExtractFileExt(path).empty()) return;
  AddWave(path);
}

// The browser does not open the file: it goes to the track.
void TfrmDrumEditor::NavShellList1DblClickOpen(TObject*, bool& afHandled) {
  afHandled = true;
  lblHint->SetVisible(false);
  TNavShListData* data = NavShellList1->SelectedItemData();
  if (data == nullptr) return;
  AddWave(data->GetItemPath());
}

int TfrmDrumEditor::SelectedWaveIndex() const {
  const int i = DrumListBox->GetItemIndex();
  if (DrumListBox->GetItems()->GetCount() == 0 || i < 0 || i >= CurrentWaves()->GetCount()) return -1;
  return i;
}

// The selected line's own wave goes, also when another wave of the track
// has the same name.
void TfrmDrumEditor::btnRemoveWaveClick(TObject*) {
  const int i = SelectedWaveIndex();
  if (i < 0) return;
  delete CurrentWaves()->GetItems(i);
  UpdateDrumListBox();
}

void TfrmDrumEditor::btnRemoveAllClick(TObject*) {
  CurrentWaves()->Clear();
  UpdateDrumListBox();
}

void TfrmDrumEditor::MoveSelectedWave(int delta) {
  const int i = DrumListBox->GetItemIndex();
  TStrings* lines = DrumListBox->GetItems();
  const int to = i + delta;
  if (i < 0 || to < 0 || to >= lines->GetCount() || to >= CurrentWaves()->GetCount()) return;
  lines->Move(i, to);
  DrumListBox->SetItemIndex(to);
  CurrentWaves()->GetItems(i)->SetIndex(to);
}

void TfrmDrumEditor::btnUpClick(TObject*) {
  MoveSelectedWave(-1);
}

void TfrmDrumEditor::btnDownClick(TObject*) {
  MoveSelectedWave(+1);
}

void TfrmDrumEditor::btnPlayWaveClick(TObject*) {
  const int i = SelectedWaveIndex();
  if (i >= 0) CurrentWaves()->GetItems(i)->Play(false);
}

// Browser ---------------------------------------------------------------------

// The list fires OnChange before OnSelectItem for one click, so a click on a
// file leaves the flag set.
void TfrmDrumEditor::NavShellList1SelectItem(TObject*, TListItem*, bool Selected) {
  if (Selected) WaveFileSelected = true;
}

void TfrmDrumEditor::NavShellList1Change(TObject*, TListItem*, TItemChange) {
  WaveFileSelected = false;
}

void TfrmDrumEditor::NavShellTree1Change(TObject*, TTreeNode*) {
  WaveFileSelected = false;
}

void TfrmDrumEditor::NavShellList1FolderChanged(TObject*) {
  WaveFileSelected = false;
}

void TfrmDrumEditor::NavShellTree1Click(TObject*) {
  WaveFileSelected = false;
}
