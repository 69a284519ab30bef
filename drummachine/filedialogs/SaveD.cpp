#include "drummachine/filedialogs/SaveD.h"

#include "drummachine/filedialogs/OpenD2.h"
#include "drummachine/filedialogs/midioptions.h"
#include "platform/vcl/SysUtils.h"

TfrmDialogSave* frmDialogSave = nullptr;

namespace {

constexpr int SongSaveHeight = 335;
constexpr int MidiExportHeight = 395;

}  // namespace

TfrmDialogSave::~TfrmDialogSave() {
  if (frmDialogSave == this) frmDialogSave = nullptr;
}

void TfrmDialogSave::Publish(TPublisher<TfrmDialogSave>& p) {
  p.Field("btnSave", &TfrmDialogSave::btnSave);
  p.Field("btnNewFolder", &TfrmDialogSave::btnNewFolder);
  p.Field("Panel1", &TfrmDialogSave::Panel1);
  p.Field("BtnSettings", &TfrmDialogSave::BtnSettings);

  p.Method("FormCreate", &TfrmDialogSave::FormCreate);
  p.Method("btnSaveClick", &TfrmDialogSave::btnSaveClick);
  p.Method("btnNewFolderClick", &TfrmDialogSave::btnNewFolderClick);
  p.Method("BtnSettingsClick", &TfrmDialogSave::BtnSettingsClick);
}

void TfrmDialogSave::FormCreate(TObject*) {
  SetUpShellControls();
  SetListFolder(GetCurrentDir() + "\\drum patterns");
}

void TfrmDialogSave::ShowMidiExport(bool midi) {
  Panel1->SetVisible(midi);
  BtnSettings->SetVisible(midi);
  SetHeight(midi ? MidiExportHeight : SongSaveHeight);
}

// The list's errors are caught as in the open dialog: a name that cannot
// be read leaves the box as it was.
void TfrmDialogSave::ListMouseUp(TMouseButton, TShiftState, int, int) {
  TakeSelectedFileName();
}

// A file double-clicked already exists: it is written over only after the
// person agrees.
void TfrmDialogSave::ListDblClickOpen(bool& Handled) {
  TNavShListData* item = SelectedItem();
  if (item == nullptr || item->IsFolder()) return;
  Handled = true;
  TakeSelectedFileName();
  if (Application->MessageBox("This File already exists, do you want to overwrite?", "Overwrite File?", MB_OKCANCEL) !=
      IDOK)
    return;
  Accept();
}

void TfrmDialogSave::btnSaveClick(TObject*) {
  Accept();
}

void TfrmDialogSave::Accept() {
  const std::optional<std::string> path = ChosenPath();
  if (!path) return;
  FChosenFile = *path;
  // The next open starts where this file went.
  if (frmDialogOpen != nullptr && !ListFolder().empty()) frmDialogOpen->SetListFolder(ListFolder());
  SetModalResult(mrOk);
}

void TfrmDialogSave::btnNewFolderClick(TObject*) {
  NavShellList1->NewFolder(true);
}

// The notes the export writes for each track.
void TfrmDialogSave::BtnSettingsClick(TObject*) {
  if (Model != nullptr) ShowMidiOptions(*Model);
}
